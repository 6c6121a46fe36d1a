#include "dadosconsultas.h"
#include "sessao.h"

namespace {
// What differs between the kinds: the table, its fields, its items.
struct Movimento {
    QString tabela;
    QString campos;
    QString itens;      // the item table
    QString colunaItem; // its column naming the movement
};

Movimento movimento(TipoMovimento tipo)
{
    switch (tipo) {
    case TipoMovimento::Entrada:
        return {QStringLiteral("entrada_equipamento"), QStringLiteral("entrada_equipamento.ncodigo as codentrada,ddata,thora,cliente.cfantasia"),
                QStringLiteral("item_da_entrada"), QStringLiteral("nentrada_equipamento")};
    case TipoMovimento::Orcamento:
        return {QStringLiteral("orcamento"), QStringLiteral("orcamento.ncodigo as codorcamento,naprovado,ddata,cliente.cfantasia,nvalor"),
                QStringLiteral("item_orcamento"), QStringLiteral("norcamento")};
    case TipoMovimento::Ordem:
        break;
    }
    return {QStringLiteral("ordem"), QStringLiteral("ordem.ncodigo as codordem,ddata,cliente.cfantasia,nconcluida,nvalor"),
            QStringLiteral("item_ordem"), QStringLiteral("nordem")};
}
} // namespace

ConsultaLista lista_movimentos(TipoMovimento tipo, std::optional<qint32> codigo, std::optional<qint32> cliente)
{
    const Movimento m = movimento(tipo);
    ConsultaLista c{QStringLiteral("select %1 from %2,cliente").arg(m.campos, m.tabela),
                    {QStringLiteral("%1.ncliente = cliente.ncodigo").arg(m.tabela)}, m.tabela + QStringLiteral(".ncodigo")};
    if (codigo) { // one movement; the customer does not count then
        c.condicoes << m.tabela + QStringLiteral(".ncodigo = ?");
        c.valores << *codigo;
    } else if (cliente) {
        c.condicoes << m.tabela + QStringLiteral(".ncliente = ?");
        c.valores << *cliente;
    }
    // named on the movement's own column: the database then walks the
    // movement's codes in order and stops at the page, instead of sorting
    // every movement of every customer first
    c.condicoes << m.tabela + QStringLiteral(".ncliente <> 1");
    return c;
}

void exclui_movimento(Conexao& c, TipoMovimento tipo, qint32 codigo)
{
    const Movimento m = movimento(tipo);
    c.unidade(Operacao::Exclusao, [&] {
        c.execute(QStringLiteral("delete from %1 where %2 = ?").arg(m.itens, m.colunaItem), {codigo});
        c.execute(QStringLiteral("delete from %1 where ncodigo = ?").arg(m.tabela), {codigo});
    });
}

ConsultaLista servicos_da_maquina(qint32 maquina)
{
    return {QStringLiteral("select * from servico_equipamento where equipamento_cliente = ? and codigo_cliente > 1 order by codigo,data"),
            {}, {}, {}, {}, {maquina}};
}

#include "dadosconsultas.h"
#include "sessao.h"

namespace {
// What differs between the kinds: the statements, whole, and the table.
struct Movimento {
    QString tabela;
    QString selecao;
    QString exclusaoItens;
    QString exclusao;
};

Movimento movimento(TipoMovimento tipo)
{
    switch (tipo) {
    case TipoMovimento::Entrada:
        return {QStringLiteral("entrada_equipamento"),
                QStringLiteral("select entrada_equipamento.ncodigo as codentrada,ddata,thora,cliente.cfantasia from entrada_equipamento,cliente"),
                QStringLiteral("delete from item_da_entrada where nentrada_equipamento = ?"),
                QStringLiteral("delete from entrada_equipamento where ncodigo = ?")};
    case TipoMovimento::Orcamento:
        return {QStringLiteral("orcamento"),
                QStringLiteral("select orcamento.ncodigo as codorcamento,naprovado,ddata,cliente.cfantasia,nvalor from orcamento,cliente"),
                QStringLiteral("delete from item_orcamento where norcamento = ?"), QStringLiteral("delete from orcamento where ncodigo = ?")};
    case TipoMovimento::Ordem:
        break;
    }
    return {QStringLiteral("ordem"), QStringLiteral("select ordem.ncodigo as codordem,ddata,cliente.cfantasia,nconcluida,nvalor from ordem,cliente"),
            QStringLiteral("delete from item_ordem where nordem = ?"), QStringLiteral("delete from ordem where ncodigo = ?")};
}
} // namespace

ConsultaLista lista_movimentos(TipoMovimento tipo, std::optional<qint32> codigo, std::optional<qint32> cliente)
{
    const Movimento m = movimento(tipo);
    const QString coluna = m.tabela + QLatin1Char('.');
    ConsultaLista c{m.selecao, {coluna + QStringLiteral("ncliente = cliente.ncodigo")}, coluna + QStringLiteral("ncodigo")};
    if (codigo) { // one movement; the customer does not count then
        c.condicoes << coluna + QStringLiteral("ncodigo = ?");
        c.valores << *codigo;
    } else if (cliente) {
        c.condicoes << coluna + QStringLiteral("ncliente = ?");
        c.valores << *cliente;
    }
    // named on the movement's own column: the database then walks the
    // movement's codes in order and stops at the page, instead of sorting
    // every movement of every customer first
    c.condicoes << coluna + QStringLiteral("ncliente <> 1");
    return c;
}

void exclui_movimento(Conexao& c, TipoMovimento tipo, qint32 codigo)
{
    const Movimento m = movimento(tipo);
    c.unidade(Operacao::Exclusao, [&] {
        c.execute(m.exclusaoItens, {codigo});
        c.execute(m.exclusao, {codigo});
    });
}

ConsultaLista servicos_da_maquina(qint32 maquina)
{
    return {QStringLiteral("select * from servico_equipamento where equipamento_cliente = ? and codigo_cliente > 1 order by codigo,data"),
            {}, {}, {}, {}, {maquina}};
}

#include "dadosequipamentos.h"
#include "dadoscadastros.h"
#include "reservas.h"
#include "sessao.h"

qint32 reserva_equipamento()
{
    return qint32(conexao.executeRetornando(QStringLiteral("insert into equipamento values (null, '') returning ncodigo")).toLongLong());
}

std::optional<Equipamento> le_equipamento(qint32 codigo)
{
    return le_registro<Equipamento>(QStringLiteral("select * from equipamento where ncodigo = ?"), codigo, [](const Recordset& rs) {
        return Equipamento{qint32(rs.inteiro(QStringLiteral("ncodigo"))), rs.texto(QStringLiteral("cdescricao"))};
    });
}

void grava_equipamento(const Equipamento& e)
{
    atualiza_registro(QStringLiteral("update equipamento set cdescricao = ? where ncodigo = ?"), {texto_gravado(e.descricao), e.codigo});
}

void abandona_equipamento(qint32 codigo)
{
    conexao.unidade(Operacao::SaidaEquipamento, [codigo] {
        conexao.execute(QStringLiteral("delete from propriedade where nequipamento = ?"), {codigo});
        conexao.execute(QStringLiteral("delete from equipamento where ncodigo = ?"), {codigo});
        devolve_codigo(CodigoReservado::Equipamento, codigo);
    });
}

QList<Equipamento> tipos_de_equipamento()
{
    Recordset rs(conexao);
    rs.abre(QStringLiteral("select * from equipamento where " EQUIPAMENTO_GRAVADO " order by cdescricao"));
    QList<Equipamento> tipos;
    for (; !rs.eof(); rs.moveNext())
        tipos.append({qint32(rs.inteiro(QStringLiteral("ncodigo"))), rs.texto(QStringLiteral("cdescricao"))});
    return tipos;
}

QList<Propriedade> le_propriedades(qint32 equipamento)
{
    Recordset rs(conexao);
    rs.abre(QStringLiteral("select * from propriedade where nequipamento = ? order by ncodigo"), {equipamento});
    QList<Propriedade> propriedades;
    for (; !rs.eof(); rs.moveNext())
        propriedades.append({qint32(rs.inteiro(QStringLiteral("ncodigo"))), rs.texto(QStringLiteral("cdescricao"))});
    return propriedades;
}

void inclui_propriedade(qint32 equipamento, const QString& descricao)
{
    conexao.execute(QStringLiteral("insert into propriedade values(null, ?, ?)"), {equipamento, texto_gravado(descricao)});
}

void altera_propriedade(qint32 codigo, const QString& descricao)
{
    conexao.execute(QStringLiteral("update propriedade set cdescricao = ? where ncodigo = ?"), {texto_gravado(descricao), codigo});
}

void exclui_propriedade(qint32 codigo)
{
    conexao.execute(QStringLiteral("delete from propriedade where ncodigo = ?"), {codigo});
}

std::optional<EquipamentoCliente> le_equipamento_cliente(qint32 codigo)
{
    Recordset rs(conexao);
    rs.abre(QStringLiteral("select equipamento_cliente.ncliente, equipamento_cliente.nequipamento, equipamento_cliente.cidentificacao, "
                           "equipamento.cdescricao from equipamento_cliente, equipamento "
                           "where equipamento_cliente.nequipamento = equipamento.ncodigo and equipamento_cliente.ncodigo = ?"),
            {codigo});
    if (rs.eof())
        return std::nullopt;
    EquipamentoCliente m;
    m.codigo = codigo;
    m.cliente = qint32(rs.inteiro(QStringLiteral("ncliente")));
    m.tipo = {qint32(rs.inteiro(QStringLiteral("nequipamento"))), rs.texto(QStringLiteral("cdescricao"))};
    m.identificacao = rs.texto(QStringLiteral("cidentificacao"));
    rs.abre(QStringLiteral("select propriedade.ncodigo, propriedade.cdescricao, cvalor from Propriedade, Propriedade_equipamento_cliente "
                           "where Propriedade_equipamento_cliente.nPropriedade = Propriedade.ncodigo and nequipamento_cliente = ?"),
            {codigo});
    for (; !rs.eof(); rs.moveNext())
        m.valores.append({qint32(rs.inteiro(QStringLiteral("ncodigo"))), rs.texto(QStringLiteral("cdescricao")), rs.texto(QStringLiteral("cvalor"))});
    return m;
}

qint32 grava_equipamento_cliente(const EquipamentoCliente& m)
{
    qint32 codigo = m.codigo;
    conexao.unidade(Operacao::GravacaoMaquina, [&] {
        if (m.codigo == 0) {
            // the code comes back from the insert itself, not from the generator
            // (another station may draw from it at the same moment)
            codigo = qint32(conexao.executeRetornando(QStringLiteral("insert into equipamento_cliente values(null, ?, ?, ?) returning ncodigo"),
                                                      {m.cliente, m.tipo.codigo, texto_gravado(m.identificacao)})
                                .toLongLong());
        } else {
            atualiza_registro(QStringLiteral("update equipamento_cliente set cidentificacao = ? where ncodigo = ?"),
                              {texto_gravado(m.identificacao), m.codigo});
            conexao.execute(QStringLiteral("delete from Propriedade_equipamento_cliente where nequipamento_cliente = ?"), {m.codigo});
        }
        for (const ValorPropriedade& v : m.valores)
            conexao.execute(QStringLiteral("insert into Propriedade_equipamento_cliente values(?, ?, ?)"),
                            {v.propriedade, codigo, texto_gravado(v.valor)});
    });
    return codigo;
}

#include "dadosrecebiveis.h"
#include "sessao.h"

#include <QTime>

namespace {

const QString VISAO_A_RECEBER = QStringLiteral("select * from view_contas_a_receber");
const QString VISAO_RECEBIDAS = QStringLiteral("select * from view_contas_recebidas");
const QString TOTAIS_A_RECEBER
    = QStringLiteral("select count(*) as qtde, sum(valor_parcela - valor_pago) as total from view_contas_a_receber");
const QString TOTAIS_RECEBIDAS = QStringLiteral("select count(*) as qtde, sum(total) as total from view_contas_recebidas");

void acrescenta_periodo(ConsultaLista& c, Carteira carteira, const QDate& de, const QDate& ate)
{
    if (carteira == Carteira::AReceber) {
        c.condicoes << QStringLiteral("vencimento between ? and ?");
        c.valores << de << ate;
    } else {
        // up to (not including) the first moment of the day after the last
        c.condicoes << QStringLiteral("data_baixa >= ?") << QStringLiteral("data_baixa < ?");
        c.valores << QDateTime(de, QTime(0, 0)) << QDateTime(ate.addDays(1), QTime(0, 0));
    }
}

} // namespace

bool filtra_periodo(FiltroContas filtro)
{
    return filtro == FiltroContas::PorPeriodo || filtro == FiltroContas::PorClienteEPeriodo;
}

bool filtra_cliente(FiltroContas filtro)
{
    return filtro == FiltroContas::PorCliente || filtro == FiltroContas::PorClienteEPeriodo;
}

ConsultaLista consulta_contas(Carteira carteira, FiltroContas filtro, const QDate& de, const QDate& ate, qint32 cliente,
                              const QDate& hoje)
{
    const bool aReceber = carteira == Carteira::AReceber;
    ConsultaLista c{aReceber ? VISAO_A_RECEBER : VISAO_RECEBIDAS, {}, aReceber ? QStringLiteral("vencimento") : QStringLiteral("data_baixa"),
                    {}, QStringLiteral("codigo_conta")};
    if (filtra_periodo(filtro))
        acrescenta_periodo(c, carteira, de, ate);
    if (filtra_cliente(filtro)) {
        c.condicoes << QStringLiteral("codigo_cliente = ?");
        c.valores << cliente;
    }
    if (filtro == FiltroContas::Vencidas && aReceber) {
        c.condicoes << QStringLiteral("vencimento < ?");
        c.valores << hoje;
    }
    return c;
}

TotaisContas totais_contas(Conexao& c, Carteira carteira, const ConsultaLista& consulta)
{
    ConsultaLista totais = consulta;
    totais.selecao = carteira == Carteira::AReceber ? TOTAIS_A_RECEBER : TOTAIS_RECEBIDAS;
    totais.ordem.clear();
    Recordset rs(c);
    rs.abre(totais.sql(), totais.valores);
    return {rs.inteiro(QStringLiteral("qtde")), rs.dinheiro(QStringLiteral("total"))};
}

ContaAReceber le_conta_a_receber(const Recordset& rs)
{
    ContaAReceber c;
    c.codigo = qint32(rs.inteiro(QStringLiteral("codigo_conta")));
    c.cliente = rs.texto(QStringLiteral("nome_cliente"));
    c.vencimento = rs.data(QStringLiteral("vencimento"));
    c.valor = rs.dinheiro(QStringLiteral("valor_parcela"));
    c.parcela = rs.texto(QStringLiteral("parcela"));
    c.pago = rs.dinheiro(QStringLiteral("valor_pago"));
    return c;
}

ContaRecebida le_conta_recebida(const Recordset& rs)
{
    ContaRecebida c;
    c.codigo = qint32(rs.inteiro(QStringLiteral("codigo_conta")));
    c.codigoCliente = qint32(rs.inteiro(QStringLiteral("codigo_cliente")));
    c.cliente = rs.texto(QStringLiteral("nome_cliente"));
    c.vencimento = rs.data(QStringLiteral("vencimento"));
    c.valor = rs.dinheiro(QStringLiteral("valor_parcela"));
    c.parcela = rs.texto(QStringLiteral("parcela"));
    c.recebido = rs.dinheiro(QStringLiteral("total"));
    c.liquidacao = rs.data(QStringLiteral("data_baixa"));
    c.entrada = rs.texto(QStringLiteral("codigo_entrada"));
    return c;
}

std::optional<Dinheiro> le_valor_aberto(Conexao& c, qint32 conta)
{
    Recordset rs(c);
    rs.abre(QStringLiteral("select npago, nvalor_parcela from conta_receber where ncodigo = ? with lock"), {conta});
    if (rs.recordCount() == 0 || rs.inteiro(QStringLiteral("npago")) != 0)
        return std::nullopt;
    const Dinheiro valor = rs.dinheiro(QStringLiteral("nvalor_parcela"));
    rs.abre(QStringLiteral("select coalesce(sum(nvalor_baixa),0) as pago from baixa_conta_receber where nconta_receber = ?"), {conta});
    return valor - rs.dinheiro(QStringLiteral("pago"));
}

GravacaoBaixa grava_baixa(Conexao& c, const Baixa& baixa, const Dinheiro& abertoVisto)
{
    GravacaoBaixa r;
    c.unidade(Operacao::Baixa, [&] {
        r = {}; // a run again after a conflict starts afresh
        const std::optional<Dinheiro> aberto = le_valor_aberto(c, baixa.conta);
        if (!aberto) {
            r.situacao = GravacaoBaixa::ContaFechada;
            return;
        }
        if (*aberto != abertoVisto) {
            // the amounts the user agreed to no longer hold
            r.situacao = GravacaoBaixa::ValorMudou;
            r.aberto = *aberto;
            return;
        }
        if (baixa.tipo == TipoBaixa::Integral)
            c.execute(QStringLiteral("update conta_receber set npago = 1 where ncodigo = ?"), {baixa.conta});
        r.baixa = c.executeRetornando(QStringLiteral("insert into baixa_conta_receber values(null, ?, ?, ?, ?, ?, ?, ?, ?) returning ncodigo"),
                                      {baixa.conta, baixa.valor.sql(), baixa.formaPagamento, baixa.desconto.sql(),
                                       baixa.acrescimo.sql(), letra_baixa(baixa.tipo), baixa.observacao, baixa.momento})
                      .toInt();
    });
    return r;
}

QList<Baixa> baixas_da_conta(Conexao& c, qint32 conta)
{
    Recordset rs(c);
    rs.abre(QStringLiteral("select ncodigo, ddata_baixa, ndesconto, nacrescimo, nvalor_baixa, ctipo_baixa, nforma_pagto, cobs "
                           "from baixa_conta_receber where nconta_receber = ?"),
            {conta});
    QList<Baixa> r;
    for (; !rs.eof(); rs.moveNext()) {
        Baixa b;
        b.codigo = qint32(rs.inteiro(QStringLiteral("ncodigo")));
        b.conta = conta;
        b.momento = rs.valor(QStringLiteral("ddata_baixa")).toDateTime();
        b.desconto = rs.dinheiro(QStringLiteral("ndesconto"));
        b.acrescimo = rs.dinheiro(QStringLiteral("nacrescimo"));
        b.valor = rs.dinheiro(QStringLiteral("nvalor_baixa"));
        b.tipo = tipo_baixa(rs.texto(QStringLiteral("ctipo_baixa")));
        b.formaPagamento = int(rs.inteiro(QStringLiteral("nforma_pagto")));
        b.observacao = rs.texto(QStringLiteral("cobs"));
        r << b;
    }
    return r;
}

void exclui_baixa(Conexao& c, qint32 baixa)
{
    c.execute(QStringLiteral("delete from baixa_conta_receber where ncodigo = ?"), {baixa});
}

void altera_vencimento(Conexao& c, qint32 conta, const QDate& vencimento)
{
    c.execute(QStringLiteral("update conta_receber set dvencimento = ? where ncodigo = ?"), {vencimento, conta});
}

void reabre_conta(Conexao& c, qint32 conta)
{
    c.unidade(Operacao::Reabertura, [&] {
        c.execute(QStringLiteral("delete from baixa_conta_receber where nconta_receber = ? and ctipo_baixa = 'I'"), {conta});
        c.execute(QStringLiteral("update conta_receber set npago = 0 where ncodigo = ?"), {conta});
    });
}

#include "resumoloja.h"
#include "sessao.h"

#include <QLocale>

namespace {

// Sums of an amount per month over [inicio, fim): month index -> sum.
QMap<int, Dinheiro> por_mes(Conexao& c, const QString& sql, const QDate& inicio, const QDate& fim)
{
    Recordset rs(c);
    rs.abre(sql, {inicio.startOfDay(), fim.startOfDay()});
    QMap<int, Dinheiro> r;
    for (; !rs.eof(); rs.moveNext())
        r.insert(int(rs.inteiro(QStringLiteral("ano")) * 12 + rs.inteiro(QStringLiteral("mes")) - 1),
                 rs.dinheiroOpcional(QStringLiteral("total")).value_or(Dinheiro()));
    return r;
}

} // namespace

QString nome_mes_curto(const QDate& inicio)
{
    return QLocale(QLocale::Portuguese, QLocale::Brazil).toString(inicio, QStringLiteral("MMM/yy")).remove(QLatin1Char('.'));
}

ResumoLoja le_resumo_loja(Conexao& c, const QDate& hoje)
{
    ResumoLoja r;
    r.hoje = hoje;
    r.etapas = conta_etapas(c, FiltroOficina{});
    // the open instalments due up to today, each read once with what is
    // open of it (its own table, through the index on paid and due date)
    Recordset vencimentos(c);
    vencimentos.abre(QStringLiteral(
        "select count(iif(vencimento = ?, 1, null)) as n_hoje, sum(iif(vencimento = ?, aberto, null)) as aberto_hoje, "
        "count(iif(vencimento < ?, 1, null)) as n_vencidas, sum(iif(vencimento < ?, aberto, null)) as aberto_vencidas "
        "from (select c.dvencimento as vencimento, c.nvalor_parcela - coalesce((select sum(b.nvalor_baixa) "
        "from baixa_conta_receber b where b.nconta_receber = c.ncodigo), 0) as aberto "
        "from conta_receber c where c.npago = 0 and c.dvencimento <= ?)"),
        {hoje, hoje, hoje, hoje, hoje});
    r.vencemHoje = {int(vencimentos.inteiro(QStringLiteral("n_hoje"))),
                    vencimentos.dinheiroOpcional(QStringLiteral("aberto_hoje")).value_or(Dinheiro())};
    r.vencidas = {int(vencimentos.inteiro(QStringLiteral("n_vencidas"))),
                  vencimentos.dinheiroOpcional(QStringLiteral("aberto_vencidas")).value_or(Dinheiro())};

    const QDate esteMes(hoje.year(), hoje.month(), 1);
    const QDate inicio = esteMes.addMonths(-11);
    const QDate fim = esteMes.addMonths(1);
    // received: every write-off, partial or full, on the day it was made
    const auto recebido = por_mes(c, QStringLiteral(
        "select extract(year from ddata_baixa) as ano, extract(month from ddata_baixa) as mes, sum(nvalor_baixa) as total "
        "from baixa_conta_receber where ddata_baixa >= ? and ddata_baixa < ? group by 1, 2"), inicio, fim);
    // billed: the orders of the month that are concluded (a movement still
    // being filled belongs to customer 1 and is no order yet)
    const auto faturado = por_mes(c, QStringLiteral(
        "select extract(year from ddata) as ano, extract(month from ddata) as mes, sum(nvalor) as total "
        "from ordem where ddata >= ? and ddata < ? and nconcluida = 1 and ncliente <> 1 group by 1, 2"), inicio, fim);
    for (QDate m = inicio; m < fim; m = m.addMonths(1)) {
        const int chave = m.year() * 12 + m.month() - 1;
        r.meses << MesLoja{m, recebido.value(chave), faturado.value(chave)};
    }
    r.recebidoMes = r.meses.last().recebido;
    r.recebidoMesAnterior = r.meses.at(r.meses.size() - 2).recebido;

    Recordset rs(c);
    rs.abre(QStringLiteral("select codigo_tecnico, max(nome_tecnico) as nome, count(*) as servicos, sum(valor) as valor, "
                           "sum(valor_comissao) as comissao from servico_por_tecnico "
                           "where data >= ? and data < ? and codigo_tecnico is not null and codigo_cliente <> 1 and concluida = 1 "
                           "group by codigo_tecnico order by 2"),
            {esteMes, fim});
    for (; !rs.eof(); rs.moveNext())
        r.tecnicos << TecnicoNoMes{qint32(rs.inteiro(QStringLiteral("codigo_tecnico"))), rs.texto(QStringLiteral("nome")),
                                   int(rs.inteiro(QStringLiteral("servicos"))),
                                   rs.dinheiroOpcional(QStringLiteral("valor")).value_or(Dinheiro()),
                                   rs.dinheiroOpcional(QStringLiteral("comissao")).value_or(Dinheiro())};
    return r;
}

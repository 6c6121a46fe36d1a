#include "alteracoesfinanceiras.h"
#include "sessao.h"

namespace {

QString mostra(const std::optional<Dinheiro>& valor, const QDate& vencimento)
{
    if (valor)
        return valor->moeda();
    return vencimento.isValid() ? vencimento.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

} // namespace

QString descricao_alteracao(TipoAlteracao tipo)
{
    switch (tipo) {
    case TipoAlteracao::PagamentoGravado: return QStringLiteral("Pagamento gravado");
    case TipoAlteracao::PagamentoExcluido: return QStringLiteral("Pagamento excluído");
    case TipoAlteracao::PagamentoAlterado: return QStringLiteral("Pagamento alterado");
    case TipoAlteracao::VencimentoAlterado: return QStringLiteral("Vencimento alterado");
    case TipoAlteracao::ValorAlterado: return QStringLiteral("Valor alterado");
    case TipoAlteracao::ContaReaberta: return QStringLiteral("Conta reaberta");
    case TipoAlteracao::ParcelaExcluida: return QStringLiteral("Parcela excluída");
    case TipoAlteracao::OrdemConcluida: return QStringLiteral("Ordem concluída");
    case TipoAlteracao::OrdemReaberta: return QStringLiteral("Ordem reaberta");
    }
    return {};
}

QString AlteracaoFinanceira::antes() const { return mostra(valorAntes, vencimentoAntes); }

QString AlteracaoFinanceira::depois() const { return mostra(valorDepois, vencimentoDepois); }

ConsultaLista consulta_alteracoes(const QDate& de, const QDate& ate)
{
    // the period runs to the end of its last day: up to (not including)
    // the first moment of the day after
    return {QStringLiteral("select ncodigo, dmomento, cusuario, cestacao, ntipo, ctabela, nregistro, nordem, nconta_receber, "
                           "nvalor_antes, nvalor_depois, dvencimento_antes, dvencimento_depois from alteracao_financeira"),
            {QStringLiteral("dmomento >= ?"), QStringLiteral("dmomento < ?")},
            QStringLiteral("dmomento"),
            {},
            QStringLiteral("ncodigo"),
            {QDateTime(de, QTime(0, 0)), QDateTime(ate.addDays(1), QTime(0, 0))}};
}

AlteracaoFinanceira le_alteracao(const Recordset& rs)
{
    AlteracaoFinanceira a;
    a.codigo = qint32(rs.inteiro(QStringLiteral("ncodigo")));
    a.momento = rs.valor(QStringLiteral("dmomento")).toDateTime();
    a.usuario = rs.texto(QStringLiteral("cusuario")).trimmed();
    a.estacao = rs.texto(QStringLiteral("cestacao")).trimmed();
    a.tipo = TipoAlteracao(rs.inteiro(QStringLiteral("ntipo")));
    a.tabela = rs.texto(QStringLiteral("ctabela")).trimmed();
    a.registro = qint32(rs.inteiro(QStringLiteral("nregistro")));
    a.ordem = rs.codigoOpcional(QStringLiteral("nordem"));
    a.conta = rs.codigoOpcional(QStringLiteral("nconta_receber"));
    a.valorAntes = rs.dinheiroOpcional(QStringLiteral("nvalor_antes"));
    a.valorDepois = rs.dinheiroOpcional(QStringLiteral("nvalor_depois"));
    a.vencimentoAntes = rs.data(QStringLiteral("dvencimento_antes"));
    a.vencimentoDepois = rs.data(QStringLiteral("dvencimento_depois"));
    return a;
}

QList<AlteracaoFinanceira> alteracoes_no_periodo(Conexao& c, const QDate& de, const QDate& ate)
{
    const ConsultaLista consulta = consulta_alteracoes(de, ate);
    Recordset rs(c);
    rs.abre(consulta.sql(), consulta.valores);
    QList<AlteracaoFinanceira> r;
    r.reserve(rs.recordCount());
    for (; !rs.eof(); rs.moveNext())
        r << le_alteracao(rs);
    return r;
}

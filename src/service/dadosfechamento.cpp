#include "dadosfechamento.h"
#include "errosbanco.h"
#include "sessao.h"

#include <algorithm>
#include <functional>

namespace {
// A note is stored as typed, an empty one as empty text (the driver binds a
// null string as null).
QString nota(const QString& texto) { return texto.isNull() ? QStringLiteral("") : texto; }

ResultadoFechamento fecha(Conexao& c, Operacao op, const Fechamento& f, const QVector<ContaDaOrdem>& antes,
                          const std::function<void()>& gravaContas)
{
    auto resultado = ResultadoFechamento::Gravado;
    c.unidade(op, [&] {
        resultado = ResultadoFechamento::Gravado; // a run again after a conflict starts afresh
        // a second closing of this order waits here for the first, and
        // (run again after it) finds the receivables the first stored
        Recordset rs(c);
        rs.abre(QStringLiteral("select ncodigo from ordem where ncodigo = ? with lock"), {f.ordem});
        if (rs.recordCount() == 0)
            throw Recusa(REGISTRO_EXCLUIDO);
        const QVector<ContaDaOrdem> contas = contas_da_ordem(c, f.ordem);
        if (contas != antes || std::any_of(contas.begin(), contas.end(), [](const ContaDaOrdem& k) { return k.pagamentos > 0; })) {
            resultado = ResultadoFechamento::JaFechada;
            return;
        }
        if (!contas.isEmpty())
            c.execute(QStringLiteral("delete from conta_receber where nordem = ?"), {f.ordem});
        const QVariantList valores{f.cliente, f.condicao, f.total.sql(), nota(f.observacao), f.ordem};
        if (f.data.isValid())
            c.execute(QStringLiteral("update ordem set ddata = ?, ncliente = ?, ncondicao = ?, nvalor = ?, cobs = ?, nconcluida = 1 "
                                     "where ncodigo = ?"),
                      QVariantList{f.data} + valores);
        else
            c.execute(QStringLiteral("update ordem set ncliente = ?, ncondicao = ?, nvalor = ?, cobs = ?, nconcluida = 1 where ncodigo = ?"),
                      valores);
        gravaContas();
    });
    return resultado;
}
} // namespace

QVector<ContaDaOrdem> contas_da_ordem(Conexao& c, qint32 ordem)
{
    Recordset rs(c);
    rs.abre(QStringLiteral("select c.ncodigo, (select count(*) from baixa_conta_receber b where b.nconta_receber = c.ncodigo) "
                           "as npagamentos from conta_receber c where c.nordem = ? order by c.ncodigo"),
            {ordem});
    QVector<ContaDaOrdem> contas;
    for (; !rs.eof(); rs.moveNext())
        contas.append({qint32(rs.inteiro(QStringLiteral("ncodigo"))), int(rs.inteiro(QStringLiteral("npagamentos")))});
    return contas;
}

ResultadoFechamento fecha_a_prazo(Conexao& c, const Fechamento& fechamento, const QVector<ContaDaOrdem>& antes,
                                  const QVector<Parcela>& parcelas)
{
    return fecha(c, Operacao::FechamentoPrazo, fechamento, antes, [&] {
        for (const Parcela& p : parcelas)
            c.execute(QStringLiteral("insert into conta_receber values(null, ?, ?, ?, 0, ?, 0)"),
                      {fechamento.ordem, p.rotulo, p.valor.sql(), p.vencimento});
    });
}

ResultadoFechamento fecha_a_vista(Conexao& c, const Fechamento& fechamento, const QVector<ContaDaOrdem>& antes,
                                  const PagamentoVista& pagamento)
{
    return fecha(c, Operacao::PagamentoVista, fechamento, antes, [&] {
        // the write-off points at the receivable this very insert created
        const QVariant conta = c.executeRetornando(
            QStringLiteral("insert into conta_receber values(null, ?, '1/1', ?, 1, ?, 0) returning ncodigo"),
            {fechamento.ordem, fechamento.total.sql(), pagamento.dia});
        c.execute(QStringLiteral("insert into baixa_conta_receber values(null, ?, ?, ?, 0, 0, 'I', ?, ?)"),
                  {conta, fechamento.total.sql(), pagamento.formaPagamento, nota(pagamento.observacao), pagamento.dia});
    });
}

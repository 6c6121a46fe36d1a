#include "impressos.h"
#include "controlerelatorio.h"
#include "estabelecimento.h"
#include "mensagens.h"
#include "errosbanco.h"
#include "sessao.h"
#include "motorrelatorio.h"

#include <optional>

namespace {

// A code as the forms hold it: digits only, within 32 bits.
std::optional<qint32> le_codigo(const QString& texto)
{
    bool ok = false;
    const qint32 c = texto.trimmed().toInt(&ok);
    if (!ok || c < 0) {
        mensagens().aviso(QStringLiteral("Código inválido para impressão: \"%1\"").arg(texto), Mensagens::Icone::Erro);
        return std::nullopt;
    }
    return c;
}

// The footer of every printout, read from the shop's record now; none, with
// the error shown, when it cannot be read.
std::optional<QString> rodape()
{
    try {
        return Estabelecimento::le(conexao).rodape;
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
    } catch (const std::exception& e) {
        mensagens().aviso(QString::fromUtf8(e.what()), Mensagens::Icone::Erro);
    }
    return std::nullopt;
}

} // namespace

void emite_comprovante_entrada(qint32 codigo, const QString& data)
{
    if (!mensagens().pergunta(QStringLiteral("Deseja emitir o comprovante de entrada de equipamentos?")))
        return;
    const auto linhaRodape = rodape();
    if (!linhaRodape)
        return;
    ControleRelatorio& c = novo_documento(QStringLiteral("001.rpt"));
    c.SelectionFormula = QStringLiteral("{entrada_equipamento.ncodigo}=%1").arg(codigo);
    c.Formulas[0] = formula(QStringLiteral("Numero"), data + QStringLiteral(" - N.º ") + QString::number(codigo));
    c.Formulas[1] = formula(QStringLiteral("Rodape"), *linhaRodape);
    c.setAction(1);
}

void emite_comprovante_entrada(const QString& codigo, const QString& data)
{
    if (const auto c = le_codigo(codigo))
        emite_comprovante_entrada(*c, data);
}

void emite_termo_entrega(qint32 codigo)
{
    if (!mensagens().pergunta(QStringLiteral("Deseja emitir o termo de entrega?")))
        return;
    const auto linhaRodape = rodape();
    if (!linhaRodape)
        return;
    ControleRelatorio& c = novo_documento(QStringLiteral("012.rpt"));
    c.SelectionFormula = QStringLiteral("{entrega.ncodigo}=%1").arg(codigo);
    c.Formulas[0] = formula(QStringLiteral("Rodape"), *linhaRodape);
    c.setAction(1);
}

QString texto_vencimentos(qint32 codigo)
{
    // in due-date order: the storage order of the rows is not guaranteed
    // once an order's receivables have been written again
    Recordset rs(conexao);
    rs.abre(QStringLiteral("select * from conta_receber where nordem = ? order by dvencimento, ncodigo"), {codigo});
    QString texto;
    for (; !rs.eof(); rs.moveNext())
        texto += QStringLiteral(" Vencimento: ") + rs.texto(QStringLiteral("dvencimento")) + QStringLiteral(" Valor: ")
                 + rs.dinheiro(QStringLiteral("nvalor_parcela")).moeda() + QStringLiteral(" || ");
    if (texto.endsWith(QLatin1String(" || ")))
        texto.chop(4);
    return texto.trimmed();
}

void emite_ordem_servico(qint32 codigo)
{
    if (!mensagens().pergunta(QStringLiteral("Deseja emitir a ordem de serviço?")))
        return;
    QString vencimentos;
    try {
        vencimentos = texto_vencimentos(codigo);
    } catch (const ErroBanco& e) {
        // an order printed without its due dates would mislead the customer
        trata_erro_banco(e);
        return;
    }
    const auto linhaRodape = rodape();
    if (!linhaRodape)
        return;
    ControleRelatorio& c = novo_documento(QStringLiteral("002.rpt"));
    c.SelectionFormula = QStringLiteral("{view_ordem.codigo_ordem}=%1").arg(codigo);
    c.Formulas[1] = formula(QStringLiteral("Rodape"), *linhaRodape);
    c.Formulas[2] = formula(QStringLiteral("Vencimentos"), vencimentos);
    c.setAction(1);
}

void emite_ordem_servico(const QString& codigo)
{
    if (const auto c = le_codigo(codigo))
        emite_ordem_servico(*c);
}

void emite_orcamento(qint32 codigo)
{
    if (!mensagens().pergunta(QStringLiteral("Deseja emitir o orçamento?")))
        return;
    const auto linhaRodape = rodape();
    if (!linhaRodape)
        return;
    ControleRelatorio& c = novo_documento(QStringLiteral("011.rpt"));
    c.SelectionFormula = QStringLiteral("{orcamento.ncodigo}=%1").arg(codigo);
    c.Formulas[0] = formula(QStringLiteral("Rodape"), *linhaRodape);
    c.setAction(1);
}

void emite_orcamento(const QString& codigo)
{
    if (const auto c = le_codigo(codigo))
        emite_orcamento(*c);
}

#include "impressos.h"
#include "controlerelatorio.h"
#include "estabelecimento.h"
#include "mensagens.h"
#include "errosbanco.h"
#include "legado.h"
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

} // namespace

void emite_comprovante_entrada(qint32 codigo, const QString& data)
{
    if (!mensagens().pergunta(QStringLiteral("Deseja emitir o comprovante de entrada de equipamentos?")))
        return;
    ControleRelatorio& c = novo_documento(QStringLiteral("001.rpt"));
    c.SelectionFormula = QStringLiteral("{entrada_equipamento.ncodigo}=%1").arg(codigo);
    c.Formulas[0] = formula(QStringLiteral("Numero"), data + QStringLiteral(" - N.º ") + QString::number(codigo));
    c.Formulas[1] = formula(QStringLiteral("Rodape"), Estabelecimento::le(conexao).rodape);
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
    ControleRelatorio& c = novo_documento(QStringLiteral("012.rpt"));
    c.SelectionFormula = QStringLiteral("{entrega.ncodigo}=%1").arg(codigo);
    c.Formulas[0] = formula(QStringLiteral("Rodape"), Estabelecimento::le(conexao).rodape);
    c.setAction(1);
}

QString texto_vencimentos(qint32 codigo)
{
    // in due-date order: the storage order of the rows is not guaranteed
    // once an order's receivables have been written again
    cSQL = QStringLiteral("select * from conta_receber where nordem = %1 order by dvencimento, ncodigo").arg(codigo);
    rsAux.abre(cSQL);
    QString texto;
    while (!rsAux.eof()) {
        texto += QStringLiteral(" Vencimento: ") + rsAux.texto(QStringLiteral("dvencimento")) + QStringLiteral(" Valor: ")
                 + rsAux.dinheiro(QStringLiteral("nvalor_parcela")).moeda() + QStringLiteral(" || ");
        rsAux.moveNext();
    }
    rsAux.fecha();
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
        rsAux.fecha();
        trata_erro_banco(e);
        return;
    }
    ControleRelatorio& c = novo_documento(QStringLiteral("002.rpt"));
    c.SelectionFormula = QStringLiteral("{view_ordem.codigo_ordem}=%1").arg(codigo);
    c.Formulas[1] = formula(QStringLiteral("Rodape"), Estabelecimento::le(conexao).rodape);
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
    ControleRelatorio& c = novo_documento(QStringLiteral("011.rpt"));
    c.SelectionFormula = QStringLiteral("{orcamento.ncodigo}=%1").arg(codigo);
    c.Formulas[0] = formula(QStringLiteral("Rodape"), Estabelecimento::le(conexao).rodape);
    c.setAction(1);
}

void emite_orcamento(const QString& codigo)
{
    if (const auto c = le_codigo(codigo))
        emite_orcamento(*c);
}

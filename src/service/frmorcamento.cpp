#include "frmorcamento.h"
#include "caixacodigo.h"
#include "campos.h"
#include "frmconsulta.h"
#include "grade.h"
#include "impressos.h"
#include "mensagens.h"
#include "errosbanco.h"
#include "sessao.h"
#include "regrasordem.h"
#include "relogio.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
// The grid's columns: the item's code (hidden), the machine, the service,
// the price and the machine's code (hidden).
enum ColunaItem { ColunaCodigo, ColunaEquipamento, ColunaServico, ColunaPreco, ColunaMaquina };
} // namespace

FrmOrcamento::FrmOrcamento()
    : FrmMovimentoServico(QStringLiteral("FrmOrcamento"), QStringLiteral("Orçamentos"),
                          {{QStringLiteral("Código do equipamento cliente"), 0, Qt::AlignLeft},
                           {QStringLiteral("Equipamento"), 307, Qt::AlignLeft},
                           {QStringLiteral("Serviço"), 267, Qt::AlignLeft},
                           {QStringLiteral("Preço"), 127, Qt::AlignCenter},
                           {QStringLiteral("Codigo do equipamento"), 0, Qt::AlignLeft}},
                          11, ColunaMaquina, ColunaServico, ColunaPreco)
{
    marcaAprovado = new QCheckBox(QStringLiteral("Aprovado"), cabecalho()->parentWidget());
    marcaAprovado->setObjectName(QStringLiteral("marcaAprovado"));
    cabecalho()->addWidget(marcaAprovado, 0, 4, 1, 2);

    ordem_de_tab({caixaCliente, caixaCondicao, caixaObservacao, marcaAprovado, botaoMaquina, caixaServico, caixaPreco});
    resize(820, 640);
}

void FrmOrcamento::prepara()
{
    FrmMovimentoServico::prepara();
    marcaAprovado->setChecked(false); // a new budget is not approved, whatever the last one was
}

void FrmOrcamento::carrega()
{
    if (const auto o = le_orcamento(conexao, codigoEditado())) {
        caixaCodigo->setText(QString::number(o->codigo));
        caixaObservacao->setPlainText(o->observacao);
        caixaCliente->setText(QString::number(o->cliente));
        marcaAprovado->setChecked(o->aprovado);
        caixaCondicao->setText(QString::number(o->condicao));
    }
}

QVariantList FrmOrcamento::linha_do_item(const ItemServico& item) const
{
    return {item.codigo, item.nomeMaquina, item.servico, QVariant::fromValue(item.preco), item.maquina};
}

std::optional<QString> FrmOrcamento::recusa_preco(Dinheiro preco) const { return recusa_preco_orcamento(preco); }

Orcamento FrmOrcamento::orcamento() const
{
    Orcamento o;
    o.codigo = codigoMovimento();
    o.cliente = qint32(valor_numerico(caixaCliente->text()));
    o.observacao = caixaObservacao->toPlainText();
    o.aprovado = marcaAprovado->isChecked();
    o.condicao = qint32(valor_numerico(caixaCondicao->text()));
    return o;
}

void FrmOrcamento::grava() { grava_orcamento(conexao, orcamento()); }

void FrmOrcamento::depois_de_gravar()
{
    informa(QStringLiteral("Ok! Orçamento gravado com sucesso!"));
    emite_orcamento(codigoMovimento());
    if (!marcaAprovado->isChecked())
        return;
    qint32 feita = 0;
    if (!tenta([&] { feita = ordem_do_orcamento(conexao, codigoMovimento()); }))
        return;
    if (feita > 0)
        informa(texto_ja_gerou(feita));
    else if (mensagens().pergunta(QStringLiteral("Deseja gerar a ordem de serviço?")))
        gera_ordem();
}

qint32 FrmOrcamento::gera_ordem()
{
    const qint32 tecnico = consulta_codigo(QStringLiteral("Tecnicos"));
    if (tecnico == 0)
        return 0;
    qint32 ordem = 0;
    if (!tenta([&] { ordem = gera_ordem_do_orcamento(conexao, orcamento(), tecnico, Relogio::momento()); }))
        return 0;
    informa(QStringLiteral("Ordem de serviço %1 gerada.").arg(ordem));
    return ordem;
}

QString FrmOrcamento::texto_gravado(qint64 codigo) const { return QStringLiteral("Orçamento N.º %1 gravado.").arg(codigo); }

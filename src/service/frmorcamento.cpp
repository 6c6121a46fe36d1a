#include "frmorcamento.h"
#include "caixacodigo.h"
#include "campos.h"
#include "formatos.h"
#include "formularios.h"
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

    // below the budget's fields, the entry it answers: a code box of the customer's entries
    const LinhaCodigo linhaEntrada = linha_codigo(cabecalho(), 4, QStringLiteral("Entrada N.º"), QStringLiteral("caixaEntrada"),
                                                  QStringLiteral("botaoConsultaEntrada"), QStringLiteral("Consultar entradas do cliente"),
                                                  QStringLiteral("caixaDescricaoEntrada"), QStringLiteral("Descrição da entrada"), false);
    caixaEntrada = linhaEntrada.codigo;
    botaoConsultaEntrada = linhaEntrada.botao;
    caixaDescricaoEntrada = linhaEntrada.descricao;
    m_entrada = new CaixaCodigo(
        caixaEntrada, caixaDescricaoEntrada, botaoConsultaEntrada, teclas(),
        QStringLiteral("select e.ddata, c.cfantasia, (select first 1 i.cequipamento from item_da_entrada i where i.nentrada_equipamento = e.ncodigo "
                       "order by i.ncodigo) as cequipamento from entrada_equipamento e join cliente c on c.ncodigo = e.ncliente "
                       "where e.ncodigo = ? and e.ncliente > 1"),
        [this] { return escolhe_entrada(); }, {});
    // the day, the customer and the first machine, as the clerk recognises the entry
    m_entrada->preencheCom([this](Recordset* rs) {
        QStringList partes;
        if (rs)
            partes << rs->data(QStringLiteral("ddata")).toString(QStringLiteral("dd/MM/yyyy")) << rs->texto(QStringLiteral("cfantasia"))
                   << rs->texto(QStringLiteral("cequipamento"));
        partes.removeAll(QString());
        caixaDescricaoEntrada->setText(partes.join(QStringLiteral(" - ")));
    });
    m_entrada->semValidarAoIrPara(botaoCancelar);

    ordem_de_tab({caixaCliente, caixaCondicao, caixaObservacao, marcaAprovado, caixaEntrada, botaoMaquina, caixaServico, caixaPreco});
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
        caixaEntrada->setText(o->entrada ? QString::number(*o->entrada) : QString());
    }
}

void FrmOrcamento::valida_cabecalho()
{
    FrmMovimentoServico::valida_cabecalho();
    m_entrada->valida();
}

qint32 FrmOrcamento::escolhe_entrada()
{
    if (caixaCliente->text().isEmpty() || caixaNomeCliente->text().isEmpty()) {
        informa(QStringLiteral("Informe o cliente!"));
        return 0;
    }
    // the customer's entries, the newest first: the day and the first machine
    ConsultaLista entradas{QStringLiteral(
        "select e.ncodigo, lpad(extract(day from e.ddata), 2, '0')||'/'||lpad(extract(month from e.ddata), 2, '0')||'/'||extract(year from e.ddata)"
        "||coalesce(' - '||(select first 1 i.cequipamento from item_da_entrada i where i.nentrada_equipamento = e.ncodigo order by i.ncodigo), '') "
        "as cnome from entrada_equipamento e where e.ncliente = ? order by e.ncodigo desc")};
    entradas.valores = {valor_numerico(caixaCliente->text())};
    return form<FrmConsulta>().escolhe(entradas).value_or(0);
}

bool FrmOrcamento::pode_gravar()
{
    if (!FrmMovimentoServico::pode_gravar())
        return false;
    // an entry of another customer is refused before anything is written
    const Orcamento o = orcamento();
    std::optional<qint32> dono;
    if (!o.entrada || !tenta([&] { dono = cliente_da_entrada(conexao, *o.entrada); }) || !dono || *dono == o.cliente)
        return true;
    informa(texto_entrada_de_outro_cliente(*o.entrada));
    caixaEntrada->setFocus(Qt::OtherFocusReason);
    caixaEntrada->selectAll();
    return false;
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
    if (!caixaEntrada->text().trimmed().isEmpty())
        o.entrada = qint32(valor_numerico(caixaEntrada->text()));
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

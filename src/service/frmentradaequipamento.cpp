#include "frmentradaequipamento.h"
#include "campos.h"
#include "filtroteclas.h"
#include "grade.h"
#include "impressos.h"
#include "mensagens.h"
#include "formatos.h"
#include "sessao.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
// The grid's columns: the item's code (hidden), the machine, the problem.
enum ColunaItem { ColunaCodigo, ColunaEquipamento, ColunaProblema };

QPlainTextEdit* area_de_texto(QWidget* pai, const QString& nome)
{
    auto* t = new QPlainTextEdit(pai);
    t->setObjectName(nome);
    t->setTabChangesFocus(true);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    t->setMaximumHeight(60);
    return t;
}
} // namespace

FrmEntradaEquipamento::FrmEntradaEquipamento()
    : FrmMovimento(QStringLiteral("FrmEntradaEquipamento"), QStringLiteral("Entrada de equipamentos para orçamento"),
                   QStringLiteral("Command4"),
                   {{QStringLiteral("Código"), 0, Qt::AlignLeft},
                    {QStringLiteral("Equipamento"), 5500, Qt::AlignLeft},
                    {QStringLiteral("Problema Relatado"), 5100, Qt::AlignLeft}},
                   10)
{
    Command4 = botaoCancelar();
    QGridLayout* g = cabecalho();
    QWidget* pai = g->parentWidget();
    Text3 = nova_caixa(pai, QStringLiteral("Text3"));
    Text3->setReadOnly(true);
    Text3->setMinimumWidth(160);
    g->addWidget(novo_rotulo(QStringLiteral("Data"), Text3, pai), 0, 4);
    g->addWidget(Text3, 0, 5);
    marca_obrigatorio(Text3);
    Text2 = linha_campo(g, 2, 0, QStringLiteral("Solicitante"), QStringLiteral("Text2"), 0, false, 5);
    Text7 = linha_campo(g, 3, 0, QStringLiteral("Obs"), QStringLiteral("Text7"), 0, false, 5);

    QGridLayout* i = quadroItens();
    pai = i->parentWidget();
    Text5 = area_de_texto(pai, QStringLiteral("Text5"));
    Text6 = area_de_texto(pai, QStringLiteral("Text6"));
    i->addWidget(novo_rotulo(QStringLiteral("Equipamento"), Text5, pai), 0, 0);
    i->addWidget(Text5, 1, 0);
    i->addWidget(novo_rotulo(QStringLiteral("Problema relatado"), Text6, pai), 0, 1);
    i->addWidget(Text6, 1, 1);

    limita(Text2, QStringLiteral("Solicitante"), 50, false);
    limita(Text7, QStringLiteral("Obs"), 255, false);
    limita(Text5, QStringLiteral("Equipamento"), 100, true);
    limita(Text6, QStringLiteral("Problema relatado"), 255, true);

    ordem_de_tab({Text4, Text7, Text2, Text3, Text5, Text6});

    // Enter in the problem confirms the item and goes back to the machine
    teclas()->antesDoEnter(Text6, [this] {
        Toolbar1_ButtonClick(1);
        return true;
    });
    resize(820, 600);
}

void FrmEntradaEquipamento::depois_de_reservar()
{
    Text3->setText(momento().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")));
}

void FrmEntradaEquipamento::carrega()
{
    if (const auto e = le_entrada(conexao, nCodigoEntrada)) {
        Text1->setText(QString::number(e->codigo));
        Text4->setText(QString::number(e->cliente));
        Text2->setText(e->solicitante);
        Text3->setText((e->data.toString(QStringLiteral("dd/MM/yyyy")) + QLatin1Char(' ') + e->hora.toString(QStringLiteral("HH:mm"))).trimmed());
        Text7->setText(e->observacao);
    }
}

QList<QVariantList> FrmEntradaEquipamento::le_linhas()
{
    QList<QVariantList> linhas;
    for (const ItemEntrada& item : le_itens_entrada(conexao, codigoMovimento()))
        linhas.append({item.codigo, item.equipamento, item.problema});
    return linhas;
}

void FrmEntradaEquipamento::limpa_item()
{
    Text5->clear();
    Text6->clear();
}

QWidget* FrmEntradaEquipamento::campo_item() const { return Text5; }

bool FrmEntradaEquipamento::grava_item(qint32 codigo)
{
    if (Text5->toPlainText().isEmpty() || Text6->toPlainText().isEmpty()) {
        informa(QStringLiteral("Informe o equipamento e o problema relatado pelo cliente!"));
        return false;
    }
    const ItemEntrada item{codigo, Text5->toPlainText(), Text6->toPlainText()};
    return tenta([&] { grava_item_entrada(conexao, codigoMovimento(), item); });
}

bool FrmEntradaEquipamento::exclui_item(qint32 codigo)
{
    return tenta([&] { exclui_item_entrada(conexao, codigo); });
}

void FrmEntradaEquipamento::mostra_item(int linha)
{
    Text5->setPlainText(Grid1->textMatrix(linha, ColunaEquipamento));
    Text6->setPlainText(Grid1->textMatrix(linha, ColunaProblema));
}

bool FrmEntradaEquipamento::pode_gravar()
{
    return mensagens().pergunta(QStringLiteral("Deseja gravar essa entrada?")) && verifica_obrigatorios(this)
           && confere_tamanhos(false);
}

void FrmEntradaEquipamento::grava()
{
    EntradaEquipamento e;
    e.codigo = codigoMovimento();
    e.cliente = qint32(valor_numerico(Text4->text()));
    e.solicitante = Text2->text();
    e.observacao = Text7->text();
    grava_entrada(conexao, e);
    m_codigoGravado = e.codigo;
    m_dataGravada = Text3->text().left(10);
}

void FrmEntradaEquipamento::depois_de_fechar()
{
    emite_comprovante_entrada(m_codigoGravado, m_dataGravada);
}

QString FrmEntradaEquipamento::texto_gravado(qint64 codigo) const { return QStringLiteral("Entrada N.º %1 gravada.").arg(codigo); }

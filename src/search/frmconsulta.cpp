#include "frmconsulta.h"
#include "busca.h"
#include "campos.h"
#include "filtroteclas.h"
#include "formularios.h"
#include "grade.h"
#include "modulo1.h"
#include "reservas.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FrmConsulta::FrmConsulta()
{
    setObjectName(QStringLiteral("FrmConsulta"));
    setWindowTitle(QStringLiteral("Controle de ordens de serviço"));
    auto* v = new QVBoxLayout(this);
    Label17 = new QLabel(this);
    Label17->setObjectName(QStringLiteral("Label17"));
    QFont f = Label17->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    Label17->setFont(f);
    v->addWidget(Label17);
    Text1 = nova_caixa(this, QStringLiteral("Text1"), 50);
    Label1 = novo_rotulo(QStringLiteral("Entre com as inciais da palavra no campo abaixo e clique em procurar"), Text1, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    v->addWidget(Label1);
    auto* busca = new QHBoxLayout;
    busca->addWidget(Text1, 1);
    Command1 = novo_botao(QStringLiteral("Procurar"), QStringLiteral("Command1"), this);
    Command1->setDefault(true); // Enter in the search box searches
    busca->addWidget(Command1);
    v->addLayout(busca);
    Grid1 = new Grade(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->setAccessibleName(QStringLiteral("Resultado da consulta"));
    Grid1->setMinimumSize(620, 380);
    v->addWidget(Grid1, 1);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    CmdOk = novo_botao(QStringLiteral("&Aceitar"), QStringLiteral("CmdOk"), this);
    CmdSair = novo_botao(QStringLiteral("&Sair"), QStringLiteral("CmdSair"), this);
    botoes->addWidget(CmdOk);
    botoes->addWidget(CmdSair);
    v->addLayout(botoes);

    connect(Command1, &QPushButton::clicked, this, &FrmConsulta::Command1_Click);
    connect(CmdOk, &QPushButton::clicked, this, &FrmConsulta::CmdOk_Click);
    connect(CmdSair, &QPushButton::clicked, this, &FrmConsulta::CmdSair_Click);
    connect(Grid1, &QAbstractItemView::doubleClicked, this, &FrmConsulta::CmdOk_Click);

    auto* teclas = new FiltroTeclas(this);
    teclas->setEnterComoTab(false);
    teclas->instala();
    // Enter in the list accepts the current row
    Grid1->installEventFilter(this);
    preparaGrade();
}

void FrmConsulta::preparaGrade()
{
    Grid1->setCols(2);
    Grid1->setTextMatrix(0, 0, QStringLiteral("Código"));
    Grid1->setTextMatrix(0, 1, QStringLiteral("Nome"));
    Grid1->setColWidth(0, 2000);
    Grid1->setColWidth(1, 6900);
    Grid1->setColAlignment(0, Qt::AlignCenter);
    Grid1->setColAlignment(1, Qt::AlignLeft);
}

QString FrmConsulta::caption() const
{
    if (cTipoConsula == QStringLiteral("Cidades")) return QStringLiteral("Consulta de cidades cadastradas");
    if (cTipoConsula == QStringLiteral("Condições")) return QStringLiteral("Consulta de condições de pagto");
    if (cTipoConsula == QStringLiteral("Tecnicos")) return QStringLiteral("Consulta de técnicos");
    if (cTipoConsula == QStringLiteral("Clientes")) return QStringLiteral("Consulta de clientes");
    return QStringLiteral("Controle de ordens de serviço");
}

void FrmConsulta::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (m_aberto || e->spontaneous())
        return;
    m_aberto = true;
    centraliza_form(this);
    nCodigoConsulta = 0;
    setWindowTitle(caption());
    Label17->setText(caption());
    Text1->clear();
    Text1->setFocus();
    // a caller's own query was already run by the caller; a built-in kind lists everything
    if (!m_preenchidaPeloChamador)
        Command1_Click();
    m_preenchidaPeloChamador = false;
}

void FrmConsulta::Command1_Click()
{
    Command1->setEnabled(false);
    // the typed text is found whatever its letter case and accents
    const QString busca = Text1->text();
    if (cTipoConsula == QStringLiteral("Cidades"))
        cSQL = QStringLiteral("select ncodigo,cnome from cidade where ") + contem_texto(QStringLiteral("cidade.cnome"), busca) + QStringLiteral("  order by ncodigo");
    else if (cTipoConsula == QStringLiteral("Condições"))
        cSQL = QStringLiteral("select ncodigo,cdescricao as cnome from condicao_pagto where ") + contem_texto(QStringLiteral("condicao_pagto.cdescricao"), busca) + QStringLiteral("  order by ncodigo");
    else if (cTipoConsula == QStringLiteral("Tecnicos"))
        cSQL = QStringLiteral("select ncodigo,cfantasia as cnome from tecnico where ") + contem_texto(QStringLiteral("tecnico.cfantasia"), busca) + QStringLiteral("  order by ncodigo");
    else if (cTipoConsula == QStringLiteral("Clientes"))
        cSQL = QStringLiteral("select ncodigo,cfantasia as cnome from cliente where ") + contem_texto(QStringLiteral("cliente.cfantasia"), busca) + QStringLiteral(" and ncodigo >1 and ")
               + sem_reservas(QStringLiteral("cliente")) + QStringLiteral("  order by ncodigo");
    else if (!isVisible())
        m_preenchidaPeloChamador = true;

    Grid1->limpa(0);
    try {
        rsDados.abre(cSQL);
        Grid1->preenche(rsDados, {QStringLiteral("ncodigo"), QStringLiteral("cNome")});
        rsDados.fecha();
    } catch (const ErroBanco& e) {
        rsDados.fecha();
        trata_erro_banco(e);
    }
    if (Grid1->rows() < LINHAS_MINIMAS)
        Grid1->setRows(LINHAS_MINIMAS);
    Grid1->setRow(1);
    Command1->setEnabled(true);
}

void FrmConsulta::CmdOk_Click()
{
    const QString codigo = Grid1->textMatrix(Grid1->row(), 0);
    if (Grid1->row() < 1 || codigo.isEmpty())
        return;
    nCodigoConsulta = codigo.toInt();
    m_aberto = false;
    done(QDialog::Accepted);
}

void FrmConsulta::CmdSair_Click()
{
    nCodigoConsulta = 0;
    m_aberto = false;
    done(QDialog::Rejected);
}

void FrmConsulta::reject() { CmdSair_Click(); }

bool FrmConsulta::eventFilter(QObject* alvo, QEvent* e)
{
    if (alvo == Grid1 && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent*>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            CmdOk_Click();
            return true;
        }
    }
    return QDialog::eventFilter(alvo, e);
}

qint32 consulta_codigo(const QString& tipo)
{
    FrmConsulta& f = form<FrmConsulta>();
    f.cTipoConsula = tipo;
    abre_modal(f);
    return nCodigoConsulta;
}

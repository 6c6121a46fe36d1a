#include "frmconsulta.h"
#include "busca.h"
#include "campos.h"
#include "filtroteclas.h"
#include "formularios.h"
#include "grade.h"
#include "legado.h"
#include "reservas.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FrmConsulta::FrmConsulta()
    : JanelaLista(QStringLiteral("FrmConsulta"), QStringLiteral("Controle de ordens de serviço"),
                  {{QStringLiteral("Código"), 133, Qt::AlignCenter, QStringLiteral("ncodigo")},
                   {QStringLiteral("Nome"), 460, Qt::AlignLeft, QStringLiteral("cNome")}},
                  LINHAS_MINIMAS)
{
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

    // the list is made first (by the list window); the keyboard still walks
    // search box, "Procurar", list, "&Aceitar", "&Sair"
    setTabOrder(Text1, Command1);
    setTabOrder(Command1, Grid1);
    setTabOrder(Grid1, CmdOk);
    setTabOrder(CmdOk, CmdSair);

    connect(Command1, &QPushButton::clicked, this, &FrmConsulta::Command1_Click);
    connect(CmdOk, &QPushButton::clicked, this, &FrmConsulta::CmdOk_Click);
    connect(CmdSair, &QPushButton::clicked, this, &FrmConsulta::CmdSair_Click);
    connect(Grid1, &QAbstractItemView::doubleClicked, this, &FrmConsulta::CmdOk_Click);

    auto* teclas = new FiltroTeclas(this);
    teclas->setEnterComoTab(false);
    teclas->instala();
    // Enter in the list accepts the current row
    Grid1->installEventFilter(this);
}

QString FrmConsulta::caption() const
{
    if (cTipoConsula == QStringLiteral("Cidades")) return QStringLiteral("Consulta de cidades cadastradas");
    if (cTipoConsula == QStringLiteral("Condições")) return QStringLiteral("Consulta de condições de pagto");
    if (cTipoConsula == QStringLiteral("Tecnicos")) return QStringLiteral("Consulta de técnicos");
    if (cTipoConsula == QStringLiteral("Clientes")) return QStringLiteral("Consulta de clientes");
    return QStringLiteral("Controle de ordens de serviço");
}

void FrmConsulta::ao_abrir()
{
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
    ConsultaLista c;
    if (cTipoConsula == QStringLiteral("Cidades"))
        c = {QStringLiteral("select ncodigo,cnome from cidade"), {contem_texto(QStringLiteral("cidade.cnome"), busca)}, QStringLiteral("ncodigo")};
    else if (cTipoConsula == QStringLiteral("Condições"))
        c = {QStringLiteral("select ncodigo,cdescricao as cnome from condicao_pagto"), {contem_texto(QStringLiteral("condicao_pagto.cdescricao"), busca)},
             QStringLiteral("ncodigo")};
    else if (cTipoConsula == QStringLiteral("Tecnicos"))
        c = {QStringLiteral("select ncodigo,cfantasia as cnome from tecnico"), {contem_texto(QStringLiteral("tecnico.cfantasia"), busca)}, QStringLiteral("ncodigo")};
    else if (cTipoConsula == QStringLiteral("Clientes"))
        c = {QStringLiteral("select ncodigo,cfantasia as cnome from cliente") + junta_nome_cliente(busca),
             {contem_texto(QStringLiteral("cliente.cfantasia"), busca), QStringLiteral("ncodigo >1"), sem_reservas(QStringLiteral("cliente"))},
             QStringLiteral("ncodigo")};
    else {
        if (!isVisible())
            m_preenchidaPeloChamador = true;
        c = {cSQL}; // the caller's own query, read whole
    }
    cSQL = c.sql();
    enche_lista(c);
    Command1->setEnabled(true);
}

void FrmConsulta::CmdOk_Click() { aceita_linha(); }

void FrmConsulta::CmdSair_Click() { cancela(); }

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

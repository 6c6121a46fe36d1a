#include "frmconsulta.h"
#include "busca.h"
#include "campos.h"
#include "filtroteclas.h"
#include "formularios.h"
#include "grade.h"
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
    rotuloTitulo = new QLabel(this);
    rotuloTitulo->setObjectName(QStringLiteral("rotuloTitulo"));
    QFont f = rotuloTitulo->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    rotuloTitulo->setFont(f);
    v->addWidget(rotuloTitulo);
    caixaBusca = nova_caixa(this, QStringLiteral("caixaBusca"), 50);
    rotuloBusca = novo_rotulo(QStringLiteral("Entre com as inciais da palavra no campo abaixo e clique em procurar"), caixaBusca, this);
    rotuloBusca->setObjectName(QStringLiteral("rotuloBusca"));
    v->addWidget(rotuloBusca);
    auto* busca = new QHBoxLayout;
    busca->addWidget(caixaBusca, 1);
    botaoProcurar = novo_botao(QStringLiteral("Procurar"), QStringLiteral("botaoProcurar"), this);
    botaoProcurar->setDefault(true); // Enter in the search box searches
    busca->addWidget(botaoProcurar);
    v->addLayout(busca);
    gradeLista->setAccessibleName(QStringLiteral("Resultado da consulta"));
    gradeLista->setMinimumSize(620, 380);
    v->addWidget(gradeLista, 1);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botaoAceitar = novo_botao(QStringLiteral("&Aceitar"), QStringLiteral("botaoAceitar"), this);
    botaoSair = novo_botao(QStringLiteral("&Sair"), QStringLiteral("botaoSair"), this);
    botoes->addWidget(botaoAceitar);
    botoes->addWidget(botaoSair);
    v->addLayout(botoes);

    // the list is made first (by the list window); the keyboard still walks
    // search box, "Procurar", list, "&Aceitar", "&Sair"
    setTabOrder(caixaBusca, botaoProcurar);
    setTabOrder(botaoProcurar, gradeLista);
    setTabOrder(gradeLista, botaoAceitar);
    setTabOrder(botaoAceitar, botaoSair);

    connect(botaoProcurar, &QPushButton::clicked, this, &FrmConsulta::procura);
    connect(botaoAceitar, &QPushButton::clicked, this, &FrmConsulta::aceita);
    connect(botaoSair, &QPushButton::clicked, this, &FrmConsulta::sai);
    connect(gradeLista, &QAbstractItemView::doubleClicked, this, &FrmConsulta::aceita);

    auto* teclas = new FiltroTeclas(this);
    teclas->setEnterComoTab(false);
    teclas->instala();
    // Enter in the list accepts the current row
    gradeLista->installEventFilter(this);
}

QString FrmConsulta::caption() const
{
    if (m_tipo == QStringLiteral("Cidades")) return QStringLiteral("Consulta de cidades cadastradas");
    if (m_tipo == QStringLiteral("Condições")) return QStringLiteral("Consulta de condições de pagto");
    if (m_tipo == QStringLiteral("Tecnicos")) return QStringLiteral("Consulta de técnicos");
    if (m_tipo == QStringLiteral("Clientes")) return QStringLiteral("Consulta de clientes");
    return QStringLiteral("Controle de ordens de serviço");
}

void FrmConsulta::defineTipo(const QString& tipo)
{
    m_tipo = tipo;
    m_consultaDoChamador.reset();
}

void FrmConsulta::defineConsulta(const ConsultaLista& consulta)
{
    m_tipo.clear();
    m_consultaDoChamador = consulta;
    procura();
}

std::optional<qint32> FrmConsulta::escolhe(const QString& tipo)
{
    defineTipo(tipo);
    abre_modal(*this);
    return escolhido();
}

std::optional<qint32> FrmConsulta::escolhe(const ConsultaLista& consulta)
{
    defineConsulta(consulta);
    abre_modal(*this);
    return escolhido();
}

void FrmConsulta::ao_abrir()
{
    setWindowTitle(caption());
    rotuloTitulo->setText(caption());
    caixaBusca->clear();
    caixaBusca->setFocus();
    // the caller's own query was read as it was given; a built-in kind lists everything
    if (!m_consultaDoChamador)
        procura();
}

void FrmConsulta::procura()
{
    botaoProcurar->setEnabled(false);
    // the typed text is found whatever its letter case and accents
    const QString busca = caixaBusca->text();
    ConsultaLista c;
    if (m_consultaDoChamador)
        c = *m_consultaDoChamador; // read whole
    else if (m_tipo == QStringLiteral("Cidades"))
        c = ConsultaLista{QStringLiteral("select ncodigo,cnome from cidade"), {}, QStringLiteral("ncodigo")}.filtra(contem_texto(QStringLiteral("cidade.cnome"), busca));
    else if (m_tipo == QStringLiteral("Condições"))
        c = ConsultaLista{QStringLiteral("select ncodigo,cdescricao as cnome from condicao_pagto"), {}, QStringLiteral("ncodigo")}.filtra(
            contem_texto(QStringLiteral("condicao_pagto.cdescricao"), busca));
    else if (m_tipo == QStringLiteral("Tecnicos"))
        c = ConsultaLista{QStringLiteral("select ncodigo,cfantasia as cnome from tecnico"), {}, QStringLiteral("ncodigo")}.filtra(
            contem_texto(QStringLiteral("tecnico.cfantasia"), busca));
    else if (m_tipo == QStringLiteral("Clientes")) {
        const TrechoSql juncao = junta_nome_cliente(busca);
        c = {QStringLiteral("select ncodigo,cfantasia as cnome from cliente") + juncao.sql, {}, QStringLiteral("ncodigo")};
        c.valores = juncao.valores;
        c.filtra(contem_texto(QStringLiteral("cliente.cfantasia"), busca));
        c.condicoes << QStringLiteral("ncodigo >1") << QStringLiteral(CLIENTE_GRAVADO);
    }
    enche_lista(c);
    botaoProcurar->setEnabled(true);
}

void FrmConsulta::aceita() { aceita_linha(); }

void FrmConsulta::sai() { cancela(); }

bool FrmConsulta::eventFilter(QObject* alvo, QEvent* e)
{
    if (alvo == gradeLista && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent*>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            aceita();
            return true;
        }
    }
    return QDialog::eventFilter(alvo, e);
}

qint32 consulta_codigo(const QString& tipo) { return form<FrmConsulta>().escolhe(tipo).value_or(0); }

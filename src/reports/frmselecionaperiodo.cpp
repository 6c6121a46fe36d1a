#include "frmselecionaperiodo.h"
#include "campos.h"
#include "filtroteclas.h"
#include "formularios.h"
#include "formatos.h"
#include "relogio.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QDateEdit* novo_seletor(QWidget* pai, const QString& nome)
{
    auto* d = new QDateEdit(pai);
    d->setObjectName(nome);
    d->setCalendarPopup(true);
    d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    return d;
}

} // namespace

FrmSelecionaPeriodo::FrmSelecionaPeriodo()
{
    setObjectName(QStringLiteral("FrmSelecionaPeriodo"));
    setWindowTitle(QStringLiteral("Controle de ordens de serviço"));
    auto* v = new QVBoxLayout(this);
    auto* quadro = new QGroupBox(this);
    auto* linha = new QHBoxLayout(quadro);
    dataInicial = novo_seletor(quadro, QStringLiteral("dataInicial"));
    dataFinal = novo_seletor(quadro, QStringLiteral("dataFinal"));
    rotuloPeriodo = novo_rotulo(QStringLiteral("Período de:"), dataInicial, quadro);
    rotuloPeriodo->setObjectName(QStringLiteral("rotuloPeriodo"));
    linha->addWidget(rotuloPeriodo);
    linha->addWidget(dataInicial);
    linha->addWidget(novo_rotulo(QStringLiteral("a"), dataFinal, quadro));
    linha->addWidget(dataFinal);
    v->addWidget(quadro);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botaoOk = novo_botao(QStringLiteral("Ok"), QStringLiteral("botaoOk"), this);
    botaoCancelar = novo_botao(QStringLiteral("Cancelar"), QStringLiteral("botaoCancelar"), this);
    botoes->addWidget(botaoOk);
    botoes->addWidget(botaoCancelar);
    v->addLayout(botoes);
    setTabOrder(dataInicial, dataFinal);
    setTabOrder(dataFinal, botaoOk);
    setTabOrder(botaoOk, botaoCancelar);

    connect(botaoOk, &QPushButton::clicked, this, &FrmSelecionaPeriodo::confirma);
    connect(botaoCancelar, &QPushButton::clicked, this, &FrmSelecionaPeriodo::cancela);
    // Enter in a picker moves on, as in every form
    (new FiltroTeclas(this))->instala();
}

std::optional<Periodo> FrmSelecionaPeriodo::escolhe()
{
    abre_modal(*this);
    return m_escolhido;
}

void FrmSelecionaPeriodo::ao_abrir_janela()
{
    // each opening starts from today with no answer yet
    dataInicial->setDate(Relogio::hoje());
    dataFinal->setDate(Relogio::hoje());
    m_escolhido.reset();
    centraliza_form(this);
    dataInicial->setFocus();
}

void FrmSelecionaPeriodo::confirma()
{
    m_escolhido = Periodo{dataInicial->date(), dataFinal->date()};
    done(QDialog::Accepted);
}

void FrmSelecionaPeriodo::cancela()
{
    m_escolhido.reset();
    done(QDialog::Rejected);
}

void FrmSelecionaPeriodo::reject() { cancela(); }

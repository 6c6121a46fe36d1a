#include "frmselecionaperiodo.h"
#include "campos.h"
#include "filtroteclas.h"
#include "formularios.h"
#include "datas.h"
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
    DTPicker1 = novo_seletor(quadro, QStringLiteral("DTPicker1"));
    DTPicker2 = novo_seletor(quadro, QStringLiteral("DTPicker2"));
    Label1 = novo_rotulo(QStringLiteral("Período de:"), DTPicker1, quadro);
    Label1->setObjectName(QStringLiteral("Label1"));
    linha->addWidget(Label1);
    linha->addWidget(DTPicker1);
    linha->addWidget(novo_rotulo(QStringLiteral("a"), DTPicker2, quadro));
    linha->addWidget(DTPicker2);
    v->addWidget(quadro);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    Command1 = novo_botao(QStringLiteral("Ok"), QStringLiteral("Command1"), this);
    Command2 = novo_botao(QStringLiteral("Cancelar"), QStringLiteral("Command2"), this);
    botoes->addWidget(Command1);
    botoes->addWidget(Command2);
    v->addLayout(botoes);
    setTabOrder(DTPicker1, DTPicker2);
    setTabOrder(DTPicker2, Command1);
    setTabOrder(Command1, Command2);

    connect(Command1, &QPushButton::clicked, this, &FrmSelecionaPeriodo::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FrmSelecionaPeriodo::Command2_Click);
    // Enter in a picker moves on, as in every form
    (new FiltroTeclas(this))->instala();
}

void FrmSelecionaPeriodo::ao_abrir_janela()
{
    // each opening starts from today with nothing handed over yet
    DTPicker1->setDate(Relogio::hoje());
    DTPicker2->setDate(Relogio::hoje());
    data_base.clear();
    data_teto.clear();
    centraliza_form(this);
    DTPicker1->setFocus();
}

void FrmSelecionaPeriodo::Command1_Click()
{
    data_base = DTPicker1->date().toString(QStringLiteral("dd/MM/yyyy"));
    data_teto = DTPicker2->date().toString(QStringLiteral("dd/MM/yyyy"));
    done(QDialog::Accepted);
}

void FrmSelecionaPeriodo::Command2_Click()
{
    data_base.clear();
    data_teto.clear();
    done(QDialog::Rejected);
}

void FrmSelecionaPeriodo::reject() { Command2_Click(); }

bool pede_periodo(QString& data_base, QString& data_teto)
{
    FrmSelecionaPeriodo& f = form<FrmSelecionaPeriodo>();
    abre_modal(f);
    data_base = f.data_base;
    data_teto = f.data_teto;
    return le_data(data_base).isValid() && le_data(data_teto).isValid();
}

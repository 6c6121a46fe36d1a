#include "frmcadcondicaopagto.h"
#include "campos.h"
#include "filtroteclas.h"
#include "mensagens.h"
#include "formatos.h"
#include "legado.h"
#include "literaissql.h"
#include "sessao.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

FrmCadCondicaoPagto::FrmCadCondicaoPagto()
    : FrmCadastro(QStringLiteral("FrmCadCondicaoPagto"), QStringLiteral("Condições de pagamento"), false)
{
    auto* g = new QGridLayout;
    corpo()->addLayout(g);
    Text11 = linha_campo(g, 0, 0, QStringLiteral("Código"), QStringLiteral("Text11"), 10);
    Text3 = linha_campo(g, 1, 0, QStringLiteral("Prazo"), QStringLiteral("Text3"), 0, true, 3);
    Label4 = linha_campo(g, 2, 0, QStringLiteral("Parcelas"), QStringLiteral("Label4"), 5);
    for (QLineEdit* e : {Text11, Text3, Label4}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
    }
    Text11->setMaximumWidth(90);
    Label4->setMaximumWidth(60);
    Text2 = linha_campo(g, 3, 0, QStringLiteral("Dias"), QStringLiteral("Text2"), 3);
    Text2->setMaximumWidth(60);
    Command1 = novo_botao(QStringLiteral("Ok"), QStringLiteral("Command1"), this);
    Command2 = novo_botao(QStringLiteral("Corrige"), QStringLiteral("Command2"), this);
    g->addWidget(Command1, 3, 2);
    g->addWidget(Command2, 3, 3);
    g->setColumnStretch(1, 1);
    teclas()->tipoCampo(Text2, CampoInteiro);
    connect(Command1, &QPushButton::clicked, this, &FrmCadCondicaoPagto::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FrmCadCondicaoPagto::Command2_Click);
    setTabOrder(Text2, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, CmdOk);
    resize(480, sizeHint().height());
}

QWidget* FrmCadCondicaoPagto::primeiro_campo() { return Text2; }

void FrmCadCondicaoPagto::prepara()
{
    Label4->setText(QStringLiteral("0"));
    for (QWidget* w : std::initializer_list<QWidget*>{Command1, Command2, Text2, Text3})
        w->setEnabled(true);
}

void FrmCadCondicaoPagto::reserva_codigo()
{
    Text11->setText(QString::number(codigo_antecipado(QStringLiteral("codigo_condicao_pagto"))));
}

void FrmCadCondicaoPagto::mostra_dados()
{
    cSQL = QStringLiteral("select * from condicao_pagto where ncodigo =%1").arg(codigo_condicao);
    rsDados.abre(cSQL);
    exige_registro(rsDados);
    Text3->setText(rsDados.texto(QStringLiteral("cdescricao")));
    Text11->setText(rsDados.texto(QStringLiteral("ncodigo")));
    Label4->setText(rsDados.texto(QStringLiteral("nparcela")));
    rsDados.fecha();
    // the cash condition's schedule is fixed
    if (Text11->text() == QLatin1String("1"))
        for (QWidget* w : std::initializer_list<QWidget*>{Command1, Command2, Text2, Text3})
            w->setEnabled(false);
}

void FrmCadCondicaoPagto::conta_parcelas()
{
    Label4->setText(QString::number(Text3->text().isEmpty() ? 0 : Text3->text().split(SEPARADOR).size()));
}

void FrmCadCondicaoPagto::Command1_Click()
{
    formata_campo(Text2, CampoInteiro);
    if (Text2->text().isEmpty())
        return;
    const QString termo = valor_numerico(Text2->text()) != 0 ? Text2->text() : QStringLiteral("Entrada");
    const QString prazo = Text3->text().isEmpty() ? termo : Text3->text() + SEPARADOR + termo;
    if (prazo.size() > TAMANHO_MAXIMO) {
        informa(QStringLiteral("O prazo não pode ter mais de %1 caracteres.").arg(TAMANHO_MAXIMO));
        return;
    }
    Text3->setText(prazo);
    conta_parcelas();
    Text2->clear();
    Text2->setFocus();
}

void FrmCadCondicaoPagto::Command2_Click()
{
    QStringList partes = Text3->text().split(SEPARADOR);
    partes.removeLast();
    Text3->setText(partes.join(SEPARADOR));
    conta_parcelas();
}

void FrmCadCondicaoPagto::grava()
{
    // the cash condition's schedule cannot be changed here and is kept as
    // stored: the instalment plan knows "A vista" by its exact text
    const bool fixo = !binclusao && codigo_condicao == 1;
    const QString prazo = texto_sql(fixo ? Text3->text() : nome_proprio(Text3->text()));
    const QString parcelas = QString::number(valor_numerico(Label4->text()));
    if (binclusao) {
        cSQL = QStringLiteral("insert into condicao_pagto values(") + QString::number(valor_numerico(Text11->text())) + QStringLiteral(",'")
               + prazo + QStringLiteral("',") + parcelas + QStringLiteral(");");
        conexao.execute(cSQL);
        return;
    }
    cSQL = QStringLiteral("update condicao_pagto set cdescricao = '") + prazo + QStringLiteral("',nparcela = ") + parcelas
           + QStringLiteral(" where ncodigo  = ") + QString::number(codigo_condicao);
    grava_registro(cSQL);
}

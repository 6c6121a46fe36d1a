#include "frmcadestabelecimento.h"
#include "caixacidade.h"
#include "caixacodigo.h"
#include "campos.h"
#include "legado.h"
#include "literaissql.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

FrmCadEstabelecimento::FrmCadEstabelecimento()
    : FrmCadastro(QStringLiteral("FrmCadEstabelecimento"), QStringLiteral("Controle de ordens de serviço"), false)
{
    binclusao = false;
    auto* titulo = new QLabel(QStringLiteral("Estabelecimento"), this);
    QFont f = titulo->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.4);
    titulo->setFont(f);
    corpo()->addWidget(titulo);
    auto* g = new QGridLayout;
    corpo()->addLayout(g);
    Text1 = linha_campo(g, 0, 0, QStringLiteral("Fantasia"), QStringLiteral("Text1"), 60, true, 3);
    Text2 = linha_campo(g, 1, 0, QStringLiteral("Razão Social"), QStringLiteral("Text2"), 60, true, 3);
    m_cidade = monta_caixa_cidade(g, 2, QStringLiteral("Text8"), QStringLiteral("Text13"), teclas(), true);
    Text8 = m_cidade->codigo();
    Text13 = m_cidade->nome();
    Command1 = m_cidade->botao();
    Text3 = linha_campo(g, 3, 0, QStringLiteral("Endereço"), QStringLiteral("Text3"), 50, false, 3);
    Text4 = linha_campo(g, 4, 0, QStringLiteral("Bairro"), QStringLiteral("Text4"), 50, false, 3);
    Text5 = linha_campo(g, 5, 0, QStringLiteral("Fone"), QStringLiteral("Text5"), 20);
    Text9 = linha_campo(g, 5, 2, QStringLiteral("Fax"), QStringLiteral("Text9"), 20);
    Text6 = linha_campo(g, 6, 0, QStringLiteral("CNPJ"), QStringLiteral("Text6"), 20);
    Text10 = linha_campo(g, 6, 2, QStringLiteral("IE"), QStringLiteral("Text10"), 20);
    Text11 = linha_campo(g, 7, 0, QStringLiteral("E-mail"), QStringLiteral("Text11"), 50, false, 3);
    Text12 = linha_campo(g, 8, 0, QStringLiteral("CEP"), QStringLiteral("Text12"), 20);
    g->setColumnStretch(3, 1);
    const QList<QWidget*> ordem{Text1, Text2, Text8, Text3, Text4, Text5, Text9, Text6, Text10, Text11, Text12, CmdOk, CmdSair};
    for (int i = 0; i + 1 < ordem.size(); ++i)
        setTabOrder(ordem[i], ordem[i + 1]);
    resize(600, 360);
}

QWidget* FrmCadEstabelecimento::primeiro_campo() { return Text1; }

// The form always shows the shop's row.
void FrmCadEstabelecimento::prepara() { binclusao = false; }

void FrmCadEstabelecimento::mostra_dados()
{
    cSQL = QStringLiteral("select * from estabelecimento");
    rsDados.abre(cSQL);
    exige_registro(rsDados);
    Text1->setText(rsDados.texto(QStringLiteral("cfantasia")));
    Text2->setText(rsDados.texto(QStringLiteral("crazaosocial")));
    Text3->setText(rsDados.texto(QStringLiteral("cendereco")));
    Text4->setText(rsDados.texto(QStringLiteral("cBairro")));
    Text5->setText(rsDados.texto(QStringLiteral("cFone")));
    Text6->setText(rsDados.texto(QStringLiteral("ccnpj")));
    Text9->setText(rsDados.texto(QStringLiteral("cfax")));
    Text10->setText(rsDados.texto(QStringLiteral("cie")));
    Text11->setText(rsDados.texto(QStringLiteral("cemail")));
    Text12->setText(rsDados.texto(QStringLiteral("ccep")));
    const QString cidade = rsDados.texto(QStringLiteral("nCidade"));
    rsDados.fecha();
    Text8->setText(cidade); // fills the city name
}

void FrmCadEstabelecimento::grava()
{
    auto t = [](QLineEdit* c) { return texto_sql(c->text()); };
    // the code goes in as the number it starts with, as the city name shows it
    cSQL = QStringLiteral("Update estabelecimento set cfantasia='") + t(Text1) + QStringLiteral("',crazaosocial ='") + t(Text2)
           + QStringLiteral("',ncidade = ") + QString::number(valor_numerico(Text8->text())) + QStringLiteral(",cendereco='") + t(Text3)
           + QStringLiteral("',cbairro='") + t(Text4) + QStringLiteral("',cfone = '") + t(Text5) + QStringLiteral("',ccnpj='") + t(Text6)
           + QStringLiteral("',cfax = '") + t(Text9) + QStringLiteral("', cie =  '") + t(Text10) + QStringLiteral("',cemail = '")
           + t(Text11) + QStringLiteral("',ccep ='") + t(Text12) + QStringLiteral("'  where ncodigo=1");
    grava_registro(cSQL);
}

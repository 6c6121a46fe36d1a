#include "frmcadpessoa.h"
#include "caixacidade.h"
#include "caixacodigo.h"
#include "campos.h"
#include "filtroteclas.h"
#include "mensagens.h"
#include "formatos.h"
#include "sessao.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

FrmCadPessoa::FrmCadPessoa(const QString& nome, const QString& titulo, bool cliente)
    : FrmCadastro(nome, titulo, true)
{
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    corpo()->addWidget(SSTab1);

    auto* p1 = new QWidget;
    auto* g = new QGridLayout(p1);
    SSTab1->addTab(p1, QStringLiteral(" Dados Principais"));
    int l = 0;
    Text11 = linha_campo(g, l++, 0, QStringLiteral("Código"), QStringLiteral("Text11"), 10);
    Text11->setReadOnly(true);
    Text11->setFocusPolicy(Qt::NoFocus);
    Text1 = linha_campo(g, l++, 0, cliente ? QStringLiteral("Fantasia") : QStringLiteral("Nome"), QStringLiteral("Text1"), 50, true);
    if (cliente) {
        Text2 = linha_campo(g, l++, 0, QStringLiteral("Razão Social"), QStringLiteral("Text2"), 50);
        Combo1 = new QComboBox(p1);
        Combo1->setObjectName(QStringLiteral("Combo1"));
        Combo1->addItems({QStringLiteral("Pessoa fisica"), QStringLiteral("Pessoa juridica")});
        g->addWidget(novo_rotulo(QStringLiteral("Natureza"), Combo1, p1), l, 0);
        g->addWidget(Combo1, l++, 1);
    }
    Text8 = linha_campo(g, l++, 0, cliente ? QStringLiteral("Cnpj/Cpf") : QStringLiteral("Cpf"), QStringLiteral("Text8"), 20);
    Text9 = linha_campo(g, l++, 0, cliente ? QStringLiteral("I.E/Rg") : QStringLiteral("Rg"), QStringLiteral("Text9"), 20);
    Text13 = linha_campo(g, l++, 0, QStringLiteral("E-mail"), QStringLiteral("Text13"), 255);
    Text14 = linha_campo(g, l++, 0, QStringLiteral("Contato"), QStringLiteral("Text14"), 30);
    if (!cliente) {
        Text2 = linha_campo(g, l, 0, QStringLiteral("Comissão"), QStringLiteral("Text2"), 4, true);
        Text2->setMaximumWidth(80);
        // "%" right after the box (and its "*")
        if (auto* celula = qobject_cast<QHBoxLayout*>(g->itemAtPosition(l, 1)->layout()))
            celula->insertWidget(2, new QLabel(QStringLiteral("%"), p1));
        ++l;
        teclas()->tipoCampo(Text2, CampoDinheiro, CampoInteiro);
        seleciona_ao_entrar(Text2);
    }
    g->setRowStretch(l, 1);
    g->setColumnStretch(1, 1);
    teclas()->tipoCampo(Text8, CampoInteiro, 0);

    auto* p2 = new QWidget;
    auto* g2 = new QGridLayout(p2);
    SSTab1->addTab(p2, QStringLiteral("Dados Residênciais"));
    m_cidade = monta_caixa_cidade(g2, 0, QStringLiteral("Text3"), QStringLiteral("Textcidade"), teclas(), false);
    Text3 = m_cidade->codigo();
    Textcidade = m_cidade->nome();
    Command1 = m_cidade->botao();
    Text12 = linha_campo(g2, 1, 0, QStringLiteral("Cep"), QStringLiteral("Text12"), 20);
    Text4 = linha_campo(g2, 2, 0, QStringLiteral("Endereço"), QStringLiteral("Text4"), 40, false, 3);
    Text5 = linha_campo(g2, 3, 0, QStringLiteral("Bairro"), QStringLiteral("Text5"), 30, false, 3);
    Text6 = linha_campo(g2, 4, 0, QStringLiteral("Fone"), QStringLiteral("Text6"), 20);
    Text7 = linha_campo(g2, 5, 0, QStringLiteral("Fax"), QStringLiteral("Text7"), 20);
    Text10 = linha_campo(g2, 6, 0, QStringLiteral("Obs"), QStringLiteral("Text10"), 100, false, 3);
    g2->setRowStretch(7, 1);
    g2->setColumnStretch(3, 1);

    // tab order: the first page, then the second
    QList<QWidget*> ordem{Text1, Text2};
    if (cliente) ordem = {Text1, Text2, Combo1, Text8, Text9, Text13, Text14};
    else ordem = {Text1, Text8, Text9, Text13, Text14, Text2};
    ordem << QList<QWidget*>{Text3, Text12, Text4, Text5, Text6, Text7, Text10, CmdOk, CmdSair};
    for (int i = 0; i + 1 < ordem.size(); ++i)
        setTabOrder(ordem[i], ordem[i + 1]);
    // Enter on the last field of the first page goes on to the second page
    teclas()->antesDoEnter(cliente ? Text14 : Text2, [this] {
        SSTab1->setCurrentIndex(1);
        Text3->setFocus(Qt::TabFocusReason);
        return true;
    });
    // A wrong tax number is reported and its text selected; it does not
    // block saving. Left by a key, the focus goes back to the box; left by
    // a click, the click goes through.
    teclas()->aoSair(Text8, [this] { return Text8->text().isEmpty() || documento_valido(); }, [this](bool porClique) {
        if (!porClique)
            Text8->setFocus(Qt::OtherFocusReason);
        informa(mensagem_documento());
        Text8->home(false);
        Text8->end(true);
    });
    resize(560, 380);
}

QLabel* FrmCadPessoa::rotulo(QWidget* caixa) const
{
    for (QLabel* l : findChildren<QLabel*>())
        if (l->buddy() == caixa) return l;
    return nullptr;
}

void FrmCadPessoa::prepara() { SSTab1->setCurrentIndex(0); }

QWidget* FrmCadPessoa::primeiro_campo() { return Text1; }

void FrmCadPessoa::preenche_comuns(const Recordset& rs)
{
    Text11->setText(rs.texto(QStringLiteral("ncodigo")));
    Text1->setText(rs.texto(QStringLiteral("cfantasia")));
    Text3->setText(rs.texto(QStringLiteral("ncidade")));
    Text12->setText(rs.texto(QStringLiteral("ccep")));
    Text4->setText(rs.texto(QStringLiteral("cendereco")));
    Text5->setText(rs.texto(QStringLiteral("cbairro")));
    Text6->setText(rs.texto(QStringLiteral("cfone")));
    Text7->setText(rs.texto(QStringLiteral("cfax")));
    Text8->setText(rs.texto(QStringLiteral("ccnpj")));
    Text9->setText(rs.texto(QStringLiteral("cie")));
    Text10->setText(rs.texto(QStringLiteral("cobs")));
    Text13->setText(rs.texto(QStringLiteral("cemail")));
    Text14->setText(rs.texto(QStringLiteral("ccontato")));
}

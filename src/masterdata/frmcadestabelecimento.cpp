#include "frmcadestabelecimento.h"
#include "caixacidade.h"
#include "caixacodigo.h"
#include "campos.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr qint32 CODIGO_ESTABELECIMENTO = 1; // the one row the shop has
}

FrmCadEstabelecimento::FrmCadEstabelecimento()
    : FrmCadastro(QStringLiteral("FrmCadEstabelecimento"), QStringLiteral("Controle de ordens de serviço"), false)
{
    define_edicao(CODIGO_ESTABELECIMENTO);
    auto* titulo = new QLabel(QStringLiteral("Estabelecimento"), this);
    QFont f = titulo->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.4);
    titulo->setFont(f);
    corpo()->addWidget(titulo);
    auto* g = new QGridLayout;
    corpo()->addLayout(g);
    caixaFantasia = linha_campo(g, 0, 0, QStringLiteral("Fantasia"), QStringLiteral("caixaFantasia"), 60, true, 3);
    caixaRazao = linha_campo(g, 1, 0, QStringLiteral("Razão Social"), QStringLiteral("caixaRazao"), 60, true, 3);
    m_cidade = monta_caixa_cidade(g, 2, QStringLiteral("caixaCidade"), QStringLiteral("caixaNomeCidade"), teclas(), true);
    caixaCidade = m_cidade->codigo();
    caixaNomeCidade = m_cidade->nome();
    botaoCidades = m_cidade->botao();
    caixaEndereco = linha_campo(g, 3, 0, QStringLiteral("Endereço"), QStringLiteral("caixaEndereco"), 50, false, 3);
    caixaBairro = linha_campo(g, 4, 0, QStringLiteral("Bairro"), QStringLiteral("caixaBairro"), 50, false, 3);
    caixaFone = linha_campo(g, 5, 0, QStringLiteral("Fone"), QStringLiteral("caixaFone"), 20);
    caixaFax = linha_campo(g, 5, 2, QStringLiteral("Fax"), QStringLiteral("caixaFax"), 20);
    caixaCnpj = linha_campo(g, 6, 0, QStringLiteral("CNPJ"), QStringLiteral("caixaCnpj"), 20);
    caixaInscricaoEstadual = linha_campo(g, 6, 2, QStringLiteral("IE"), QStringLiteral("caixaInscricaoEstadual"), 20);
    caixaEmail = linha_campo(g, 7, 0, QStringLiteral("E-mail"), QStringLiteral("caixaEmail"), 50, false, 3);
    caixaCep = linha_campo(g, 8, 0, QStringLiteral("CEP"), QStringLiteral("caixaCep"), 20);
    g->setColumnStretch(3, 1);
    const QList<QWidget*> ordem{caixaFantasia, caixaRazao, caixaCidade, caixaEndereco, caixaBairro, caixaFone, caixaFax,
                                caixaCnpj, caixaInscricaoEstadual, caixaEmail, caixaCep, botaoGravar, botaoSair};
    for (int i = 0; i + 1 < ordem.size(); ++i)
        setTabOrder(ordem[i], ordem[i + 1]);
    resize(600, 360);
}

bool FrmCadEstabelecimento::edita() { return FrmCadastro::edita(CODIGO_ESTABELECIMENTO); }

QWidget* FrmCadEstabelecimento::primeiro_campo() { return caixaFantasia; }

CaixasEndereco FrmCadEstabelecimento::caixas_endereco() const
{
    return {caixaCidade, caixaEndereco, caixaBairro, caixaCep, caixaFone, caixaFax, caixaEmail};
}

void FrmCadEstabelecimento::mostra_dados()
{
    const CadastroEstabelecimento e = exige(le_estabelecimento());
    caixaFantasia->setText(e.fantasia);
    caixaRazao->setText(e.razaoSocial);
    caixaCnpj->setText(e.cnpj);
    caixaInscricaoEstadual->setText(e.inscricaoEstadual);
    caixas_endereco().mostra(e.endereco); // the city code fills the city name
}

qint32 FrmCadEstabelecimento::grava()
{
    // the shop's texts are stored as typed
    grava_estabelecimento({caixaFantasia->text(), caixaRazao->text(), caixaCnpj->text(), caixaInscricaoEstadual->text(),
                           caixas_endereco().le(false)});
    return CODIGO_ESTABELECIMENTO;
}

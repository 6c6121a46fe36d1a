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
    abas = new QTabWidget(this);
    abas->setObjectName(QStringLiteral("abas"));
    corpo()->addWidget(abas);

    auto* p1 = new QWidget;
    auto* g = new QGridLayout(p1);
    abas->addTab(p1, QStringLiteral(" Dados Principais"));
    int l = 0;
    caixaCodigo = linha_campo(g, l++, 0, QStringLiteral("Código"), QStringLiteral("caixaCodigo"), 10);
    caixaCodigo->setReadOnly(true);
    caixaCodigo->setFocusPolicy(Qt::NoFocus);
    caixaNome = linha_campo(g, l++, 0, cliente ? QStringLiteral("Fantasia") : QStringLiteral("Nome"), QStringLiteral("caixaNome"), 50, true);
    if (cliente) {
        caixaRazao = linha_campo(g, l++, 0, QStringLiteral("Razão Social"), QStringLiteral("caixaRazao"), 50);
        caixaNatureza = new QComboBox(p1);
        caixaNatureza->setObjectName(QStringLiteral("caixaNatureza"));
        caixaNatureza->addItems({QStringLiteral("Pessoa fisica"), QStringLiteral("Pessoa juridica")});
        g->addWidget(novo_rotulo(QStringLiteral("Natureza"), caixaNatureza, p1), l, 0);
        g->addWidget(caixaNatureza, l++, 1);
    }
    caixaDocumento = linha_campo(g, l++, 0, cliente ? QStringLiteral("Cnpj/Cpf") : QStringLiteral("Cpf"), QStringLiteral("caixaDocumento"), 20);
    caixaIdentidade = linha_campo(g, l++, 0, cliente ? QStringLiteral("I.E/Rg") : QStringLiteral("Rg"), QStringLiteral("caixaIdentidade"), 20);
    caixaEmail = linha_campo(g, l++, 0, QStringLiteral("E-mail"), QStringLiteral("caixaEmail"), 255);
    caixaContato = linha_campo(g, l++, 0, QStringLiteral("Contato"), QStringLiteral("caixaContato"), 30);
    if (!cliente) {
        caixaComissao = linha_campo(g, l, 0, QStringLiteral("Comissão"), QStringLiteral("caixaComissao"), 4, true);
        caixaComissao->setMaximumWidth(80);
        // "%" right after the box (and its "*")
        if (auto* celula = qobject_cast<QHBoxLayout*>(g->itemAtPosition(l, 1)->layout()))
            celula->insertWidget(2, new QLabel(QStringLiteral("%"), p1));
        ++l;
        teclas()->tipoCampo(caixaComissao, CampoDinheiro, CampoInteiro);
        seleciona_ao_entrar(caixaComissao);
    }
    g->setRowStretch(l, 1);
    g->setColumnStretch(1, 1);
    teclas()->tipoCampo(caixaDocumento, CampoInteiro, 0);

    auto* p2 = new QWidget;
    auto* g2 = new QGridLayout(p2);
    abas->addTab(p2, QStringLiteral("Dados Residênciais"));
    m_cidade = monta_caixa_cidade(g2, 0, QStringLiteral("caixaCidade"), QStringLiteral("caixaNomeCidade"), teclas(), false);
    caixaCidade = m_cidade->codigo();
    caixaNomeCidade = m_cidade->nome();
    botaoCidades = m_cidade->botao();
    caixaCep = linha_campo(g2, 1, 0, QStringLiteral("Cep"), QStringLiteral("caixaCep"), 20);
    caixaEndereco = linha_campo(g2, 2, 0, QStringLiteral("Endereço"), QStringLiteral("caixaEndereco"), 40, false, 3);
    caixaBairro = linha_campo(g2, 3, 0, QStringLiteral("Bairro"), QStringLiteral("caixaBairro"), 30, false, 3);
    caixaFone = linha_campo(g2, 4, 0, QStringLiteral("Fone"), QStringLiteral("caixaFone"), 20);
    caixaFax = linha_campo(g2, 5, 0, QStringLiteral("Fax"), QStringLiteral("caixaFax"), 20);
    caixaObservacao = linha_campo(g2, 6, 0, QStringLiteral("Obs"), QStringLiteral("caixaObservacao"), 100, false, 3);
    g2->setRowStretch(7, 1);
    g2->setColumnStretch(3, 1);

    // tab order: the first page, then the second
    QList<QWidget*> ordem;
    if (cliente) ordem = {caixaNome, caixaRazao, caixaNatureza, caixaDocumento, caixaIdentidade, caixaEmail, caixaContato};
    else ordem = {caixaNome, caixaDocumento, caixaIdentidade, caixaEmail, caixaContato, caixaComissao};
    ordem << QList<QWidget*>{caixaCidade, caixaCep, caixaEndereco, caixaBairro, caixaFone, caixaFax, caixaObservacao, botaoGravar, botaoSair};
    for (int i = 0; i + 1 < ordem.size(); ++i)
        setTabOrder(ordem[i], ordem[i + 1]);
    // Enter on the last field of the first page goes on to the second page
    teclas()->antesDoEnter(cliente ? caixaContato : caixaComissao, [this] {
        abas->setCurrentIndex(1);
        caixaCidade->setFocus(Qt::TabFocusReason);
        return true;
    });
    // A wrong tax number is reported and its text selected; it does not
    // block saving. Left by a key, the focus goes back to the box; left by
    // a click, the click goes through.
    teclas()->aoSair(caixaDocumento, [this] { return caixaDocumento->text().isEmpty() || documento_valido(); }, [this](bool porClique) {
        if (!porClique)
            caixaDocumento->setFocus(Qt::OtherFocusReason);
        informa(mensagem_documento());
        caixaDocumento->home(false);
        caixaDocumento->end(true);
    });
    resize(560, 380);
}

QLabel* FrmCadPessoa::rotulo(QWidget* caixa) const
{
    for (QLabel* l : findChildren<QLabel*>())
        if (l->buddy() == caixa) return l;
    return nullptr;
}

void FrmCadPessoa::prepara() { abas->setCurrentIndex(0); }

QWidget* FrmCadPessoa::primeiro_campo() { return caixaNome; }

CaixasEndereco FrmCadPessoa::caixas_endereco() const
{
    return {caixaCidade, caixaEndereco, caixaBairro, caixaCep, caixaFone, caixaFax, caixaEmail};
}

void FrmCadPessoa::mostra_pessoa(const Pessoa& p)
{
    caixaCodigo->setText(QString::number(p.codigo));
    caixaNome->setText(p.nome);
    caixaDocumento->setText(p.documento);
    caixaIdentidade->setText(p.identidade);
    caixaContato->setText(p.contato);
    caixaObservacao->setText(p.observacao);
    caixas_endereco().mostra(p.endereco);
}

void FrmCadPessoa::le_pessoa(Pessoa& p) const
{
    // names and addresses in proper case; numbers and notes as typed
    p.nome = nome_proprio(caixaNome->text());
    p.documento = caixaDocumento->text();
    p.identidade = caixaIdentidade->text();
    p.contato = nome_proprio(caixaContato->text());
    p.observacao = caixaObservacao->text();
    p.endereco = caixas_endereco().le(true);
}

#include "caixacidade.h"
#include "campos.h"
#include "filtroteclas.h"
#include "formularios.h"
#include "frmcadcidades.h"
#include "frmconsulta.h"
#include "modulo1.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

CaixaCidade::CaixaCidade(QLineEdit* codigo, QLineEdit* nome, QPushButton* botao, FiltroTeclas* teclas, bool aoMudar)
    : QObject(codigo), m_codigo(codigo), m_nome(nome), m_botao(botao), m_aoMudar(aoMudar)
{
    nome->setReadOnly(true);
    nome->setFocusPolicy(Qt::NoFocus);
    teclas->aoF12(codigo, [this] { consulta(); });
    teclas->aoF11(codigo, [this] { nova_cidade(); });
    QObject::connect(botao, &QPushButton::clicked, this, &CaixaCidade::consulta);
    if (aoMudar)
        QObject::connect(codigo, &QLineEdit::textChanged, this, &CaixaCidade::valida);
    else
        teclas->aoSair(codigo, [this] {
            valida(); // never keeps the focus: an unknown city leaves the name empty
            return true;
        });
}

CaixaCidade* CaixaCidade::monta(QGridLayout* g, int linha, const QString& nomeCodigo, const QString& nomeNome,
                                FiltroTeclas* teclas, bool aoMudar)
{
    QWidget* pai = g->parentWidget();
    QLineEdit* codigo = linha_campo(g, linha, 0, QStringLiteral("Cidade"), nomeCodigo, 10, true);
    codigo->setMaximumWidth(90);
    auto* botao = novo_botao(QStringLiteral("..."), QStringLiteral("Command1"), pai);
    botao->setAccessibleName(QStringLiteral("Consultar cidades"));
    botao->setFocusPolicy(Qt::NoFocus);
    botao->setMaximumWidth(40);
    g->addWidget(botao, linha, 2);
    QLineEdit* nome = nova_caixa(pai, nomeNome);
    nome->setAccessibleName(QStringLiteral("Nome da cidade"));
    marca_obrigatorio(nome);
    g->addWidget(nome, linha, 3);
    return new CaixaCidade(codigo, nome, botao, teclas, aoMudar);
}

void CaixaCidade::valida()
{
    if (m_codigo->text().isEmpty()) {
        m_nome->clear();
        return;
    }
    try {
        cSQL = QStringLiteral("select cnome from cidade where ncodigo = %1").arg(valor_numerico(m_codigo->text()));
        rsAux.abre(cSQL);
        m_nome->setText(rsAux.recordCount() < 1 ? QString() : rsAux.texto(QStringLiteral("cNome")));
        rsAux.fecha();
    } catch (const ErroBanco& e) {
        rsAux.fecha();
        m_nome->clear();
        trata_erro_banco(e);
    }
}

void CaixaCidade::consulta()
{
    const qint32 codigo = consulta_codigo(QStringLiteral("Cidades"));
    if (codigo != 0) {
        m_codigo->setText(QString::number(codigo));
        if (!m_aoMudar)
            valida();
    }
}

void CaixaCidade::nova_cidade()
{
    FrmCadCidades& f = form<FrmCadCidades>();
    f.binclusao = true;
    abre_modal(f);
}

#include "frmcadcidades.h"
#include "campos.h"
#include "formatos.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

FrmCadCidades::FrmCadCidades() : FrmCadastro(QStringLiteral("FrmCadCidades"), QStringLiteral("Cadastro de cidades"), false)
{
    auto* g = new QGridLayout;
    corpo()->addLayout(g);
    caixaCodigo = linha_campo(g, 0, 0, QStringLiteral("Código"), QStringLiteral("caixaCodigo"), 10);
    caixaCodigo->setReadOnly(true);
    caixaCodigo->setFocusPolicy(Qt::NoFocus);
    caixaNome = linha_campo(g, 1, 0, QStringLiteral("Nome"), QStringLiteral("caixaNome"), 50, true);
    caixaUf = linha_campo(g, 2, 0, QStringLiteral("UF"), QStringLiteral("caixaUf"), 2, true);
    caixaUf->setMaximumWidth(60);
    setTabOrder(caixaNome, caixaUf);
    setTabOrder(caixaUf, botaoGravar);
    resize(420, sizeHint().height());
}

QWidget* FrmCadCidades::primeiro_campo() { return caixaNome; }

void FrmCadCidades::mostra_dados()
{
    const Cidade c = exige(le_cidade(codigo_editado()));
    caixaCodigo->setText(QString::number(c.codigo));
    caixaNome->setText(c.nome);
    caixaUf->setText(c.uf);
}

void FrmCadCidades::reserva_codigo() { caixaCodigo->setText(QString::number(proximo_codigo_cidade())); }

qint32 FrmCadCidades::grava()
{
    Cidade c{inclusao() ? qint32(valor_numerico(caixaCodigo->text())) : codigo_editado(), nome_proprio(caixaNome->text()),
             caixaUf->text().toUpper()};
    if (inclusao())
        inclui_cidade(c);
    else
        grava_cidade(c);
    return c.codigo;
}

#include "frmcadcondicaopagto.h"
#include "campos.h"
#include "filtroteclas.h"
#include "formatos.h"
#include "mensagens.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

FrmCadCondicaoPagto::FrmCadCondicaoPagto()
    : FrmCadastro(QStringLiteral("FrmCadCondicaoPagto"), QStringLiteral("Condições de pagamento"), false)
{
    auto* g = new QGridLayout;
    corpo()->addLayout(g);
    caixaCodigo = linha_campo(g, 0, 0, QStringLiteral("Código"), QStringLiteral("caixaCodigo"), 10);
    caixaPrazo = linha_campo(g, 1, 0, QStringLiteral("Prazo"), QStringLiteral("caixaPrazo"), 0, true, 3);
    caixaParcelas = linha_campo(g, 2, 0, QStringLiteral("Parcelas"), QStringLiteral("caixaParcelas"), 5);
    for (QLineEdit* e : {caixaCodigo, caixaPrazo, caixaParcelas}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
    }
    caixaCodigo->setMaximumWidth(90);
    caixaParcelas->setMaximumWidth(60);
    caixaDias = linha_campo(g, 3, 0, QStringLiteral("Dias"), QStringLiteral("caixaDias"), 3);
    caixaDias->setMaximumWidth(60);
    botaoAcrescenta = novo_botao(QStringLiteral("Ok"), QStringLiteral("botaoAcrescenta"), this);
    botaoCorrige = novo_botao(QStringLiteral("Corrige"), QStringLiteral("botaoCorrige"), this);
    g->addWidget(botaoAcrescenta, 3, 2);
    g->addWidget(botaoCorrige, 3, 3);
    g->setColumnStretch(1, 1);
    teclas()->tipoCampo(caixaDias, CampoInteiro);
    connect(botaoAcrescenta, &QPushButton::clicked, this, &FrmCadCondicaoPagto::acrescenta_prazo);
    connect(botaoCorrige, &QPushButton::clicked, this, &FrmCadCondicaoPagto::corrige_prazo);
    setTabOrder(caixaDias, botaoAcrescenta);
    setTabOrder(botaoAcrescenta, botaoCorrige);
    setTabOrder(botaoCorrige, botaoGravar);
    resize(480, sizeHint().height());
}

QWidget* FrmCadCondicaoPagto::primeiro_campo() { return caixaDias; }

void FrmCadCondicaoPagto::libera_prazo(bool livre)
{
    for (QWidget* w : std::initializer_list<QWidget*>{botaoAcrescenta, botaoCorrige, caixaDias, caixaPrazo})
        w->setEnabled(livre);
}

void FrmCadCondicaoPagto::prepara()
{
    caixaParcelas->setText(QStringLiteral("0"));
    libera_prazo(true);
}

void FrmCadCondicaoPagto::reserva_codigo() { caixaCodigo->setText(QString::number(proximo_codigo_condicao())); }

void FrmCadCondicaoPagto::mostra_dados()
{
    const CondicaoPagto c = exige(le_condicao(codigo_editado()));
    caixaPrazo->setText(c.prazo);
    caixaCodigo->setText(QString::number(c.codigo));
    caixaParcelas->setText(QString::number(c.parcelas));
    if (c.codigo == CONDICAO_A_VISTA)
        libera_prazo(false);
}

void FrmCadCondicaoPagto::conta_parcelas()
{
    caixaParcelas->setText(QString::number(caixaPrazo->text().isEmpty() ? 0 : caixaPrazo->text().split(SEPARADOR).size()));
}

void FrmCadCondicaoPagto::acrescenta_prazo()
{
    formata_campo(caixaDias, CampoInteiro);
    if (caixaDias->text().isEmpty())
        return;
    const QString termo = valor_numerico(caixaDias->text()) != 0 ? caixaDias->text() : QStringLiteral("Entrada");
    const QString prazo = caixaPrazo->text().isEmpty() ? termo : caixaPrazo->text() + SEPARADOR + termo;
    if (prazo.size() > TAMANHO_MAXIMO) {
        informa(QStringLiteral("O prazo não pode ter mais de %1 caracteres.").arg(TAMANHO_MAXIMO));
        return;
    }
    caixaPrazo->setText(prazo);
    conta_parcelas();
    caixaDias->clear();
    caixaDias->setFocus();
}

void FrmCadCondicaoPagto::corrige_prazo()
{
    QStringList partes = caixaPrazo->text().split(SEPARADOR);
    partes.removeLast();
    caixaPrazo->setText(partes.join(SEPARADOR));
    conta_parcelas();
}

qint32 FrmCadCondicaoPagto::grava()
{
    // the cash condition's schedule cannot be changed here and is kept as
    // stored: the instalment plan knows "A vista" by its exact text
    const bool fixo = !inclusao() && codigo_editado() == CONDICAO_A_VISTA;
    const CondicaoPagto c{inclusao() ? qint32(valor_numerico(caixaCodigo->text())) : codigo_editado(),
                          fixo ? caixaPrazo->text() : nome_proprio(caixaPrazo->text()), int(valor_numerico(caixaParcelas->text()))};
    if (inclusao())
        inclui_condicao(c);
    else
        grava_condicao(c);
    return c.codigo;
}

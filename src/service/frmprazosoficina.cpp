#include "frmprazosoficina.h"
#include "campos.h"
#include "errosbanco.h"
#include "filtroteclas.h"
#include "formularios.h"
#include "mensagens.h"
#include "oficina.h"
#include "sessao.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

FrmPrazosOficina::FrmPrazosOficina()
{
    setObjectName(QStringLiteral("FrmPrazosOficina"));
    setWindowTitle(QStringLiteral("Prazos da oficina"));
    auto* v = new QVBoxLayout(this);
    auto* g = new QGridLayout;
    v->addLayout(g);
    auto dias = [&](int linha, const QString& rotulo, const QString& nome) {
        auto* caixa = new QSpinBox(this);
        caixa->setObjectName(nome);
        caixa->setRange(0, 9999);
        caixa->setSuffix(QStringLiteral(" dias"));
        g->addWidget(novo_rotulo(rotulo, caixa, this), linha, 0);
        g->addWidget(caixa, linha, 1);
        return caixa;
    };
    caixaDiasAprovacao = dias(0, QStringLiteral("Orçamento aguardando aprovação"), QStringLiteral("caixaDiasAprovacao"));
    caixaDiasRetirada = dias(1, QStringLiteral("Pronto aguardando retirada"), QStringLiteral("caixaDiasRetirada"));
    caixaDiasAbandono = dias(2, QStringLiteral("Abandonado depois de"), QStringLiteral("caixaDiasAbandono"));
    caixaDiasGarantia = dias(3, QStringLiteral("Garantia a partir da entrega"), QStringLiteral("caixaDiasGarantia"));
    botaoGravar = novo_botao(QStringLiteral("&Gravar"), QStringLiteral("botaoGravar"), this);
    botaoSair = novo_botao(QStringLiteral("&Sair"), QStringLiteral("botaoSair"), this);
    v->addLayout(linha_de_botoes({botaoGravar, botaoSair}));

    m_teclas = new FiltroTeclas(this);
    m_teclas->botaoF5(botaoGravar);
    connect(botaoGravar, &QPushButton::clicked, this, &FrmPrazosOficina::grava);
    connect(botaoSair, &QPushButton::clicked, this, &QDialog::reject);
}

bool FrmPrazosOficina::edita()
{
    m_gravado = false;
    try {
        mostra(le_ajustes_oficina(conexao));
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
        return false;
    }
    abre_modal(*this);
    return m_gravado;
}

void FrmPrazosOficina::mostra(const AjustesOficina& a)
{
    caixaDiasAprovacao->setValue(a.diasAprovacao);
    caixaDiasRetirada->setValue(a.diasRetirada);
    caixaDiasAbandono->setValue(a.diasAbandono);
    caixaDiasGarantia->setValue(a.diasGarantia);
}

void FrmPrazosOficina::ao_abrir_janela()
{
    m_teclas->instala();
    caixaDiasAprovacao->setFocus();
    caixaDiasAprovacao->selectAll();
}

void FrmPrazosOficina::grava()
{
    AjustesOficina a;
    a.diasAprovacao = caixaDiasAprovacao->value();
    a.diasRetirada = caixaDiasRetirada->value();
    a.diasAbandono = caixaDiasAbandono->value();
    a.diasGarantia = caixaDiasGarantia->value();
    try {
        grava_ajustes_oficina(conexao, a);
    } catch (const ErroBanco& e) {
        trata_erro_banco(e); // a Recusa shows its reason; the dialog stays
        return;
    }
    m_gravado = true;
    accept();
}

#include "frmentrega.h"
#include "campos.h"
#include "filtroteclas.h"
#include "formularios.h"
#include "impressos.h"
#include "mensagens.h"
#include "errosbanco.h"
#include "relogio.h"
#include "sessao.h"

#include <QDateTimeEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FrmEntrega::FrmEntrega()
{
    setObjectName(QStringLiteral("FrmEntrega"));
    setWindowTitle(QStringLiteral("Entrega"));
    auto* v = new QVBoxLayout(this);
    auto* g = new QGridLayout;
    v->addLayout(g); // the boxes' parent comes from the layout's
    caixaMomento = new QDateTimeEdit(this);
    caixaMomento->setObjectName(QStringLiteral("caixaMomento"));
    caixaMomento->setDisplayFormat(QStringLiteral("dd/MM/yyyy HH:mm"));
    caixaMomento->setCalendarPopup(true);
    g->addWidget(novo_rotulo(QStringLiteral("Data e hora"), caixaMomento, this), 0, 0);
    g->addWidget(caixaMomento, 0, 1);
    caixaRetiradoPor = linha_campo(g, 1, 0, QStringLiteral("Retirado por"), QStringLiteral("caixaRetiradoPor"), 60, true, 2);
    caixaDocumento = linha_campo(g, 2, 0, QStringLiteral("Documento"), QStringLiteral("caixaDocumento"), 30);
    caixaObservacao = linha_campo(g, 3, 0, QStringLiteral("Observação"), QStringLiteral("caixaObservacao"), 255, false, 2);
    caixaRetiradoPor->setMinimumWidth(320);
    botaoGravar = novo_botao(QStringLiteral("&Gravar"), QStringLiteral("botaoGravar"), this);
    botaoSair = novo_botao(QStringLiteral("&Sair"), QStringLiteral("botaoSair"), this);
    v->addLayout(linha_de_botoes({botaoGravar, botaoSair}));

    m_teclas = new FiltroTeclas(this);
    m_teclas->botaoF5(botaoGravar);
    connect(botaoGravar, &QPushButton::clicked, this, &FrmEntrega::grava);
    connect(botaoSair, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<Entrega> FrmEntrega::entrega(qint32 ordem)
{
    m_ordem = ordem;
    m_gravada.reset();
    m_codigoGravado.reset();
    // an order that cannot be delivered is refused before anything is typed
    try {
        if (const auto recusa = recusa_entrega(conexao, ordem)) {
            informa(*recusa);
            return std::nullopt;
        }
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
        return std::nullopt;
    }
    abre_modal(*this);
    // the terms are offered once the dialog is gone, over the list
    if (m_codigoGravado)
        emite_termo_entrega(*m_codigoGravado);
    return m_gravada;
}

void FrmEntrega::ao_abrir_janela()
{
    m_teclas->instala();
    setWindowTitle(QStringLiteral("Entrega da ordem de serviço N.º %1").arg(m_ordem));
    caixaMomento->setDateTime(Relogio::momento());
    for (QLineEdit* c : {caixaRetiradoPor, caixaDocumento, caixaObservacao})
        c->clear();
    caixaRetiradoPor->setFocus();
}

void FrmEntrega::grava()
{
    Entrega e;
    e.ordem = m_ordem;
    e.momento = caixaMomento->dateTime();
    e.retiradoPor = caixaRetiradoPor->text().trimmed();
    e.documento = caixaDocumento->text().trimmed();
    e.observacao = caixaObservacao->text().trimmed();
    if (e.retiradoPor.isEmpty()) {
        informa(QStringLiteral("Informe quem retirou o equipamento."));
        caixaRetiradoPor->setFocus();
        return;
    }
    try {
        m_codigoGravado = entrega_ordem(conexao, e);
    } catch (const ErroBanco& erro) {
        trata_erro_banco(erro);
        return;
    }
    m_gravada = e;
    accept();
}

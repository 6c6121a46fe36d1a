#include "frmfechamento.h"
#include "campos.h"
#include "filtroteclas.h"
#include "mensagens.h"
#include "modulo1.h"

#include <QLabel>
#include <QShowEvent>
#include <QVBoxLayout>

FrmFechamento::FrmFechamento(const QString& nome, const QString& titulo)
{
    setObjectName(nome);
    setWindowTitle(QStringLiteral("Controle de ordens de serviço"));
    auto* v = new QVBoxLayout(this);
    v->addWidget(faixa_titulo(titulo, QStringLiteral("Label14"), this));
    m_corpo = new QVBoxLayout;
    v->addLayout(m_corpo, 1);
    m_teclas = new FiltroTeclas(this);
}

void FrmFechamento::ao_abrir_janela()
{
    m_gravou = false;
    m_teclas->instala();
    abre();
    centraliza_form(this);
}

bool FrmFechamento::grava(Operacao op, const std::function<void()>& comandos)
{
    bool fechada = false;
    const QString ordem = QString::number(nCodigoOrdem);
    const bool ok = em_transacao(op, [&] {
        // a second closing of this order waits here for the first, and
        // (run again after it) finds the receivables the first stored
        rsAux.abre(QStringLiteral("select ncodigo from ordem where ncodigo = ") + ordem + QStringLiteral(" with lock"));
        rsAux.fecha();
        rsAux.abre(QStringLiteral("select count(*) as n from conta_receber where nordem = ") + ordem);
        fechada = rsAux.inteiro(QStringLiteral("n")) > 0;
        rsAux.fecha();
        if (!fechada)
            comandos();
    });
    if (!ok)
        return false;
    if (fechada) {
        informa(ORDEM_JA_FECHADA);
        reject();
        return false;
    }
    m_gravou = true;
    accept();
    return true;
}


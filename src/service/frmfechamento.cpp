#include "frmfechamento.h"
#include "campos.h"
#include "filtroteclas.h"
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
    if (!em_transacao(op, comandos))
        return false;
    m_gravou = true;
    accept();
    return true;
}


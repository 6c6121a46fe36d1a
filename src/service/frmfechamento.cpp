#include "frmfechamento.h"
#include "campos.h"
#include "errosbanco.h"
#include "filtroteclas.h"
#include "formatos.h"
#include "formularios.h"
#include "mensagens.h"
#include "sessao.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

FrmFechamento::FrmFechamento(const QString& nome, const QString& titulo)
{
    setObjectName(nome);
    setWindowTitle(QStringLiteral("Controle de ordens de serviço"));
    auto* v = new QVBoxLayout(this);
    v->addWidget(faixa_titulo(titulo, QStringLiteral("faixaTitulo"), this));
    m_corpo = new QVBoxLayout;
    v->addLayout(m_corpo, 1);
    m_teclas = new FiltroTeclas(this);
}

bool FrmFechamento::fecha(const Fechamento& fechamento)
{
    m_fechamento = fechamento;
    abre_modal(*this);
    return m_gravou;
}

void FrmFechamento::ao_abrir_janela()
{
    m_gravou = false;
    m_teclas->instala();
    try {
        m_contasAntes = contas_da_ordem(conexao, m_fechamento.ordem);
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
        QTimer::singleShot(0, this, &QDialog::reject); // nothing can be stored without them
    }
    abre();
    centraliza_form(this);
}

bool FrmFechamento::grava(const std::function<ResultadoFechamento(const QVector<ContaDaOrdem>&)>& fechamento)
{
    ResultadoFechamento resultado;
    try {
        resultado = fechamento(m_contasAntes);
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
        return false;
    }
    if (resultado == ResultadoFechamento::JaFechada) {
        informa(ORDEM_JA_FECHADA);
        reject();
        return false;
    }
    m_gravou = true;
    accept();
    return true;
}

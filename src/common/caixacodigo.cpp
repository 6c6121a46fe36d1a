#include "caixacodigo.h"
#include "campos.h"
#include "filtroteclas.h"
#include "modulo1.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <limits>

CaixaCodigo::CaixaCodigo(QLineEdit* codigo, QLineEdit* nome, QPushButton* botao, FiltroTeclas* teclas,
                         std::function<QString(qint32)> consulta, std::function<qint32()> escolhe,
                         std::function<void()> novo)
    : QObject(codigo), m_codigo(codigo), m_nome(nome), m_botao(botao), m_consulta(std::move(consulta)),
      m_escolhe(std::move(escolhe))
{
    nome->setReadOnly(true);
    nome->setFocusPolicy(Qt::NoFocus);
    teclas->tipoCampo(codigo, CampoInteiro);
    teclas->aoF12(codigo, [this] { this->consulta(); });
    if (novo)
        teclas->aoF11(codigo, std::move(novo));
    connect(botao, &QPushButton::clicked, this, &CaixaCodigo::consulta);
    codigo->installEventFilter(this);
}

namespace {
// While one box reports a code not found and takes the focus back, the box
// the focus had gone to is left without a check of its own.
bool g_validando = false;
}

bool CaixaCodigo::eventFilter(QObject* alvo, QEvent* e)
{
    if (alvo == m_codigo && saiu_do_campo(e) && !m_codigo->isReadOnly() && !g_validando) {
        QWidget* destino = QApplication::focusWidget();
        if (!m_semValidar.contains(destino) && m_codigo->window()->isVisible())
            valida();
    }
    return false;
}

bool CaixaCodigo::valida()
{
    bool numero = false;
    const qint64 codigo = m_codigo->text().trimmed().toLongLong(&numero);
    if (!numero) {
        m_nome->clear();
        return true;
    }
    QString nome;
    bool achou = false;
    const QScopedValueRollback<bool> guarda(g_validando, true);
    if (codigo > 0 && codigo <= std::numeric_limits<qint32>::max()) {
        try {
            cSQL = m_consulta(qint32(codigo));
            rsAux.abre(cSQL);
            achou = rsAux.recordCount() > 0;
            if (achou)
                nome = rsAux.texto(0);
            rsAux.fecha();
        } catch (const ErroBanco& e) {
            rsAux.fecha();
            m_nome->clear();
            trata_erro_banco(e);
            return false;
        }
    }
    m_nome->setText(nome);
    if (!achou)
        registro_nao_localizado(m_codigo);
    return achou;
}

void CaixaCodigo::consulta()
{
    const qint32 codigo = m_escolhe();
    if (codigo == 0)
        return;
    m_codigo->setText(QString::number(codigo));
    valida();
}

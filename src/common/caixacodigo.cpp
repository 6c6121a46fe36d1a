#include "caixacodigo.h"
#include "campos.h"
#include "filtroteclas.h"
#include "errosbanco.h"
#include "formatos.h"
#include "sessao.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <limits>

namespace {
// While a box reports a code not found and takes the focus back, the box
// the focus had gone to is left without a check of its own.
bool g_avisando = false;
} // namespace

CaixaCodigo::CaixaCodigo(QLineEdit* codigo, QLineEdit* nome, QPushButton* botao, FiltroTeclas* teclas, QString consulta,
                         std::function<qint32()> escolhe, std::function<void()> novo)
    : QObject(codigo), m_codigo(codigo), m_nome(nome), m_botao(botao), m_consulta(std::move(consulta)),
      m_escolhe(std::move(escolhe))
{
    nome->setReadOnly(true);
    nome->setFocusPolicy(Qt::NoFocus);
    teclas->tipoCampo(codigo, CampoInteiro);
    teclas->aoF12(codigo, [this] { this->consulta(); });
    if (novo)
        teclas->aoF11(codigo, std::move(novo));
    if (botao)
        connect(botao, &QPushButton::clicked, this, &CaixaCodigo::consulta);
    // a code changed in any way (typed, pasted, cleared or loaded by the
    // form) is looked up again before it counts
    connect(codigo, &QLineEdit::textChanged, this, [this] { m_procurado.reset(); });
    // The name is looked up as the box is left, so the next control already
    // sees it; the notice waits until the click that moved the focus has
    // gone through (shown in the middle of it, it would eat the click, and
    // the line box would drop the selection as its focus-out goes on).
    teclas->aoSair(
        codigo,
        [this] {
            if (m_aCadaMudanca || !pronta() || g_avisando || m_semValidar.contains(QApplication::focusWidget()))
                return true;
            const bool achou = m_procurado ? m_achou : procura();
            if (achou || !m_avisa || !m_procurado)
                return true;
            m_avisoPendente = true;
            return false;
        },
        [this](bool) {
            if (m_avisoPendente && pronta())
                avisa();
            m_avisoPendente = false;
        });
}

CaixaCodigo& CaixaCodigo::semAviso()
{
    m_avisa = false;
    return *this;
}

CaixaCodigo& CaixaCodigo::aCadaMudanca()
{
    m_aCadaMudanca = true;
    connect(m_codigo, &QLineEdit::textChanged, this, [this] {
        if (procura() && m_depoisDeAchar)
            m_depoisDeAchar();
    });
    return *this;
}

CaixaCodigo& CaixaCodigo::preencheCom(std::function<void(Recordset*)> preenche)
{
    m_preenche = std::move(preenche);
    return *this;
}

CaixaCodigo& CaixaCodigo::depoisDeAchar(std::function<void()> acao)
{
    m_depoisDeAchar = std::move(acao);
    return *this;
}

bool CaixaCodigo::pronta() const { return !m_codigo->isReadOnly() && m_codigo->window()->isVisible(); }

bool CaixaCodigo::procura()
{
    const QString texto = m_codigo->text();
    auto preenche = [this](Recordset* rs) {
        if (m_preenche)
            m_preenche(rs);
        else
            m_nome->setText(rs ? rs->texto(0) : QString());
    };
    m_procurado = texto;
    bool numero = false;
    const qint64 codigo = texto.trimmed().toLongLong(&numero);
    m_achou = !numero; // an empty or non-numeric box names nothing and is accepted
    if (!numero || codigo < 1 || codigo > std::numeric_limits<qint32>::max()) {
        preenche(nullptr);
        return m_achou;
    }
    try {
        Recordset rs(conexao);
        rs.abre(m_consulta, {qint32(codigo)});
        m_achou = rs.recordCount() > 0;
        preenche(m_achou ? &rs : nullptr);
    } catch (const ErroBanco& e) {
        m_procurado.reset(); // read again next time
        m_achou = false;
        preenche(nullptr);
        trata_erro_banco(e);
    }
    return m_achou;
}

void CaixaCodigo::avisa()
{
    m_avisoPendente = false;
    const QScopedValueRollback<bool> guarda(g_avisando, true);
    registro_nao_localizado(m_codigo);
}

bool CaixaCodigo::valida()
{
    const bool achou = procura();
    if (!achou && m_avisa && m_procurado)
        avisa();
    return achou;
}

void CaixaCodigo::consulta()
{
    // a box the form locked (a paid order's customer) is not chosen again
    if (m_codigo->isReadOnly() || (m_botao && !m_botao->isEnabled()))
        return;
    const qint32 codigo = m_escolhe();
    if (codigo == 0)
        return;
    const QString texto = QString::number(codigo);
    if (m_aCadaMudanca && m_codigo->text() != texto) {
        m_codigo->setText(texto); // looked up by the change
        return;
    }
    m_codigo->setText(texto);
    if (valida() && m_depoisDeAchar)
        m_depoisDeAchar();
}

void CaixaCodigo::atualiza(QWidget* form)
{
    for (CaixaCodigo* c : form->findChildren<CaixaCodigo*>())
        if (!c->m_aCadaMudanca && !c->m_procurado)
            c->procura();
}

bool CaixaCodigo::confere(QWidget* form)
{
    for (CaixaCodigo* c : form->findChildren<CaixaCodigo*>()) {
        if (c->m_aCadaMudanca || c->m_codigo->isReadOnly() || !c->m_codigo->isEnabled())
            continue;
        const bool achou = c->m_procurado ? c->m_achou : c->procura();
        if (achou || !c->m_avisa)
            continue;
        if (c->m_procurado)
            c->avisa();
        else
            c->m_codigo->setFocus(Qt::OtherFocusReason); // the read failed and was shown
        return false;
    }
    return true;
}

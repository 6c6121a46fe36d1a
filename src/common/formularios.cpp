#include "formularios.h"

#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <deque>

namespace {
std::deque<std::function<void(QWidget&)>>& acoes()
{
    static std::deque<std::function<void(QWidget&)>> fila;
    return fila;
}

// The next test action, if one is queued, runs on the window once the
// event loop that shows it turns.
void agenda_acao(QWidget& janela)
{
    if (acoes().empty())
        return;
    auto acao = std::move(acoes().front());
    acoes().pop_front();
    QPointer<QWidget> w(&janela);
    QTimer::singleShot(0, &janela, [w, acao = std::move(acao)] {
        if (w) acao(*w);
    });
}

// Ends a wait when its window is hidden.
class AoEsconder : public QObject {
public:
    AoEsconder(QWidget& janela, QEventLoop& laco) : m_janela(&janela), m_laco(laco) { janela.installEventFilter(this); }
    ~AoEsconder() override
    {
        if (m_janela)
            m_janela->removeEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Hide)
            m_laco.quit();
        return false;
    }

private:
    QPointer<QWidget> m_janela;
    QEventLoop& m_laco;
};
} // namespace

std::unordered_map<std::type_index, std::unique_ptr<QWidget>>& Formularios::instancias()
{
    static std::unordered_map<std::type_index, std::unique_ptr<QWidget>> mapa;
    return mapa;
}

void Formularios::reinicia() { instancias().clear(); }

int abre_modal(QDialog& form)
{
    agenda_acao(form);
    return form.exec();
}

void espera_janela(QWidget& janela)
{
    QPointer<QWidget> w(&janela);
    QEventLoop laco;
    const AoEsconder aoEsconder(janela, laco);
    QObject::connect(&janela, &QObject::destroyed, &laco, &QEventLoop::quit);
    janela.setWindowModality(Qt::ApplicationModal);
    agenda_acao(janela);
    janela.show();
    janela.raise();
    janela.activateWindow();
    if (w && w->isVisible())
        laco.exec(QEventLoop::DialogExec);
}

void ao_abrir_modal(std::function<void(QDialog&)> acao)
{
    acoes().push_back([acao = std::move(acao)](QWidget& janela) {
        auto* form = qobject_cast<QDialog*>(&janela);
        if (!form)
            qFatal("uma ação de teste esperava um formulário e abriu-se %s", janela.metaObject()->className());
        acao(*form);
    });
}

void ao_abrir_janela(std::function<void(QWidget&)> acao) { acoes().push_back(std::move(acao)); }
void limpa_acoes_modais() { acoes().clear(); }
int acoes_modais_pendentes() { return int(acoes().size()); }

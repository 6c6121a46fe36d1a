#include "formularios.h"

#include <QPointer>
#include <QTimer>
#include <deque>

namespace {
std::deque<std::function<void(QDialog&)>>& acoes()
{
    static std::deque<std::function<void(QDialog&)>> fila;
    return fila;
}
} // namespace

std::unordered_map<std::type_index, std::unique_ptr<QWidget>>& Formularios::instancias()
{
    static std::unordered_map<std::type_index, std::unique_ptr<QWidget>> mapa;
    return mapa;
}

void Formularios::reinicia() { instancias().clear(); }

int abre_modal(QDialog& form)
{
    if (!acoes().empty()) {
        auto acao = std::move(acoes().front());
        acoes().pop_front();
        QPointer<QDialog> f(&form);
        QTimer::singleShot(0, &form, [f, acao = std::move(acao)] {
            if (f) acao(*f);
        });
    }
    return form.exec();
}

void ao_abrir_modal(std::function<void(QDialog&)> acao) { acoes().push_back(std::move(acao)); }
void limpa_acoes_modais() { acoes().clear(); }
int acoes_modais_pendentes() { return int(acoes().size()); }

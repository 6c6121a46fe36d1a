#pragma once
#include <QDialog>
#include <functional>
#include <memory>
#include <typeindex>
#include <unordered_map>

// One object per kind of form for the whole run, created on first use.
// Public members set by a caller keep their values until set again.
class Formularios {
public:
    template <class T>
    static T& de()
    {
        auto& mapa = instancias();
        auto it = mapa.find(std::type_index(typeid(T)));
        if (it == mapa.end())
            it = mapa.emplace(std::type_index(typeid(T)), std::unique_ptr<QWidget>(new T())).first;
        return static_cast<T&>(*it->second);
    }

    // Destroys every form (tests start each case with fresh forms).
    static void reinicia();

private:
    static std::unordered_map<std::type_index, std::unique_ptr<QWidget>>& instancias();
};

template <class T>
T& form() { return Formularios::de<T>(); }

// Shows a form modally and waits until it closes. Returns the dialog's result.
int abre_modal(QDialog& form);

// Tests: the next forms opened modally run these actions (one each, in
// order) once they are on screen; the action closes the form or drives it.
void ao_abrir_modal(std::function<void(QDialog&)> acao);
void limpa_acoes_modais();
int acoes_modais_pendentes();

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
// Shows a window that is not a dialog (a report's preview) modal to the
// whole program and waits until it is closed (hidden or destroyed).
void espera_janela(QWidget& janela);

// Tests: the next forms and windows opened modally run these actions (one
// each, in order) once they are on screen; the action closes the form or
// drives it. An action for a form that meets a window that is no dialog
// ends the program with the window's class: the test expected another.
void ao_abrir_modal(std::function<void(QDialog&)> acao);
void ao_abrir_janela(std::function<void(QWidget&)> acao);
void limpa_acoes_modais();
int acoes_modais_pendentes();

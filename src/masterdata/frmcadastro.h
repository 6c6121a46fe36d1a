#pragma once
#include "dadoscadastros.h"
#include "formmodal.h"

#include <optional>

class FiltroTeclas;
class QBoxLayout;
class QPushButton;
class QVBoxLayout;

// What every registration form shares: it opens centred and cleared, loads
// the record to edit or shows the code of a new one, walks its fields with
// Enter, saves with "&Gravar" after the required-field check (a new record
// leaves the form ready for the next, an edit closes it) and leaves with
// "&Sair". Database errors are shown and the form stays as it was.
class FrmCadastro : public FormModal {
    Q_OBJECT
public:
    // Opens the form modally for new records and waits until it closes;
    // gives the code of the last record saved, none when nothing was.
    std::optional<qint32> inclui();
    // Opens the form modally on the record of this code and waits until it
    // closes; whether the record was saved.
    bool edita(qint32 codigo);

    // What the next opening shows, set without opening the form (a test
    // that shows it on its own): new records, or the record of this code.
    void define_inclusao();
    void define_edicao(qint32 codigo);
    // Whether the form is (or opens next) for a new record.
    bool inclusao() const { return m_inclusao; }

    QPushButton* botaoGravar;
    QPushButton* botaoSair;

    void grava_click();
    void sai_click();

protected:
    // sairAoFechar: the close box runs the leave step (forms that reserve).
    FrmCadastro(const QString& nome, const QString& titulo, bool sairAoFechar);

    // The code of the record being edited.
    qint32 codigo_editado() const { return m_codigo; }

    // Edit mode: load the record of codigo_editado(). May throw ErroBanco;
    // a record not found throws RegistroNaoLocalizado.
    virtual void mostra_dados() = 0;
    // New mode: show the new code, reserving a row where the form does.
    virtual void reserva_codigo() {}
    // After the boxes are cleared at opening (defaults, first page).
    virtual void prepara() {}
    // A check of the form's own before the required fields (shows its message).
    virtual bool pode_gravar() { return true; }
    // Saves what the form shows; gives the record's code. May throw ErroBanco.
    virtual qint32 grava() = 0;
    // New mode: undoes the reservation on leaving (nothing to undo: nothing).
    virtual void abandona() {}
    virtual QWidget* primeiro_campo() = 0;
    // Whether a successful save closes the form (an edit does; a new record
    // normally leaves the form ready for the next).
    virtual bool fecha_ao_gravar() const { return !m_inclusao; }

    // Edit mode: the record read must be there; otherwise the form says so
    // and closes (RegistroNaoLocalizado).
    template <class T>
    static T exige(std::optional<T> registro)
    {
        if (!registro)
            throw RegistroNaoLocalizado();
        return std::move(*registro);
    }
    // Shows a failure of loading or saving the way the user should read it.
    static void mostra_erro(const ErroBanco& e);

    // Where the form puts its fields; the buttons go below.
    QVBoxLayout* corpo() const { return m_corpo; }
    FiltroTeclas* teclas() const { return m_teclas; }
    // Adds a button to the row of "&Gravar" and "&Sair" (before them).
    void adiciona_botao(QPushButton* b);

    // The opening step: centre, clear, prepare, load or reserve.
    void abre();
    void ao_abrir_janela() override;
    void passo_de_saida() override;

private:
    bool sai(); // the leave step; false if the database refused it
    QVBoxLayout* m_corpo;
    QBoxLayout* m_botoes;
    FiltroTeclas* m_teclas;
    bool m_sairAoFechar;
    bool m_inclusao = true;
    qint32 m_codigo = 0;
    std::optional<qint32> m_gravado; // the code of the last record saved since the opening
};

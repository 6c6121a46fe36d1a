#pragma once
#include "sessao.h"

#include "formmodal.h"

class FiltroTeclas;
class QBoxLayout;
class QPushButton;
class QVBoxLayout;
class Recordset;

// The record a form shows is not in the database (any more): another
// station or a search screen deleted it. Shown as a notice, not as a
// database failure.
class RegistroNaoLocalizado : public Recusa {
public:
    explicit RegistroNaoLocalizado(const QString& texto = QStringLiteral("Registro não localizado!"))
        : Recusa(texto) {}
};

// What every registration form shares: it opens centred and cleared, loads
// the record to edit or reserves the code of a new one, walks its fields
// with Enter, saves with "&Gravar" after the required-field check (a new
// record leaves the form ready for the next, an edit closes it) and leaves
// with "&Sair". Database errors are shown and the form stays as it was.
class FrmCadastro : public FormModal {
    Q_OBJECT
public:
    bool binclusao = true; // true: a new record; false: edit the code member

    QPushButton* CmdOk;
    QPushButton* CmdSair;

    void CmdOk_Click();
    void CmdSair_Click();

protected:
    // sairAoFechar: the close box runs the leave step (forms that reserve).
    FrmCadastro(const QString& nome, const QString& titulo, bool sairAoFechar);

    // Edit mode: load the record (mostra_dados). May throw ErroBanco.
    virtual void mostra_dados() = 0;
    // New mode: show the new code, reserving a row where the form does.
    virtual void reserva_codigo() {}
    // After the boxes are cleared at opening (defaults, first page).
    virtual void prepara() {}
    // A check of the form's own before the required fields (shows its message).
    virtual bool pode_gravar() { return true; }
    // Runs the save statement(s). May throw ErroBanco.
    virtual void grava() = 0;
    // New mode: what undoes the reservation on leaving, as one unit of
    // work (no statements: nothing to undo).
    struct Saida {
        Operacao operacao;
        QStringList comandos;
    };
    virtual Saida saida() { return {Operacao::SaidaCliente, {}}; }
    virtual QWidget* primeiro_campo() = 0;
    // Whether a successful save closes the form (an edit does; a new record
    // normally leaves the form ready for the next).
    virtual bool fecha_ao_gravar() const { return !binclusao; }

    // Code shown in advance: the generator's current value plus one.
    static qint64 codigo_antecipado(const QString& gerador);
    // Placeholder variant: inserts the reserved row and gives the code the
    // database gave it (read back from the insert itself, so a row that
    // another station inserted at the same moment is never taken for ours).
    static qint64 reserva_linha(const QString& insercao);
    // Undoing a reservation: the deletes given, and, on the embedded
    // single-user database, the generator set back to the code before ours
    // when nobody drew a code after ours. On a server another station may
    // draw between the read and the set: the code is left as a gap there.
    static QStringList desfaz_reserva(QStringList exclusoes, const QString& gerador, qint64 codigo);
    // Runs the update of the record on screen; one that writes no row means
    // the record is gone (RegistroNaoLocalizado), never a save.
    static void grava_registro(const QString& sql);
    // Edit mode: the record read must be there; otherwise (the record set
    // closed) RegistroNaoLocalizado, and the form says so and closes.
    static void exige_registro(Recordset& rs);
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
};

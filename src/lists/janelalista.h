#pragma once
#include "formmodal.h"
#include <QList>
#include <functional>

class Grade;

// One column of a list: header, width in twips, alignment, the field of the
// query that fills it and, where the list shows it otherwise than as read,
// how its text is shown.
struct ColunaPesquisa {
    QString titulo;
    int largura;
    Qt::Alignment alinhamento;
    QString campo;
    std::function<QString(const QString&)> formato = {};
};

// What every window that lists records and hands a code back shares (the
// lookup dialog and the search screens): the list with its one header row,
// the data rows and empty filler rows up to a minimum; the code of the
// current row; accepting (the row's code into nCodigoConsulta, the window
// closes; nothing on a filler row) and cancelling (0); and the steps run
// each time a caller shows the window.
class JanelaLista : public FormModal {
    Q_OBJECT
public:
    Grade* Grid1;

    // The code of the current row ("" on a filler row).
    QString codigo_atual() const;
    // Every row of the list's query to a spreadsheet file (asks where).
    void exporta();

protected:
    JanelaLista(const QString& nome, const QString& titulo, QList<ColunaPesquisa> colunas, int linhasMinimas);

    // Clears the list to its header and fills it from the query (nothing for
    // an empty one; a database error is shown and the list stays empty),
    // then adds filler rows and makes row 1 the current one.
    void enche_lista(const QString& sql);
    // The current row's code into nCodigoConsulta and the window closes;
    // false (and nothing happens) on a filler row.
    bool aceita_linha();
    // nCodigoConsulta becomes 0 and the window closes.
    void cancela();
    // Each time a caller shows the window (not when it comes back from behind
    // another one), once it is centred.
    virtual void ao_abrir() = 0;
    void ao_abrir_janela() override;
    // Esc and the close box cancel.
    void reject() override;

private:
    void prepara_lista();
    void formata_colunas();
    QList<ColunaPesquisa> m_colunas;
    int m_linhasMinimas;
    QString m_sql; // the query the list shows; empty while it shows none
};

#pragma once
#include "janelalista.h"

#include <QDate>

class FiltroTeclas;
class QDateEdit;

// "Alterações no período": who changed money after the fact, as the
// database recorded it (a payment stored or deleted, a due date or an
// amount changed, an order concluded or reopened, an account reopened),
// between two dates, a page at a time, to a spreadsheet with "Exportar".
// It opens on the current month.
class FrmAlteracoesFinanceiras : public JanelaLista {
    Q_OBJECT
public:
    FrmAlteracoesFinanceiras();

    QDateEdit* seletorInicio; // "De"
    QDateEdit* seletorFim;    // "Até"
    QPushButton* botaoMostrar;
    QPushButton* botaoExportar;
    QPushButton* botaoSair;

    // The period's changes into the list (the pickers show the period).
    void mostra(const QDate& de, const QDate& ate);

    static constexpr int LINHAS_MINIMAS = 16;

protected:
    void ao_abrir() override;
    QVariantList celulas_da_linha(const Recordset& rs) const override;

private:
    FiltroTeclas* m_teclas;
};

#pragma once
#include "formmodal.h"
#include "periodo.h"

#include <optional>

class QDateEdit;
class QLabel;
class QPushButton;

// Asks for the period of a report: two date pickers set to today.
class FrmSelecionaPeriodo : public FormModal {
    Q_OBJECT
public:
    FrmSelecionaPeriodo();

    // Opens the dialog; the two dates after "Ok" (an end before the start
    // as chosen), nothing after "Cancelar" or the close box.
    std::optional<Periodo> escolhe();

    QLabel* rotuloPeriodo;
    QDateEdit* dataInicial;
    QDateEdit* dataFinal;
    QPushButton* botaoOk;
    QPushButton* botaoCancelar;

    void confirma(); // "Ok": the dates are the answer
    void cancela();  // "Cancelar": no answer

protected:
    void ao_abrir_janela() override;
    void reject() override;

private:
    std::optional<Periodo> m_escolhido;
};

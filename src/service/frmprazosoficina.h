#pragma once
#include "formmodal.h"

class FiltroTeclas;
class QPushButton;
class QSpinBox;
struct AjustesOficina;

// "Prazos da oficina": the days a budget may wait for approval, a machine
// ready may wait for its owner and after which it counts as abandoned, and
// the warranty's days from the delivery. "&Gravar" stores them (refused with
// its reason when they make no sense) and closes; "&Sair" leaves them.
class FrmPrazosOficina : public FormModal {
    Q_OBJECT
public:
    FrmPrazosOficina();

    // Opens the dialog on the limits as stored; whether new ones were stored.
    bool edita();

    QSpinBox* caixaDiasAprovacao;
    QSpinBox* caixaDiasRetirada;
    QSpinBox* caixaDiasAbandono;
    QSpinBox* caixaDiasGarantia;
    QPushButton* botaoGravar;
    QPushButton* botaoSair;

protected:
    void ao_abrir_janela() override;

private:
    void mostra(const AjustesOficina& ajustes);
    void grava();

    FiltroTeclas* m_teclas;
    bool m_gravado = false;
};

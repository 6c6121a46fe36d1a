#pragma once
#include "formmodal.h"
#include "oficina.h"

#include <optional>

class FiltroTeclas;
class QDateTimeEdit;
class QLineEdit;
class QPushButton;

// "Entrega": a concluded order handed to whoever collects it. The date and
// time (now unless changed), "Retirado por" (required), the document shown
// and a note; "&Gravar" records the delivery and offers the "Termo de
// entrega". An order that cannot be delivered (not concluded, delivered
// already, gone) is refused with its reason and the dialog stays.
class FrmEntrega : public FormModal {
    Q_OBJECT
public:
    FrmEntrega();

    // Opens the dialog for order `ordem` (one that cannot be delivered is
    // refused with its reason, and no dialog opens); the delivery recorded,
    // or nullopt when the user left without one.
    std::optional<Entrega> entrega(qint32 ordem);

    QDateTimeEdit* caixaMomento;
    QLineEdit* caixaRetiradoPor;
    QLineEdit* caixaDocumento;
    QLineEdit* caixaObservacao;
    QPushButton* botaoGravar;
    QPushButton* botaoSair;

protected:
    void ao_abrir_janela() override;

private:
    void grava();

    FiltroTeclas* m_teclas;
    qint32 m_ordem = 0;
    std::optional<Entrega> m_gravada;
    std::optional<qint32> m_codigoGravado;
};

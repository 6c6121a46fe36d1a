#pragma once
#include "frmcadpessoa.h"

// Technicians: a customer's contact and address data plus a commission
// rate. The new code is shown in advance; nothing is written before a save,
// so leaving has nothing to undo (and never touches a technician that
// another station saved under the code shown here).
class FrmCadTecnico : public FrmCadPessoa {
    Q_OBJECT
public:
    FrmCadTecnico();

protected:
    void mostra_dados() override;
    void reserva_codigo() override;
    void prepara() override;
    bool pode_gravar() override;
    qint32 grava() override;
    bool documento_valido() const override;
    QString mensagem_documento() const override;
};

#pragma once
#include "frmcadpessoa.h"

// Technicians: a customer's contact and address data plus a commission
// rate. The new code is shown in advance.
class FrmCadTecnico : public FrmCadPessoa {
    Q_OBJECT
public:
    FrmCadTecnico();
    qint32 codigo_tecnico = 0;

protected:
    void mostra_dados() override;
    void reserva_codigo() override;
    void prepara() override;
    void grava() override;
    QStringList comandos_sair() override;
    bool documento_valido() const override;
    QString mensagem_documento() const override;
};

#pragma once
#include "frmcadpessoa.h"

// Customers, persons or companies. A new customer's row is reserved when
// the form opens (so its machines can be registered before it is saved)
// and removed again, with its code, when the user leaves without saving.
class FrmCadCliente : public FrmCadPessoa {
    Q_OBJECT
public:
    FrmCadCliente();

    QPushButton* botaoEquipamentos;

protected:
    void mostra_dados() override;
    void reserva_codigo() override;
    qint32 grava() override;
    void abandona() override;
    bool documento_valido() const override;
    QString mensagem_documento() const override;

private:
    bool juridica() const;
    // The labels of the name, legal name and tax boxes follow the kind of customer.
    void mostra_natureza();
    void abre_equipamentos();
};

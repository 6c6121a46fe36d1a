#pragma once
#include "frmcadpessoa.h"

// Customers, persons or companies. A new customer's row is reserved when
// the form opens (so its machines can be registered before it is saved)
// and removed again, with its code, when the user leaves without saving.
class FrmCadCliente : public FrmCadPessoa {
    Q_OBJECT
public:
    FrmCadCliente();
    qint32 codigo_cliente = 0;

    QPushButton* Command3; // "&Equipamentos"

protected:
    void mostra_dados() override;
    void reserva_codigo() override;
    void grava() override;
    Saida saida() override;
    bool documento_valido() const override;
    QString mensagem_documento() const override;

private:
    void Combo1_Click();
    void Command3_Click();
};

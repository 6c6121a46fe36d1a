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

    // Opens the customer's machines; set by the machine list when it exists.
    static inline std::function<void(qint32)> abre_equipamentos;

protected:
    void mostra_dados() override;
    void reserva_codigo() override;
    void prepara() override;
    void grava() override;
    QStringList comandos_sair() override;
    bool documento_valido() const override;
    QString mensagem_documento() const override;

private:
    void Combo1_Click();
    void Command3_Click();
};

#pragma once
#include "frmcadastro.h"

class QLineEdit;

// Cities: name (proper case) and state (upper case). The new code is shown
// in advance: the generator's value plus one.
class FrmCadCidades : public FrmCadastro {
    Q_OBJECT
public:
    FrmCadCidades();
    qint32 codigo_cidade = 0;

    QLineEdit* Text11; // code
    QLineEdit* Text1;  // name
    QLineEdit* Text2;  // state

protected:
    void mostra_dados() override;
    void reserva_codigo() override;
    void grava() override;
    QWidget* primeiro_campo() override;
};

#pragma once
#include "frmcadastro.h"

class QLineEdit;

// Cities: name (proper case) and state (upper case). The new code is shown
// in advance: the generator's value plus one.
class FrmCadCidades : public FrmCadastro {
    Q_OBJECT
public:
    FrmCadCidades();

    QLineEdit* caixaCodigo;
    QLineEdit* caixaNome;
    QLineEdit* caixaUf;

protected:
    void mostra_dados() override;
    void reserva_codigo() override;
    qint32 grava() override;
    QWidget* primeiro_campo() override;
};

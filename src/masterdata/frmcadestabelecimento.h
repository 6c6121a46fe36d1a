#pragma once
#include "frmcadastro.h"

class CaixaCodigo;
class QLineEdit;

// The shop's own record (row 1): shown and updated, never inserted.
class FrmCadEstabelecimento : public FrmCadastro {
    Q_OBJECT
public:
    FrmCadEstabelecimento();

    QLineEdit* Text1;  // trade name
    QLineEdit* Text2;  // legal name
    QLineEdit* Text8;  // city code
    QLineEdit* Text13; // city name
    QPushButton* Command1;
    QLineEdit* Text3;  // street address
    QLineEdit* Text4;  // district
    QLineEdit* Text5;  // phone
    QLineEdit* Text6;  // CNPJ
    QLineEdit* Text9;  // fax
    QLineEdit* Text10; // state registration
    QLineEdit* Text11; // e-mail
    QLineEdit* Text12; // postal code

protected:
    void prepara() override;
    void mostra_dados() override;
    void grava() override;
    QWidget* primeiro_campo() override;

private:
    CaixaCodigo* m_cidade;
};

#pragma once
#include "frmcadastro.h"

class CaixaCodigo;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class Recordset;

// What the customer and technician forms share: two tab pages, the name,
// tax number, identity, e-mail and contact on the first, the address with
// its city box on the second, and the tax-number check on leaving its box.
class FrmCadPessoa : public FrmCadastro {
    Q_OBJECT
public:
    QTabWidget* SSTab1;
    QLineEdit* Text11; // code
    QLineEdit* Text1;  // name
    QLineEdit* Text2;  // legal name (customers) or commission (technicians)
    QComboBox* Combo1 = nullptr; // person or company (customers only)
    QLineEdit* Text8;  // CPF / CNPJ
    QLineEdit* Text9;  // RG / IE
    QLineEdit* Text13; // e-mail
    QLineEdit* Text14; // contact
    // second page
    QLineEdit* Text3;  // city code
    QLineEdit* Textcidade;
    QPushButton* Command1;
    QLineEdit* Text12; // postal code
    QLineEdit* Text4;  // street address
    QLineEdit* Text5;  // district
    QLineEdit* Text6;  // phone
    QLineEdit* Text7;  // fax
    QLineEdit* Text10; // notes

    QLabel* rotulo(QWidget* caixa) const;

protected:
    // cliente: the customer's layout (legal name and "Natureza"); otherwise
    // the technician's (commission).
    FrmCadPessoa(const QString& nome, const QString& titulo, bool cliente);

    void prepara() override;
    QWidget* primeiro_campo() override;

    // Fills the fields both forms read the same way, and the city name.
    void preenche_comuns(const Recordset& rs);
    // Whether the tax number in Text8 is right, and the message when not.
    virtual bool documento_valido() const = 0;
    virtual QString mensagem_documento() const = 0;

    CaixaCodigo* m_cidade;
};

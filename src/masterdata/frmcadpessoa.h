#pragma once
#include "caixacidade.h"
#include "frmcadastro.h"

class CaixaCodigo;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

// What the customer and technician forms share: two tab pages, the name,
// tax number, identity, e-mail and contact on the first, the address with
// its city box on the second, and the tax-number check on leaving its box.
class FrmCadPessoa : public FrmCadastro {
    Q_OBJECT
public:
    QTabWidget* abas;
    QLineEdit* caixaCodigo;
    QLineEdit* caixaNome;
    QLineEdit* caixaRazao = nullptr;        // customers only
    QComboBox* caixaNatureza = nullptr;     // person or company (customers only)
    QLineEdit* caixaDocumento;              // CPF / CNPJ
    QLineEdit* caixaIdentidade;             // RG / IE
    QLineEdit* caixaEmail;
    QLineEdit* caixaContato;
    QLineEdit* caixaComissao = nullptr;     // technicians only
    // second page
    QLineEdit* caixaCidade;
    QLineEdit* caixaNomeCidade;
    QPushButton* botaoCidades;
    QLineEdit* caixaCep;
    QLineEdit* caixaEndereco;
    QLineEdit* caixaBairro;
    QLineEdit* caixaFone;
    QLineEdit* caixaFax;
    QLineEdit* caixaObservacao;

    QLabel* rotulo(QWidget* caixa) const;

protected:
    // cliente: the customer's layout (legal name and "Natureza"); otherwise
    // the technician's (commission).
    FrmCadPessoa(const QString& nome, const QString& titulo, bool cliente);

    void prepara() override;
    QWidget* primeiro_campo() override;

    // Shows what both records hold alike; the city's name follows when the
    // form checks the city box.
    void mostra_pessoa(const Pessoa& p);
    // Reads it back from the boxes, as it is stored.
    void le_pessoa(Pessoa& p) const;
    // Whether the tax number in caixaDocumento is right, and the message when not.
    virtual bool documento_valido() const = 0;
    virtual QString mensagem_documento() const = 0;

    CaixaCodigo* m_cidade;

private:
    CaixasEndereco caixas_endereco() const;
};

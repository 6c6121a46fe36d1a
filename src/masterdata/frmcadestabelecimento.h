#pragma once
#include "caixacidade.h"
#include "frmcadastro.h"

class CaixaCodigo;
class QLineEdit;

// The shop's own record (row 1): shown and updated, never inserted.
class FrmCadEstabelecimento : public FrmCadastro {
    Q_OBJECT
public:
    FrmCadEstabelecimento();
    // Opens the form modally on the shop's record; whether it was saved.
    bool edita();

    QLineEdit* caixaFantasia;
    QLineEdit* caixaRazao;
    QLineEdit* caixaCidade;
    QLineEdit* caixaNomeCidade;
    QPushButton* botaoCidades;
    QLineEdit* caixaEndereco;
    QLineEdit* caixaBairro;
    QLineEdit* caixaFone;
    QLineEdit* caixaCnpj;
    QLineEdit* caixaFax;
    QLineEdit* caixaInscricaoEstadual;
    QLineEdit* caixaEmail;
    QLineEdit* caixaCep;

protected:
    void mostra_dados() override;
    qint32 grava() override;
    QWidget* primeiro_campo() override;

private:
    CaixasEndereco caixas_endereco() const;
    CaixaCodigo* m_cidade;
};

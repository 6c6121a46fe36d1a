#pragma once
#include "frmpesquisa.h"

// The customer and technician searches: filters by code, name, address and
// city; typing a code clears the text filters.
class FrmPesquisaPessoa : public FrmPesquisa {
    Q_OBJECT
public:
    // Whose rows the screen lists.
    enum class Pessoa { Cliente, Tecnico };

    QLineEdit* caixaCodigo; // code
    QLineEdit* caixaNome; // name
    QLineEdit* caixaEndereco; // address
    QLineEdit* caixaCidade; // city

protected:
    // comAceitar: the screen serves as a lookup too.
    FrmPesquisaPessoa(const QString& nome, const QString& titulo, Pessoa pessoa, bool comAceitar);
    ConsultaLista consulta_lista() override;
    QStringList exclusoes() const override;

private:
    Pessoa m_pessoa;
};

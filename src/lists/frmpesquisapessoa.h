#pragma once
#include "frmpesquisa.h"

// The customer and technician searches: filters by code, name, address and
// city; typing a code clears the text filters.
class FrmPesquisaPessoa : public FrmPesquisa {
    Q_OBJECT
public:
    QLineEdit* caixaCodigo; // code
    QLineEdit* caixaNome; // name
    QLineEdit* caixaEndereco; // address
    QLineEdit* caixaCidade; // city

protected:
    // tabela: "cliente" or "tecnico"; comAceitar: the screen serves as a lookup too.
    FrmPesquisaPessoa(const QString& nome, const QString& titulo, const QString& tabela, bool comAceitar);
    ConsultaLista consulta_lista() override;
    QStringList exclusoes() const override;

private:
    QString m_tabela;
};

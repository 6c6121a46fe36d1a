#pragma once
#include <QString>

struct Endereco;
class QLineEdit;

class CaixaCodigo;
class FiltroTeclas;
class QGridLayout;

// The city code box of the customer, technician and establishment forms:
// lays "Cidade", the code, "..." and the city's name out on a row of a grid
// and makes them a code box whose lookup is the city lookup and whose F11
// registers a new city. An unknown city empties the name without a word
// (the name is required, so the save refuses it). aCadaMudanca: the name
// follows every change of the code, not only the leaving of the box.
CaixaCodigo* monta_caixa_cidade(QGridLayout* g, int linha, const QString& nomeCodigo, const QString& nomeNome,
                                FiltroTeclas* teclas, bool aCadaMudanca);

// The address boxes of the customer, technician and establishment forms.
struct CaixasEndereco {
    QLineEdit* cidade;
    QLineEdit* rua;
    QLineEdit* bairro;
    QLineEdit* cep;
    QLineEdit* fone;
    QLineEdit* fax;
    QLineEdit* email;

    // An address without a city leaves the city box empty.
    void mostra(const Endereco& e) const;
    // What the boxes hold, the street, district and e-mail in proper case
    // where the form stores them so.
    Endereco le(bool nomeProprio) const;
};

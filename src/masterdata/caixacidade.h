#pragma once
#include <QString>

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

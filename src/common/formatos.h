#pragma once
// The kinds of field a text box holds and what typing and leaving it does:
// keys filtered, the text formatted, required fields checked.
#include "dinheiro.h"

#include <QString>
#include <optional>

class QLineEdit;
class QWidget;

enum TipoCampo { CampoData = 1, CampoDinheiro = 2, CampoInteiro = 3, CampoDecimal = 4 };

void filtra_apostrofo(int& keyAscii);
void registro_nao_localizado(QLineEdit* caixa);
void formata_campo(QLineEdit* caixa, int tipo);
void filtra_tecla(QLineEdit* caixa, int tipo, int& keyAscii);
void limpa_campos(QWidget* form);
bool verifica_obrigatorios(QWidget* form);
// Marks a text box as required (the "*" tag that verifica_obrigatorios reads).
void marca_obrigatorio(QWidget* caixa, bool obrigatorio = true);
void centraliza_form(QWidget* form);
// The amount of a money box as a save reads it: the box formatted as on
// leaving it; nullopt (its notice shown) when it is not an amount or is
// below zero.
std::optional<Dinheiro> le_valor_campo(QLineEdit* caixa);
// Shows the notice of a negative amount when the box holds an amount below
// zero (typed or pasted; the text is kept, for the user to correct); false
// then.
bool confere_nao_negativo(QLineEdit* caixa);
// What the user reads when a text is not money.
QString mensagem_valor_invalido(const QString& texto);
// Proper case: first letter of every word upper case, the rest lower case.
QString nome_proprio(const QString& texto);

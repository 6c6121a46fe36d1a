#pragma once
#include <QString>

// Check digits of the Brazilian taxpayer numbers, on the text exactly as
// typed (no punctuation removed): a digit counts its value, anything else 0.

// CPF: exactly 11 characters and both check digits right. Eleven equal
// digits pass, as their check digits come out right.
bool cpf_valido(const QString& cpf);

// CNPJ: 14 characters with both check digits right, or the 8-digit root of
// a CNPJ whose last digit is the modulus-10 digit of the first seven. A text
// whose numeric value is 0 (all zeros, say) never passes.
bool cnpj_valido(const QString& cnpj);

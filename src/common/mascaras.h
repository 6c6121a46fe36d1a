#pragma once
#include <QString>

// The numbers people read on a printout, from the text as the user typed
// it and the database keeps it: a CPF as 000.000.000-00, a CNPJ as
// 00.000.000/0000-00, a CEP as 00000-000, a phone as (00) 0000-0000 or
// (00) 00000-0000. Only digits alone (blanks around them aside), as many
// as one of the kind's forms holds, are formatted; anything else (already
// formatted, a length of no form, letters) comes back as stored.
enum class Mascara { CpfCnpj, Cep, Telefone };
QString formata_mascara(const QString& guardado, Mascara tipo);

#pragma once
// The shop as its printouts name it: the trade name and the footer line
// (name, address, city, phone, e-mail), read from its record when needed,
// so a change saved in its registration shows on the next printout.
#include <QString>
#include <optional>

class Conexao;

struct Estabelecimento {
    QString nome;   // the trade name
    QString rodape; // the footer line of every printout

    // The shop's record and its city; std::runtime_error when either is missing.
    static Estabelecimento le(Conexao& conexao);
};

// The same read for a printout about to run: when the record cannot be read
// (the database refused, the record or its city is gone) the reason is
// shown to the user and nothing is returned, so nothing is printed.
std::optional<Estabelecimento> le_estabelecimento(Conexao& conexao);

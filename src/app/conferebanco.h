#pragma once
#include <QString>

class Conexao;
class ErroBanco;

// Start-up's checks of the database it opened, before anything reads or
// writes it: the database must be this program's (its tables are there)
// and writable. Throws std::runtime_error with the reason in the shop's
// words; it only reads, so a foreign database is left as it was.
void confere_banco(Conexao& c);

// The reason a database could not be opened, in the shop's words, followed
// by the engine's own text.
QString motivo_falha_abertura(const ErroBanco& e);

#pragma once
#include <QString>
#include <QStringList>

class Conexao;

// The "Ajuda" menu: the user's guide and what this program and its
// database are.

// Where the guide may be, in order: the package's copy
// (/usr/share/doc/controle-os/guia, found from the program's folder and
// at its fixed place) and the copy in the source tree the program was
// built from.
QStringList locais_guia(const QString& pastaPrograma);

// Opens the guide's first page (README.md of the first folder that has
// it) with the desktop's program for it. Says so in a message when no
// folder has it or the desktop cannot open it. Gives the file opened
// (empty when none).
QString abre_guia(const QStringList& locais);

// The text of "Sobre o Controle OS": the version, the database (file or
// server and path), embedded or server, the database user, the schema
// version and the last verified backup. What cannot be read is said as
// such; never throws.
QString texto_sobre(Conexao& c);
void mostra_sobre();

inline const QString TITULO_SOBRE = QStringLiteral("Sobre o Controle OS");

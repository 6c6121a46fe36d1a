#pragma once
#include <QString>
#include <QStringList>
#include <memory>

class FrmPrincipal;

// What path.txt says: data source, user, password and, optionally, the
// database role the user connects with.
struct Configuracao {
    QString fonte;
    QString usuario;
    QString senha;
    QString papel;
};

// Splits the whole content of path.txt at every "=": element 0 is the data
// source, 1 the user, 2 the password (to the next "=" or the end). Nothing
// is trimmed: a line break after the password belongs to the password.
// A fourth element names the role (a station user that holds only the
// program's role: "source=user=password=CONTROLE_OS"); spaces and line
// breaks around it are dropped, as no role name holds them.
// Throws std::runtime_error when the text has fewer than two "=".
Configuracao le_configuracao(const QString& conteudo);

// Starts the program from its own folder: reads path.txt (found as
// arquivo_configuracao says), opens the connection and shows the main
// window. On any failure asks whether to show the original message, shows
// it on Yes, and returns nullptr.
std::unique_ptr<FrmPrincipal> inicia_sistema(const QString& pasta);

// What the main window does after it is created (menus wired to forms).
void liga_formularios(FrmPrincipal& principal);

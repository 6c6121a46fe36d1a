#pragma once
#include <QDateTime>
#include <QString>

class Conexao;

// The shop's backups as the database records them (table copia_seguranca,
// written by controle-os-copia after every copy, verified or failed).
struct SituacaoCopias {
    QDateTime ultimaConferida; // invalid when no copy was ever verified
    QString arquivoConferida;  // its file, as the copy recorded it
    bool ultimaFalhou = false; // the newest copy failed
    QDateTime momentoFalha;
    QString falha; // what the failed copy said
};

// Reads the situation. Throws ErroBanco (a database of a version before
// the table, a lost connection).
SituacaoCopias le_situacao_copias(Conexao& c);

// What the status bar says of it, and whether it warns: no verified copy,
// the last one older than 7 days, or the newest one failed.
struct AvisoCopias {
    QString texto;
    QString dica; // the tooltip: the failure's message, when there is one
    bool alerta = false;
};
AvisoCopias aviso_copias(const SituacaoCopias& s, const QDate& hoje);

// The daily copy of an embedded database is due when no verified copy was
// made today.
bool copia_devida(const SituacaoCopias& s, const QDate& hoje);

// At the end of the program: releases the database and, for an embedded
// one whose daily copy is due, runs controle-os-copia (beside the program,
// with the path.txt the program read) while a small window says so. A
// failure is shown; the command records it in the database, so the next
// start warns of it too. A server database is copied by the server's
// timer, never here.
void copia_ao_fechar(const QString& pastaPrograma);

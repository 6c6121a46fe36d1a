#pragma once
#include <QList>
#include <QString>
#include <QStringList>

class Conexao;

// Brings a database made by an older version of the program up to the
// schema this one expects. The numbered scripts beside the schema
// (schema/NNN_description.sql) travel inside the program; each is applied
// once, in order, in one transaction with the new version number in
// versao_esquema. A database that predates versao_esquema is version 1.
class Migracoes {
public:
    struct Script {
        int versao;
        QString nome;
        QString texto;
    };

    // The scripts the program carries, in version order.
    static QList<Script> scripts();
    // The newest version the program knows (1 when it carries no script).
    static int versao_atual();
    // The schema version recorded in the database. Throws ErroBanco.
    static int versao(Conexao& c);
    // Applies every script newer than the database; gives how many ran.
    // Another station that applied a script at the same moment is not an
    // error: the script is then skipped. Throws ErroBanco.
    static int aplica(Conexao& c, int ateVersao = 1 << 30);
    // Recomputes the selectivity of every user index, so the optimizer keeps
    // choosing good plans as tables grow. Failures are ignored: stale
    // statistics make queries slower, never wrong.
    static void recalcula_estatisticas(Conexao& c);

    // A script split into statements: ";" ends one, "set term X ;" changes
    // the terminator for triggers and procedures; comments and the settings
    // of isql (set names, set sql dialect, set autoddl) are dropped.
    // "commit" stays in the list, and aplica() refuses it: every script is
    // one transaction together with its version row.
    static QStringList comandos(const QString& script);
};

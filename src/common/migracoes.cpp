#include "migracoes.h"
#include "sessao.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlQuery>
#include <algorithm>

// Resources of a static library are registered by hand (outside any namespace).
static void inicia_recursos() { Q_INIT_RESOURCE(migracoes); }

namespace {

// One value of a query on the connection.
QVariant consulta(Conexao& c, const QString& sql)
{
    Recordset rs(c);
    rs.abre(sql);
    const QVariant v = rs.eof() ? QVariant() : rs.valor(0);
    rs.fecha();
    return v;
}

bool tem_tabela_versao(Conexao& c)
{
    return consulta(c, QStringLiteral("select count(*) from rdb$relations where rdb$relation_name = 'VERSAO_ESQUEMA'")).toInt() > 0;
}

} // namespace

QList<Migracoes::Script> Migracoes::scripts()
{
    inicia_recursos();
    static const QRegularExpression nome(QStringLiteral("^(\\d{3})_.*\\.sql$"));
    QList<Script> r;
    const QDir pasta(QStringLiteral(":/migracoes"));
    for (const QString& arquivo : pasta.entryList(QDir::Files, QDir::Name)) {
        const auto m = nome.match(arquivo);
        if (!m.hasMatch())
            continue;
        QFile f(pasta.filePath(arquivo));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        r.append({m.captured(1).toInt(), arquivo, QString::fromUtf8(f.readAll())});
    }
    std::sort(r.begin(), r.end(), [](const Script& a, const Script& b) { return a.versao < b.versao; });
    return r;
}

int Migracoes::versao_atual()
{
    const QList<Script> s = scripts();
    return s.isEmpty() ? 1 : s.last().versao;
}

int Migracoes::versao(Conexao& c)
{
    if (!tem_tabela_versao(c))
        return 1;
    const QVariant v = consulta(c, QStringLiteral("select max(nversao) from versao_esquema"));
    return v.isNull() ? 1 : v.toInt();
}

int Migracoes::aplica(Conexao& c, int ateVersao)
{
    QList<Script> todos = scripts();
    todos.erase(std::remove_if(todos.begin(), todos.end(), [&](const Script& s) { return s.versao > ateVersao; }), todos.end());
    if (todos.isEmpty() || versao(c) >= todos.last().versao)
        return 0;
    // The version table comes first, on its own: a database from before it
    // is version 1.
    if (!tem_tabela_versao(c)) {
        try {
            c.execute(QStringLiteral("create table versao_esquema (nversao integer not null)"));
        } catch (const ErroBanco&) {
            if (!tem_tabela_versao(c)) // made by another station meanwhile
                throw;
        }
    }
    if (consulta(c, QStringLiteral("select count(*) from versao_esquema")).toInt() == 0)
        c.execute(QStringLiteral("insert into versao_esquema (nversao) values (1)"));

    int aplicados = 0;
    for (const Script& s : todos) {
        if (s.versao <= versao(c))
            continue;
        try {
            // A script is one transaction with its version row: a failure
            // anywhere leaves the database at the version before, and the
            // next start applies it whole. A "commit" inside would leave
            // half of it behind for good, so a change that needs one (a new
            // column used at once) is split into numbered scripts.
            static const QRegularExpression commit(QStringLiteral("^commit(\\s+work)?$"), QRegularExpression::CaseInsensitiveOption);
            Transacao t(c, Operacao::Migracao);
            for (const QString& comando : comandos(s.texto)) {
                if (commit.match(comando).hasMatch())
                    throw ErroBanco(QString(), QStringLiteral("O script %1 não pode ter \"commit\": cada script é uma só transação.").arg(s.nome));
                c.execute(comando);
            }
            c.execute(QStringLiteral("update versao_esquema set nversao = ?"), {s.versao});
            t.confirma();
            ++aplicados;
        } catch (const ErroBanco&) {
            if (versao(c) < s.versao) // not applied by another station meanwhile
                throw;
        }
    }
    return aplicados;
}

void Migracoes::recalcula_estatisticas(Conexao& c)
{
    QStringList indices;
    try {
        Recordset rs(c);
        rs.abre(QStringLiteral("select trim(rdb$index_name) from rdb$indices "
                               "where coalesce(rdb$system_flag, 0) = 0 order by rdb$index_name"));
        for (; !rs.eof(); rs.moveNext())
            indices << rs.texto(0);
        rs.fecha();
    } catch (const ErroBanco&) {
        return;
    }
    for (QString indice : indices) {
        try {
            c.execute(QStringLiteral("set statistics index \"%1\"").arg(indice.replace(QLatin1Char('"'), QStringLiteral("\"\""))));
        } catch (const ErroBanco&) {
            // not the owner of that index, or it is in use: keep its statistics
        }
    }
}

QStringList Migracoes::comandos(const QString& script)
{
    QStringList r;
    QString terminador = QStringLiteral(";");
    QString atual;
    static const QRegularExpression setTerm(QStringLiteral("^\\s*set\\s+term\\s+(\\S+)\\s*$"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression soIsql(QStringLiteral("^set\\s+(names|sql\\s+dialect|autoddl|bail|echo)\\b"),
                                           QRegularExpression::CaseInsensitiveOption);
    auto fecha = [&] {
        const QString comando = atual.trimmed();
        atual.clear();
        if (comando.isEmpty())
            return;
        if (const auto m = setTerm.match(comando); m.hasMatch()) {
            terminador = m.captured(1);
            return;
        }
        // settings of isql, so the same script also runs there
        if (!soIsql.match(comando).hasMatch())
            r << comando;
    };
    const qsizetype n = script.size();
    for (qsizetype i = 0; i < n;) {
        const QChar ch = script[i];
        if (ch == QLatin1Char('/') && i + 1 < n && script[i + 1] == QLatin1Char('*')) {
            const qsizetype fim = script.indexOf(QStringLiteral("*/"), i + 2);
            i = fim < 0 ? n : fim + 2;
            atual += QLatin1Char(' ');
        } else if (ch == QLatin1Char('-') && i + 1 < n && script[i + 1] == QLatin1Char('-')) {
            const qsizetype fim = script.indexOf(QLatin1Char('\n'), i);
            i = fim < 0 ? n : fim;
        } else if (ch == QLatin1Char('\'') || ch == QLatin1Char('"')) {
            // a quote inside a text or a name is written twice
            qsizetype j = i + 1;
            while (j < n && !(script[j] == ch && (j + 1 >= n || script[j + 1] != ch)))
                j += script[j] == ch ? 2 : 1;
            atual += script.mid(i, j + 1 - i);
            i = j + 1;
        } else if (script.mid(i, terminador.size()) == terminador) {
            fecha();
            i += terminador.size();
        } else {
            atual += ch;
            ++i;
        }
    }
    fecha();
    return r;
}

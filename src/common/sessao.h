#pragma once
#include "dinheiro.h"

#include <QDate>
#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <exception>
#include <functional>

class QSqlError;

// A database error as Firebird reported it: its SQL code ("-530") and text.
class ErroBanco : public std::exception {
public:
    ErroBanco(QString codigo, QString texto);
    // The one conversion of a driver error, for the forms and the reports
    // alike, so the same failure always reads the same.
    static ErroBanco de(const QSqlError& e);
    const QString& codigo() const { return m_codigo; }
    const QString& texto() const { return m_texto; }
    // The description as the program shows it: "SQLCODE=<code>: <text>".
    const QString& descricao() const { return m_descricao; }
    const char* what() const noexcept override { return m_utf8.constData(); }
    // The server went away (stopped, the network fell) or dropped this
    // connection: SQL code -902 on a statement.
    bool conexaoPerdida() const { return m_codigo == QLatin1String("-902"); }
    // Another station changed or holds the same rows: an update conflict or
    // a deadlock (-913), or a lock it could not wait for (-901 "lock
    // conflict" / "lock time-out"). Running the work again on what is
    // stored now is the cure.
    bool conflito() const;

private:
    QString m_codigo, m_texto, m_descricao;
    QByteArray m_utf8;
};

// A step refused by the program itself, not by the database (what it was
// to change is gone or was changed meanwhile, say at another station).
// Thrown inside a unit of work it undoes everything the unit wrote; the
// user reads its text as a notice (trata_erro_banco).
class Recusa : public ErroBanco {
public:
    explicit Recusa(const QString& texto) : ErroBanco(QString(), texto) {}
};

// Every unit of work that writes more than one statement. A Transacao
// names the one it runs: the test that proves each unit all-or-nothing
// walks this list, so a new unit gets its own value here (and its row
// there), never a borrowed one.
enum class Operacao {
    SaidaCliente,      // leaving a new customer: its machines, their values, the customer
    SaidaEquipamento,  // leaving a new kind of machine: its properties, the kind
    GravacaoMaquina,   // a customer's machine with its property values
    Exclusao,          // deleting from a search screen: a record with what belongs to it
    AbandonoMovimento, // leaving a new entry, budget or order: its items, the header
    OrdemDoOrcamento,  // the order made from a budget, with a copy of every item
    GravacaoOrdem,     // saving an order: its receivables go, the header is written
    GravacaoItem,      // an item of a budget or order written with the header's total
    FechamentoPrazo,   // closing on credit: the order and one receivable per instalment
    PagamentoVista,    // closing in cash: the receivable and its full write-off
    Baixa,             // a write-off: the instalment re-read, marked paid, the write-off
    Reabertura,        // reopening a paid instalment: its full write-offs go, it opens
    LimpezaReservas,   // start-up: a reserved record left empty, with what hangs on it
    LimpezaMovimentos, // start-up: an entry, budget or order left under customer 1, with its items
    Entrega,           // a delivery or its undoing: the order locked and checked, the row written
    GravacaoEntrada,   // saving an entry: its header and the day promised to the customer
    GravacaoItemEntrada, // an item of an entry with its serial number, accessories and condition
    GravacaoOrcamento, // saving a budget: its header and the entry it answers
    Migracao,          // one schema script with its version row
};
inline constexpr int QUANTIDADE_OPERACOES = int(Operacao::Migracao) + 1;
const char* nome_operacao(Operacao op);

// How many times a unit of work runs, at most, while other stations keep
// changing the rows it writes (each run after the first follows a short
// random pause); only a conflict in the last run reaches the clerk.
inline constexpr int EXECUCOES_EM_CONFLITO = 5;

// The one database connection of the program. Every statement commits by
// itself unless a Transacao groups several.
class Conexao {
public:
    Conexao();
    ~Conexao();
    Conexao(const Conexao&) = delete;
    Conexao& operator=(const Conexao&) = delete;

    // Opens the data source ("/path/file.fdb" embedded, "host:/path/file.fdb"
    // or "host/port:/path" on a server). A role, when given, is named in the
    // connection (Firebird grants a role's rights only to a connection that
    // names it). Throws ErroBanco; its text never holds the password.
    void abre(const QString& fonte, const QString& usuario, const QString& senha,
              const QString& papel = QString());
    void fecha();
    bool aberta() const;

    // Runs a statement that returns no rows, the values bound to its "?"
    // in order. Throws ErroBanco.
    void execute(const QString& sql, const QVariantList& valores = {});
    // The same for an insert, update or delete, giving how many rows it
    // wrote (an update of a row that is gone writes none).
    int executeContando(const QString& sql, const QVariantList& valores = {});
    // Runs "insert ... returning <column>" and gives the returned value.
    // A statement that returns no row is an error (ErroBanco), never 0.
    QVariant executeRetornando(const QString& sql, const QVariantList& valores = {});
    // Whether the data source names a server ("host:/path"): several
    // stations may then be drawing codes at the same moment.
    bool noServidor() const;

    QSqlDatabase banco() const;
    const QString& nome() const { return m_nome; }
    const QString& fonte() const { return m_fonte; }

    // A lost connection (the server stopped or the network fell) is closed
    // at once; the next database action outside a transaction opens it
    // again with the same credentials and goes on, or fails again with the
    // same error while the server is still away. Every statement, read and
    // transaction start calls prepara() first and passes its errors
    // through erro(), which notes the loss.
    void prepara();
    ErroBanco erro(const QSqlError& e);
    bool perdida() const { return m_perdida; }

    // Transaction control; see Transacao.
    // Nesting is counted: only the outermost confirma() commits. A desfaz()
    // inside dooms the whole unit: the outer block's confirma() then rolls
    // back and throws instead of committing half of it.
    void inicia(Operacao op);
    void confirma();
    void desfaz();
    bool emTransacao() const { return m_transacoes > 0; }

    // Runs the steps as one transaction named op. When another station
    // changed the same rows meanwhile (ErroBanco::conflito) the whole unit
    // runs again from the start, on what is stored now, after a short random
    // pause, up to EXECUCOES_EM_CONFLITO runs in all; a conflict in the
    // last run, or any other error, is thrown with nothing kept. Inside an
    // enclosing unit there is no retry: the enclosing one fails.
    void unidade(Operacao op, const std::function<void()>& passos);
    // The same for statements run one after the other.
    void unidade(Operacao op, const QStringList& comandos);
    // How many times a unit or a single statement ran again after such a
    // conflict since the program started (the stations' log and tests).
    int repeticoes() const { return m_repeticoes; }
    // The most runs of a unit in conflict (benchmarks compare the rules):
    // EXECUCOES_EM_CONFLITO unless set.
    void execucoesEmConflito(int n) { m_execucoesEmConflito = n; }

    // Fault injection (tests): the n-th write statement (execute or
    // executeRetornando) run from now on inside a transaction fails as if the
    // database had refused it; -n kills the process there (SIGKILL) as a crash
    // does; 0 switches it off. The counter tells how many an operation runs.
    void falhaNoComando(int n) { m_falharNo = n; m_comandosEmTransacao = 0; }
    int comandosEmTransacao() const { return m_comandosEmTransacao; }
    // Observation (tests): called with the unit's operation just before an
    // outermost unit begins (inicio true) and just after it committed or
    // rolled back (false), while the connection is between transactions,
    // so a test can see the database exactly as the unit found and left it.
    void observaUnidades(std::function<void(Operacao, bool inicio)> observador) { m_observador = std::move(observador); }

    // What the program has asked of the server since it started: the calls
    // (each statement with the reading of its rows, each start and end of a
    // transaction) and the time spent waiting for them, which holds the
    // server's work, the network and any wait for another station's locks
    // (the benchmarks tell that apart from the program's own work).
    struct Chamadas {
        qint64 vezes = 0;
        qint64 ns = 0;
    };
    const Chamadas& chamadas() const { return m_chamadas; }

private:
    friend class Recordset;
    // Times one call to the server into chamadas().
    class Chamada;
    void conta_comando();
    // Runs a unit of work (a transaction, or one statement outside any),
    // again after each conflict, as unidade() tells.
    template <class F>
    auto repetindo_em_conflito(F&& trabalho) -> decltype(trabalho());
    QVariant retornando(const QString& sql, const QVariantList& valores);
    // One write statement, again after each conflict; with contando, the
    // rows it changed (0 without).
    int executa(const QString& sql, const QVariantList& valores, bool contando);
    QString m_nome;
    QString m_fonte;
    QString m_usuario, m_senha, m_papel; // kept to reconnect; never shown
    bool m_perdida = false;
    int m_transacoes = 0;
    bool m_condenada = false;
    Operacao m_operacao = Operacao::Migracao;
    int m_falharNo = 0;
    int m_comandosEmTransacao = 0;
    int m_repeticoes = 0;
    int m_execucoesEmConflito = EXECUCOES_EM_CONFLITO;
    Chamadas m_chamadas;
    std::function<void(Operacao, bool)> m_observador;
    void observa_fim();
};

// Groups statements that stand or fall together: confirma() commits;
// leaving the scope without it (an exception) rolls everything back.
class Transacao {
public:
    Transacao(Conexao& c, Operacao op);
    ~Transacao();
    void confirma();
    Transacao(const Transacao&) = delete;
    Transacao& operator=(const Transacao&) = delete;

private:
    Conexao& m_conexao;
    bool m_feita = false;
};

// A record set: the whole result is read at once, so the row count is known
// before reading. Columns are found by name whatever their case; a null
// reads as empty text.
class Recordset {
public:
    explicit Recordset(Conexao& c) : m_conexao(&c) {}

    // Throws ErroBanco; closes a previous result first. The values, when
    // given, are bound in order to the statement's "?" marks.
    void abre(const QString& sql, const QVariantList& valores = {});
    void fecha();
    bool aberto() const { return m_aberto; }

    int recordCount() const { return m_linhas; }
    bool eof() const { return m_posicao >= m_linhas; }
    void moveNext() { if (!eof()) ++m_posicao; }
    void moveFirst() { m_posicao = 0; }

    bool existeCampo(const QString& campo) const;
    int indice(const QString& campo) const; // -1 if the result has no such column
    int campos() const { return int(m_nomes.size()); }
    QString nomeCampo(int i) const { return m_nomes.value(i); }

    // The raw value (QDate, QTime, QDateTime, exact numeric text, ...).
    QVariant valor(const QString& campo) const;
    QVariant valor(int indice) const;
    // As the user reads it: null empty, dates dd/mm/yyyy, decimals with a
    // comma and as few decimals as they need ("12,5", "10"), whatever form
    // the driver gave them in.
    QString texto(const QString& campo) const;
    QString texto(int indice) const;
    qint64 inteiro(const QString& campo) const;
    // An amount, read by Dinheiro::leBanco whatever form the driver gave it
    // (null reads as zero); a value that is not an amount, or a column the
    // result does not have, throws ErroBanco with a text for the user.
    Dinheiro dinheiro(const QString& campo) const;
    Dinheiro dinheiro(int indice) const;
    QDate data(const QString& campo) const;
    bool nulo(const QString& campo) const;
    // A code or an amount that the row may lack: none where it is null.
    std::optional<qint32> codigoOpcional(const QString& campo) const;
    std::optional<Dinheiro> dinheiroOpcional(const QString& campo) const;

    // Reads one value as text the way texto() does.
    static QString comoTexto(const QVariant& v);

private:
    const QVariant& atual(int i) const;

    Conexao* m_conexao;
    bool m_aberto = false;
    QVector<QString> m_nomes;
    QVector<bool> m_decimal; // exact NUMERIC columns, read as text with a point
    QHash<QString, int> m_indices;
    QVector<QVariant> m_valores; // all rows, one after the other
    int m_linhas = 0;
    qsizetype m_posicao = 0;
};

// The program's one connection.
extern Conexao conexao;

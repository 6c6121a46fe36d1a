#pragma once
// Test support: a fresh database per test, scripted messages, and helpers
// to drive forms offscreen.
#include "formularios.h"
#include "mensagens.h"

#include <QDialog>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QVariant>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

class QWidget;
class Grade;
class FrmPrincipal;

namespace apoio {

// The Firebird server named by CONTROLE_OS_TESTE_SERVIDOR (e.g. "localhost"),
// or empty for the embedded engine.
QString servidor();
// The owner of the test databases (creates them, backs them up, changes
// their schema).
inline const QString USUARIO = QStringLiteral("SYSDBA");
inline const QString SENHA = QStringLiteral("masterkey");

// Who the program connects as. On a server, a station user that holds only
// the program's role (made on the server through the owner when missing),
// so a right the role lacks fails a test; on the embedded engine the owner.
struct Credenciais {
    QString usuario, senha, papel;
};
Credenciais programa();
// The line of a station's path.txt for a data source, with those credentials.
QByteArray path_txt(const QString& fonte);
// Reopens the global connection as the program, or as the owner (a test
// that changes the schema to provoke an error).
void abre_como_programa(const QString& fonte);
void abre_como_dono(const QString& fonte);

// Makes a new empty database from the schema at path (isql-fb); another
// script (an older schema) when given. Throws on failure.
void cria_banco(const QString& caminho, const QString& script = QString());
// The data source for a database file: the path, or "server:path".
QString fonte_de(const QString& caminho);

// The template of the test databases: built once per test program, or the
// one CONTROLE_OS_TESTE_MODELO names (a test's child process reuses its
// parent's instead of paying for a schema run).
const QString& banco_modelo();

// A fresh database for one test: a copy of a template built once per test
// program; the global connection is opened on it and closed at the end.
class BancoTeste {
public:
    BancoTeste();
    ~BancoTeste();
    const QString& caminho() const { return m_caminho; }
    QString fonte() const { return fonte_de(m_caminho); }
    QString pasta() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QString m_caminho;
};

// One value of the first row of a query (through the global connection),
// the values bound to its "?" in order.
QVariant valor(const QString& sql, const QVariantList& valores = {});
// Every row of a query, its columns joined by "|" (null as empty).
QStringList linhas(const QString& sql, const QVariantList& valores = {});
// Everything a database holds, as text: every row of every table (all
// columns, in order; not the moment of a recorded change of money, which
// is the database's clock), the generators with their values (unless left out:
// they move outside transactions), and the names of views, triggers,
// indexes and constraints.
QStringList retrato_banco(const QSqlDatabase& banco, bool comGeradores = true);
// Runs a statement on the global connection, the values bound.
void executa(const QString& sql, const QVariantList& valores = {});
// The rules of the shop's books (support/livros.sql: a concluded order's
// receivables add up to its total, an open order has none, totals equal
// their items, no negative amount, instalments covered by their payments)
// run on the whole database: every row is a broken rule, "rule|values...".
QStringList regras_quebradas();

struct Mostrada {
    enum Tipo { Aviso, Pergunta, Entrada } tipo;
    QString texto;
    QString titulo;
    Mensagens::Icone icone;
};

// Records every message and answers questions and input boxes from queues.
// A question with no queued answer fails the test.
class MensagensRoteiro : public Mensagens {
public:
    MensagensRoteiro();
    ~MensagensRoteiro() override;

    void respostas(std::initializer_list<bool> r) { for (bool b : r) m_respostas.push_back(b); }
    void entradas(std::initializer_list<std::optional<QString>> r) { for (auto& e : r) m_entradas.push_back(e); }

    QStringList textos() const;
    QString ultimo() const { return m_mostradas.isEmpty() ? QString() : m_mostradas.last().texto; }
    const QList<Mostrada>& mostradas() const { return m_mostradas; }
    void limpa() { m_mostradas.clear(); }
    int perguntasPendentes() const { return int(m_respostas.size()); }

    void aviso(const QString& texto, Icone icone, const QString& titulo) override;
    bool pergunta(const QString& texto, const QString& titulo, Icone icone) override;
    std::optional<QString> entrada(const QString& prompt, const QString& titulo, const QString& padrao) override;

private:
    QList<Mostrada> m_mostradas;
    std::deque<bool> m_respostas;
    std::deque<std::optional<QString>> m_entradas;
};

// What every DB test starts with: fresh database, scripted messages, fresh
// forms, the real clock.
class Ambiente {
public:
    Ambiente();
    ~Ambiente();
    BancoTeste banco;
    MensagensRoteiro msgs;
};

// Types text into a widget key by key (accented letters included).
void digita(QWidget* w, const QString& texto);
// Shows a window and waits until it is the active one (keys and focus work).
void ativa(QWidget& w);

// A registration or movement form shown for new records (a machine form:
// for the customer given), or on the record of this code.
template <class T, class... Cliente>
T& abre_inclusao(Cliente... cliente)
{
    T& f = form<T>();
    f.define_inclusao(cliente...);
    ativa(f);
    return f;
}
template <class T>
T& abre_edicao(qint32 codigo)
{
    T& f = form<T>();
    f.define_edicao(codigo);
    ativa(f);
    return f;
}
template <class T>
T& mostra_form()
{
    T& f = form<T>();
    ativa(f);
    return f;
}

// What the next modal dialog does once it is on screen and active; a
// dialog the body leaves open (after a failed check) is closed, so a
// failure never hangs the test.
void no_modal(std::function<void(QDialog&)> corpo);
template <class T>
void no_dialogo(std::function<void(T&)> corpo)
{
    no_modal([corpo = std::move(corpo)](QDialog& d) { corpo(static_cast<T&>(d)); });
}

// Files: the whole content (empty when unreadable), written whole (the
// folder is made; a failure fails the test), and the permission bits
// (0600, 0700...; -1 when missing).
QByteArray le_arquivo(const QString& caminho);
void grava_arquivo(const QString& caminho, const QByteArray& conteudo);
int modo_arquivo(const QString& caminho);

// The main window as the program shows it: the establishment read, every
// menu item wired, shown.
std::unique_ptr<FrmPrincipal> janela_principal();

// Grids as the user reads them, data rows numbered from 0: the header's
// titles; every column of a row; one column of the filled rows (those with
// something in column 0); the row whose column 0 holds a code (-1 when none
// does).
QStringList cabecalho(const ::Grade* g);
QStringList linha(const ::Grade* g, int l);
QStringList coluna(const ::Grade* g, int c);
int linha_do_codigo(const ::Grade* g, qint64 codigo);
// The first value of a query as a whole number (a count, a flag).
int conta(const QString& sql, const QVariantList& valores = {});
// A generator's value, read without advancing it.
qint64 valor_gerador(const QString& gerador);
// An amount as the program shows it: "R$", a no-break space, the number.
QString reais(const QString& numero);

// A double click on a cell of a grid, each of its events sent to the
// widget under the pointer when it happens.
void duplo_clique(::Grade* g, int linha, int coluna);
// Mouse events on the middle of a cell, sent the same way (a click and a
// double click as a clerk makes them one after the other, say).
void gesto_na_celula(::Grade* g, int linha, int coluna, std::initializer_list<QTest::MouseAction> eventos);
// A left click on a widget (a button, mostly), as the mouse makes it.
void clica(QWidget* w);
// One key press on a widget.
void tecla(QWidget* w, int tecla, Qt::KeyboardModifiers mod = Qt::NoModifier);
// Returns once everything the event loop had queued before the call has
// run (a warning deferred until a box is left, a column widened later): a
// marker queued behind them has arrived. Before a check that something did
// not happen, this is the proof that it had its chance.
void espera_fila();

} // namespace apoio

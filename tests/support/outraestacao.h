#pragma once
// Another counter station on the same database, in this process: its own
// connection, opened, used and closed only in its own thread (a driver
// connection belongs to the thread that opened it), running what it is
// given one step after the other while this station goes on.
#include "sessao.h"

#include <QString>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>

namespace apoio {

class OutraEstacao {
public:
    // Opens the data source with the program's credentials (throws ErroBanco).
    explicit OutraEstacao(const QString& fonte);
    // Rolls back whatever it left open and closes its connection.
    ~OutraEstacao();
    OutraEstacao(const OutraEstacao&) = delete;
    OutraEstacao& operator=(const OutraEstacao&) = delete;

    // Runs the steps there and returns at once; the future gives their end
    // (or their exception).
    std::shared_future<void> faz(std::function<void(Conexao&)> passos);
    // Runs the steps there and waits for them (their exception rethrown).
    void agora(std::function<void(Conexao&)> passos) { faz(std::move(passos)).get(); }

    // Opens a transaction there and runs the statements in it, leaving it
    // open (the rows written stay locked) until termina().
    void inicia(const QStringList& comandos);
    // Commits the open transaction, or rolls it back, there (this thread
    // goes on) once `esperando` statements of other connections are running
    // on the database (waiting for what it holds) and at least minimoMs
    // have passed; after ten seconds it ends all the same.
    std::shared_future<void> termina(bool confirma = true, int esperando = 1, int minimoMs = 0);
    // From inside a step: waits until that many statements of other
    // connections are running, ten seconds at the most (false then).
    bool aguardaEsperarem(int quantas);

private:
    void roda();
    void para(); // the thread ends, rolling back what was left open
    QString m_fonte;
    // the attachments of this station, left out of what it watches
    QString m_proprias;
    // reads the monitoring tables, each time in a transaction of its own
    // (they hold still inside one); made and used in the station's thread
    std::unique_ptr<Conexao> m_vigia;

    std::mutex m_mutex;
    std::condition_variable m_tem;
    std::deque<std::packaged_task<void(Conexao&)>> m_fila;
    bool m_fim = false;
    std::thread m_thread;
};

// Whether the future ended within the time (ms).
bool terminou(const std::shared_future<void>& f, int ms = 0);

} // namespace apoio

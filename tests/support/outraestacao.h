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
    // After the pause (in its own thread; this one goes on), commits the
    // open transaction, or rolls it back.
    std::shared_future<void> termina(int pausaMs, bool confirma = true);

private:
    void roda();

    std::mutex m_mutex;
    std::condition_variable m_tem;
    std::deque<std::packaged_task<void(Conexao&)>> m_fila;
    bool m_fim = false;
    std::thread m_thread;
};

// Whether the future ended within the time (ms).
bool terminou(const std::shared_future<void>& f, int ms = 0);

} // namespace apoio

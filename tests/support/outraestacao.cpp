#include "outraestacao.h"
#include "apoio.h"

#include <chrono>

namespace apoio {

OutraEstacao::OutraEstacao(const QString& fonte)
{
    m_thread = std::thread([this] { roda(); });
    agora([fonte](Conexao& c) {
        const Credenciais p = programa();
        c.abre(fonte, p.usuario, p.senha, p.papel);
    });
}

OutraEstacao::~OutraEstacao()
{
    {
        std::lock_guard<std::mutex> l(m_mutex);
        m_fim = true;
    }
    m_tem.notify_one();
    m_thread.join();
}

void OutraEstacao::roda()
{
    Conexao c; // made, used and closed in this thread only
    for (;;) {
        std::packaged_task<void(Conexao&)> tarefa;
        {
            std::unique_lock<std::mutex> l(m_mutex);
            m_tem.wait(l, [this] { return m_fim || !m_fila.empty(); });
            if (m_fila.empty())
                break;
            tarefa = std::move(m_fila.front());
            m_fila.pop_front();
        }
        tarefa(c);
    }
    c.fecha(); // a transaction left open is rolled back
}

std::shared_future<void> OutraEstacao::faz(std::function<void(Conexao&)> passos)
{
    std::packaged_task<void(Conexao&)> tarefa(std::move(passos));
    std::shared_future<void> f = tarefa.get_future().share();
    {
        std::lock_guard<std::mutex> l(m_mutex);
        m_fila.push_back(std::move(tarefa));
    }
    m_tem.notify_one();
    return f;
}

void OutraEstacao::inicia(const QStringList& comandos)
{
    agora([comandos](Conexao& c) {
        c.inicia(Operacao::Baixa);
        for (const QString& s : comandos)
            c.execute(s);
    });
}

std::shared_future<void> OutraEstacao::termina(int pausaMs, bool confirma)
{
    return faz([pausaMs, confirma](Conexao& c) {
        std::this_thread::sleep_for(std::chrono::milliseconds(pausaMs));
        if (confirma) c.confirma();
        else c.desfaz();
    });
}

bool terminou(const std::shared_future<void>& f, int ms)
{
    return f.wait_for(std::chrono::milliseconds(ms)) == std::future_status::ready;
}

} // namespace apoio

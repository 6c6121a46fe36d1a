#include "outraestacao.h"
#include "apoio.h"

#include <chrono>

namespace apoio {

namespace {

void abre(Conexao& c, const QString& fonte)
{
    const Credenciais p = programa();
    c.abre(fonte, p.usuario, p.senha, p.papel);
}

QString conexao_atual(Conexao& c)
{
    Recordset rs(c);
    rs.abre(QStringLiteral("select current_connection as n from rdb$database"));
    return rs.texto(QStringLiteral("n"));
}

} // namespace

OutraEstacao::OutraEstacao(const QString& fonte) : m_fonte(fonte)
{
    m_thread = std::thread([this] { roda(); });
    try {
        agora([this](Conexao& c) {
            abre(c, m_fonte);
            m_vigia = std::make_unique<Conexao>();
            abre(*m_vigia, m_fonte);
            m_proprias = conexao_atual(c) + QLatin1Char(',') + conexao_atual(*m_vigia);
        });
    } catch (...) {
        para(); // no destructor runs for a station that did not open
        throw;
    }
}

OutraEstacao::~OutraEstacao() { para(); }

void OutraEstacao::para()
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
    m_vigia.reset();
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

bool OutraEstacao::aguardaEsperarem(int quantas)
{
    const QString sql = QStringLiteral("select count(*) as n from mon$statements where mon$state = 1 "
                                       "and mon$attachment_id not in (%1) and mon$sql_text not containing 'mon$'").arg(m_proprias);
    for (int i = 0; i < 500; ++i) {
        Recordset rs(*m_vigia);
        rs.abre(sql);
        if (rs.inteiro(QStringLiteral("n")) >= quantas)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

std::shared_future<void> OutraEstacao::termina(bool confirma, int esperando, int minimoMs)
{
    const auto inicio = std::chrono::steady_clock::now();
    return faz([=, this](Conexao& c) {
        aguardaEsperarem(esperando);
        std::this_thread::sleep_until(inicio + std::chrono::milliseconds(minimoMs));
        if (confirma) c.confirma();
        else c.desfaz();
    });
}

bool terminou(const std::shared_future<void>& f, int ms)
{
    return f.wait_for(std::chrono::milliseconds(ms)) == std::future_status::ready;
}

} // namespace apoio

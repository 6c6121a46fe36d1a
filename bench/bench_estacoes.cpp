// Counter stations on one Firebird server on loopback: N processes of the
// program (2, 5 or 10), each running a scripted counter day through the
// forms with no pause between steps: a new customer, an entry, a budget
// approved and made into an order, the order closed on credit, a partial
// payment into a shared pool of open instalments that every station pays
// into, the full payment of its own first instalment, and report 003 of
// the month. Bounded in rounds and in time. Prints saves per second, p50
// and p95 per step, conflicts retried and conflicts shown to the clerk,
// then checks the books: no code given twice, the rules of
// tests/support/livros.sql, every write-off kept, generators at or above
// their tables.
//   bench_estacoes [stations=10] [rounds=4] [seconds=90] [runs in conflict=5]
// (runs in conflict 2 is the rule before: one retry)
// Needs a server: CONTROLE_OS_TESTE_SERVIDOR (localhost when unset).
#include "apoio.h"
#include "comandosrelatorio.h"
#include "periodo.h"
#include "controlerelatorio.h"
#include "formularios.h"
#include "frmbaixacontasreceber.h"
#include "frmcadcliente.h"
#include "frmcontasreceber.h"
#include "frmentradaequipamento.h"
#include "frmfechamentovendaprazo.h"
#include "frmorcamento.h"
#include "frmordem.h"
#include "grade.h"
#include "lojateste.h"
#include "mensagens.h"
#include "errosbanco.h"
#include "localizacao.h"
#include "sessao.h"
#include "passos.h"
#include "relatorio.h"
#include "relogio.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMap>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTabWidget>
#include <QThread>
#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <unistd.h>

#ifndef CONTROLE_OS_RELATORIOS
#error "CONTROLE_OS_RELATORIOS must name the relatorio folder"
#endif
#ifndef CONTROLE_OS_LIVROS
#error "CONTROLE_OS_LIVROS must name tests/support/livros.sql"
#endif

using namespace apoio;

namespace {

const QString VAR_ESTACAO = QStringLiteral("CONTROLE_OS_BANCADA_ESTACAO");
constexpr int POOL = 2; // shared open instalments: few, so stations meet on them
const QString VALOR_POOL = QStringLiteral("9000.00");

// A clerk in a hurry: yes to every question but printing; a conflict shown
// is counted (the step is then repeated, as the message asks).
class MensagensDaEstacao : public Mensagens {
public:
    MensagensDaEstacao() { instala_mensagens(this); }
    ~MensagensDaEstacao() override { instala_mensagens(nullptr); }
    QStringList inesperadas;
    int conflitos = 0;
    // the write-off's open value that another station changed since the
    // form showed it: nothing stored, the clerk saves again
    int valoresMudados = 0;
    void aviso(const QString& texto, Icone, const QString&) override
    {
        if (texto == CONFLITO_ESTACOES)
            ++conflitos;
        else if (texto.startsWith(QStringLiteral("O valor atual da parcela mudou de ")))
            ++valoresMudados;
        else if (!texto.startsWith(QStringLiteral("Ok!")) && !MOSTRADA_ORDEM.match(texto).hasMatch())
            inesperadas << texto;
    }
    int vistos() const { return conflitos + valoresMudados; }
    const QRegularExpression MOSTRADA_ORDEM{QStringLiteral("^Ordem de serviço \\d+ gerada\\.$")};
    bool pergunta(const QString& texto, const QString&, Icone) override { return !texto.startsWith(QStringLiteral("Deseja emitir")); }
    std::optional<QString> entrada(const QString& prompt, const QString&, const QString&) override
    {
        inesperadas << prompt;
        return std::nullopt;
    }
};

double ms_de(const std::function<void()>& fn)
{
    QElapsedTimer t;
    t.start();
    fn();
    return t.nsecsElapsed() / 1e6;
}

// Processor time of this whole process, in ms.
double cpu_ms()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// One save as the clerk waits for it, from the click to its end: the
// time, this station's processor time, and the calls to the server with
// the time spent waiting for them (the server's work and any lock wait).
class Medida {
public:
    void inicia()
    {
        m_relogio.start();
        m_cpu = cpu_ms();
        m_chamadas = conexao.chamadas();
    }
    // "<ms> <cpu ms> <ms in calls> <calls>"
    std::string fim() const
    {
        const Conexao::Chamadas& c = conexao.chamadas();
        char l[128];
        std::snprintf(l, sizeof l, "%.2f %.2f %.2f %lld", m_relogio.nsecsElapsed() / 1e6, cpu_ms() - m_cpu, (c.ns - m_chamadas.ns) / 1e6,
                      (long long)(c.vezes - m_chamadas.vezes));
        return l;
    }

private:
    QElapsedTimer m_relogio;
    double m_cpu = 0;
    Conexao::Chamadas m_chamadas;
};

// One station process: waits for the word, then runs its day.
int estacao(const QString& fonte, const QString& nome, int rodadas, int segundos, int execucoes)
{
    configura_locale();
    MensagensDaEstacao msgs;
    Relogio::solta();
    try {
        abre_como_programa(fonte);
    } catch (const ErroBanco& e) {
        std::cout << "ERRO " << e.descricao().toStdString() << std::endl;
        return 2;
    }
    conexao.execucoesEmConflito(execucoes);
    QRandomGenerator rnd(uint(nome.mid(1).toInt() * 7919));
    // all stations start, and press "&Gravar" on the pool, at one word
    auto espera_a_vez = [] {
        std::cout << "pronta" << std::endl;
        std::string vai;
        std::getline(std::cin, vai);
    };
    espera_a_vez();
    QElapsedTimer relogio;
    relogio.start();
    int gravacoes = 0;
    auto passo = [&](const char* oque, const std::function<void()>& fn, bool grava = true) {
        const double t = ms_de(fn);
        std::cout << "passo " << oque << ' ' << t << '\n';
        for (const QString& i : msgs.inesperadas)
            std::cout << "mensagem " << oque << ": " << QString(i).replace(QLatin1Char('\n'), QLatin1Char(' ')).toStdString() << '\n';
        msgs.inesperadas.clear();
        gravacoes += grava;
    };
    // the save alone: from the click on the save button to its end
    auto grava = [&](const char* oque, const std::function<void()>& clique) {
        Medida m;
        m.inicia();
        clique();
        std::cout << "grava " << oque << ' ' << m.fim() << '\n';
    };
    // a step the clerk repeats while it shows a conflict or a changed value
    auto repete = [&](const std::function<void()>& fn) {
        for (int vez = 0, antes = -1; antes != msgs.vistos() && vez < 3; ++vez) {
            antes = msgs.vistos();
            fn();
        }
    };
    for (int r = 1; r <= rodadas && relogio.elapsed() < segundos * 1000; ++r) {
        const QString marca = QStringLiteral("%1R%2").arg(nome).arg(r);

        passo("cliente", [&] {
            auto& c = abre_inclusao<FrmCadCliente>();
            const QString codigo = c.caixaCodigo->text();
            digita(c.caixaNome, QStringLiteral("cliente ") + marca);
            c.abas->setCurrentIndex(1);
            c.caixaCidade->setFocus();
            digita(c.caixaCidade, QStringLiteral("2"));
            tecla(c.caixaCidade, Qt::Key_Tab);
            tecla(c.caixaEndereco, Qt::Key_F5);
            grava("cliente", [&] { tecla(c.botaoGravar, Qt::Key_Return); });
            std::cout << "gravou cliente " << codigo.toStdString() << '\n';
            clica(c.botaoSair);
        });
        passo("entrada", [&] {
            auto& e = abre_inclusao<FrmEntradaEquipamento>();
            const QString codigo = e.caixaCodigo->text();
            cliente(e, QStringLiteral("2"));
            item_entrada(e, QStringLiteral("Máquina ") + marca, QStringLiteral("Não liga"));
            grava("entrada", [&] { clica(e.botaoGravar); });
            std::cout << "gravou entrada " << codigo.toStdString() << '\n';
            clica(e.botaoCancelar);
        });
        passo("orcamento_e_ordem", [&] {
            auto& m = abre_inclusao<FrmOrcamento>();
            const QString codigo = m.caixaCodigo->text();
            cliente(m, QStringLiteral("2"));
            item_servico(m, 1, QStringLiteral("Serviço ") + marca, QStringLiteral("10"));
            m.caixaCondicao->setFocus();
            m.caixaCondicao->selectAll();
            digita(m.caixaCondicao, QStringLiteral("2"));
            tecla(m.caixaCondicao, Qt::Key_Tab);
            m.caixaObservacao->setPlainText(marca);
            m.marcaAprovado->setChecked(true);
            escolhe_na_consulta(1); // the order's technician
            grava("orcamento_e_ordem", [&] { clica(m.botaoGravar); });
            std::cout << "gravou orcamento " << codigo.toStdString() << '\n';
            limpa_acoes_modais();
            if (m.isVisible())
                clica(m.botaoCancelar);
        });

        const int ordem = valor(QStringLiteral("select max(ncodigo) from ordem where cobs = ?"), {marca}).toInt();
        if (ordem > 0) {
            std::cout << "gravou ordem " << ordem << '\n';
            passo("fechamento_prazo", [&] {
                repete([&] {
                    auto& f = form<FrmOrdem>();
                    abre_edicao<FrmOrdem>(ordem);
                    f.marcaConcluida->setChecked(true);
                    ao_abrir_modal([](QDialog& d) {
                        if (auto* p = qobject_cast<FrmFechamentoVendaPrazo*>(&d))
                            clica(p->botaoGravar);
                    });
                    grava("fechamento_prazo", [&] { clica(f.botaoGravar); });
                    limpa_acoes_modais();
                    if (f.isVisible())
                        clica(f.botaoCancelar);
                });
            });
        }
        auto& lista = abre_receber();
        const int daPool = 1 + int(rnd.bounded(POOL)); // the pool's instalments are 1..POOL
        bool primeira = true;
        passo("baixa_parcial", [&] {
            repete([&] {
                clica(lista.botaoMostrar);
                const int antes = msgs.vistos();
                Medida m;
                baixa(
                    lista, daPool,
                    [&](FrmBaixaContasReceber& b) {
                        parcial(b, QStringLiteral("1"), [&] {
                            if (primeira)
                                espera_a_vez();
                            primeira = false;
                            m.inicia();
                        });
                    },
                    false);
                std::cout << "grava baixa_parcial " << m.fim() << '\n';
                if (msgs.vistos() == antes)
                    std::cout << "baixa P " << daPool << '\n';
            });
        });
        const int propria = valor(QStringLiteral("select min(ncodigo) from conta_receber where nordem = ? and npago = 0"), {ordem}).toInt();
        if (propria > 0)
            passo("baixa_integral", [&] {
                repete([&] {
                    clica(lista.botaoMostrar);
                    const int antes = msgs.vistos();
                    Medida m;
                    baixa(
                        lista, propria,
                        [&](FrmBaixaContasReceber& b) {
                            m.inicia();
                            clica(b.botaoGravar);
                        },
                        false);
                    std::cout << "grava baixa_integral " << m.fim() << '\n';
                    if (msgs.vistos() == antes)
                        std::cout << "baixa I " << propria << '\n';
                });
            });
        passo(
            "relatorio_003",
            [&] {
                // the menu's command, its report laid out without the preview window
                relatorio_contas_receber(Periodo{QDate(2027, 1, 1), QDate(2027, 1, 31)}, false);
                auto rel = Relatorio::monta(cr(), conexao.banco());
                QImage tela(794, 1123, QImage::Format_ARGB32_Premultiplied);
                QPainter p(&tela);
                p.scale(96.0 / 1200, 96.0 / 1200);
                rel->pintaPagina(p, 0);
            },
            false);
    }
    std::cout << "fim " << gravacoes << ' ' << conexao.repeticoes() << ' ' << msgs.conflitos << ' ' << msgs.valoresMudados << ' ' << cpu_ms()
              << std::endl;
    Formularios::reinicia();
    conexao.fecha();
    return 0;
}

// Processor seconds the Firebird server has used (0 when it is not found).
double cpu_do_servidor()
{
    const QDir proc(QStringLiteral("/proc"));
    for (const QString& pid : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
        if (!pid.at(0).isDigit() || !comm.open(QIODevice::ReadOnly))
            continue;
        const QByteArray nome = comm.readAll().trimmed();
        if (nome != "firebird" && nome != "fbserver")
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // after the name in parentheses: utime and stime are fields 14 and 15
        const QList<QByteArray> f = stat.readAll().split(')').last().trimmed().split(' ');
        return (f.value(11).toDouble() + f.value(12).toDouble()) / double(sysconf(_SC_CLK_TCK));
    }
    return 0;
}

// Processor seconds the whole machine has been busy (every core, every program).
double cpu_da_maquina()
{
    QFile f(QStringLiteral("/proc/stat"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> c = f.readLine().simplified().split(' '); // cpu user nice system idle iowait irq softirq steal
    double ocupado = 0;
    for (int i : {1, 2, 3, 6, 7, 8})
        ocupado += c.value(i).toDouble();
    return ocupado / double(sysconf(_SC_CLK_TCK));
}

double quantil(std::vector<double> v, double q)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(q * double(v.size())))];
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString papelEstacao = qEnvironmentVariable(qPrintable(VAR_ESTACAO));
    if (!papelEstacao.isEmpty()) {
        const QStringList p = papelEstacao.split(QLatin1Char(';'));
        return estacao(p.value(0), p.value(1), p.value(2).toInt(), p.value(3).toInt(), p.value(4).toInt());
    }
    configura_locale();
    if (qEnvironmentVariableIsEmpty("CONTROLE_OS_TESTE_SERVIDOR"))
        qputenv("CONTROLE_OS_TESTE_SERVIDOR", "localhost");
    const int estacoes = argc > 1 ? std::atoi(argv[1]) : 10;
    const int rodadas = argc > 2 ? std::atoi(argv[2]) : 4;
    const int segundos = argc > 3 ? std::atoi(argv[3]) : 90;
    const int execucoes = argc > 4 ? std::atoi(argv[4]) : EXECUCOES_EM_CONFLITO;

    Ambiente amb;
    cria_loja_exemplo();
    // the credit condition of the day, and the pool: one concluded order
    // whose open instalments every station pays into
    executa(QStringLiteral("update condicao_pagto set cdescricao = '30 \\ 60' where ncodigo = 2"));
    executa(QStringLiteral("insert into ordem values(null,2,'2026-12-01','09:00:00',?,'Pool',2,1,0)"), {POOL * 9000});
    const int ordemPool = valor(QStringLiteral("select max(ncodigo) from ordem")).toInt();
    executa(QStringLiteral("insert into item_ordem values(null,?,1,'Contrato',?,1)"), {ordemPool, POOL * 9000});
    // the example shop's receivables go (its order reopened): the pool's
    // instalments are 1..POOL
    executa(QStringLiteral("delete from baixa_conta_receber"));
    executa(QStringLiteral("delete from conta_receber"));
    executa(QStringLiteral("set generator codigo_conta_receber to 0"));
    for (int i = 1; i <= POOL; ++i)
        executa(QStringLiteral("insert into conta_receber values(null,?,?,?,0,'2027-01-15',0)"),
                {ordemPool, QStringLiteral("%1/%2").arg(i).arg(POOL), VALOR_POOL});
    executa(QStringLiteral("update ordem set nconcluida = 0 where ncodigo = 1"));

    const QString fonte = amb.banco.fonte();
    const double cpuServidorAntes = cpu_do_servidor(), cpuMaquinaAntes = cpu_da_maquina();
    QList<QProcess*> ps;
    for (int i = 1; i <= estacoes; ++i) {
        auto* p = new QProcess;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(VAR_ESTACAO, QStringLiteral("%1;E%2;%3;%4;%5").arg(fonte).arg(i).arg(rodadas).arg(segundos).arg(execucoes));
        p->setProcessEnvironment(env);
        p->start(QCoreApplication::applicationFilePath(), {});
        ps << p;
    }
    // every station's output; each time all the stations still working
    // are ready, the word goes to all of them at once
    QMap<QProcess*, QString> saidas;
    QList<QProcess*> vivos = ps;
    QElapsedTimer t;
    for (bool primeira = true; !vivos.isEmpty(); primeira = false) {
        QList<QProcess*> prontos;
        for (QProcess* p : QList<QProcess*>(vivos)) {
            for (;;) {
                if (!p->canReadLine() && !p->waitForReadyRead(segundos * 1000 + 60000)) {
                    vivos.removeAll(p); // ended (or hung: killed below)
                    break;
                }
                if (!p->canReadLine())
                    continue;
                const QString l = QString::fromUtf8(p->readLine());
                saidas[p] += l;
                if (l.trimmed() == QLatin1String("pronta")) {
                    prontos << p;
                    break;
                }
                if (l.startsWith(QLatin1String("fim")) || l.startsWith(QLatin1String("ERRO"))) {
                    vivos.removeAll(p);
                    break;
                }
            }
        }
        if (primeira)
            t.start();
        for (QProcess* p : prontos)
            p->write("vai\n");
        for (QProcess* p : prontos)
            p->waitForBytesWritten(5000);
    }
    QMap<QString, std::vector<double>> tempos;
    // per save: the time, the station's processor time, the time waiting for the server, the calls
    QMap<QString, std::array<std::vector<double>, 4>> gravas;
    QMap<QString, QSet<int>> codigos;
    QStringList problemas;
    int gravacoes = 0, repetidas = 0, mostradas = 0, mudados = 0, parciais = 0;
    double cpuEstacoes = 0;
    QSet<int> integrais;
    for (QProcess* p : ps) {
        if (!p->waitForFinished(60000))
            p->kill();
        const QString saida = saidas[p] + QString::fromUtf8(p->readAllStandardOutput());
        for (const QString& l : saida.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QStringList w = l.split(QLatin1Char(' '));
            if (w[0] == QLatin1String("pronta"))
                continue;
            if (w[0] == QLatin1String("passo"))
                tempos[w[1]].push_back(w[2].toDouble());
            else if (w[0] == QLatin1String("grava")) {
                for (int i = 0; i < 4; ++i)
                    gravas[w[1]][i].push_back(w.value(2 + i).toDouble());
            } else if (w[0] == QLatin1String("gravou")) {
                if (codigos[w[1]].contains(w[2].toInt()))
                    problemas << QStringLiteral("código dado duas vezes: ") + l;
                codigos[w[1]].insert(w[2].toInt());
            } else if (w[0] == QLatin1String("baixa")) {
                if (w[1] == QLatin1String("P"))
                    ++parciais;
                else
                    integrais.insert(w[2].toInt());
            } else if (w[0] == QLatin1String("fim")) {
                gravacoes += w[1].toInt();
                repetidas += w[2].toInt();
                mostradas += w[3].toInt();
                mudados += w[4].toInt();
                cpuEstacoes += w[5].toDouble();
            } else {
                problemas << l;
            }
        }
        if (p->exitCode() != 0)
            problemas << QStringLiteral("estação saiu com %1: %2").arg(p->exitCode()).arg(QString::fromUtf8(p->readAllStandardError()).right(600));
    }
    const double segundosGastos = t.nsecsElapsed() / 1e9;
    const double cpuServidor = cpu_do_servidor() - cpuServidorAntes, cpuMaquina = cpu_da_maquina() - cpuMaquinaAntes;
    qDeleteAll(ps);

    std::printf("%d estações, até %d rodadas ou %d s, até %d execuções por gravação em conflito, servidor em loopback: "
                "%d gravações em %.1f s = %.1f gravações/s\n",
                estacoes, rodadas, segundos, execucoes, gravacoes, segundosGastos, gravacoes / segundosGastos);
    std::printf("  %-18s %-24s %s\n", "", "passo inteiro", "a gravação, do clique ao fim (p50: processador da estação, espera pelo servidor, chamadas)");
    std::vector<double> todasGravacoes;
    for (auto it = tempos.cbegin(); it != tempos.cend(); ++it) {
        const auto& g = gravas[it.key()];
        std::printf("  %-18s n=%3zu p50 %4.0f p95 %4.0f   n=%3zu p50 %4.0f p95 %4.0f ms (%3.0f ms, %3.0f ms, %2.0f)\n", qPrintable(it.key()),
                    it.value().size(), quantil(it.value(), 0.5), quantil(it.value(), 0.95), g[0].size(), quantil(g[0], 0.5),
                    quantil(g[0], 0.95), quantil(g[1], 0.5), quantil(g[2], 0.5), quantil(g[3], 0.5));
        todasGravacoes.insert(todasGravacoes.end(), g[0].begin(), g[0].end());
    }
    const double p95 = quantil(todasGravacoes, 0.95);
    std::printf("  conflitos resolvidos pela nova execução: %d; mostrados ao balconista: %d (%.2f%% das gravações; meta < 1%%: %s)\n", repetidas,
                mostradas, gravacoes ? 100.0 * mostradas / gravacoes : 0.0, gravacoes && 100.0 * mostradas / gravacoes < 1 ? "sim" : "NÃO");
    std::printf("  baixas recusadas porque outra estação mudou o valor aberto depois de a tela o mostrar (gravadas de novo): %d\n", mudados);
    std::printf("  p95 de uma gravação: %.0f ms; meta < 250 ms: %s\n", p95, p95 < 250 ? "sim" : "NÃO");
    std::printf("  processador em %.1f s (%d núcleos: %.1f s): estações %.1f s, servidor %.1f s, a máquina toda %.1f s\n", segundosGastos,
                QThread::idealThreadCount(), segundosGastos * QThread::idealThreadCount(), cpuEstacoes / 1e3, cpuServidor, cpuMaquina);

    // the books
    const QStringList quebradas = apoio::regras_quebradas();
    for (const QString& q : quebradas)
        problemas << QStringLiteral("regra dos livros: ") + q;
    if (conta(QStringLiteral("select count(*) from baixa_conta_receber where nconta_receber between 1 and ? and ctipo_baixa = 'P'"), {POOL}) != parciais)
        problemas << QStringLiteral("baixas parciais da pool: %1 gravadas pelas estações, %2 no banco")
                         .arg(parciais)
                         .arg(conta(QStringLiteral("select count(*) from baixa_conta_receber where nconta_receber between 1 and ?"), {POOL}));
    for (int c : integrais)
        if (conta(QStringLiteral("select count(*) from baixa_conta_receber where nconta_receber = ? and ctipo_baixa = 'I'"), {c}) != 1)
            problemas << QStringLiteral("baixa integral da parcela %1 perdida ou em dobro").arg(c);
    for (const auto& [tabela, gerador] : QList<QPair<QString, QString>>{{QStringLiteral("cliente"), QStringLiteral("codigo_cliente")},
                                                                        {QStringLiteral("entrada_equipamento"), QStringLiteral("codigo_entrada_equipamento")},
                                                                        {QStringLiteral("orcamento"), QStringLiteral("codigo_orcamento")},
                                                                        {QStringLiteral("ordem"), QStringLiteral("codigo_ordem")},
                                                                        {QStringLiteral("conta_receber"), QStringLiteral("codigo_conta_receber")},
                                                                        {QStringLiteral("baixa_conta_receber"), QStringLiteral("gen_baixa_conta_receber")}})
        if (valor_gerador(gerador) < conta(QStringLiteral("select coalesce(max(ncodigo), 0) from ") + tabela))
            problemas << QStringLiteral("gerador %1 abaixo da tabela").arg(gerador);
    std::printf("  livros: %s\n", problemas.isEmpty() ? "nada perdido, nenhum código repetido, todas as regras valem" : "PROBLEMAS:");
    for (const QString& p : problemas)
        std::printf("    %s\n", qPrintable(p));
    return problemas.isEmpty() ? 0 : 1;
}

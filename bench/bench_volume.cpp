// Every report command and every list window on a shop with years of data
// (bench/gerador.cpp), through the program's own code: the report commands
// of the "Relatórios" menu (comandosrelatorio.h) and the machine history's
// "&Imprimir" open their real preview; the lists are the real windows,
// filled by their own buttons. For each: the rows, the time of its query
// alone (every row read), the floor (the same rows read from a plain table
// of the same columns) and their ratio; the time to the filled list or to
// the complete report; for a report, the time to its first page on screen.
// Then how the time per row grows from the smallest database to the largest.
//   bench_volume [items ...]      (default 10000 40000 100000; e.g. 1000000)
// A generated database is kept for the next run, per size and generator,
// in $CONTROLE_OS_BENCH_BANCOS (default: the temporary folder's
// controle_os_bench); a kept one is brought to the program's schema as the
// program does when it starts.
#include "apoio.h"
#include "comandosrelatorio.h"
#include "periodo.h"
#include "controlerelatorio.h"
#include "dadosrelatorio.h"
#include "definicaorelatorio.h"
#include "frmconsultaentradasequipamento.h"
#include "frmconsultaordem.h"
#include "frmconsultaservicomaquina.h"
#include "frmcontasreceber.h"
#include "frmcontasrecebidas.h"
#include "frmlocalizaorcamento.h"
#include "frmoficina.h"
#include "resumoloja.h"
#include "frmrelatorio.h"
#include "gerador.h"
#include "migracoes.h"
#include "localizacao.h"
#include "sessao.h"
#include "motorrelatorio.h"
#include "relatorio.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMap>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cstdio>
#include <functional>

namespace {

// Bumped whenever gerador::loja writes other data: a kept database of an
// older generator is not reused.
constexpr int VERSAO_GERADOR = 2;

struct Medida {
    int linhas = 0;
    double consulta = 0; // the query alone, all rows read
    double piso = 0;     // the same rows from a plain table; < 0: no single query to set against one
    double tela = 0;     // the list filled, or the report laid out whole
    double primeira = -1; // a report: its first page on screen
    bool relatorio() const { return primeira >= 0; }
};

double ms(const QElapsedTimer& t) { return t.nsecsElapsed() / 1e6; }

QSqlQuery prepara(const QString& sql, const QVariantList& valores)
{
    QSqlQuery q(conexao.banco());
    q.setForwardOnly(true);
    q.setNumericalPrecisionPolicy(QSql::HighPrecision);
    if (!q.prepare(sql))
        qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    for (const QVariant& v : valores)
        q.addBindValue(v);
    return q;
}

double tempo_consulta(const QString& sql, const QVariantList& valores, int* linhas = nullptr)
{
    QSqlQuery q = prepara(sql, valores);
    QElapsedTimer t;
    t.start();
    const int n = gerador::le_tudo(q);
    if (linhas) *linhas = n;
    return ms(t);
}

// The best of three runs after one that warms the cache: the machine is shared.
double melhor_de(const std::function<double()>& tempo)
{
    tempo();
    double m = 1e18;
    for (int vez = 0; vez < 3; ++vez)
        m = qMin(m, tempo());
    return m;
}

double melhor_consulta(const QString& sql, const QVariantList& valores, int* linhas = nullptr)
{
    return melhor_de([&] { return tempo_consulta(sql, valores, linhas); });
}

// The column of a plain table that holds what the field holds.
QString tipo_de(const QSqlField& f)
{
    switch (f.metaType().id()) {
    case QMetaType::Int: return QStringLiteral("integer");
    case QMetaType::LongLong: return QStringLiteral("bigint");
    case QMetaType::Double:
        return f.precision() > 0 ? QStringLiteral("numeric(18,%1)").arg(f.precision()) : QStringLiteral("double precision");
    case QMetaType::QDate: return QStringLiteral("date");
    case QMetaType::QTime: return QStringLiteral("time");
    case QMetaType::QDateTime: return QStringLiteral("timestamp");
    default: return QStringLiteral("varchar(%1)").arg(qMax(1, f.length()));
    }
}

// The floor: the rows of the query copied (inside the server) into a plain
// table with the same columns, then read back whole.
double piso(const QString& sql, const QVariantList& valores)
{
    // without the list's own order, the last one (a column's subquery may have its own)
    QSqlQuery origem = prepara(QStringLiteral("select first 0 * from (%1) dados").arg(sql.left(sql.lastIndexOf(QStringLiteral(" order by ")))), valores);
    if (!origem.exec())
        qFatal("%s", qPrintable(origem.lastError().text()));
    const QSqlRecord r = origem.record();
    origem.finish();
    QStringList colunas;
    for (int c = 0; c < r.count(); ++c)
        colunas << QStringLiteral("c%1 %2").arg(c).arg(tipo_de(r.field(c)));
    conexao.execute(QStringLiteral("recreate table piso (%1)").arg(colunas.join(QLatin1Char(','))));
    {
        gerador::Carga t;
        QSqlQuery copia = prepara(QStringLiteral("insert into piso ") + sql, valores);
        if (!copia.exec())
            qFatal("piso: %s", qPrintable(copia.lastError().text()));
        t.confirma();
    }
    const double m = melhor_consulta(QStringLiteral("select * from piso"), {});
    conexao.execute(QStringLiteral("drop table piso"));
    return m;
}

FrmRelatorio* previa()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<FrmRelatorio*>(w); f && f->isVisible())
            return f;
    return nullptr;
}

void confere_sem_mensagens(apoio::Ambiente& amb, const QString& cenario)
{
    if (!amb.msgs.mostradas().isEmpty())
        qFatal("%s: %s", qPrintable(cenario), qPrintable(amb.msgs.textos().join(QStringLiteral(" | "))));
}

// A report as the user asks for it: the command runs (its own totals and
// the report control), the preview opens and paints its first page; then
// the preview lays the rest out between events, as it does on screen.
Medida relatorio(apoio::Ambiente& amb, const QString& nome, const std::function<void()>& comando)
{
    Medida m;
    m.primeira = m.tela = 1e18;
    QString sql;
    QVariantList valores;
    for (int vez = 0; vez < 3; ++vez) { // the first run warms the cache
        QElapsedTimer t;
        t.start();
        comando();
        FrmRelatorio* f = previa();
        if (!f)
            qFatal("%s: nenhuma prévia", qPrintable(nome));
        f->findChild<QWidget*>(QStringLiteral("folha"))->grab(); // the first page, painted
        const double primeira = ms(t);
        while (!f->relatorio().completo())
            QCoreApplication::processEvents();
        const double tela = ms(t);
        confere_sem_mensagens(amb, nome);
        if (vez > 0) {
            m.primeira = qMin(m.primeira, primeira);
            m.tela = qMin(m.tela, tela);
        }
        sql = f->relatorio().dados().sql();
        valores = f->relatorio().dados().valores();
        m.linhas = f->relatorio().dados().linhas();
        delete f;
    }
    // the report's own reading (by stretches of days for a long period),
    // against the same rows in one plain table
    m.consulta = melhor_de([] {
        Definicao def = Definicao::carrega(cr().ReportFileName);
        DadosRelatorio d;
        QElapsedTimer t;
        t.start();
        d.carrega(conexao.banco(), def, cr().SelectionFormula);
        return ms(t);
    });
    m.piso = piso(sql, valores);
    return m;
}

// A list window filled by its own button (its first page on screen); its
// query is the whole one it shows, every page read.
Medida lista(apoio::Ambiente& amb, const QString& nome, const JanelaLista& janela, const std::function<void()>& mostra)
{
    Medida m;
    m.tela = 1e18;
    QString sql;
    for (int vez = 0; vez < 3; ++vez) {
        QElapsedTimer t;
        t.start();
        mostra();
        if (vez > 0)
            m.tela = qMin(m.tela, ms(t));
        confere_sem_mensagens(amb, nome);
        sql = janela.sql();
    }
    if (sql.isEmpty())
        qFatal("%s: a lista não consultou", qPrintable(nome));
    m.consulta = melhor_consulta(sql, janela.valores(), &m.linhas);
    m.piso = piso(sql, janela.valores());
    return m;
}

QString nome(const QString& chave) { return chave.section(QLatin1Char(' '), 1); }

void imprime(const QString& chave, const Medida& m)
{
    const QString primeira = m.relatorio() ? QString::number(m.primeira, 'f', 1) : QStringLiteral("-");
    if (m.piso < 0) { // timed as a whole against its own goal
        std::printf("%-34s %7d %9s %9s %6s %10.1f %10s%s\n", qPrintable(nome(chave)), m.linhas, "-", "-", "-", m.tela,
                    qPrintable(primeira), m.tela > 200 ? "  ACIMA DA META" : "");
        return;
    }
    const double razao = m.consulta / qMax(1.0, m.piso); // under a millisecond both are noise
    const bool acima = razao > 2 || (m.relatorio() && m.primeira > 1000);
    std::printf("%-34s %7d %9.1f %9.1f %5.1fx %10.1f %10s%s\n", qPrintable(nome(chave)), m.linhas, m.consulta, m.piso, razao, m.tela,
                qPrintable(primeira), acima ? "  ACIMA DA META" : "");
}

// Every scenario on the database as it stands, each printed as it is
// measured; name -> measure.
QMap<QString, Medida> cenarios(apoio::Ambiente& amb, int cliente, int maquina)
{
    gerador::estabelecimento();
    const QString codigoCliente = QString::number(cliente), codigoMaquina = QString::number(maquina);
    QMap<QString, Medida> r;
    auto guarda = [&r](const QString& chave, const Medida& m) {
        r[chave] = m;
        imprime(chave, m);
    };
    auto rel = [&](const char* nome, const std::function<void()>& comando) {
        guarda(QString::fromUtf8(nome), relatorio(amb, QString::fromUtf8(nome), comando));
    };
    rel("a 003 contas a receber (mês)", [] { relatorio_contas_receber(Periodo{QDate(2024, 6, 1), QDate(2024, 6, 30)}); });
    rel("b 004 contas recebidas (mês)", [] { relatorio_contas_recebidas(Periodo{QDate(2024, 6, 1), QDate(2024, 6, 30)}); });
    rel("c 009 recebimentos (mês)", [] { relatorio_recebimentos(Periodo{QDate(2024, 6, 1), QDate(2024, 6, 30)}); });
    rel("c2 009 recebimentos (ano)", [] { relatorio_recebimentos(Periodo{QDate(2024, 1, 1), QDate(2024, 12, 31)}); });
    rel("d 006 técnico (mês)", [] { relatorio_servico_tecnico(Periodo{QDate(2024, 6, 1), QDate(2024, 6, 30)}, 1); });
    rel("e 006 técnico (ano)", [] { relatorio_servico_tecnico(Periodo{QDate(2024, 1, 1), QDate(2024, 12, 31)}, 1); });
    rel("f 007 faturamento (ano)", [] { relatorio_faturamento(Periodo{QDate(2024, 1, 1), QDate(2024, 12, 31)}); });
    rel("g 008 serviços do cliente", [&] { relatorio_servico_cliente(cliente); });
    {
        auto& f = apoio::mostra_form<FrmConsultaServicoMaquina>();
        f.caixaMaquina->setText(codigoMaquina);
        f.valida_maquina();
        rel("h 005 serviços da máquina", [&] { f.imprime(); });
        guarda(QStringLiteral("x histórico da máquina"), lista(amb, QStringLiteral("histórico"), f, [&] { f.mostra(); }));
        f.hide();
    }
    auto contas = [&](auto& f, const char* nome, const char* nomeCliente) {
        f.escolhaFiltro->setCurrentIndex(int(FiltroContas::PorPeriodo));
        f.dataInicio->setDate(QDate(2024, 6, 1));
        f.dataFim->setDate(QDate(2024, 6, 30));
        guarda(QString::fromUtf8(nome), lista(amb, QString::fromUtf8(nome), f, [&] { f.mostra(); }));
        f.escolhaFiltro->setCurrentIndex(int(FiltroContas::PorCliente));
        f.caixaCliente->setText(codigoCliente);
        guarda(QString::fromUtf8(nomeCliente), lista(amb, QString::fromUtf8(nomeCliente), f, [&] { f.mostra(); }));
        f.hide();
    };
    contas(apoio::mostra_form<FrmContasReceber>(), "p lista contas a receber (mês)", "q lista contas a receber (cliente)");
    contas(apoio::mostra_form<FrmContasRecebidas>(), "r lista contas recebidas (mês)", "s lista contas recebidas (cliente)");
    auto movimento = [&](FrmConsultaMovimento& f, const char* nomeCliente, const char* nomeTodas) {
        if (nomeCliente) {
            f.caixaCliente->setText(codigoCliente);
            guarda(QString::fromUtf8(nomeCliente), lista(amb, QString::fromUtf8(nomeCliente), f, [&] { f.mostra(); }));
            f.caixaCliente->clear();
            f.caixaNomeCliente->clear();
        }
        guarda(QString::fromUtf8(nomeTodas), lista(amb, QString::fromUtf8(nomeTodas), f, [&] { f.mostra(); }));
        f.hide();
    };
    movimento(apoio::mostra_form<FrmConsultaEntradasEquipamento>(), "t localizar entradas (cliente)", "u localizar entradas (todas)");
    movimento(apoio::mostra_form<FrmLocalizaOrcamento>(), nullptr, "v localizar orçamentos (todos)");
    movimento(apoio::mostra_form<FrmConsultaOrdem>(), "w localizar ordens (cliente)", "w2 localizar ordens (todas)");
    {
        // every job not delivered, at its stage; then one stage's
        auto& f = apoio::mostra_form<FrmOficina>();
        guarda(QStringLiteral("y oficina (não entregues)"), lista(amb, QStringLiteral("oficina"), f, [&] { f.mostra(); }));
        f.caixaEtapa->setCurrentIndex(int(Etapa::EmServico));
        guarda(QStringLiteral("y2 oficina (em serviço)"), lista(amb, QStringLiteral("oficina em serviço"), f, [&] { f.mostra(); }));
        f.hide();
    }
    {
        // the main window's figures, read as it reads them (one stage count
        // per stage, the instalments due, twelve months, the technicians);
        // several queries, no single one to set against a floor: its time
        // is the measure
        Medida m;
        m.tela = 1e18;
        for (int vez = 0; vez < 3; ++vez) {
            QElapsedTimer t;
            t.start();
            const ResumoLoja r = le_resumo_loja(conexao, QDate(2024, 6, 15));
            if (vez > 0)
                m.tela = qMin(m.tela, ms(t));
            m.linhas = int(r.meses.size() + r.tecnicos.size());
        }
        m.consulta = m.tela;
        m.piso = -1;
        guarda(QStringLiteral("z painel da loja"), m);
    }
    return r;
}

// The database of a size: the kept one, or a new one generated and kept.
// The global connection is left open on it.
void abre_banco(int n)
{
    const QString pasta = qEnvironmentVariable("CONTROLE_OS_BENCH_BANCOS", QDir::temp().filePath(QStringLiteral("controle_os_bench")));
    QDir().mkpath(pasta);
    QFile::setPermissions(pasta, QFileDevice::Permissions(0x7777));
    const QString caminho = QDir(pasta).filePath(
        QStringLiteral("volume_%1_g%2.fdb").arg(n).arg(VERSAO_GERADOR));
    if (QFile::exists(caminho)) {
        apoio::abre_como_dono(apoio::fonte_de(caminho));
        QElapsedTimer t;
        t.start();
        const int scripts = Migracoes::aplica(conexao);
        apoio::abre_como_programa(apoio::fonte_de(caminho));
        std::printf("\n== %d itens de ordem (banco guardado: %s; %d migrações em %.1f s)\n", n, qPrintable(caminho), scripts,
                    t.nsecsElapsed() / 1e9);
        return;
    }
    const QString novo = caminho + QStringLiteral(".novo");
    QFile::remove(novo);
    if (!QFile::copy(apoio::banco_modelo(), novo))
        qFatal("não foi possível copiar o banco modelo para %s", qPrintable(novo));
    QFile::setPermissions(novo, QFileDevice::Permissions(0x6666));
    apoio::abre_como_programa(apoio::fonte_de(novo));
    QElapsedTimer t;
    t.start();
    gerador::clientes(500);
    gerador::loja(n);
    const double gerado = t.nsecsElapsed() / 1e9;
    conexao.fecha();
    // kept only once whole: an interrupted run leaves no half database behind
    if (!QFile::rename(novo, caminho))
        qFatal("não foi possível guardar %s", qPrintable(caminho));
    apoio::abre_como_programa(apoio::fonte_de(caminho));
    std::printf("\n== %d itens de ordem (gerados em %.1f s, guardados em %s)\n", n, gerado, qPrintable(caminho));
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // the offscreen platform's complaints about window hints say nothing here
    qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& texto) {
        if (!texto.startsWith(QLatin1String("This plugin does not support")))
            std::fprintf(stderr, "%s\n", qPrintable(texto));
        if (tipo == QtFatalMsg)
            std::abort();
    });
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // each line as it comes, even into a file
    QApplication app(argc, argv);
    configura_locale();
    instala_motor_relatorio();
    QList<int> tamanhos;
    for (int i = 1; i < argc; ++i)
        tamanhos << std::atoi(argv[i]);
    if (tamanhos.isEmpty())
        tamanhos = {10000, 40000, 100000};

    QMap<int, QMap<QString, Medida>> todas;
    for (int n : tamanhos) {
        apoio::Ambiente amb;
        abre_banco(n);
        QElapsedTimer t;
        t.start();
        Migracoes::recalcula_estatisticas(conexao); // as the program does when it starts
        std::printf("(estatísticas dos índices em %.2f s)\n", t.nsecsElapsed() / 1e9);
        std::printf("%-34s %7s %9s %9s %6s %10s %10s\n", "cenário", "linhas", "consulta", "piso ms", "razão", "tela ms", "1ª pág ms");
        todas[n] = cenarios(amb, 2, 1);
        conexao.fecha();
    }
    if (tamanhos.size() > 1) {
        const int menor = tamanhos.first(), maior = tamanhos.last();
        std::printf("\n== crescimento do tempo por linha de %d para %d itens (tela ms; meta <= 1.5x)\n", menor, maior);
        for (auto it = todas[maior].cbegin(); it != todas[maior].cend(); ++it) {
            const Medida& a = todas[menor][it.key()];
            const Medida& b = it.value();
            const double porLinhaA = a.tela / qMax(1, a.linhas), porLinhaB = b.tela / qMax(1, b.linhas);
            std::printf("%-34s %5.2fx\n", qPrintable(nome(it.key())), porLinhaB / porLinhaA);
        }
    }
    std::printf("\nmetas: razão consulta/piso <= 2x; primeira página de um relatório < 1000 ms; "
                "primeira página da oficina e painel da loja < 200 ms\n");
    return 0;
}

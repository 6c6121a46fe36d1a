// Every report command and every list window on a shop with years of data,
// at 10k, 40k and 100k order items (bench/gerador.cpp), in one run. For each:
// the time to the first preview page (reports) or to the filled list, the
// time of its query alone, and the floor: the same rows read from a plain
// table of the same width. Then how the time per row grows from the
// smallest database to the largest.
//   bench_volume [items ...]      (default 10000 40000 100000)
#include "apoio.h"
#include "controlerelatorio.h"
#include "gerador.h"
#include "grade.h"
#include "migracoes.h"
#include "modulo1.h"
#include "relatorio.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cstdio>
#include <functional>

#ifndef CONTROLE_OS_RELATORIOS
#error "CONTROLE_OS_RELATORIOS must name the relatorio folder"
#endif

namespace {

struct Medida {
    int linhas = 0;
    double ms = 0;      // first page, or list filled
    double consulta = 0; // the query alone, all rows read
    double piso = 0;    // the same rows from a plain table
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

using gerador::le_tudo;

double tempo_consulta(const QString& sql, const QVariantList& valores, int* linhas = nullptr)
{
    QSqlQuery q = prepara(sql, valores);
    QElapsedTimer t;
    t.start();
    const int n = le_tudo(q);
    if (linhas) *linhas = n;
    return ms(t);
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

// The floor: the rows of the query copied into a plain table with the same
// columns, then read back whole.
double piso(const QString& sql, const QVariantList& valores)
{
    QSqlQuery origem = prepara(sql, valores);
    if (!origem.exec())
        qFatal("%s", qPrintable(origem.lastError().text()));
    const QSqlRecord r = origem.record();
    QStringList colunas, marcas;
    for (int c = 0; c < r.count(); ++c) {
        colunas << QStringLiteral("c%1 %2").arg(c).arg(tipo_de(r.field(c)));
        marcas << QStringLiteral("?");
    }
    conexao.execute(QStringLiteral("recreate table piso (%1)").arg(colunas.join(QLatin1Char(','))));
    {
        gerador::Carga t;
        QSqlQuery ins(conexao.banco());
        ins.prepare(QStringLiteral("insert into piso values (%1)").arg(marcas.join(QLatin1Char(','))));
        while (origem.next()) {
            for (int c = 0; c < r.count(); ++c)
                ins.addBindValue(origem.value(c));
            if (!ins.exec())
                qFatal("piso: %s", qPrintable(ins.lastError().text()));
        }
        t.confirma();
    }
    origem.finish();
    tempo_consulta(QStringLiteral("select * from piso"), {}); // warm, as the measured query was
    const double m = tempo_consulta(QStringLiteral("select * from piso"), {});
    conexao.execute(QStringLiteral("drop table piso"));
    return m;
}

// A report as its command runs it: the control set up, the report built and
// its first page painted as the preview shows it.
Medida relatorio(const std::function<void(ControleRelatorio&)>& prepara_controle)
{
    ControleRelatorio c;
    std::shared_ptr<const Relatorio> r;
    double melhor = 1e18;
    for (int vez = 0; vez < 3; ++vez) { // the first run warms the cache
        QElapsedTimer t;
        t.start();
        c.Formulas = {};
        c.SelectionFormula.clear();
        prepara_controle(c);
        r = Relatorio::monta(c, conexao.banco());
        QImage tela(794, 1123, QImage::Format_ARGB32_Premultiplied);
        tela.fill(Qt::white);
        QPainter p(&tela);
        p.scale(96.0 / 1200, 96.0 / 1200);
        r->pintaPagina(p, 0);
        if (vez > 0) melhor = qMin(melhor, ms(t));
    }
    Medida m;
    m.linhas = r->dados().linhas();
    m.ms = melhor;
    tempo_consulta(r->dados().sql(), r->dados().valores());
    m.consulta = tempo_consulta(r->dados().sql(), r->dados().valores());
    m.piso = piso(r->dados().sql(), r->dados().valores());
    return m;
}

// A list window: its query read through the record set into the grid.
Medida lista(const QString& sql, int colunas)
{
    Grade g;
    g.setCols(colunas);
    QStringList campos;
    Recordset rs(conexao);
    rs.abre(QStringLiteral("select first 0 * from (%1) dados").arg(sql.section(QStringLiteral(" order by "), 0, 0)));
    for (int c = 0; c < qMin(colunas, rs.campos()); ++c)
        campos << rs.nomeCampo(c);
    rs.fecha();
    double melhor = 1e18;
    for (int vez = 0; vez < 3; ++vez) {
        QElapsedTimer t;
        t.start();
        rsDados.abre(sql);
        g.preenche(rsDados, campos, 17);
        rsDados.fecha();
        if (vez > 0) melhor = qMin(melhor, ms(t));
    }
    Medida m;
    m.ms = melhor;
    m.consulta = tempo_consulta(sql, {}, &m.linhas);
    m.piso = piso(sql, {});
    return m;
}

QString nome_empresa(const char* campo) { return QString::fromLatin1(campo) + QStringLiteral("='Minha Assistência Técnica'"); }
const QString RODAPE = QStringLiteral("Rodape='Minha Assistência Técnica - Rua A - Curitiba-Fone: 3333 - a@b.c'");

// Every scenario on the database as it stands; name -> measure.
QMap<QString, Medida> cenarios(int cliente, int maquina)
{
    QMap<QString, Medida> r;
    auto periodo = [](const QString& de, const QString& ate) { return QStringLiteral("Periodo= 'Periodo de %1 a %2'").arg(de, ate); };
    r[QStringLiteral("a 003 contas a receber (mês)")] = relatorio([&](ControleRelatorio& c) {
        c.ReportFileName = QStringLiteral(CONTROLE_OS_RELATORIOS "/003.rpt");
        c.Formulas[0] = nome_empresa("Nome_empresa");
        c.Formulas[1] = periodo(QStringLiteral("01/06/2024"), QStringLiteral("30/06/2024"));
        c.Formulas[2] = RODAPE;
        c.SelectionFormula = QStringLiteral("{view_contas_a_receber.vencimento}>=date('2024-06-01') and {view_contas_a_receber.vencimento}<=date('30/06/2024')    ");
    });
    r[QStringLiteral("b 004 contas recebidas (mês)")] = relatorio([&](ControleRelatorio& c) {
        c.ReportFileName = QStringLiteral(CONTROLE_OS_RELATORIOS "/004.rpt");
        c.Formulas[0] = nome_empresa("Nome_empresa");
        c.Formulas[1] = periodo(QStringLiteral("01/06/2024"), QStringLiteral("30/06/2024"));
        c.Formulas[2] = RODAPE;
        c.SelectionFormula = QStringLiteral("{view_contas_recebidas.data_baixa}>=date('2024-06-01') and {view_contas_recebidas.data_baixa}<=date('30/06/2024')");
    });
    for (const auto& [nome, de, ate, deBr] : {std::tuple{"c 006 técnico (mês)", "2024-06-01", "30/06/2024", "01/06/2024"},
                                              std::tuple{"d 006 técnico (ano)", "2024-01-01", "31/12/2024", "01/01/2024"}}) {
        r[QString::fromUtf8(nome)] = relatorio([&](ControleRelatorio& c) {
            c.ReportFileName = QStringLiteral(CONTROLE_OS_RELATORIOS "/006.rpt");
            c.Formulas[1] = nome_empresa("NomeEmpresa");
            c.Formulas[2] = periodo(QString::fromLatin1(deBr), QString::fromLatin1(ate));
            c.Formulas[3] = RODAPE;
            c.SelectionFormula = QStringLiteral("{servico_por_tecnico.data}>=date('%1') and {servico_por_tecnico.data}<=date('%2') and "
                                                "{servico_por_tecnico.codigo_tecnico}=1").arg(QString::fromLatin1(de), QString::fromLatin1(ate));
        });
    }
    r[QStringLiteral("e 007 faturamento (ano)")] = relatorio([&](ControleRelatorio& c) {
        // the three totals, as the command reads them
        const QString periodoSql = QStringLiteral(" ddata between '2024-01-01' and '2024-12-31'");
        rsDados.abre(QStringLiteral("select count(distinct ncliente) from ordem where") + periodoSql);
        c.Formulas[0] = QStringLiteral("Clientes='") + rsDados.texto(QStringLiteral("count")) + QLatin1Char('\'');
        rsDados.abre(QStringLiteral("select sum(nvalor) from ordem where") + periodoSql);
        c.Formulas[1] = QStringLiteral("Faturamento='") + rsDados.dinheiro(QStringLiteral("sum")).moeda() + QLatin1Char('\'');
        rsDados.abre(QStringLiteral("select count(*) from ordem,item_ordem where nordem = ordem.ncodigo and") + periodoSql);
        c.Formulas[2] = QStringLiteral("Manutencoes='") + rsDados.texto(QStringLiteral("count")) + QLatin1Char('\'');
        rsDados.fecha();
        c.ReportFileName = QStringLiteral(CONTROLE_OS_RELATORIOS "/007.rpt");
        c.Formulas[3] = nome_empresa("NomeEmpresa");
        c.Formulas[4] = periodo(QStringLiteral("01/01/2024"), QStringLiteral("31/12/2024"));
        c.Formulas[5] = RODAPE;
    });
    r[QStringLiteral("f 008 serviços do cliente")] = relatorio([&](ControleRelatorio& c) {
        c.ReportFileName = QStringLiteral(CONTROLE_OS_RELATORIOS "/008.rpt");
        c.Formulas[0] = nome_empresa("NomeEmpresa");
        c.Formulas[1] = RODAPE;
        c.SelectionFormula = QStringLiteral("{servico_por_tecnico.codigo_cliente} = %1").arg(cliente);
    });
    r[QStringLiteral("g 005 serviços da máquina")] = relatorio([&](ControleRelatorio& c) {
        c.ReportFileName = QStringLiteral(CONTROLE_OS_RELATORIOS "/005.rpt");
        c.Formulas[0] = QStringLiteral("Equipamento='Impressora - Modelo'");
        c.Formulas[1] = nome_empresa("Nome_empresa");
        c.Formulas[2] = QStringLiteral("Proprietario= '2 - Cliente'");
        c.Formulas[3] = RODAPE;
        c.SelectionFormula = QStringLiteral("{servico_equipamento.equipamento_cliente}=%1").arg(maquina);
    });
    r[QStringLiteral("h lista contas a receber (mês)")] = lista(
        QStringLiteral("select * from view_contas_a_receber where vencimento between '2024-06-01' and '2024-06-30' order by vencimento"), 8);
    r[QStringLiteral("i lista contas a receber (cliente)")] = lista(
        QStringLiteral("select * from view_contas_a_receber where codigo_cliente = %1 order by vencimento").arg(cliente), 8);
    r[QStringLiteral("j lista contas recebidas (mês)")] = lista(
        QStringLiteral("select * from view_contas_recebidas where data_baixa between '2024-06-01 00:00:00.000' and '2024-06-30 23:59:00.000' order by data_baixa"), 9);
    r[QStringLiteral("k lista contas recebidas (cliente)")] = lista(
        QStringLiteral("select * from view_contas_recebidas where codigo_cliente = %1 order by data_baixa").arg(cliente), 9);
    r[QStringLiteral("l localizar entradas (cliente)")] = lista(
        QStringLiteral("select entrada_equipamento.ncodigo as codentrada,ddata,thora,cliente.cfantasia from entrada_equipamento,cliente "
                       "where ncliente= cliente.ncodigo and ncliente = %1 and cliente.ncodigo <> 1 order by entrada_equipamento.ncodigo").arg(cliente), 4);
    r[QStringLiteral("m localizar entradas (todas)")] = lista(
        QStringLiteral("select entrada_equipamento.ncodigo as codentrada,ddata,thora,cliente.cfantasia from entrada_equipamento,cliente "
                       "where ncliente= cliente.ncodigo and cliente.ncodigo <> 1 order by entrada_equipamento.ncodigo"), 4);
    r[QStringLiteral("n localizar orçamentos (todos)")] = lista(
        QStringLiteral("select orcamento.ncodigo as codorcamento,naprovado,ddata,cliente.cfantasia,nvalor from orcamento,cliente "
                       "where ncliente = cliente.ncodigo and cliente.ncodigo <> 1 order by orcamento.ncodigo"), 5);
    r[QStringLiteral("o localizar ordens (cliente)")] = lista(
        QStringLiteral("select ordem.ncodigo as codordem,ddata,cliente.cfantasia,nconcluida,nvalor from ordem,cliente "
                       "where ncliente = cliente.ncodigo and cliente.ncodigo = %1 and cliente.ncodigo <> 1 order by ordem.ncodigo").arg(cliente), 5);
    r[QStringLiteral("p localizar ordens (todas)")] = lista(
        QStringLiteral("select ordem.ncodigo as codordem,ddata,cliente.cfantasia,nconcluida,nvalor from ordem,cliente "
                       "where ncliente = cliente.ncodigo and cliente.ncodigo <> 1 order by ordem.ncodigo"), 5);
    r[QStringLiteral("q histórico da máquina")] = lista(
        QStringLiteral("select * from servico_equipamento where equipamento_cliente = %1 order by codigo,data").arg(maquina), 5);
    return r;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    configura_locale();
    QList<int> tamanhos;
    for (int i = 1; i < argc; ++i)
        tamanhos << std::atoi(argv[i]);
    if (tamanhos.isEmpty())
        tamanhos = {10000, 40000, 100000};

    QMap<int, QMap<QString, Medida>> todas;
    for (int n : tamanhos) {
        apoio::Ambiente amb;
        QElapsedTimer t;
        t.start();
        gerador::clientes(500);
        gerador::loja(n);
        const double gerado = t.nsecsElapsed() / 1e9;
        t.restart();
        Migracoes::recalcula_estatisticas(conexao); // as the program does when it starts
        std::printf("\n== %d itens de ordem (gerados em %.1f s; estatísticas dos índices em %.2f s)\n", n, gerado, t.nsecsElapsed() / 1e9);
        std::printf("%-38s %7s %9s %9s %9s %7s %9s\n", "cenário", "linhas", "tela ms", "consulta", "piso ms", "razão", "µs/linha");
        todas[n] = cenarios(2, 1);
        for (auto it = todas[n].cbegin(); it != todas[n].cend(); ++it) {
            const Medida& m = it.value();
            std::printf("%-38s %7d %9.1f %9.1f %9.1f %6.1fx %9.1f\n", qPrintable(it.key().mid(2)), m.linhas, m.ms, m.consulta, m.piso,
                        m.consulta / qMax(0.05, m.piso), 1000 * m.ms / qMax(1, m.linhas));
        }
    }
    if (tamanhos.size() > 1) {
        const int menor = tamanhos.first(), maior = tamanhos.last();
        std::printf("\n== crescimento do tempo por linha de %d para %d itens (meta <= 1.5x), tempos com %d itens (metas: relatório < 1000 ms, lista < 500 ms)\n",
                    menor, maior, maior);
        for (auto it = todas[maior].cbegin(); it != todas[maior].cend(); ++it) {
            const Medida& a = todas[menor][it.key()];
            const Medida& b = it.value();
            const double porLinhaA = a.ms / qMax(1, a.linhas), porLinhaB = b.ms / qMax(1, b.linhas);
            const bool lista = it.key().contains(QStringLiteral("lista")) || it.key().contains(QStringLiteral("localizar"))
                               || it.key().contains(QStringLiteral("histórico"));
            std::printf("%-38s %5.2fx  %7.1f ms %s\n", qPrintable(it.key().mid(2)), porLinhaB / porLinhaA, b.ms,
                        b.ms < (lista ? 500 : 1000) ? "" : "  ACIMA DA META");
        }
    }
    return 0;
}

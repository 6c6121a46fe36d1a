// Report 006 (a technician's statement of a year) with 10 000 detail rows:
// the time to the first page on screen, the whole PDF, pages per second and
// peak memory, against a bare QSqlQuery reading the same rows, and the PDF
// against its floor: the same texts drawn with a bare painter on the PDF
// writer, on as many pages of the same paper in the same fonts, in one run.
// Then report 009 (the cash received) with 100 000 write-offs of a year in
// the database, for a month and for the year: the time to its first page
// against the floor of reading its rows.
//   bench_relatorio [services [write-offs]]
#include "apoio.h"
#include "comandosrelatorio.h"
#include "periodo.h"
#include "controlerelatorio.h"
#include "gerador.h"
#include "migracoes.h"
#include "modelotexto.h"
#include "estabelecimento.h"
#include "localizacao.h"
#include "sessao.h"
#include "relatorio.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <cstdio>
#include <limits>
#include <tuple>
#include <sys/resource.h>

#ifndef CONTROLE_OS_RELATORIOS
#error "CONTROLE_OS_RELATORIOS must name the relatorio folder"
#endif

namespace {

double memoriaMaximaMb()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss / 1024.0; // kilobytes on Linux
}

// The same rows as the report, read with a plain query and nothing else.
qint64 consultaPura(int& linhas)
{
    QElapsedTimer t;
    t.start();
    QSqlQuery q(conexao.banco());
    q.setForwardOnly(true);
    q.setNumericalPrecisionPolicy(QSql::HighPrecision);
    q.prepare(QStringLiteral("select codigo_tecnico, nome_tecnico, comissao, nome_cliente, codigo_ordem, data, servico, valor, valor_comissao, "
                             "equipamento, identificacao, codigo_item from servico_por_tecnico where data >= ? and data <= ? and codigo_tecnico = ? "
                             "order by codigo_tecnico, data, codigo_ordem, codigo_item"));
    q.addBindValue(QDate(2026, 1, 1));
    q.addBindValue(QDate(2026, 12, 31));
    q.addBindValue(1);
    q.exec();
    linhas = 0;
    qint64 soma = 0;
    while (q.next()) {
        for (int c = 0; c < 12; ++c)
            soma += q.value(c).toString().size();
        ++linhas;
    }
    return t.nsecsElapsed() + (soma & 1);
}

// The floor of the PDF: the texts the report prints, drawn by a bare painter
// on the PDF writer in the report's fonts, on as many pages: on each page
// the header's four texts, the seven column titles, the rows (seven texts
// each: date, order, customer, machine, service, amount, commission) and
// the footer's two texts. The texts are made before the clock starts, so
// the floor is the painter and the writer alone; nothing is measured,
// aligned, wrapped or shaded.
qint64 pdfPuro(const Relatorio& r, const QString& caminho)
{
    const DadosRelatorio& d = r.dados();
    const int data = d.indice(QStringLiteral("data")), ordem = d.indice(QStringLiteral("codigo_ordem")),
              cliente = d.indice(QStringLiteral("nome_cliente")), equipamento = d.indice(QStringLiteral("equipamento")),
              identificacao = d.indice(QStringLiteral("identificacao")), servico = d.indice(QStringLiteral("servico")),
              valor = d.indice(QStringLiteral("valor")), comissao = d.indice(QStringLiteral("valor_comissao"));
    QStringList textos;
    textos.reserve(d.linhas() * 7);
    for (int i = 0; i < d.linhas(); ++i) {
        QString maquina = formata_valor(d.valor(i, equipamento), QString());
        const QString id = formata_valor(d.valor(i, identificacao), QString());
        if (!id.trimmed().isEmpty())
            maquina += QStringLiteral(" - ") + id;
        textos << formata_valor(d.valor(i, data), QStringLiteral("data")) << formata_valor(d.valor(i, ordem), QString())
               << formata_valor(d.valor(i, cliente), QString()) << maquina << formata_valor(d.valor(i, servico), QString())
               << formata_valor(d.valor(i, valor), QStringLiteral("moeda")) << formata_valor(d.valor(i, comissao), QStringLiteral("moeda"));
    }
    const QStringList titulos = {QStringLiteral("Data"), QStringLiteral("Ordem"), QStringLiteral("Cliente"), QStringLiteral("Equipamento"),
                                 QStringLiteral("Serviço"), QStringLiteral("Valor"), QStringLiteral("Comissão")};
    const double pesos[] = {1.4, 0.8, 1.9, 2.0, 3.0, 1.5, 1.5};
    const double margem = 12 / 25.4 * 1200, largura = (210 - 24) / 25.4 * 1200;
    double xs[7], x = margem;
    for (int c = 0; c < 7; ++c) {
        xs[c] = x;
        x += largura * pesos[c] / 12.1;
    }
    auto fonte = [](double pontos, bool negrito) {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(qRound(pontos * 1200 / 72.0));
        f.setBold(negrito);
        f.setHintingPreference(QFont::PreferNoHinting);
        return f;
    };
    const QFont empresa = fonte(13, true), pequena = fonte(8, false), titulo = fonte(11.5, true), corpo = fonte(8.5, false),
                negrito = fonte(8.5, true), rodape = fonte(7.5, false);
    const Estabelecimento loja = Estabelecimento::le(conexao);
    const QString hoje = QStringLiteral("Emitido em ") + QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));

    QElapsedTimer t;
    t.start();
    QPdfWriter pdf(caminho);
    pdf.setResolution(1200);
    pdf.setPageLayout(r.layoutPagina());
    QPainter p(&pdf);
    const int paginas = r.paginas();
    const int porPagina = (d.linhas() + paginas - 1) / std::max(1, paginas);
    const double altura = 8.5 * 1200 / 72.0 * 1.4;
    for (int pagina = 0, linha = 0; pagina < paginas; ++pagina) {
        if (pagina > 0)
            pdf.newPage();
        p.setFont(empresa);
        p.drawText(QPointF(margem, 800), loja.nome);
        p.setFont(pequena);
        p.drawText(QPointF(margem + largura * 0.8, 800), hoje);
        p.setFont(titulo);
        p.drawText(QPointF(margem, 1050), QStringLiteral("Extrato de serviços por técnicos"));
        p.setFont(corpo);
        p.drawText(QPointF(margem, 1250), QStringLiteral("Periodo de 01/01/2026 a 31/12/2026"));
        p.setFont(negrito);
        for (int c = 0; c < 7; ++c)
            p.drawText(QPointF(xs[c], 1450), titulos[c]);
        p.setFont(corpo);
        for (int i = 0; i < porPagina && linha < d.linhas(); ++i, ++linha)
            for (int c = 0; c < 7; ++c)
                p.drawText(QPointF(xs[c], 1650 + i * altura), textos[linha * 7 + c]);
        p.setFont(rodape);
        p.drawText(QPointF(margem, 13600), loja.rodape);
        p.drawText(QPointF(margem + largura * 0.85, 13600), QStringLiteral("Página %1 de %2").arg(pagina + 1).arg(paginas));
    }
    p.end();
    return t.nsecsElapsed();
}

// The first page as the preview paints it: A4 at 96 dpi.
void pinta_primeira(const Relatorio& r)
{
    QImage tela(794, 1123, QImage::Format_ARGB32_Premultiplied);
    tela.fill(Qt::white);
    QPainter p(&tela);
    p.scale(96.0 / 1200, 96.0 / 1200);
    r.pintaPagina(p, 0);
}

// Every value of every row of a statement, read with a plain query: the floor.
qint64 le_linhas(const QString& sql, const QVariantList& valores, int& linhas)
{
    QElapsedTimer t;
    t.start();
    QSqlQuery q(conexao.banco());
    q.setForwardOnly(true);
    q.setNumericalPrecisionPolicy(QSql::HighPrecision);
    q.prepare(sql);
    for (const QVariant& v : valores)
        q.addBindValue(v);
    linhas = gerador::le_tudo(q);
    return t.nsecsElapsed();
}

// 009 with n write-offs of 2026 in the database, a month and the whole year
// selected as its command does: the first page against the floor.
bool recebimentos(int n)
{
    QElapsedTimer t;
    t.start();
    gerador::recebimentos(n);
    Migracoes::recalcula_estatisticas(conexao); // as the program does when it starts
    std::printf("\ndados: %d baixas de 2026 geradas em %.1f s\n", n, t.nsecsElapsed() / 1e9);
    bool ok = true;
    for (const auto& [ate, deBr] : {std::tuple{"30/06/2026", "01/06/2026"}, std::tuple{"31/12/2026", "01/01/2026"}}) {
        relatorio_recebimentos(Periodo{QDate::fromString(QString::fromLatin1(deBr), QStringLiteral("dd/MM/yyyy")), QDate::fromString(QString::fromLatin1(ate), QStringLiteral("dd/MM/yyyy"))},
                               false); // the menu's command, without its preview
        const ControleRelatorio& c = cr();
        qint64 primeira = std::numeric_limits<qint64>::max(), piso = primeira;
        std::shared_ptr<const Relatorio> r;
        int linhas = 0;
        for (int vez = 0; vez < 3; ++vez) { // the first run warms the database's cache; the best of the others
            t.restart();
            r = Relatorio::monta(c, conexao.banco());
            pinta_primeira(*r);
            const qint64 tempo = t.nsecsElapsed();
            const qint64 leitura = le_linhas(r->dados().sql(), r->dados().valores(), linhas);
            if (vez > 0) {
                primeira = qMin(primeira, tempo);
                piso = qMin(piso, leitura);
            }
        }
        const bool meta = primeira < 1000000000LL && primeira <= 2 * piso;
        std::printf("relatório 009 de %s a %s: %d linhas (leitura pura: %d), %d páginas\n", deBr, ate, r->dados().linhas(), linhas, r->paginas());
        std::printf("  primeira página na tela: %.0f ms; leitura pura das mesmas linhas (piso): %.0f ms; razão %.2fx (metas: < 1000 ms e <= 2x)%s\n",
                    primeira / 1e6, piso / 1e6, double(primeira) / piso, meta ? "" : "  ACIMA DA META");
        ok = ok && r->dados().linhas() == linhas;
    }
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    configura_locale();
    const int linhas = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int baixas = argc > 2 ? std::atoi(argv[2]) : 100000;

    apoio::Ambiente amb;
    gerador::estabelecimento();
    QElapsedTimer t;
    t.start();
    gerador::clientes(500);
    gerador::servicos(linhas);
    std::printf("dados: %d serviços do técnico 1 gerados em %.1f s; memória máxima até aqui %.0f MB\n", linhas,
                t.nsecsElapsed() / 1e9, memoriaMaximaMb());

    // the menu's command, without its preview
    relatorio_servico_tecnico(Periodo{QDate(2026, 1, 1), QDate(2026, 12, 31)}, 1, false);
    const ControleRelatorio& c = cr();

    int linhasBase = 0;
    consultaPura(linhasBase); // warm the database's cache for both
    const qint64 base = consultaPura(linhasBase);
    const double memoriaBase = memoriaMaximaMb();

    QTemporaryDir pasta;
    t.restart();
    auto r = Relatorio::monta(c, conexao.banco());
    const qint64 montado = t.nsecsElapsed();
    const double memoriaMontado = memoriaMaximaMb();
    // the first page as the preview paints it: A4 at 96 dpi
    QImage tela(794, 1123, QImage::Format_ARGB32_Premultiplied);
    tela.fill(Qt::white);
    {
        QPainter p(&tela);
        p.scale(96.0 / 1200, 96.0 / 1200);
        r->pintaPagina(p, 0);
    }
    const qint64 primeira = t.nsecsElapsed();
    r->salvaPdf(pasta.filePath(QStringLiteral("006.pdf")));
    const qint64 total = t.nsecsElapsed();

    const double pdfSeg = (total - primeira) / 1e9;
    std::printf("relatório 006: %d linhas (consulta pura: %d), %d páginas\n", r->dados().linhas(), linhasBase, r->paginas());
    std::printf("  consulta + paginação: %.0f ms (memória máxima %.0f MB); primeira página na tela: %.0f ms\n", montado / 1e6,
                memoriaMontado, primeira / 1e6);
    std::printf("  PDF completo: %.0f ms no total, %.0f páginas/s\n", total / 1e6, r->paginas() / pdfSeg);
    std::printf("  consulta pura das mesmas linhas: %.0f ms (memória máxima depois dela %.0f MB); razão total/consulta pura: %.1fx\n",
                base / 1e6, memoriaBase, double(total) / base);
    const qint64 piso = pdfPuro(*r, pasta.filePath(QStringLiteral("piso.pdf")));
    std::printf("  piso do PDF (os mesmos textos desenhados por um QPainter simples no QPdfWriter, %d páginas): %.0f ms; "
                "PDF do relatório (sem consulta e paginação) %.0f ms = %.2fx o piso; meta < 1.5x: %s\n",
                r->paginas(), piso / 1e6, (total - primeira) / 1e6, double(total - primeira) / piso,
                double(total - primeira) / piso < 1.5 ? "sim" : "NÃO");
    std::printf("  memória máxima (ru_maxrss) ao fim: %.0f MB\n", memoriaMaximaMb());
    const bool ok006 = r->dados().linhas() == linhasBase;
    r.reset();
    return ok006 && recebimentos(baixas) ? 0 : 1;
}

// A name search on 100 000 customers through the real customer search
// screen (typed without accents, in lower case), against a plain indexed
// lookup of one customer by code through the same screen, in one run. Also
// the same search with the UNICODE_CI_AI collation applied on every row,
// the way the search keys avoid.
#include "apoio.h"
#include "frmconsultaclientes.h"
#include "gerador.h"
#include "grade.h"
#include "modulo1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSqlQuery>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double mediana_ms(const std::function<void()>& fn, int vezes = 7)
{
    std::vector<qint64> v;
    for (int i = 0; i < vezes; ++i) {
        QElapsedTimer t;
        t.start();
        fn();
        v.push_back(t.nsecsElapsed());
        QCoreApplication::processEvents();
    }
    std::sort(v.begin(), v.end());
    return v[v.size() / 2] / 1e6;
}

int linhas_da_lista(const Grade* g)
{
    int n = 0;
    while (n + 1 < g->rows() && !g->textMatrix(n + 1, 0).isEmpty())
        ++n;
    return n;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    configura_locale();
    const int clientes = argc > 1 ? std::atoi(argv[1]) : 100000;

    apoio::Ambiente amb;
    QElapsedTimer t;
    t.start();
    gerador::clientes(clientes - 1); // plus the reserved customer 1
    std::printf("dados: %d clientes gerados em %.1f s\n", clientes, t.nsecsElapsed() / 1e9);
    // what start-up does: index statistics of the data as it is
    for (const char* i : {"pk_cliente", "fk_cliente_cidade", "pk_cidade"})
        conexao.execute(QStringLiteral("set statistics index %1").arg(QLatin1String(i)));

    auto& f = apoio::mostra_form<FrmConsultaClientes>();
    const QString nome = QStringLiteral("silva 424"); // "... Silva 424...": a handful of rows
    int achados = 0;
    const double porNome = mediana_ms([&] {
        f.Text4->clear();
        f.Text3->setText(nome);
        f.procura();
        achados = linhas_da_lista(f.Grid1);
    });
    int porCodigoAchados = 0;
    const double porCodigo = mediana_ms([&] {
        f.Text3->clear();
        f.Text4->setText(QString::number(clientes / 2));
        f.procura();
        porCodigoAchados = linhas_da_lista(f.Grid1);
    });
    const double colacao = mediana_ms([&] {
        QSqlQuery q(conexao.banco());
        q.exec(QStringLiteral("select cliente.ncodigo,cfantasia from cliente where cliente.cfantasia collate unicode_ci_ai "
                              "like '%silva 424%' and cliente.ncodigo > 1 order by cliente.ncodigo"));
        while (q.next()) {
        }
    });
    std::printf("busca por nome \"%s\" (%d linhas): %.1f ms; por código (%d linha): %.1f ms; razão %.1fx; meta < 100 ms: %s\n",
                qPrintable(nome), achados, porNome, porCodigoAchados, porCodigo, porNome / std::max(porCodigo, 0.001),
                porNome < 100 ? "sim" : "NÃO");
    std::printf("a mesma busca com a colação UNICODE_CI_AI em cada linha: %.1f ms (%.1fx a busca pela chave)\n", colacao,
                colacao / std::max(porNome, 0.001));
    return 0;
}

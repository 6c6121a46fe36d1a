// Filling the list grid with 100 000 rows x 8 columns from a record set,
// against a bare QSqlQuery loop reading the same rows, in one run.
#include "apoio.h"
#include "gerador.h"
#include "grade.h"
#include "localizacao.h"
#include "sessao.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const QString CONSULTA = QStringLiteral("select ncodigo, cfantasia, crazao, ccnpj, cfone, cemail, cendereco, cbairro from cliente order by ncodigo");
constexpr int COLUNAS = 8;
const QStringList CAMPOS = {QStringLiteral("ncodigo"), QStringLiteral("cfantasia"), QStringLiteral("crazao"), QStringLiteral("ccnpj"),
                            QStringLiteral("cfone"), QStringLiteral("cemail"), QStringLiteral("cendereco"), QStringLiteral("cbairro")};

qint64 linhaDeBase(qint64& soma)
{
    QElapsedTimer t;
    t.start();
    QSqlQuery q(conexao.banco());
    q.setForwardOnly(true);
    q.exec(CONSULTA);
    while (q.next())
        for (int c = 0; c < COLUNAS; ++c)
            soma += q.value(c).toString().size();
    return t.nsecsElapsed();
}

qint64 grade(Grade& g, qint64& soma)
{
    QElapsedTimer t;
    t.start();
    Recordset rs(conexao);
    rs.abre(CONSULTA);
    g.carrega(rs, CAMPOS);
    rs.fecha();
    QCoreApplication::processEvents(); // the columns widened to their texts, as on screen
    soma += g.texto(g.linhas() - 1, 1).size();
    return t.nsecsElapsed();
}

qint64 mediana(std::vector<qint64> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    configura_locale();
    const int linhas = argc > 1 ? std::atoi(argv[1]) : 100000;

    apoio::Ambiente amb;
    QElapsedTimer t;
    t.start();
    gerador::clientes(linhas - 1); // plus the reserved customer 1
    std::printf("dados: %d clientes gerados em %.1f s\n", linhas, t.nsecsElapsed() / 1e9);

    Grade g;
    g.defineNumeroColunas(COLUNAS);
    g.resize(900, 600);
    g.show();
    qint64 soma = 0;
    std::vector<qint64> base, nossa;
    for (int i = 0; i < 5; ++i) {
        base.push_back(linhaDeBase(soma));
        nossa.push_back(grade(g, soma));
        QCoreApplication::processEvents();
    }
    const double b = mediana(base) / 1e6, n = mediana(nossa) / 1e6;
    std::printf("grade %d x %d: consulta pura %.0f ms, record set + grade %.0f ms, razão %.2fx (meta <= 1.5x) [%lld]\n",
                linhas, COLUNAS, b, n, n / b, static_cast<long long>(soma % 10));
    return 0;
}

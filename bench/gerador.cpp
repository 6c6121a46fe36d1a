#include "gerador.h"
#include "modulo1.h"

#include <QRandomGenerator>
#include <QSqlQuery>
#include <QSqlError>
#include <stdexcept>

namespace gerador {

void clientes(int n)
{
    static const char* nomes[] = {"Ana", "Bruno", "Carla", "Diego", "Elisa", "Fábio", "Gabriela", "Hugo", "Íris", "João"};
    static const char* sobrenomes[] = {"Silva", "Souza", "Oliveira", "Santos", "Pereira", "Lima", "Costa", "Ferreira"};
    QRandomGenerator rnd(42);
    Transacao t(conexao);
    QSqlQuery q(conexao.banco());
    q.prepare(QStringLiteral("insert into cliente (ncodigo, cfantasia, crazao, ccnpj, cie, ncidade, ccep, cfone, cfax, cemail, "
                             "cendereco, ccontato, cbairro, nfisica_juridica, cobs) values (null,?,?,?,?,1,?,?,?,?,?,?,?,0,?)"));
    for (int i = 0; i < n; ++i) {
        const QString nome = QString::fromUtf8(nomes[rnd.bounded(10)]) + QLatin1Char(' ') + QString::fromUtf8(sobrenomes[rnd.bounded(8)])
                             + QStringLiteral(" %1").arg(i);
        q.addBindValue(nome);
        q.addBindValue(nome + QStringLiteral(" Ltda"));
        q.addBindValue(QStringLiteral("%1").arg(rnd.bounded(100000000), 11, 10, QLatin1Char('0')));
        q.addBindValue(QStringLiteral("%1").arg(rnd.bounded(1000000)));
        q.addBindValue(QStringLiteral("80%1-000").arg(rnd.bounded(1000), 3, 10, QLatin1Char('0')));
        q.addBindValue(QStringLiteral("(41) 3%1").arg(rnd.bounded(10000000)));
        q.addBindValue(QString());
        q.addBindValue(QStringLiteral("cliente%1@exemplo.com.br").arg(i));
        q.addBindValue(QStringLiteral("Rua %1, %2").arg(QString::fromUtf8(sobrenomes[rnd.bounded(8)])).arg(rnd.bounded(2000)));
        q.addBindValue(QString::fromUtf8(nomes[rnd.bounded(10)]));
        q.addBindValue(QStringLiteral("Centro"));
        q.addBindValue(QString());
        if (!q.exec())
            throw std::runtime_error(q.lastError().text().toStdString());
    }
    t.confirma();
}

} // namespace gerador

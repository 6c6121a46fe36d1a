#include "gerador.h"
#include "modulo1.h"

#include <QDate>
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

namespace {

int contagem(const QString& tabela)
{
    QSqlQuery q(conexao.banco());
    if (!q.exec(QStringLiteral("select count(*) from ") + tabela) || !q.next())
        throw std::runtime_error(q.lastError().text().toStdString());
    return q.value(0).toInt();
}

} // namespace

void servicos(int n)
{
    static const char* servicos[] = {
        "Limpeza", "Troca do fusor", "Troca da fonte de alimentação", "Revisão geral com limpeza interna, lubrificação e ajuste dos roletes",
        "Troca do teclado", "Formatação e instalação do sistema", "Reparo na placa principal: troca de capacitores e do conector de energia",
        "Troca da tela", "Diagnóstico"};
    QRandomGenerator rnd(7);
    Transacao t(conexao);
    QSqlQuery q(conexao.banco());
    auto executa = [&q](const QString& sql) {
        if (!q.exec(sql))
            throw std::runtime_error(q.lastError().text().toStdString());
    };
    executa(QStringLiteral("insert into tecnico values(null,'Carlos Mendes','','',1,'','','','','','','','',10)"));
    executa(QStringLiteral("insert into tecnico values(null,'Dora Reis','','',1,'','','','','','','','',5)"));
    executa(QStringLiteral("insert into equipamento values (null,'Impressora')"));
    executa(QStringLiteral("insert into equipamento_cliente select null, ncodigo, 1, 'Modelo ' || ncodigo from cliente where ncodigo > 1"));
    const int ordens = qMax(1, n / 4);
    const int maquinas = qMax(1, contagem(QStringLiteral("equipamento_cliente")));
    QSqlQuery ordem(conexao.banco());
    ordem.prepare(QStringLiteral("insert into ordem values(null,?,?,'10:00:00',0,'',1,1,0)"));
    for (int i = 0; i < ordens; ++i) {
        ordem.addBindValue(2 + i % maquinas);
        ordem.addBindValue(QDate(2026, 1, 1).addDays(i * 365 / ordens));
        if (!ordem.exec())
            throw std::runtime_error(ordem.lastError().text().toStdString());
    }
    QSqlQuery item(conexao.banco());
    item.prepare(QStringLiteral("insert into item_ordem values(null,?,?,?,?,?)"));
    for (int i = 0; i < n + n / 4; ++i) {
        const int o = 1 + i % ordens;
        item.addBindValue(o);
        item.addBindValue(1 + (o - 1) % maquinas);
        item.addBindValue(QString::fromUtf8(servicos[rnd.bounded(9)]));
        item.addBindValue(QStringLiteral("%1.%2").arg(rnd.bounded(500)).arg(rnd.bounded(100), 2, 10, QLatin1Char('0')));
        item.addBindValue(i < n ? 1 : 2);
        if (!item.exec())
            throw std::runtime_error(item.lastError().text().toStdString());
    }
    t.confirma();
}

} // namespace gerador

#include "gerador.h"
#include "sessao.h"

#include <QDate>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QSqlError>
#include <QSqlRecord>
#include <stdexcept>

namespace gerador {

Carga::Carga() : m_db(conexao.banco()) { m_db.transaction(); }
Carga::~Carga()
{
    if (!m_feita)
        m_db.rollback();
}
void Carga::confirma()
{
    m_feita = m_db.commit();
    if (!m_feita)
        throw std::runtime_error(m_db.lastError().text().toStdString());
}

void estabelecimento()
{
    conexao.execute(QStringLiteral("update estabelecimento set cfantasia = ?, cendereco = ?, cfone = ?, cemail = ? where ncodigo = 1"),
                    {QStringLiteral("Minha Assistência Técnica"), QStringLiteral("Rua A"), QStringLiteral("3333"), QStringLiteral("a@b.c")});
}

void clientes(int n)
{
    static const char* nomes[] = {"Ana", "Bruno", "Carla", "Diego", "Elisa", "Fábio", "Gabriela", "Hugo", "Íris", "João"};
    static const char* sobrenomes[] = {"Silva", "Souza", "Oliveira", "Santos", "Pereira", "Lima", "Costa", "Ferreira"};
    QRandomGenerator rnd(42);
    Carga t;
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

// The two technicians, one kind of machine and one machine per customer.
void tecnicos_e_maquinas()
{
    QSqlQuery q(conexao.banco());
    for (const char* sql : {"insert into tecnico values(null,'Carlos Mendes','','',1,'','','','','','','','',10)",
                            "insert into tecnico values(null,'Dora Reis','','',1,'','','','','','','','',5)",
                            "insert into equipamento values (null,'Impressora')",
                            "insert into equipamento_cliente select null, ncodigo, 1, 'Modelo ' || ncodigo from cliente where ncodigo > 1"})
        if (!q.exec(QString::fromUtf8(sql)))
            throw std::runtime_error(q.lastError().text().toStdString());
}

} // namespace

void servicos(int n)
{
    static const char* servicos[] = {
        "Limpeza", "Troca do fusor", "Troca da fonte de alimentação", "Revisão geral com limpeza interna, lubrificação e ajuste dos roletes",
        "Troca do teclado", "Formatação e instalação do sistema", "Reparo na placa principal: troca de capacitores e do conector de energia",
        "Troca da tela", "Diagnóstico"};
    QRandomGenerator rnd(7);
    Carga t;
    tecnicos_e_maquinas();
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

void loja(int n)
{
    Carga t;
    tecnicos_e_maquinas();
    QSqlQuery q(conexao.banco());
    if (!q.exec(QStringLiteral("insert into condicao_pagto values(null,'30/60',2)")))
        throw std::runtime_error(q.lastError().text().toStdString());
    const int clientes = qMax(1, contagem(QStringLiteral("equipamento_cliente")));
    const int ordens = qMax(1, n / 4);
    const int dias = int(QDate(2019, 1, 1).daysTo(QDate(2026, 12, 31)));
    // Every order with its entry, budget, items, receivables and payments
    // written inside the server, a slice of orders per statement: a million
    // items in a minute rather than in a round trip per row.
    const QString bloco = QStringLiteral(
        "execute block as "
        "declare de integer = %1; declare ate integer = %2; declare ordens integer = %3; declare n integer = %4; "
        "declare clientes integer = %5; declare dias integer = %6; "
        "declare o integer; declare i integer; declare itens integer; declare cliente integer; declare dia date; "
        "declare valor numeric(15,2); declare metade numeric(15,2); declare codigo integer; declare feitos integer; "
        "begin "
        "  o = de; "
        "  while (o <= ate) do begin "
        "    cliente = 2 + mod(o * 7919, clientes); "
        "    dia = dateadd(day, cast((cast(o - 1 as bigint) * dias) / ordens as integer), date '2019-01-01'); "
        "    feitos = (o - 1) * 4; "
        "    itens = iif(o = ordens, n - feitos, minvalue(4, n - feitos)); "
        "    valor = itens * 100; "
        "    metade = itens * 50; "
        "    insert into entrada_equipamento (ncodigo, ncliente, ddata, thora, csolicitante, cobs) "
        "      values (null, :cliente, :dia, dateadd(second, (8 + mod(:o, 9)) * 3600 + mod(:o, 60) * 60 + mod(:o * 7, 60), time '00:00:00'), "
        "              'Balcão', '') returning ncodigo into codigo; "
        "    insert into item_da_entrada values (null, :codigo, 'Impressora', 'Não liga'); "
        "    insert into orcamento values (null, :cliente, :dia, '09:30:00', :valor, '', iif(mod(:o, 3) = 0, 0, 1), 1) "
        "      returning ncodigo into codigo; "
        "    insert into item_orcamento values (null, :codigo, :cliente - 1, 'Revisão geral', :valor); "
        "    insert into ordem values (null, :cliente, :dia, '10:00:00', :valor, '', 2, iif(mod(:o, 5) = 0, 0, 1), 0) "
        "      returning ncodigo into codigo; "
        "    i = 0; "
        "    while (i < itens) do begin "
        "      insert into item_ordem values (null, :codigo, :cliente - 1, "
        "        decode(mod(:o * 5 + :i * 3, 8), 0, 'Limpeza', 1, 'Troca do fusor', 2, 'Troca da fonte de alimentação', "
        "               3, 'Revisão geral com limpeza interna e ajuste dos roletes', 4, 'Troca do teclado', "
        "               5, 'Formatação e instalação do sistema', 6, 'Troca da tela', 'Diagnóstico'), "
        "        100, iif(:i = 3, 2, 1)); "
        "      i = i + 1; "
        "    end "
        "    insert into conta_receber values (null, :codigo, '1/2', :metade, 1, dateadd(day, 30, :dia), 0) "
        "      returning ncodigo into i; "
        "    insert into baixa_conta_receber values (null, :i, :metade, 0, 0, 0, 'I', '', dateadd(minute, 28 * 1440 + 930, cast(:dia as timestamp))); "
        "    insert into conta_receber values (null, :codigo, '2/2', :metade, 0, dateadd(day, 60, :dia), 0) "
        "      returning ncodigo into i; "
        "    if (mod(o, 2) = 1) then "
        "      insert into baixa_conta_receber values (null, :i, 10, 0, 0, 0, 'P', '', dateadd(minute, 45 * 1440 + 660, cast(:dia as timestamp))); "
        "    o = o + 1; "
        "  end "
        "end");
    const int fatia = 20000;
    for (int de = 1; de <= ordens; de += fatia)
        if (!q.exec(bloco.arg(de).arg(qMin(ordens, de + fatia - 1)).arg(ordens).arg(n).arg(clientes).arg(dias)))
            throw std::runtime_error(q.lastError().text().toStdString());
    t.confirma();
}

int le_tudo(QSqlQuery& q)
{
    if (!q.exec())
        throw std::runtime_error(q.lastError().text().toStdString());
    int linhas = 0;
    qint64 soma = 0;
    const int colunas = q.record().count();
    while (q.next()) {
        for (int c = 0; c < colunas; ++c)
            soma += q.value(c).toString().size();
        ++linhas;
    }
    return linhas + int(soma & 0);
}

void recebimentos(int n)
{
    Carga t;
    const int clientes = qMax(1, contagem(QStringLiteral("cliente")) - 1);
    QSqlQuery ordem(conexao.banco()), conta(conexao.banco()), baixa(conexao.banco());
    ordem.prepare(QStringLiteral("insert into ordem values(null,?,'2026-01-02','10:00:00',400,'',1,1,0) returning ncodigo"));
    conta.prepare(QStringLiteral("insert into conta_receber values(null,?,'1/1',400,0,'2026-02-01',0) returning ncodigo"));
    baixa.prepare(QStringLiteral("insert into baixa_conta_receber values(null,?,?,?,?,?,?,'',?)"));
    auto roda = [](QSqlQuery& p, const QVariantList& valores) {
        for (const QVariant& v : valores)
            p.addBindValue(v);
        if (!p.exec())
            throw std::runtime_error(p.lastError().text().toStdString());
    };
    const QDateTime inicio(QDate(2026, 1, 1), QTime(8, 0));
    int nConta = 0;
    for (int i = 0; i < n; ++i) {
        if (i % 4 == 0) {
            roda(ordem, {2 + i / 4 % clientes});
            ordem.next();
            const int o = ordem.value(0).toInt();
            ordem.finish();
            roda(conta, {o});
            conta.next();
            nConta = conta.value(0).toInt();
            conta.finish();
        }
        // spread over the year, to the second
        const QDateTime quando = inicio.addSecs(qint64(i) * (365LL * 24 * 3600 - 16 * 3600) / qMax(1, n));
        roda(baixa, {nConta, QStringLiteral("%1.%2").arg(50 + i % 400).arg(i % 100, 2, 10, QLatin1Char('0')), i % 5,
                     i % 7 == 0 ? QStringLiteral("1.50") : QStringLiteral("0"), i % 11 == 0 ? QStringLiteral("2.25") : QStringLiteral("0"),
                     i % 4 == 3 ? QStringLiteral("I") : QStringLiteral("P"), quando});
    }
    t.confirma();
}

} // namespace gerador

#include "gerador.h"
#include "modulo1.h"

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
    QRandomGenerator rnd(11);
    Carga t;
    auto roda = [](QSqlQuery& p, const QVariantList& valores) {
        for (const QVariant& v : valores)
            p.addBindValue(v);
        if (!p.exec())
            throw std::runtime_error(p.lastError().text().toStdString());
    };
    tecnicos_e_maquinas();
    QSqlQuery(conexao.banco()).exec(QStringLiteral("insert into condicao_pagto values(null,'30/60',2)"));
    const int clientes = qMax(1, contagem(QStringLiteral("equipamento_cliente")));
    const int ordens = qMax(1, n / 4);
    const QDate inicio(2019, 1, 1);
    const int dias = int(inicio.daysTo(QDate(2026, 12, 31)));

    QSqlQuery entrada(conexao.banco()), itemEntrada(conexao.banco()), orcamento(conexao.banco()), itemOrcamento(conexao.banco()),
        ordem(conexao.banco()), item(conexao.banco()), conta(conexao.banco()), baixa(conexao.banco());
    entrada.prepare(QStringLiteral("insert into entrada_equipamento (ncodigo,ncliente,ddata,thora,csolicitante,cobs) values (null,?,?,?,'Balcão','')"));
    itemEntrada.prepare(QStringLiteral("insert into item_da_entrada values(null,?,'Impressora','Não liga')"));
    orcamento.prepare(QStringLiteral("insert into orcamento values(null,?,?,'09:30:00',?,'',?,1)"));
    itemOrcamento.prepare(QStringLiteral("insert into item_orcamento values(null,?,?,'Revisão geral',?)"));
    ordem.prepare(QStringLiteral("insert into ordem values(null,?,?,'10:00:00',?,'',2,?,0)"));
    item.prepare(QStringLiteral("insert into item_ordem values(null,?,?,?,?,?)"));
    conta.prepare(QStringLiteral("insert into conta_receber values(null,?,?,?,?,?,0)"));
    baixa.prepare(QStringLiteral("insert into baixa_conta_receber values(null,?,?,0,0,0,?,'',?)"));
    static const char* textos[] = {"Limpeza", "Troca do fusor", "Troca da fonte de alimentação", "Revisão geral com limpeza interna e ajuste dos roletes",
                                   "Troca do teclado", "Formatação e instalação do sistema", "Troca da tela", "Diagnóstico"};
    int nItem = 0, nConta = 0;
    for (int o = 1; o <= ordens; ++o) {
        const int cliente = 2 + (o * 7919) % clientes; // customers spread over the years
        const int maquina = cliente - 1;
        const QDate dia = inicio.addDays(qint64(o - 1) * dias / ordens);
        const int itens = o == ordens ? n - nItem : qMin(4, n - nItem);
        const QString valor = QStringLiteral("%1.00").arg(itens * 100);
        roda(entrada, {cliente, dia, QTime(8 + o % 9, o % 60, (o * 7) % 60)});
        roda(itemEntrada, {o});
        roda(orcamento, {cliente, dia, valor, o % 3 ? 1 : 0});
        roda(itemOrcamento, {o, maquina, valor});
        roda(ordem, {cliente, dia, valor, o % 5 ? 1 : 0});
        for (int i = 0; i < itens; ++i, ++nItem)
            roda(item, {o, maquina, QString::fromUtf8(textos[rnd.bounded(8)]), QStringLiteral("100.00"), i == 3 ? 2 : 1});
        const QString metade = QStringLiteral("%1.00").arg(itens * 50);
        roda(conta, {o, QStringLiteral("1/2"), metade, 1, dia.addDays(30)});
        roda(baixa, {++nConta, metade, QStringLiteral("I"), QDateTime(dia.addDays(28), QTime(15, 30))});
        roda(conta, {o, QStringLiteral("2/2"), metade, 0, dia.addDays(60)});
        ++nConta;
        if (o % 2)
            roda(baixa, {nConta, QStringLiteral("10.00"), QStringLiteral("P"), QDateTime(dia.addDays(45), QTime(11, 0))});
    }
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

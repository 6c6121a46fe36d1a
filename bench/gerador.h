#pragma once
// Fills a database with a shop's worth of years of data for the benchmarks.
#include <QSqlDatabase>

class QSqlQuery;

namespace gerador {
// A bulk load as one transaction straight on the driver, on the program's
// connection: it is benchmark data, not a unit of work of the program.
class Carga {
public:
    Carga();
    ~Carga();
    void confirma();

private:
    QSqlDatabase m_db;
    bool m_feita = false;
};
// The shop's record with a name, address, phone and e-mail of a real
// shop's length, as the reports print them on every page.
void estabelecimento();
// n customers with every text column filled, in one transaction.
void clientes(int n);
// n order items for technician 1 (and n/4 for technician 2), spread over
// the orders of year 2026 of the first customers, in one transaction;
// creates the two technicians and one machine per customer it uses.
void servicos(int n);
// Years of a shop's movement with n order items: orders from 2019 to 2026
// (four items each, technician 1 on most, technician 2 on the rest), an
// entry and a budget per order, two receivables per order (the first paid
// in full, the second open with a partial payment on every other order).
// Needs the customers; creates the two technicians and one machine per
// customer. One transaction, written inside the server (a million items in
// a minute or two).
void loja(int n);
// n write-offs dated over year 2026 (partial and full, every form of
// payment, a discount on every seventh and a surcharge on every eleventh),
// four per instalment, one instalment per order of the first customers.
// Needs the customers. One transaction.
void recebimentos(int n);
// Runs a prepared query and reads every value of every row, as a bare
// reader would (the floor the benchmarks compare with); gives the row count.
int le_tudo(QSqlQuery& q);
}

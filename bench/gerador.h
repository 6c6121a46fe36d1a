#pragma once
// Fills a database with a shop's worth of years of data for the benchmarks.
namespace gerador {
// n customers with every text column filled, in one transaction.
void clientes(int n);
}

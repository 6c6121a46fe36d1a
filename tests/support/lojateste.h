#pragma once
#include <QString>

namespace apoio {

// A small shop with what the printed documents and reports show, written
// with the statements the forms use. Dates are in December 2026.
//  - the shop: "Lumen Assistência Técnica", Rua das Flores, 100 - Centro - Curitiba/PR
//  - customers 2 "Ana Souza" (address, phone) and 3 "Bruno Lima"
//  - technicians 1 "Carlos Mendes" (10%) and 2 "Dora Reis" (5%)
//  - machines: 1 Impressora "HP LaserJet 1102" and 2 Notebook "Dell Inspiron" of
//    Ana, 3 Impressora "Epson L355" of Bruno
//  - entry 57 of Ana on 06/12/2026, requester "Marcos Souza", two machines
//  - order 1 of Ana on 07/12/2026: "Troca do fusor" 180,00 (Carlos) and
//    "Limpeza e revisão geral" 120,50 (Dora), total 300,50, two receivables
//    of 150,25 due 10/01/2027 and 10/02/2027, the first paid on 15/12/2026
//  - order 2 of Bruno on 08/12/2026, a warranty order: one item at 0,00, no receivables
struct LojaExemplo {
    int entrada = 57;
    int ordem = 1;
    int garantia = 2;
    QString nome = QStringLiteral("Lumen Assistência Técnica");
};

LojaExemplo cria_loja_exemplo();

} // namespace apoio

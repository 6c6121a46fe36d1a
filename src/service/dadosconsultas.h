#pragma once
// The statements of the movement searches and of a machine's service
// history, every value bound; the screens hold no SQL.
#include "dadosmovimento.h" // TipoMovimento
#include "janelalista.h"

#include <QString>
#include <optional>

class Conexao;

// The movements of a kind with their customer's name, read a page at a
// time in code order: the one of that code when given, else those of the
// customer when given, else all; never those of the placeholder customer 1
// (a movement still being filled). The selected fields: the code (named
// codentrada, codorcamento or codordem), ddata, cfantasia, and thora
// (entries), naprovado (budgets) or nconcluida (orders), nvalor (both).
ConsultaLista lista_movimentos(TipoMovimento tipo, std::optional<qint32> codigo, std::optional<qint32> cliente);
// Deletes the movement with its items, as one unit of work; rows that still
// refer to it (an order's receivables) make the database refuse it all
// (ErroBanco, nothing deleted).
void exclui_movimento(Conexao& c, TipoMovimento tipo, qint32 codigo);

// The services done on a customer machine, from the orders that included
// it (an order still under the placeholder customer 1 is no service yet),
// by order and date: codigo, data, servico, valor.
ConsultaLista servicos_da_maquina(qint32 maquina);

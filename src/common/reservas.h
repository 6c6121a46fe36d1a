#pragma once
// Rows that a form reserves for a record not yet saved: a new customer
// (name still null), a new equipment type (description still empty), and a
// new entry, budget or order (still under the placeholder customer 1, its
// items written as they are confirmed). A crash, a power cut or a killed
// program while such a form is open leaves the reservation behind.
#include <QString>

class Conexao;

// The conditions that leave unfinished reservations out of a list or
// lookup, as text literals, so that each statement holding one is written
// whole: QStringLiteral("select ... where " CLIENTE_GRAVADO).
#define CLIENTE_GRAVADO "cliente.cfantasia is not null"
#define EQUIPAMENTO_GRAVADO "coalesce(equipamento.cdescricao, '') <> ''"

// Removes the reservations left behind, each with what was attached to it
// meanwhile (a type's properties; a customer's machines and their values;
// a movement's items),
// each in a transaction of its own. A reservation that other rows use
// (a machine of a blank type, say) stays. Only for the embedded database
// used by one program at a time: on a server another station may be
// holding the row right now. Gives how many were removed; throws ErroBanco
// on any refusal but a row in use.
int remove_reservas_abandonadas(Conexao& c);

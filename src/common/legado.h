#pragma once
// The record sets and texts that forms still share while each one moves to
// its own locals and arguments; every use here is one still to go.
#include "sessao.h"

#include <QString>

extern Recordset rsDados; // main reads of a form
extern Recordset rsAux;   // lookups while rsDados is open
extern QString cSQL;      // the statement a handler builds and runs

extern QString cNomeEmpresa; // the shop's trade name
extern QString cRodape;      // the footer line of every printout
extern qint32 nCodigoConsulta; // the code chosen in a lookup, 0 when cancelled

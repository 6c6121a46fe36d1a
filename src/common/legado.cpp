#include "legado.h"

Recordset rsDados(conexao);
Recordset rsAux(conexao);
QString cSQL;
QString cNomeEmpresa;
QString cRodape;
qint32 nCodigoConsulta = 0;

#include "frmprincipal.h"
#include "iniciasistema.h"

// Wires the main window's menu items and toolbar buttons to the forms that
// exist. Items without a form stay disabled.
void liga_formularios(FrmPrincipal& principal)
{
    (void)principal;
}

#pragma once
#include "campos.h"
#include "formularios.h"

#include <QString>

// Opens a movement form (entry, budget, order) on an existing movement:
// the form's flag for a new record is cleared and its code member set, every
// time, since the form keeps what its last caller set.
template <class Form>
void edita_movimento(qint32 Form::*membroCodigo, qint32 codigo)
{
    Form& f = form<Form>();
    f.binclusao = false;
    f.*membroCodigo = codigo;
    abre_modal(f);
}

// The same with the code as a list shows it.
template <class Form>
void edita_movimento(qint32 Form::*membroCodigo, const QString& codigo)
{
    edita_movimento(membroCodigo, qint32(valor_numerico(codigo)));
}

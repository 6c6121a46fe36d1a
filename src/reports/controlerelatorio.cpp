#include "controlerelatorio.h"

namespace {
ControleRelatorio* g_cr = nullptr;
}

ControleRelatorio::Executor& ControleRelatorio::executor()
{
    static Executor e;
    return e;
}

void ControleRelatorio::defineExecutor(Executor e) { executor() = std::move(e); }

void ControleRelatorio::setAction(int acao)
{
    if (acao == 1 && executor())
        executor()(*this);
}

ControleRelatorio& cr()
{
    static ControleRelatorio reserva;
    return g_cr ? *g_cr : reserva;
}

void define_cr(ControleRelatorio* c) { g_cr = c; }

void limpa_relatorio()
{
    ControleRelatorio& c = cr();
    c.DiscardSavedData = 0;
    for (QString& f : c.Formulas)
        f.clear();
    c.SelectionFormula.clear();
    c.previaModal = false;
}

#include "relogio.h"

namespace {
QDateTime g_fixo;
}

namespace Relogio {
QDateTime momento() { return g_fixo.isValid() ? g_fixo : QDateTime::currentDateTime(); }
QDate hoje() { return momento().date(); }
QTime agora() { return momento().time(); }
void fixa(const QDateTime& instante) { g_fixo = instante; }
void solta() { g_fixo = QDateTime(); }
}

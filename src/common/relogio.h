#pragma once
#include <QDateTime>

// Today and now for the whole program; tests fix them.
namespace Relogio {
QDate hoje();
QTime agora();
QDateTime momento();
void fixa(const QDateTime& instante); // tests: the clock stands still at this moment
void solta();                         // back to the machine's clock
}

#pragma once
#include <QStringList>

// The forms of payment a write-off or a cash closing is taken in. The
// database stores the position in this list (baixa_conta_receber's
// nforma_pagto): new forms go at the end, so a stored value keeps its
// meaning. The printouts name them in their queries in the same order.
const QStringList& formas_pagamento();

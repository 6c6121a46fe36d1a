#include "fechamento.h"

#include <algorithm>

bool pagamento_cobre(Dinheiro pago, Dinheiro total) { return pago >= total; }

Dinheiro troco(Dinheiro pago, Dinheiro total) { return std::max(pago - total, Dinheiro()); }

PlanoConferido confere_plano(const QVector<Parcela>& linhas, Dinheiro total)
{
    PlanoConferido plano;
    for (const Parcela& p : linhas) {
        if (p.valor == Dinheiro())
            continue;
        plano.parcelas.append(p);
        plano.soma += p.valor;
    }
    for (int i = 0; i < plano.parcelas.size(); ++i)
        plano.parcelas[i].rotulo = QStringLiteral("%1/%2").arg(i + 1).arg(plano.parcelas.size());
    if (plano.parcelas.isEmpty())
        plano.situacao = PlanoConferido::Vazio;
    else
        plano.situacao = plano.soma == total ? PlanoConferido::Certo : PlanoConferido::Diferente;
    return plano;
}

#include "formaspagamento.h"

const QStringList& formas_pagamento()
{
    static const QStringList formas{QStringLiteral("Dinheiro"),         QStringLiteral("Cheque"),
                                    QStringLiteral("Cartão de crédito"), QStringLiteral("Cartão de débito"),
                                    QStringLiteral("Outros"),           QStringLiteral("Pix"),
                                    QStringLiteral("Boleto bancário")};
    return formas;
}

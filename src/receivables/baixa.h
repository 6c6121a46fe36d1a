#pragma once
#include "dinheiro.h"

#include <QDateTime>
#include <QString>

// A write-off settles the instalment (integral: stored as 'I') or lowers
// what is still open on it (partial: 'P').
enum class TipoBaixa { Integral = 0, Parcial = 1 };

// The letter the database keeps for a kind, and back ('P' partial, any
// other integral).
QString letra_baixa(TipoBaixa tipo);
TipoBaixa tipo_baixa(const QString& letra);
// "Integral" or "Parcial", as the user reads it.
QString descricao_baixa(TipoBaixa tipo);

// What the books make of a payment of `valor` on an instalment with
// `aberto` still open, before anything is stored: refused (zero or less;
// a partial one not below the open value), or accepted with the discount
// (an integral one below the open value: what was not received) or the
// surcharge (an integral one above it: what was received beyond it) that
// the user must agree to first.
struct RegraBaixa {
    TipoBaixa tipo = TipoBaixa::Integral;
    Dinheiro valor, aberto;
    // The notice that refuses it; "" when it may be stored.
    QString recusa;
    Dinheiro desconto, acrescimo;
    // What stays open on the instalment once it is stored.
    Dinheiro restante;

    bool aceita() const { return recusa.isEmpty(); }
    // The question the user answers before a discount or a surcharge is
    // stored; "" when there is none.
    QString pergunta() const;
};
RegraBaixa avalia_baixa(TipoBaixa tipo, const Dinheiro& valor, const Dinheiro& aberto);

// One write-off as it is stored: on which instalment, when (the chosen day
// with the time of the save), of which kind and amount, how it was paid
// (the position in formas_pagamento()), with its discount, surcharge and
// note.
struct Baixa {
    qint32 codigo = 0;
    qint32 conta = 0;
    QDateTime momento;
    TipoBaixa tipo = TipoBaixa::Integral;
    Dinheiro valor;
    int formaPagamento = 0;
    Dinheiro desconto, acrescimo;
    QString observacao;
};
// The write-off the rules accepted, ready to store.
Baixa baixa_de(const RegraBaixa& regra, qint32 conta, const QDateTime& momento, int formaPagamento, const QString& observacao);

#pragma once
#include "dinheiro.h"

// An amount written in words as on a Brazilian cheque: "mil e cem reais",
// "um milhão de reais", "duzentos mil e trezentos reais e quarenta e cinco
// centavos", "um real", "cinquenta centavos". Up to
// 999.999.999.999,99; a negative amount is written as its absolute value
// (a receipt states what was paid), and zero is "zero real".
QString por_extenso(Dinheiro valor);

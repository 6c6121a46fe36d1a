#include "extenso.h"

#include <QStringList>
#include <cstdlib>

namespace {

const char* const UNIDADES[] = {"", "um", "dois", "três", "quatro", "cinco", "seis", "sete", "oito", "nove",
                                "dez", "onze", "doze", "treze", "quatorze", "quinze", "dezesseis", "dezessete", "dezoito", "dezenove"};
const char* const DEZENAS[] = {"", "", "vinte", "trinta", "quarenta", "cinquenta", "sessenta", "setenta", "oitenta", "noventa"};
const char* const CENTENAS[] = {"", "cento", "duzentos", "trezentos", "quatrocentos", "quinhentos", "seiscentos", "setecentos",
                                "oitocentos", "novecentos"};

// 1 to 999: hundreds, tens and units joined by "e" ("cento e vinte e três");
// exactly one hundred is "cem".
QString trinca(int n)
{
    if (n == 100)
        return QStringLiteral("cem");
    QStringList partes;
    if (n >= 100)
        partes << QString::fromUtf8(CENTENAS[n / 100]);
    const int resto = n % 100;
    if (resto >= 20) {
        partes << QString::fromUtf8(DEZENAS[resto / 10]);
        if (resto % 10)
            partes << QString::fromUtf8(UNIDADES[resto % 10]);
    } else if (resto > 0) {
        partes << QString::fromUtf8(UNIDADES[resto]);
    }
    return partes.join(QStringLiteral(" e "));
}

// A whole number of up to twelve digits, in groups of three: "mil" alone
// for one thousand, "milhão/milhões", "bilhão/bilhões". The last group is
// joined with "e" when it is below one hundred or whole hundreds ("mil e
// cem", "duzentos mil e trezentos"); the others follow with a blank ("mil
// duzentos e trinta").
QString inteiro(qint64 n)
{
    struct Escala { qint64 valor; const char* um; const char* varios; };
    static const Escala ESCALAS[] = {{1000000000LL, "bilhão", "bilhões"}, {1000000, "milhão", "milhões"}, {1000, "mil", "mil"}, {1, "", ""}};
    QStringList grupos;
    int ultimo = 0;
    for (const Escala& e : ESCALAS) {
        const int g = int(n / e.valor % 1000);
        if (g == 0)
            continue;
        QString texto;
        if (e.valor == 1000 && g == 1)
            texto = QStringLiteral("mil");
        else if (e.valor == 1)
            texto = trinca(g);
        else
            texto = trinca(g) + QLatin1Char(' ') + QString::fromUtf8(g == 1 ? e.um : e.varios);
        grupos << texto;
        ultimo = g;
    }
    if (grupos.size() < 2)
        return grupos.value(0);
    const QString ultimoTexto = grupos.takeLast();
    const bool comE = ultimo < 100 || ultimo % 100 == 0;
    return grupos.join(QLatin1Char(' ')) + (comE ? QStringLiteral(" e ") : QStringLiteral(" ")) + ultimoTexto;
}

} // namespace

QString por_extenso(Dinheiro valor)
{
    const qint64 centavos = std::llabs(valor.centavos());
    const qint64 reais = centavos / 100;
    const int resto = int(centavos % 100);
    if (reais == 0 && resto == 0)
        return QStringLiteral("zero real");
    QString texto;
    if (reais > 0) {
        texto = inteiro(reais);
        // exact millions and billions take "de": "um milhão de reais"
        if (reais % 1000000 == 0)
            texto += QStringLiteral(" de");
        texto += reais == 1 ? QStringLiteral(" real") : QStringLiteral(" reais");
    }
    if (resto > 0) {
        if (!texto.isEmpty())
            texto += QStringLiteral(" e ");
        texto += trinca(resto) + (resto == 1 ? QStringLiteral(" centavo") : QStringLiteral(" centavos"));
    }
    return texto;
}

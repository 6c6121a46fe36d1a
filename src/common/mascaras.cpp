#include "mascaras.h"

#include <QStringList>
#include <algorithm>

QString formata_mascara(const QString& guardado, Mascara tipo)
{
    // each form: a 0 takes the next digit, any other character prints as it is
    QStringList formas;
    switch (tipo) {
    case Mascara::CpfCnpj: formas = {QStringLiteral("000.000.000-00"), QStringLiteral("00.000.000/0000-00")}; break;
    case Mascara::Cep: formas = {QStringLiteral("00000-000")}; break;
    case Mascara::Telefone: formas = {QStringLiteral("(00) 0000-0000"), QStringLiteral("(00) 00000-0000")}; break;
    }
    const QString digitos = guardado.trimmed();
    if (!std::all_of(digitos.begin(), digitos.end(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }))
        return guardado;
    for (const QString& forma : formas) {
        if (forma.count(QLatin1Char('0')) != digitos.size())
            continue;
        QString r;
        qsizetype i = 0;
        for (QChar c : forma)
            r += c == QLatin1Char('0') ? digitos[i++] : c;
        return r;
    }
    return guardado;
}

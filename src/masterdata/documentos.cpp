#include "documentos.h"
#include "campos.h"

namespace {

int digito(const QString& t, int posicao) // position counted from 1
{
    const QChar c = t.at(posicao - 1);
    return (c.isDigit() && c.unicode() < 128) ? c.digitValue() : 0;
}

int digito_cpf(const QString& t, int ate)
{
    int soma = 0;
    for (int p = 1; p <= ate; ++p)
        soma += digito(t, p) * (ate + 2 - p);
    const int d = 11 - soma % 11;
    return d >= 10 ? 0 : d;
}

int digito_cnpj(const QString& t, int ate)
{
    int soma = 0;
    int peso = ate - 7; // 5 for the first digit, 6 for the second
    for (int p = 1; p <= ate; ++p) {
        soma += digito(t, p) * peso;
        peso = peso == 2 ? 9 : peso - 1;
    }
    const int r = soma % 11;
    return r > 1 ? 11 - r : 0;
}

// Whether the leading number of the text is greater than zero.
bool positivo(const QString& t) { return valor_numerico(t) > 0; }

} // namespace

bool cpf_valido(const QString& cpf)
{
    if (cpf.size() != 11)
        return false;
    if (digito_cpf(cpf, 9) != digito(cpf, 10))
        return false;
    return digito_cpf(cpf, 10) == digito(cpf, 11);
}

bool cnpj_valido(const QString& cnpj)
{
    if (!positivo(cnpj))
        return false;
    if (cnpj.size() == 8) {
        int total = 0;
        for (int p = 1; p <= 7; ++p) {
            int v = digito(cnpj, p);
            if (p % 2 == 1) v *= 2;
            total += v > 9 ? v / 10 + v % 10 : v;
        }
        const int resto = total % 10;
        return (resto == 0 ? 0 : 10 - resto) == digito(cnpj, 8);
    }
    if (cnpj.size() == 14)
        return digito_cnpj(cnpj, 12) == digito(cnpj, 13) && digito_cnpj(cnpj, 13) == digito(cnpj, 14);
    return false;
}

#include "baixa.h"

QString letra_baixa(TipoBaixa tipo) { return tipo == TipoBaixa::Parcial ? QStringLiteral("P") : QStringLiteral("I"); }

TipoBaixa tipo_baixa(const QString& letra)
{
    return letra.trimmed() == QLatin1String("P") ? TipoBaixa::Parcial : TipoBaixa::Integral;
}

QString descricao_baixa(TipoBaixa tipo)
{
    return tipo == TipoBaixa::Parcial ? QStringLiteral("Parcial") : QStringLiteral("Integral");
}

RegraBaixa avalia_baixa(TipoBaixa tipo, const Dinheiro& valor, const Dinheiro& aberto)
{
    RegraBaixa r;
    r.tipo = tipo;
    r.valor = valor;
    r.aberto = aberto;
    if (valor <= Dinheiro()) {
        r.recusa = QStringLiteral("O valor da baixa deve ser maior que zero!");
        return r;
    }
    if (tipo == TipoBaixa::Parcial) {
        if (valor >= aberto)
            r.recusa = QStringLiteral("O valor da baixa parcial deve ser menor que o valor atual da parcela!");
        else
            r.restante = aberto - valor;
        return r;
    }
    // an integral write-off settles the instalment whatever the amount
    if (valor < aberto)
        r.desconto = aberto - valor;
    else
        r.acrescimo = valor - aberto;
    return r;
}

QString RegraBaixa::pergunta() const
{
    if (!aceita())
        return {};
    if (desconto > Dinheiro())
        return QStringLiteral("O valor recebido (%1) é menor que o valor atual da parcela (%2). "
                              "Deseja baixar a parcela com um desconto de %3?")
            .arg(valor.moeda(), aberto.moeda(), desconto.moeda());
    if (acrescimo > Dinheiro())
        return QStringLiteral("O valor recebido (%1) é maior que o valor atual da parcela (%2). "
                              "Deseja baixar a parcela com um acréscimo de %3?")
            .arg(valor.moeda(), aberto.moeda(), acrescimo.moeda());
    return {};
}

Baixa baixa_de(const RegraBaixa& regra, qint32 conta, const QDateTime& momento, int formaPagamento, const QString& observacao)
{
    Baixa b;
    b.conta = conta;
    b.momento = momento;
    b.tipo = regra.tipo;
    b.valor = regra.valor;
    b.formaPagamento = formaPagamento;
    b.desconto = regra.desconto;
    b.acrescimo = regra.acrescimo;
    b.observacao = observacao;
    return b;
}

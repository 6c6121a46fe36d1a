#include "valoresnegativos.h"
#include "sessao.h"

namespace {

// A money column (or the columns of a row) that never goes below zero,
// the constraint that keeps it so, and how the shop finds a row of it.
struct Regra {
    const char* tabela;
    const char* negativo;   // the condition of a row below zero
    const char* restricoes; // the constraints, separated by blanks
    const char* oque;       // what the shop calls a row
    const char* onde;       // the row's code and where it belongs, as SQL text
};

const Regra REGRAS[] = {
    {"tecnico", "ncomissao < 0", "ck_tecnico_comissao", "Técnico (comissão)", "ncodigo"},
    {"orcamento", "nvalor < 0", "ck_orcamento_valor", "Orçamento (total)", "ncodigo"},
    {"item_orcamento", "nvalor < 0", "ck_item_orcamento_valor", "Item de orçamento (preço)",
     "ncodigo || ' do orçamento ' || norcamento"},
    {"ordem", "nvalor < 0", "ck_ordem_valor", "Ordem de serviço (total)", "ncodigo"},
    {"item_ordem", "nvalor < 0", "ck_item_ordem_valor", "Item de ordem de serviço (preço)", "ncodigo || ' da ordem ' || nordem"},
    {"conta_receber", "nvalor_parcela < 0", "ck_conta_receber_valor", "Conta a receber (valor da parcela)",
     "ncodigo || ' da ordem ' || nordem"},
    {"baixa_conta_receber", "nvalor_baixa < 0 or ndesconto < 0 or nacrescimo < 0", "ck_baixa_valor ck_baixa_desconto ck_baixa_acrescimo",
     "Baixa de conta a receber (valor, desconto ou acréscimo)", "ncodigo || ' da conta ' || nconta_receber"},
};

// Codes named per table; the rest is counted.
constexpr int MOSTRADOS = 20;

} // namespace

QString mensagem_valor_negativo(const QString& texto)
{
    return QStringLiteral("O valor \"%1\" não é válido: um valor em dinheiro não pode ser negativo.").arg(texto.trimmed());
}

bool erro_valor_negativo(const QString& descricao)
{
    for (const Regra& r : REGRAS)
        for (const QString& nome : QString::fromLatin1(r.restricoes).split(QLatin1Char(' ')))
            if (descricao.contains(nome, Qt::CaseInsensitive))
                return true;
    return false;
}

QString linhas_com_valor_negativo(Conexao& c)
{
    QStringList achadas;
    Recordset rs(c);
    for (const Regra& r : REGRAS) {
        rs.abre(QStringLiteral("select %1 from %2 where %3 order by ncodigo")
                    .arg(QString::fromLatin1(r.onde), QString::fromLatin1(r.tabela), QString::fromLatin1(r.negativo)));
        QStringList codigos;
        int total = 0;
        for (; !rs.eof(); rs.moveNext())
            if (++total <= MOSTRADOS)
                codigos << rs.texto(0);
        rs.fecha();
        if (total == 0)
            continue;
        if (total > MOSTRADOS)
            codigos << QStringLiteral("e mais %1").arg(total - MOSTRADOS);
        achadas << QStringLiteral("%1, tabela %2: %3").arg(QString::fromUtf8(r.oque), QString::fromLatin1(r.tabela), codigos.join(QStringLiteral(", ")));
    }
    if (achadas.isEmpty())
        return QString();
    return QStringLiteral("Este banco de dados tem valores em dinheiro abaixo de zero, gravados antes que o programa os recusasse. "
                          "Eles foram mantidos como estavam; corrija-os, pois um registro com valor negativo não aceita outra "
                          "alteração até que o valor seja corrigido.\n\n")
           + achadas.join(QLatin1Char('\n'));
}

#include "valoresnegativos.h"
#include "sessao.h"

namespace {

// A money column (or the columns of a row) that never goes below zero,
// the constraint that keeps it so, and how the shop finds a row of it.
struct Regra {
    const char* tabela;
    const char* restricoes; // the constraints, separated by blanks
    const char* oque;       // what the shop calls a row
    const char* abaixo;     // the rows below zero in code order: each one's code and where it belongs
};

const Regra REGRAS[] = {
    {"tecnico", "ck_tecnico_comissao", "Técnico (comissão)", "select ncodigo from tecnico where ncomissao < 0 order by ncodigo"},
    {"orcamento", "ck_orcamento_valor", "Orçamento (total)", "select ncodigo from orcamento where nvalor < 0 order by ncodigo"},
    {"item_orcamento", "ck_item_orcamento_valor", "Item de orçamento (preço)",
     "select ncodigo || ' do orçamento ' || norcamento from item_orcamento where nvalor < 0 order by ncodigo"},
    {"ordem", "ck_ordem_valor", "Ordem de serviço (total)", "select ncodigo from ordem where nvalor < 0 order by ncodigo"},
    {"item_ordem", "ck_item_ordem_valor", "Item de ordem de serviço (preço)",
     "select ncodigo || ' da ordem ' || nordem from item_ordem where nvalor < 0 order by ncodigo"},
    {"conta_receber", "ck_conta_receber_valor", "Conta a receber (valor da parcela)",
     "select ncodigo || ' da ordem ' || nordem from conta_receber where nvalor_parcela < 0 order by ncodigo"},
    {"baixa_conta_receber", "ck_baixa_valor ck_baixa_desconto ck_baixa_acrescimo", "Baixa de conta a receber (valor, desconto ou acréscimo)",
     "select ncodigo || ' da conta ' || nconta_receber from baixa_conta_receber "
     "where nvalor_baixa < 0 or ndesconto < 0 or nacrescimo < 0 order by ncodigo"},
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
        rs.abre(QString::fromUtf8(r.abaixo));
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

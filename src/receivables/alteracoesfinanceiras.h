#pragma once
#include "dinheiro.h"
#include "janelalista.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

class Conexao;
class Recordset;

// The kinds of change of money the database records (alteracao_financeira.ntipo).
enum class TipoAlteracao {
    PagamentoGravado = 1,
    PagamentoExcluido = 2,
    PagamentoAlterado = 3,
    VencimentoAlterado = 4,
    ValorAlterado = 5,
    ContaReaberta = 6,
    ParcelaExcluida = 7,
    OrdemConcluida = 8,
    OrdemReaberta = 9,
};

// What the user reads for a kind ("Pagamento excluído"); "" for a code
// this program does not know.
QString descricao_alteracao(TipoAlteracao tipo);

// One recorded change of money, as read: who, from where and when, what
// changed, on which order and instalment, and the amount or the due date
// before and after (none where the change has none).
struct AlteracaoFinanceira {
    qint32 codigo = 0;
    QDateTime momento;
    QString usuario;
    QString estacao;
    TipoAlteracao tipo = TipoAlteracao::PagamentoGravado;
    QString tabela;
    qint32 registro = 0;
    std::optional<qint32> ordem;
    std::optional<qint32> conta;
    std::optional<Dinheiro> valorAntes, valorDepois;
    QDate vencimentoAntes, vencimentoDepois;

    // Before and after as the list shows them: the amount, else the due date, else "".
    QString antes() const;
    QString depois() const;
};

// The changes recorded from the first moment of `de` to the end of `ate`,
// in the order they were made, as a list window reads them a page at a time.
ConsultaLista consulta_alteracoes(const QDate& de, const QDate& ate);
// The change of the record set's current record (a row of that query).
AlteracaoFinanceira le_alteracao(const Recordset& rs);
// Every change of the period, read whole. Throws ErroBanco.
QList<AlteracaoFinanceira> alteracoes_no_periodo(Conexao& c, const QDate& de, const QDate& ate);

#pragma once
// The rules of a service order's life, without a window: when its items may
// change, when its header is locked, what saving it writes, when it goes on
// to a closing and which one, and the prices a budget or an order take. The
// order form asks them; the tests reach them with plain values.
#include "dinheiro.h"

#include <QString>
#include <optional>

inline const QString GARANTIA_SEM_VALOR = QStringLiteral("Essa ordem é de garantia portanto o valor deve ser zero!");
inline const QString ITENS_PAGOS = QStringLiteral("Esta ordem de serviço já tem pagamentos lançados: seus itens não podem ser alterados.");
inline const QString REABRIR_ORDEM = QStringLiteral("Esta ordem já foi fechada. Deseja reabri-la e excluir suas parcelas?");
inline const QString CONCLUIR_ORDEM = QStringLiteral("Deseja realmente concluir esta ordem de serviço?");
inline const QString INFORME_VALOR = QStringLiteral("Informe o valor do serviço!");

// The order as stored now.
struct SituacaoOrdem {
    bool existe = false;
    bool concluida = false;
    int contas = 0;     // its receivables
    int pagamentos = 0; // the write-offs of its receivables
    // A paid order keeps its items, customer and condition as they were paid.
    bool paga() const { return pagamentos > 0; }
};

// What a refused step tells the clerk, or the question whose No stops it.
struct Passo {
    std::optional<QString> recusa;
    std::optional<QString> pergunta;
};

// Changing an item (a new one, a new price, a deletion): refused on a gone
// or paid order; a closed one is reopened first (REABRIR_ORDEM asked), its
// receivables deleted with the item's write, so a concluded order's
// receivables always add up to its total.
struct AlteracaoItem : Passo {
    bool reabre = false;
};
AlteracaoItem alteracao_de_item(const SituacaoOrdem& s);

// What the order form asks of a save.
struct PedidoGravacao {
    bool concluir = false; // "Concluída" ticked
    bool garantia = false; // "Ordem de serviço de garantia" ticked
    Dinheiro total;        // the sum of the stored items
};

// What saving writes:
//  - paid: only the date and the note, and it stays concluded;
//  - otherwise its receivables go and the header is written, concluded when
//    asked and nothing is left to receive. An order with something to
//    receive is concluded by its closing, which writes the header with the
//    receivables: until then a new conclusion is saved not concluded, and a
//    closed order kept concluded is not written at all.
enum class EscritaOrdem { Nada, DataEObservacao, Cabecalho };
struct GravacaoOrdem : Passo {
    EscritaOrdem escrita = EscritaOrdem::Nada;
    bool concluida = false;  // the header's "concluded" (EscritaOrdem::Cabecalho)
    bool fechamento = false; // the closing follows the save
    // The order is concluded once saved (its printout is offered); with a
    // closing, only once the closing was stored.
    bool concluidaAoGravar = false;
};
GravacaoOrdem gravacao_de_ordem(const SituacaoOrdem& s, const PedidoGravacao& p);

// The closing of a concluded order: payment condition 1 is paid in cash,
// any other is closed on credit through its instalment plan.
bool fechamento_a_vista(qint32 condicao);

// "Ordem de serviço de garantia" is ticked only on an order that costs
// nothing yet; the refusal's text, or none.
std::optional<QString> recusa_garantia(Dinheiro total);
// An order's item price: zero on a warranty order, not zero otherwise.
std::optional<QString> recusa_preco_ordem(bool garantia, Dinheiro preco);
// A budget's item price: above zero.
std::optional<QString> recusa_preco_orcamento(Dinheiro preco);

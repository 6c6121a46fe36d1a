#pragma once
// The statements of the equipment entry, the budget and the service order:
// reserving a movement, reading and writing its header and items, leaving
// it, the order a budget makes and how an order stands. Every value is
// bound; each write of several statements is one unit of work. No widget
// here: the forms call these with plain values, and so can a test.
#include "dinheiro.h"
#include "regrasordem.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTime>
#include <optional>

class Conexao;

enum class TipoMovimento { Entrada, Orcamento, Ordem };

// Reserves a new movement under the placeholder customer 1, dated at the
// moment given; its code.
qint32 reserva_movimento(Conexao& c, TipoMovimento tipo, const QDateTime& momento);
// Leaving a new movement: its items and its row, in one unit of work.
void abandona_movimento(Conexao& c, TipoMovimento tipo, qint32 codigo);

// ----- the equipment entry
struct EntradaEquipamento {
    qint32 codigo = 0;
    qint32 cliente = 0;
    QString solicitante;
    QString observacao;
    QDate data;
    QTime hora;
    std::optional<QDate> prometida; // the day promised to the customer
};
std::optional<EntradaEquipamento> le_entrada(Conexao& c, qint32 codigo);
// Writes the customer, who brought the machines, the note and the day
// promised (none: no promise kept) in one unit of work; a Recusa when the
// entry is gone.
void grava_entrada(Conexao& c, const EntradaEquipamento& entrada);
// The customer of an entry (nullopt when there is no such entry).
std::optional<qint32> cliente_da_entrada(Conexao& c, qint32 entrada);

struct ItemEntrada {
    qint32 codigo = 0; // 0: a new item
    QString equipamento;
    QString problema;
    // what the machine came with: all empty, nothing is kept
    QString numeroSerie;
    QString acessorios;
    QString estado;
};
QList<ItemEntrada> le_itens_entrada(Conexao& c, qint32 entrada);
// The item and its serial number, accessories and condition, in one unit of work.
void grava_item_entrada(Conexao& c, qint32 entrada, const ItemEntrada& item);
void exclui_item_entrada(Conexao& c, qint32 item);

// ----- an item of a budget or an order: a customer's machine, a service, a price
struct ItemServico {
    qint32 codigo = 0; // 0: a new item
    qint32 maquina = 0; // the customer's machine
    QString nomeMaquina; // its kind and identification, as read
    QString servico;
    Dinheiro preco;
    qint32 tecnico = 0; // an order's item only
    QString nomeTecnico;
};
// The items in the order they were written.
QList<ItemServico> le_itens_servico(Conexao& c, TipoMovimento tipo, qint32 movimento);
// Writes an item (or deletes item `exclui`) together with the header's
// total, the sum of the stored items, in one unit of work, so the stored
// total always equals the stored items. reabre: the order is reopened in
// the same unit, its receivables deleted.
void grava_item_servico(Conexao& c, TipoMovimento tipo, qint32 movimento, const ItemServico& item, bool reabre = false);
void exclui_item_servico(Conexao& c, TipoMovimento tipo, qint32 movimento, qint32 item, bool reabre = false);

// ----- the budget
struct Orcamento {
    qint32 codigo = 0;
    qint32 cliente = 0;
    QString observacao;
    bool aprovado = false;
    qint32 condicao = 0;
    std::optional<qint32> entrada; // the entry the budget answers
};
std::optional<Orcamento> le_orcamento(Conexao& c, qint32 codigo);
// The refusal of an entry that is not the budget's customer's.
QString texto_entrada_de_outro_cliente(qint32 entrada);
// Writes the header with the items' total and the entry it answers, in one
// unit of work; a Recusa when the budget is gone, or when the entry is
// missing or another customer's.
void grava_orcamento(Conexao& c, const Orcamento& orcamento);
// The order the budget made, or 0.
qint32 ordem_do_orcamento(Conexao& c, qint32 orcamento);
// The text of the refusal to make a second order of a budget.
QString texto_ja_gerou(qint32 ordem);
// Makes the service order of the budget as stored, at that moment, every
// item assigned to the technician, and links them: one unit of work. A
// budget that is gone, or made its order meanwhile (at another station),
// makes none: a Recusa. The new order's code.
qint32 gera_ordem_do_orcamento(Conexao& c, const Orcamento& orcamento, qint32 tecnico, const QDateTime& momento);

// ----- the service order
// An order in service the clerk marked as waiting for parts: since when,
// and the note (which parts, ordered where).
struct AguardandoPecas {
    QDateTime desde;
    QString observacao;
};
struct Ordem {
    qint32 codigo = 0;
    qint32 cliente = 0;
    QDate data;
    QString observacao;
    qint32 condicao = 0;
    bool concluida = false;
    bool garantia = false;
    std::optional<AguardandoPecas> aguardandoPecas; // none on a concluded order
};
std::optional<Ordem> le_ordem(Conexao& c, qint32 codigo);
// How the order stands now: concluded, its receivables and their payments.
SituacaoOrdem le_situacao_ordem(Conexao& c, qint32 codigo);
// A paid order: only its date and note; a Recusa when it is gone.
void grava_data_e_observacao(Conexao& c, const Ordem& ordem);
// Its receivables go, the header is written with the items' total and the
// mark of waiting for parts is set (kept when set already, the note
// replaced) or cleared, in one unit of work; a concluded order is never
// marked. A Recusa when the order is gone.
void grava_ordem(Conexao& c, const Ordem& ordem);

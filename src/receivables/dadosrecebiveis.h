#pragma once
// What the receivables windows read and write: the two lists (open
// instalments, received ones) with their filters, counts and totals; the
// write-offs of an instalment, storing and deleting one; a due date moved;
// a paid instalment reopened. Every value is bound; every write of more
// than one statement is one unit of work.
#include "baixa.h"
#include "janelalista.h"

#include <QDate>
#include <QList>
#include <optional>

class Conexao;
class Recordset;

// Which of the two lists.
enum class Carteira { AReceber, Recebidas };

// The filters of "Mostrar", in the order the user reads them; the overdue
// ones only in the open list.
enum class FiltroContas { Todas = 0, PorPeriodo = 1, PorCliente = 2, PorClienteEPeriodo = 3, Vencidas = 4 };
bool filtra_periodo(FiltroContas filtro);
bool filtra_cliente(FiltroContas filtro);

// The query of a list: the open instalments by due date, the received ones
// by the moment of their payment (a period runs to the end of its last
// day); each then by the instalment's code. `hoje` decides what is overdue.
ConsultaLista consulta_contas(Carteira carteira, FiltroContas filtro, const QDate& de, const QDate& ate, qint32 cliente,
                              const QDate& hoje);

// How many instalments the whole query lists and the sum of what is open
// (open list) or was received (received list). Throws ErroBanco.
struct TotaisContas {
    qint64 quantidade = 0;
    Dinheiro total;
};
TotaisContas totais_contas(Conexao& c, Carteira carteira, const ConsultaLista& consulta);

// A row of the open list: the instalment, its customer, due date, value,
// number ("1/2") and what was paid on it so far.
struct ContaAReceber {
    qint32 codigo = 0;
    QString cliente;
    QDate vencimento;
    Dinheiro valor;
    QString parcela;
    Dinheiro pago;

    Dinheiro aberto() const { return valor - pago; }
    // Due before today and still open.
    bool vencida(const QDate& hoje) const { return vencimento < hoje; }
};
ContaAReceber le_conta_a_receber(const Recordset& rs);

// A row of the received list: the instalment, its customer, due date,
// value, number, what was received, the day it was settled and the order
// or entry it came from.
struct ContaRecebida {
    qint32 codigo = 0;
    qint32 codigoCliente = 0;
    QString cliente;
    QDate vencimento;
    Dinheiro valor;
    QString parcela;
    Dinheiro recebido;
    QDate liquidacao;
    QString entrada;
};
ContaRecebida le_conta_recebida(const Recordset& rs);

// What became of a write-off sent to be stored.
struct GravacaoBaixa {
    enum Situacao {
        Gravada,     // stored: its code in `baixa`
        ValorMudou,  // another station paid on the instalment meanwhile: nothing stored, the open value now in `aberto`
        ContaFechada // the instalment is no longer open: nothing stored
    };
    Situacao situacao = Gravada;
    qint32 baixa = 0;
    Dinheiro aberto;
};
// Stores the write-off in one unit of work: the instalment locked and its
// open value read again; when that is still `abertoVisto`, an integral one
// marks it paid and the write-off is inserted. Throws ErroBanco (nothing
// stored).
GravacaoBaixa grava_baixa(Conexao& c, const Baixa& baixa, const Dinheiro& abertoVisto);
// The open value of an instalment, the instalment locked (inside a unit of
// work); none when it is no longer open.
std::optional<Dinheiro> le_valor_aberto(Conexao& c, qint32 conta);

// The write-offs of an instalment, in the order the database gives them.
// Throws ErroBanco.
QList<Baixa> baixas_da_conta(Conexao& c, qint32 conta);
void exclui_baixa(Conexao& c, qint32 baixa);
// Moves the due date of an instalment.
void altera_vencimento(Conexao& c, qint32 conta, const QDate& vencimento);
// A paid instalment open again: its integral write-offs go, its partial
// ones stay; one unit of work. Throws ErroBanco.
void reabre_conta(Conexao& c, qint32 conta);

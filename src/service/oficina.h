#pragma once
// The shop's jobs and their stages, read from their documents (the view
// trabalho_oficina), and the delivery of a concluded order: no widget here,
// so the window "Oficina", the delivery dialog and the tests share it.
#include "dinheiro.h"
#include "janelalista.h"

#include <QDate>
#include <QDateTime>
#include <QMap>
#include <QString>
#include <optional>

class Conexao;
class Recordset;

// A job's stage, as the view numbers it.
enum class Etapa {
    AguardandoOrcamento = 1,
    AguardandoAprovacao = 2,
    EmServico = 3,
    AguardandoPecas = 4,
    ProntoParaRetirada = 5,
    Entregue = 6,
};
inline constexpr Etapa TODAS_AS_ETAPAS[] = {Etapa::AguardandoOrcamento, Etapa::AguardandoAprovacao, Etapa::EmServico,
                                             Etapa::AguardandoPecas, Etapa::ProntoParaRetirada, Etapa::Entregue};
QString nome_etapa(Etapa etapa);

// The document a job stands on.
enum class Documento { Entrada = 1, Orcamento = 2, Ordem = 3 };

// The shop's limits per stage, in days, and its warranty.
struct AjustesOficina {
    int diasAprovacao = 5;  // a budget waiting for approval
    int diasRetirada = 30;  // a machine ready, not collected
    int diasAbandono = 90;  // ... and then taken as abandoned
    int diasGarantia = 90;  // from the delivery
};
AjustesOficina le_ajustes_oficina(Conexao& c);
// Why the limits cannot be stored (a day count below zero, abandoned before
// the pick-up limit), or none.
std::optional<QString> recusa_ajustes_oficina(const AjustesOficina& ajustes);
// Stores the limits in the shop's one row of settings, as one statement; a
// Recusa when recusa_ajustes_oficina refuses them.
void grava_ajustes_oficina(Conexao& c, const AjustesOficina& ajustes);

// How a job stands against its stage's limit.
enum class Prazo { EmDia, Atrasado, Abandonado };

// One job as read.
struct TrabalhoOficina {
    qint64 chave = 0;
    Documento documento = Documento::Entrada;
    qint32 codigo = 0;
    Etapa etapa = Etapa::AguardandoOrcamento;
    QDate desde;
    qint32 codigoCliente = 0;
    QString cliente, fone, maquina;
    std::optional<qint32> codigoTecnico;
    QString tecnico;
    std::optional<Dinheiro> valor;

    // From the current record of a query on trabalho_oficina.
    static TrabalhoOficina de(const Recordset& rs);
    int dias(const QDate& hoje) const { return int(desde.daysTo(hoje)); }
    Prazo prazo(const QDate& hoje, const AjustesOficina& ajustes) const;
};
// The mark a job past its limit carries ("" in time): for the eye and for
// a screen reader.
QString aviso_prazo(Prazo prazo);

// What the list shows: the jobs not delivered (delivered too on request),
// of one stage, technician or customer when given.
struct FiltroOficina {
    std::optional<Etapa> etapa;
    std::optional<qint32> tecnico;
    std::optional<qint32> cliente;
    QString nomeCliente; // any part of the customer's name
    bool entregues = false;
};
// The list's query, its values bound, oldest first in each stage.
ConsultaLista consulta_oficina(const FiltroOficina& filtro);
// How many jobs of each stage the filter finds (its own stage aside).
QMap<Etapa, int> conta_etapas(Conexao& c, FiltroOficina filtro);
// The job a list key names, as stored now (nullopt when it is gone).
std::optional<TrabalhoOficina> le_trabalho(Conexao& c, qint64 chave);

// A delivery of a concluded order.
struct Entrega {
    qint32 ordem = 0;
    QDateTime momento;
    QString retiradoPor;
    QString documento;
    QString observacao;
};
// Why order `ordem` cannot be delivered now (gone, not concluded, delivered
// already), in the clerk's words, or none.
std::optional<QString> recusa_entrega(Conexao& c, qint32 ordem);
// Records the delivery, once the order is locked: concluded and not
// delivered yet, or a Recusa with the reason. Gives its code.
qint32 entrega_ordem(Conexao& c, const Entrega& entrega);
// The order's delivery in force, if any.
std::optional<Entrega> entrega_da_ordem(Conexao& c, qint32 ordem);
// Undoes the order's delivery, recording when and why (and the database
// user); a Recusa when it has none.
void desfaz_entrega(Conexao& c, qint32 ordem, const QDateTime& momento, const QString& motivo);

// Marks an order in service as waiting for parts, with a note, or clears
// the mark. An order marked already keeps the moment it was first marked
// (its days in the stage) and takes the new note.
void marca_aguardando_pecas(Conexao& c, qint32 ordem, const QDateTime& momento, const QString& observacao);
void desmarca_aguardando_pecas(Conexao& c, qint32 ordem);

// Names the entry a budget answers, or none.
void liga_orcamento_entrada(Conexao& c, qint32 orcamento, std::optional<qint32> entrada);

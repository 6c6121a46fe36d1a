#pragma once
// The figures the main window shows each morning, read from the documents
// themselves (nothing kept apart that could drift from them): the jobs per
// stage, the instalments due today and overdue, the money received this
// month and the last, the last twelve months received and billed, and each
// technician's services and commission this month. No widget here.
#include "dinheiro.h"
#include "oficina.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>

class Conexao;

// Open instalments: how many, and what is still to be received of them.
struct Vencimentos {
    int quantidade = 0;
    Dinheiro aberto;
};

// One month of the chart: what was received (write-offs of that month) and
// what was billed (orders of that month concluded).
struct MesLoja {
    QDate inicio; // its first day
    Dinheiro recebido;
    Dinheiro faturado;
};

struct TecnicoNoMes {
    qint32 codigo = 0;
    QString nome;
    int servicos = 0;
    Dinheiro valor;
    Dinheiro comissao;
};

struct ResumoLoja {
    QDate hoje;
    QMap<Etapa, int> etapas; // the stages of the jobs not delivered
    Vencimentos vencemHoje;
    Vencimentos vencidas;    // due before today
    Dinheiro recebidoMes;
    Dinheiro recebidoMesAnterior;
    QList<MesLoja> meses;    // the last twelve, this month last
    QList<TecnicoNoMes> tecnicos; // the services of this month's concluded orders, by name
};

ResumoLoja le_resumo_loja(Conexao& c, const QDate& hoje);

// "dez/26": a month as the chart names it.
QString nome_mes_curto(const QDate& inicio);

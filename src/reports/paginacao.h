#pragma once
#include "dinheiro.h"
#include "pintorrelatorio.h"

#include <QHash>
#include <QVector>

class DadosRelatorio;
class QPainter;

// The layout of a report, computed once: the bands in reading order with
// their heights (a light index, a few bytes a row), the totals of every
// group, and where each page begins and ends. Pages are painted from it on
// demand, so a long report needs no memory per painted page.
class Paginacao {
public:
    Paginacao(const Definicao& def, const DadosRelatorio& dados, const QHash<QString, QString>& formulas,
              const PintorRelatorio& pintor);

    int paginas() const { return int(m_paginas.size()); }
    // Paints page n (0-based) with the painter in layout units.
    void pinta(QPainter& p, int n) const;

    // The totals of the whole report (tests and the bench read them).
    Dinheiro totalRelatorio(const QString& coluna) const;
    qint64 detalhesImpressos() const { return m_ocorrencias.isEmpty() ? 0 : m_ocorrencias[0].contagem; }

private:
    enum Tipo : quint8 { CabRelatorio, CabGrupo, CabColunas, Detalhe, RodGrupo, Resumo };
    struct Item {
        Tipo tipo;
        quint8 nivel;   // group level
        int linha;      // data row it reads
        int ocorrencia; // the group (or report, 0) whose totals it shows
        float altura;
    };
    struct Ocorrencia {
        int somas;  // first slot in m_somas
        qint64 contagem = 0;
    };
    struct Pagina {
        int inicio, fim; // items [inicio, fim)
        int linhaRef;    // the row the page header reads
        bool colunas;    // column titles repeated at the top
        float alturaRodape;
    };

    void montaItens();
    void montaPaginas();
    ContextoTexto contexto(int linha, int ocorrencia, int pagina) const;
    // Measures (painter nullptr) or paints one item; returns its height.
    double pintaItem(QPainter* p, const Item& it, double y, int pagina, double maximo) const;
    int novaOcorrencia();

    const Definicao& m_def;
    const DadosRelatorio& m_dados;
    const QHash<QString, QString>& m_formulas;
    const PintorRelatorio& m_pintor;

    QVector<int> m_slotDaColuna; // column -> slot of its total, or -1
    int m_slots = 0;
    QVector<Dinheiro> m_somas;
    QVector<Ocorrencia> m_ocorrencias;
    QVector<Item> m_itens;
    QVector<Pagina> m_paginas;
};

#pragma once
#include "dinheiro.h"
#include "pintorrelatorio.h"

#include <QHash>
#include <QVector>

class DadosRelatorio;
class QPainter;

// The layout of a report: the bands in reading order with their heights (a
// light index, a few bytes a row), the totals of every group, and where
// each page begins and ends. Pages are painted from it on demand, so a long
// report needs no memory per painted page. It is built in steps as the rows
// arrive, in reading order: a page is final once the next one has begun,
// and the layout comes out the same whatever the steps were.
class Paginacao {
public:
    Paginacao(const Definicao& def, const DadosRelatorio& dados, const QHash<QString, QString>& formulas,
              const PintorRelatorio& pintor);

    // Lays out the rows read since the last step; with fim, no row will
    // come any more and the layout is completed.
    void avanca(bool fim);
    bool completa() const { return m_completa; }
    // The pages laid out so far; all of them once completa(), otherwise
    // every page but the one still being filled.
    int paginas() const { return qMax(0, int(m_paginas.size()) - (m_completa ? 0 : 1)); }
    // Paints page n (0-based) with the painter in layout units; before the
    // layout is complete the page count prints as "…".
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

    void emiteLinhas(bool fim);
    void mede();
    void montaPaginas(bool fim);
    void abrePagina(int inicio);
    ContextoTexto contexto(int linha, int ocorrencia, int pagina, int paginas) const;
    // Measures (painter nullptr) or paints one item; returns its height.
    double pintaItem(QPainter* p, const Item& it, double y, int pagina, double maximo) const;
    int novaOcorrencia();
    // The page count a page prints: -1 ("…") until the layout is complete.
    int paginasImpressas() const { return m_completa ? int(m_paginas.size()) : -1; }

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

    // Where the steps stand.
    bool m_estavel = true;    // heights never depend on totals still being summed
    bool m_emitidos = false;  // every item emitted
    bool m_completa = false;
    int m_proximaLinha = 0;   // the next data row to emit
    QVector<int> m_abertas;   // the open group occurrences
    QVector<int> m_somadas;   // the columns that are summed
    int m_medidos = 0;        // items measured
    double m_maximo = -1;     // the tallest a band may be: a page body
    int m_proximoItem = 0;    // the next item to place on a page
    double m_y = 0, m_limite = 0;
    bool m_conteudo = false;  // the current page has more than headers
    int m_ref = -1;           // the row the current page's header reads
};

#pragma once
#include "definicaorelatorio.h"
#include "dinheiro.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QSizeF>

class DadosRelatorio;
class QPainter;

// What a text or condition is read against: the row, the formula fields,
// the page and the totals of the group or report it belongs to.
struct ContextoTexto {
    const DadosRelatorio* dados = nullptr;
    int linha = -1; // -1: no row (an empty report)
    const QHash<QString, QString>* formulas = nullptr;
    int pagina = 0;
    int paginas = 0; // -1: not known yet, printed as "…"
    const Dinheiro* somas = nullptr;       // the totals, by slot
    const QVector<int>* slotDaColuna = nullptr;
    qint64 contagem = 0;
};

QString expande(const ModeloTexto& m, const ContextoTexto& c);
bool verdadeira(const Definicao::Condicao& c, const ContextoTexto& ctx);

// Measures and paints the lines of a definition. Everything is in layout
// units: 1/1200 inch, so that a PDF at 1200 dpi is painted one to one and
// a screen or printer scales the painter.
class PintorRelatorio {
public:
    static constexpr double UNIDADES_POR_POLEGADA = 1200.0;
    static double mm(double milimetros) { return milimetros * UNIDADES_POR_POLEGADA / 25.4; }

    explicit PintorRelatorio(const Definicao& def);

    QSizeF pagina() const { return m_pagina; }
    double esquerda() const { return m_esquerda; }
    double topo() const { return m_topo; }
    double base() const { return m_pagina.height() - m_baixo; } // lowest y of the body
    double largura() const { return m_largura; }

    // Measures a band (painter nullptr) or paints it at y; returns its height.
    double banda(QPainter* p, const Definicao::Banda& b, const ContextoTexto& c, double y) const;
    double linha(QPainter* p, const Definicao::Linha& l, const ContextoTexto& c, double y, double maximo = 0) const;
    // The column titles, and one detail row (zebra: a shaded background).
    double cabecalhoColunas(QPainter* p, double y) const;
    double detalhe(QPainter* p, const ContextoTexto& c, double y, bool zebra, double maximo = 0) const;
    bool temColunas() const { return !m_colunas.celulas.isEmpty(); }

private:
    // A cell as it will print: its text (cut to fit when it does not wrap),
    // where it stands and the font it ends up with.
    struct Medida {
        QString texto;
        double x, w;
        Definicao::Fonte fonte;
    };
    // Fits the cell's text to its width; gives the text's height.
    double ajusta(const Definicao::Celula& cel, Medida& m) const;
    const QFont& fonte(const Definicao::Fonte& f) const;
    const QFontMetricsF& metrica(const Definicao::Fonte& f) const;

    const Definicao& m_def;
    QSizeF m_pagina;
    double m_esquerda, m_topo, m_baixo, m_largura;
    Definicao::Linha m_titulos; // the column header line
    Definicao::Linha m_colunas; // the detail line
    double m_alturaFixa = -1;   // detail height when no column wraps
    mutable QHash<int, QFont> m_fontes;
    mutable QHash<int, QFontMetricsF> m_metricas;
    mutable QHash<QString, double> m_alturas; // wrapped texts already measured
};

#pragma once
#include "definicaorelatorio.h"
#include "dinheiro.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QSizeF>
#include <QTextLayout>
#include <memory>

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
    // A text laid out in a font as the painter lays it out: on one line, or
    // wrapped at the words in a width. Laying out shapes the text, the
    // costly part of painting it, and a long report prints the same dates,
    // names, machines and services over and over: a laid-out text is kept
    // and painted again as it is.
    struct Arranjo {
        QTextLayout layout;
        double largura = 0; // the widest line
        double altura = 0;  // the lines stacked as the painter stacks them
    };
    using ArranjoPtr = std::shared_ptr<const Arranjo>;
    struct ChaveArranjo {
        int fonte;
        int largura; // 1/100 unit; -1: one line
        QString texto;
        bool operator==(const ChaveArranjo&) const = default;
    };
    friend size_t qHash(const ChaveArranjo& c, size_t semente) { return qHashMulti(semente, c.fonte, c.largura, c.texto); }

    // A cell as it will print: its text (cut to fit when it does not wrap),
    // where it stands, the font it ends up with and its text laid out.
    struct Medida {
        QString texto;
        double x, w;
        Definicao::Fonte fonte;
        ArranjoPtr arranjo;
    };
    // Fits the cell's text to its width; gives the text's height.
    double ajusta(const Definicao::Celula& cel, Medida& m) const;
    const QFont& fonte(const Definicao::Fonte& f) const;
    const QFontMetricsF& metrica(const Definicao::Fonte& f) const;
    // The text laid out on one line (largura < 0) or wrapped in largura.
    ArranjoPtr arranjo(const Definicao::Fonte& f, const QString& texto, double largura) const;
    // Paints a wrapped text in its area as the painter's own wrapping would.
    static void pintaQuebrado(QPainter& p, const Arranjo& a, const QRectF& area, Definicao::Alinhamento alinhamento);

    const Definicao& m_def;
    QSizeF m_pagina;
    double m_esquerda, m_topo, m_baixo, m_largura;
    Definicao::Linha m_titulos; // the column header line
    Definicao::Linha m_colunas; // the detail line
    double m_alturaFixa = -1;   // detail height when no column wraps
    mutable QHash<int, QFont> m_fontes;
    mutable QHash<int, QFontMetricsF> m_metricas;
    // laid-out texts in two generations: when the newer fills up, the older
    // is dropped and the newer takes its place; a text found in the older
    // moves to the newer, so what a report keeps printing stays
    mutable QHash<ChaveArranjo, ArranjoPtr> m_arranjos, m_arranjosAntigos;
};

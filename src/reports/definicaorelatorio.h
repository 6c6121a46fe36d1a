#pragma once
#include "modelotexto.h"

#include <QHash>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <QStringList>

// A report definition as read from its file (relatorio/NNN.rpt, JSON; the
// format is described in relatorio/README.md). It says which rows to read
// and how to lay them out; it holds no data and no credentials.
struct Definicao {
    enum class Alinhamento { Esquerda, Centro, Direita };

    struct Fonte {
        double tamanho = 9; // points
        bool negrito = false;
        bool italico = false;
    };

    // "campo", "!campo", "@Formula" or "!@Formula": whether a line, a cell
    // or a detail row prints.
    struct Condicao {
        QString nome; // lower case; empty: always
        bool formula = false;
        bool negada = false;
        int indice = -1; // column, once linked
    };

    struct Celula {
        ModeloTexto texto;
        double largura = 1; // share of the line's width
        Alinhamento alinhamento = Alinhamento::Esquerda;
        Fonte fonte;
        bool quebra = false;  // wraps; otherwise one line, cut with "…"
        QString borda;        // "", "cima", "baixo", "caixa"
        QString fundo;        // colour name, or empty
        Condicao se;
    };

    struct Linha {
        QList<Celula> celulas;
        Condicao se;
        double espaco = 0;  // a blank of so many millimetres (no cells)
        bool regua = false; // a horizontal rule across the page
        bool somePorVazia = true; // a line whose cells all come out empty takes no room
    };

    using Banda = QList<Linha>;

    struct Grupo {
        QString campo; // lower case
        int indice = -1;
        bool novaPagina = false;
        Banda cabecalho;
        Banda rodape;
    };

    QString arquivo; // the file it came from, for messages
    QString titulo;
    QString consulta;                  // select over tables and views of the database
    QString tabela;                    // the table or view the selection formula names
    QHash<QString, QString> sinonimos; // "tabela.coluna" (lower case) -> column of the query
    QStringList ordem;                 // "coluna" or "coluna desc", after the groups
    QStringList formulas;              // the text formula fields it expects (lower case)

    QPageSize::PageSizeId papel = QPageSize::A4;
    QPageLayout::Orientation orientacao = QPageLayout::Portrait;
    QMarginsF margens{12, 12, 12, 12}; // millimetres: left, top, right, bottom
    QString familia = QStringLiteral("DejaVu Sans");
    Fonte fonte;

    Banda cabecalhoPagina;
    Banda cabecalhoRelatorio;
    QList<Grupo> grupos;
    Linha colunas;       // detail cells; their titles form the column headers
    QStringList titulos; // one per column
    Condicao detalheSe;
    bool zebrado = false;
    Banda resumo;
    Banda rodapePagina;

    // Reads and checks a definition. Throws ErroRelatorio naming the file.
    static Definicao carrega(const QString& caminho);
    // The same from the file's content (tests).
    static Definicao le(const QByteArray& json, const QString& arquivo);

};

// Every place where texts and conditions name columns, to link them.
// D is Definicao or const Definicao. f(parte, nivel): nivel -2 for the page
// bands, -1 for the report's header and summary, 0.. for a group, 99 for
// the detail.
template <class D, class F> void para_cada_parte(D& def, F&& f)
{
    auto banda = [&](auto& b, int nivel) {
        for (auto& l : b)
            for (auto& c : l.celulas)
                for (auto& p : c.texto.partes())
                    f(p, nivel);
    };
    banda(def.cabecalhoPagina, -2);
    banda(def.rodapePagina, -2);
    banda(def.cabecalhoRelatorio, -1);
    banda(def.resumo, -1);
    for (int g = 0; g < def.grupos.size(); ++g) {
        banda(def.grupos[g].cabecalho, g);
        banda(def.grupos[g].rodape, g);
    }
    for (auto& c : def.colunas.celulas)
        for (auto& p : c.texto.partes())
            f(p, 99);
}

template <class D, class F> void para_cada_condicao(D& def, F&& f)
{
    auto banda = [&](auto& b) {
        for (auto& l : b) {
            f(l.se);
            for (auto& c : l.celulas)
                f(c.se);
        }
    };
    banda(def.cabecalhoPagina);
    banda(def.rodapePagina);
    banda(def.cabecalhoRelatorio);
    banda(def.resumo);
    for (auto& g : def.grupos) {
        banda(g.cabecalho);
        banda(g.rodape);
    }
    for (auto& c : def.colunas.celulas)
        f(c.se);
    f(def.detalheSe);
}

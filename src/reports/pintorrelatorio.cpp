#include "pintorrelatorio.h"
#include "dadosrelatorio.h"
#include "relogio.h"

#include <QDate>
#include <QPageLayout>
#include <QPainter>
#include <QPen>
#include <QtMath>

namespace {

// Inner margins of a cell, and the weight of lines.
const double FOLGA_H = PintorRelatorio::mm(1.0);
const double FOLGA_V = PintorRelatorio::mm(0.5);
const double TRACO = PintorRelatorio::mm(0.2);
const QColor COR_TITULOS(0xe4, 0xe8, 0xee);
const QColor COR_ZEBRA(0xf3, 0xf5, 0xf7);
// laid-out texts kept per generation (two generations are kept)
const int ARRANJOS_POR_GERACAO = 3000;

int chave_fonte(const Definicao::Fonte& f)
{
    return qRound(f.tamanho * 10) * 4 + (f.negrito ? 1 : 0) + (f.italico ? 2 : 0);
}

QString total(const ModeloTexto::Parte& p, const ContextoTexto& c)
{
    if (p.tipo == ModeloTexto::Parte::Contagem)
        return QString::number(c.contagem);
    if (!c.somas || !c.slotDaColuna || p.indice < 0)
        return QString();
    const Dinheiro s = c.somas[c.slotDaColuna->at(p.indice)];
    if (p.formato == QLatin1String("moeda")) return s.moeda();
    if (p.formato == QLatin1String("inteiro")) return QString::number(s.centavos() / 100);
    return s.numero();
}

} // namespace

namespace {

QString valorDe(const ModeloTexto::Parte& p, const ContextoTexto& c)
{
    switch (p.tipo) {
    case ModeloTexto::Parte::Literal: return p.nome;
    case ModeloTexto::Parte::Campo:
        if (c.dados && c.linha >= 0 && p.indice >= 0)
            return formata_valor(c.dados->valor(c.linha, p.indice), p.formato);
        return QString();
    case ModeloTexto::Parte::Formula: return c.formulas ? c.formulas->value(p.nome) : QString();
    case ModeloTexto::Parte::Pagina: return QString::number(c.pagina);
    case ModeloTexto::Parte::Paginas: return c.paginas < 0 ? QStringLiteral("…") : QString::number(c.paginas);
    case ModeloTexto::Parte::Hoje: return Relogio::hoje().toString(QStringLiteral("dd/MM/yyyy"));
    case ModeloTexto::Parte::Soma:
    case ModeloTexto::Parte::Contagem: return total(p, c);
    }
    return QString();
}

} // namespace

QString expande(const ModeloTexto& m, const ContextoTexto& c)
{
    QString r, trecho;
    int atual = 0;
    bool falta = false;
    auto fecha = [&] {
        if (!falta)
            r += trecho;
        trecho.clear();
        falta = false;
    };
    for (const ModeloTexto::Parte& p : m.partes()) {
        if (p.trecho != atual) {
            fecha();
            atual = p.trecho;
        }
        const QString v = valorDe(p, c);
        if (!atual) {
            r += v;
            continue;
        }
        // an optional stretch drops out when a value in it is empty
        if (p.tipo != ModeloTexto::Parte::Literal && v.trimmed().isEmpty())
            falta = true;
        trecho += v;
    }
    fecha();
    return r;
}

bool verdadeira(const Definicao::Condicao& cond, const ContextoTexto& c)
{
    if (cond.nome.isEmpty())
        return true;
    bool v = false;
    if (cond.formula)
        v = c.formulas && !c.formulas->value(cond.nome).trimmed().isEmpty();
    else if (c.dados && c.linha >= 0 && cond.indice >= 0)
        v = valor_verdadeiro(c.dados->valor(c.linha, cond.indice));
    return cond.negada ? !v : v;
}

PintorRelatorio::PintorRelatorio(const Definicao& def) : m_def(def)
{
    QSizeF mmPagina = QPageSize(def.papel).size(QPageSize::Millimeter);
    if (def.orientacao == QPageLayout::Landscape)
        mmPagina.transpose();
    m_pagina = QSizeF(mm(mmPagina.width()), mm(mmPagina.height()));
    m_esquerda = mm(def.margens.left());
    m_topo = mm(def.margens.top());
    m_baixo = mm(def.margens.bottom());
    m_largura = m_pagina.width() - m_esquerda - mm(def.margens.right());

    m_colunas = def.colunas;
    m_colunas.somePorVazia = false; // a detail row keeps its place even when blank
    for (int i = 0; i < def.colunas.celulas.size(); ++i) {
        Definicao::Celula t;
        t.texto.partes().append({ModeloTexto::Parte::Literal, def.titulos.value(i), {}, -1});
        t.largura = def.colunas.celulas[i].largura;
        t.alinhamento = def.colunas.celulas[i].alinhamento;
        t.fonte = def.colunas.celulas[i].fonte;
        t.fonte.negrito = true;
        t.quebra = true;
        t.borda = QStringLiteral("baixo");
        m_titulos.celulas.append(t);
    }
    const bool quebra = std::any_of(m_colunas.celulas.begin(), m_colunas.celulas.end(),
                                    [](const Definicao::Celula& c) { return c.quebra; });
    if (!quebra)
        m_alturaFixa = linha(nullptr, m_colunas, ContextoTexto{}, 0);
}

const QFont& PintorRelatorio::fonte(const Definicao::Fonte& f) const
{
    const int k = chave_fonte(f);
    auto it = m_fontes.find(k);
    if (it == m_fontes.end()) {
        QFont q(m_def.familia);
        q.setPixelSize(qRound(f.tamanho * UNIDADES_POR_POLEGADA / 72.0));
        q.setBold(f.negrito);
        q.setItalic(f.italico);
        // no hinting: the same widths on screen, on paper and in the PDF
        q.setHintingPreference(QFont::PreferNoHinting);
        it = m_fontes.insert(k, q);
    }
    return it.value();
}

const QFontMetricsF& PintorRelatorio::metrica(const Definicao::Fonte& f) const
{
    const int k = chave_fonte(f);
    auto it = m_metricas.find(k);
    if (it == m_metricas.end())
        it = m_metricas.insert(k, QFontMetricsF(fonte(f)));
    return it.value();
}

double PintorRelatorio::banda(QPainter* p, const Definicao::Banda& b, const ContextoTexto& c, double y) const
{
    double h = 0;
    for (const Definicao::Linha& l : b)
        h += linha(p, l, c, y + h);
    return h;
}

double PintorRelatorio::linha(QPainter* p, const Definicao::Linha& l, const ContextoTexto& c, double y, double maximo) const
{
    if (!verdadeira(l.se, c))
        return 0;
    if (l.celulas.isEmpty()) {
        const double h = l.regua ? qMax(mm(l.espaco), mm(2.0)) : mm(l.espaco);
        if (p && l.regua) {
            p->setPen(QPen(Qt::black, TRACO));
            p->drawLine(QPointF(m_esquerda, y + h / 2), QPointF(m_esquerda + m_largura, y + h / 2));
        }
        return h;
    }
    double pesos = 0;
    for (const Definicao::Celula& cel : l.celulas)
        pesos += cel.largura;
    if (pesos <= 0)
        pesos = 1;

    // measure every cell first: the line is as tall as its tallest cell
    QVarLengthArray<Medida, 12> medidas;
    double altura = 0, natural = 0, x = m_esquerda;
    // measuring a detail row needs only its wrapping cells: the others are one line
    const bool soAltura = !p && !l.somePorVazia;
    for (const Definicao::Celula& cel : l.celulas) {
        const double w = m_largura * cel.largura / pesos;
        Medida m{QString(), x, w, cel.fonte, nullptr};
        x += w;
        double h = metrica(cel.fonte).height();
        if (!soAltura || cel.quebra) {
            m.texto = verdadeira(cel.se, c) ? expande(cel.texto, c) : QString();
            h = ajusta(cel, m);
        }
        natural = qMax(natural, h + 2 * FOLGA_V);
        medidas.append(m);
    }
    if (l.somePorVazia && std::all_of(l.celulas.begin(), l.celulas.end(), [](const Definicao::Celula& cel) {
            return cel.borda.isEmpty() && cel.fundo.isEmpty();
        }) && std::all_of(medidas.begin(), medidas.end(), [](const Medida& m) { return m.texto.trimmed().isEmpty(); }))
        return 0;
    altura = maximo > 0 ? qMin(natural, maximo) : natural;
    if (!p)
        return altura;

    p->setPen(QPen(Qt::black, TRACO)); // the lines and the text
    for (int i = 0; i < l.celulas.size(); ++i) {
        const Definicao::Celula& cel = l.celulas[i];
        const Medida& m = medidas[i];
        const QRectF caixa(m.x, y, m.w, altura);
        if (!cel.fundo.isEmpty())
            p->fillRect(caixa, QColor(cel.fundo));
        if (cel.borda == QLatin1String("caixa")) p->drawRect(caixa);
        else if (cel.borda == QLatin1String("cima")) p->drawLine(caixa.topLeft(), caixa.topRight());
        else if (cel.borda == QLatin1String("baixo")) p->drawLine(caixa.bottomLeft(), caixa.bottomRight());
        if (m.texto.isEmpty())
            continue;
        const QRectF area = caixa.adjusted(FOLGA_H, FOLGA_V, -FOLGA_H, 0);
        if (!cel.quebra) {
            // one line that fits by construction: placed by hand on the baseline
            const Arranjo& a = *m.arranjo;
            double xt = area.left();
            if (cel.alinhamento == Definicao::Alinhamento::Direita) xt = area.right() - a.largura;
            else if (cel.alinhamento == Definicao::Alinhamento::Centro) xt = area.left() + (area.width() - a.largura) / 2;
            const QTextLine linha = a.layout.lineAt(0);
            linha.draw(p, QPointF(xt, area.top() + metrica(m.fonte).ascent() - linha.ascent()));
            continue;
        }
        // a band taller than a page is cut at its foot (the layout keeps
        // heights as floats: a hair's difference is no cut)
        const bool cortada = natural > altura + 0.01;
        if (cortada) {
            p->save();
            p->setClipRect(caixa);
        }
        pintaQuebrado(*p, *m.arranjo, area, cel.alinhamento);
        if (cortada)
            p->restore();
    }
    return altura;
}

PintorRelatorio::ArranjoPtr PintorRelatorio::arranjo(const Definicao::Fonte& f, const QString& texto, double largura) const
{
    const ChaveArranjo chave{chave_fonte(f), largura < 0 ? -1 : qRound(largura * 100), texto};
    if (auto it = m_arranjos.constFind(chave); it != m_arranjos.constEnd())
        return it.value();
    ArranjoPtr a = m_arranjosAntigos.value(chave);
    if (!a) {
        auto novo = std::make_shared<Arranjo>();
        QTextLayout& t = novo->layout;
        t.setFont(fonte(f));
        t.setCacheEnabled(true); // keep the shaped glyphs for painting
        QTextOption opcao;
        opcao.setTextDirection(Qt::LeftToRight);
        if (largura < 0) {
            // as QPainter::drawText at a point: one line, trailing blanks counted
            opcao.setWrapMode(QTextOption::NoWrap);
            opcao.setFlags(QTextOption::IncludeTrailingSpaces);
            t.setTextOption(opcao);
            t.setText(texto);
            t.beginLayout();
            QTextLine l = t.createLine();
            if (l.isValid()) {
                l.setLineWidth(0x01000000);
                l.setPosition(QPointF(0, 0));
                novo->largura = l.naturalTextWidth();
                novo->altura = l.ascent() + l.descent();
            }
        } else {
            // as QPainter::drawText in a rectangle with word wrap: line
            // breaks and tabs as it reads them, lines stacked with the
            // font's leading, each on a whole unit
            QString quebrado = texto;
            for (QChar& c : quebrado) {
                if (c == QLatin1Char('\r') || c == QLatin1Char('\t')) c = QLatin1Char(' ');
                else if (c == QLatin1Char('\n')) c = QChar::LineSeparator;
            }
            opcao.setWrapMode(QTextOption::WordWrap);
            t.setTextOption(opcao);
            t.setText(quebrado);
            t.beginLayout();
            const double entrelinha = metrica(f).leading();
            double h = -entrelinha;
            for (QTextLine l = t.createLine(); l.isValid(); l = t.createLine()) {
                l.setLineWidth(qMax(0.0, largura));
                h = qCeil(h + entrelinha);
                l.setPosition(QPointF(0, h));
                h += l.ascent() + l.descent();
                novo->largura = qMax(novo->largura, l.naturalTextWidth());
            }
            novo->altura = h;
        }
        t.endLayout();
        a = std::move(novo);
    }
    if (m_arranjos.size() >= ARRANJOS_POR_GERACAO) {
        m_arranjosAntigos.swap(m_arranjos);
        m_arranjos.clear();
    }
    m_arranjos.insert(chave, a);
    return a;
}

void PintorRelatorio::pintaQuebrado(QPainter& p, const Arranjo& a, const QRectF& area, Definicao::Alinhamento alinhamento)
{
    auto recuo = [&](double largura) {
        if (alinhamento == Definicao::Alinhamento::Direita) return area.width() - largura;
        if (alinhamento == Definicao::Alinhamento::Centro) return (area.width() - largura) / 2;
        return 0.0;
    };
    // a word wider than the column, or lines below the area, are cut at its edges
    const bool recorta = !area.contains(QRectF(area.x() + recuo(a.largura), area.y(), a.largura, a.altura));
    if (recorta) {
        p.save();
        p.setClipRect(area, Qt::IntersectClip);
    }
    for (int i = 0; i < a.layout.lineCount(); ++i) {
        const QTextLine l = a.layout.lineAt(i);
        l.draw(&p, QPointF(area.x() + recuo(l.horizontalAdvance()), area.y()));
    }
    if (recorta)
        p.restore();
}

double PintorRelatorio::ajusta(const Definicao::Celula& cel, Medida& m) const
{
    const double util = qMax(1.0, m.w - 2 * FOLGA_H);
    if (cel.quebra) {
        if (m.texto.isEmpty())
            return metrica(cel.fonte).height();
        m.arranjo = arranjo(cel.fonte, m.texto, util);
        return m.arranjo->altura;
    }
    m.texto.replace(QLatin1Char('\n'), QLatin1Char(' '));
    m.arranjo = arranjo(m.fonte, m.texto, -1);
    // a text too long is cut with "…" in the cell's own font, so a column
    // keeps one type size; a figure a little too wide (an amount, a date)
    // is set smaller rather than cut ("R$ 1.87…" would mislead), and one
    // that would still not fit keeps its size and is cut
    const double altura = metrica(cel.fonte).height();
    if (m.arranjo->largura <= util)
        return altura;
    if (cel.texto.soFiguras()) {
        for (double reducao : {0.92, 0.84, 0.76}) {
            m.fonte.tamanho = cel.fonte.tamanho * reducao;
            m.arranjo = arranjo(m.fonte, m.texto, -1);
            if (m.arranjo->largura <= util)
                return altura;
        }
        m.fonte = cel.fonte;
    }
    m.texto = metrica(m.fonte).elidedText(m.texto, Qt::ElideRight, util);
    m.arranjo = arranjo(m.fonte, m.texto, -1);
    return altura;
}

double PintorRelatorio::cabecalhoColunas(QPainter* p, double y) const
{
    if (!temColunas())
        return 0;
    if (p)
        p->fillRect(QRectF(m_esquerda, y, m_largura, linha(nullptr, m_titulos, {}, y)), COR_TITULOS);
    return linha(p, m_titulos, ContextoTexto{}, y);
}

double PintorRelatorio::detalhe(QPainter* p, const ContextoTexto& c, double y, bool zebra, double maximo) const
{
    if (!p && m_alturaFixa >= 0)
        return m_alturaFixa;
    if (p && zebra) {
        // when painting, maximo is the row's height from the layout
        const double h = maximo > 0 ? maximo : linha(nullptr, m_colunas, c, y);
        p->fillRect(QRectF(m_esquerda, y, m_largura, h), COR_ZEBRA);
    }
    return linha(p, m_colunas, c, y, maximo);
}

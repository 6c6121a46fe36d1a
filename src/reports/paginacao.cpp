#include "paginacao.h"
#include "dadosrelatorio.h"

#include <QPainter>
#include <cmath>

namespace {

// A value of the query as an exact amount: decimals arrive as text with a
// point, integers as numbers.
Dinheiro comoDinheiro(const QVariant& v)
{
    if (v.isNull())
        return {};
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return Dinheiro::deCentavos(v.toLongLong() * 100);
    case QMetaType::Double:
    case QMetaType::Float:
        return Dinheiro::deCentavos(std::llround(v.toDouble() * 100));
    default:
        return Dinheiro::leBanco(v.toString()).value_or(Dinheiro());
    }
}

} // namespace

Paginacao::Paginacao(const Definicao& def, const DadosRelatorio& dados, const QHash<QString, QString>& formulas,
                     const PintorRelatorio& pintor)
    : m_def(def), m_dados(dados), m_formulas(formulas), m_pintor(pintor)
{
    m_slotDaColuna.fill(-1, dados.colunas());
    para_cada_parte(def, [this](const ModeloTexto::Parte& p, int) {
        if (p.tipo == ModeloTexto::Parte::Soma && m_slotDaColuna[p.indice] < 0)
            m_slotDaColuna[p.indice] = m_slots++;
    });
    montaItens();
    montaPaginas();
}

int Paginacao::novaOcorrencia()
{
    m_ocorrencias.append({int(m_somas.size()), 0});
    m_somas.resize(m_somas.size() + m_slots);
    return int(m_ocorrencias.size()) - 1;
}

ContextoTexto Paginacao::contexto(int linha, int ocorrencia, int pagina) const
{
    ContextoTexto c;
    c.dados = &m_dados;
    c.linha = linha;
    c.formulas = &m_formulas;
    c.pagina = pagina + 1;
    c.paginas = int(m_paginas.size());
    const Ocorrencia& o = m_ocorrencias[ocorrencia];
    c.somas = m_slots > 0 ? m_somas.constData() + o.somas : nullptr;
    c.slotDaColuna = &m_slotDaColuna;
    c.contagem = o.contagem;
    return c;
}

void Paginacao::montaItens()
{
    const int linhas = m_dados.linhas();
    const int grupos = int(m_def.grupos.size());
    novaOcorrencia(); // 0: the whole report
    auto emite = [this](Tipo t, int nivel, int linha, int oc) { m_itens.append({t, quint8(nivel), linha, oc, 0.f}); };

    if (!m_def.cabecalhoRelatorio.isEmpty())
        emite(CabRelatorio, 0, linhas > 0 ? 0 : -1, 0);
    if (grupos == 0 && m_pintor.temColunas())
        emite(CabColunas, 0, linhas > 0 ? 0 : -1, 0);

    QVector<int> abertas(grupos, -1);
    QVector<int> somadas;
    for (int s = 0; s < m_slotDaColuna.size(); ++s)
        if (m_slotDaColuna[s] >= 0)
            somadas.append(s);

    for (int r = 0; r < linhas; ++r) {
        // the outermost group whose value changes here
        int quebra = grupos;
        for (int g = 0; g < grupos; ++g) {
            const int c = m_def.grupos[g].indice;
            if (r == 0 || m_dados.valor(r, c) != m_dados.valor(r - 1, c)) {
                quebra = g;
                break;
            }
        }
        if (r > 0)
            for (int g = grupos - 1; g >= quebra; --g)
                if (!m_def.grupos[g].rodape.isEmpty())
                    emite(RodGrupo, g, r - 1, abertas[g]);
        for (int g = quebra; g < grupos; ++g) {
            abertas[g] = novaOcorrencia();
            const Definicao::Grupo& grupo = m_def.grupos[g];
            if (!grupo.cabecalho.isEmpty() || grupo.novaPagina)
                emite(CabGrupo, g, r, abertas[g]);
            if (g == grupos - 1 && m_pintor.temColunas())
                emite(CabColunas, g, r, abertas[g]);
        }
        if (!verdadeira(m_def.detalheSe, contexto(r, 0, 0)))
            continue;
        emite(Detalhe, 0, r, 0);
        auto soma = [&](int oc) {
            ++m_ocorrencias[oc].contagem;
            for (int col : somadas)
                m_somas[m_ocorrencias[oc].somas + m_slotDaColuna[col]] += comoDinheiro(m_dados.valor(r, col));
        };
        soma(0);
        for (int oc : abertas)
            soma(oc);
    }
    if (linhas > 0)
        for (int g = grupos - 1; g >= 0; --g)
            if (!m_def.grupos[g].rodape.isEmpty())
                emite(RodGrupo, g, linhas - 1, abertas[g]);
    if (!m_def.resumo.isEmpty())
        emite(Resumo, 0, linhas - 1, 0);

    // No band may be taller than a page body: a longer one is cut there.
    const ContextoTexto c0 = contexto(linhas > 0 ? 0 : -1, 0, 0);
    const double corpo = m_pintor.base() - m_pintor.topo() - m_pintor.banda(nullptr, m_def.cabecalhoPagina, c0, 0)
                         - m_pintor.banda(nullptr, m_def.rodapePagina, c0, 0) - m_pintor.cabecalhoColunas(nullptr, 0);
    const double maximo = qMax(corpo, PintorRelatorio::mm(20));
    for (Item& it : m_itens)
        it.altura = float(pintaItem(nullptr, it, 0, 0, maximo));
}

void Paginacao::montaPaginas()
{
    auto cabecalho = [](Tipo t) { return t == CabRelatorio || t == CabGrupo || t == CabColunas; };
    const int n = int(m_itens.size());
    double y = 0, limite = 0;
    bool conteudo = false;
    int ref = -1;

    auto abre = [&](int inicio) {
        for (int i = inicio; i < n; ++i)
            if (m_itens[i].linha >= 0) {
                ref = m_itens[i].linha;
                break;
            }
        const ContextoTexto c = contexto(ref, 0, int(m_paginas.size()));
        Pagina pg{inicio, inicio, ref, false, 0.f};
        pg.colunas = inicio < n && m_itens[inicio].tipo == Detalhe && m_pintor.temColunas();
        pg.alturaRodape = float(m_pintor.banda(nullptr, m_def.rodapePagina, c, 0));
        y = m_pintor.topo() + m_pintor.banda(nullptr, m_def.cabecalhoPagina, c, 0)
            + (pg.colunas ? m_pintor.cabecalhoColunas(nullptr, 0) : 0);
        limite = m_pintor.base() - pg.alturaRodape;
        conteudo = false;
        m_paginas.append(pg);
    };

    abre(0);
    for (int i = 0; i < n; ++i) {
        const Item& it = m_itens[i];
        // a header travels with what follows it, up to the first row or footer
        double precisa = it.altura;
        if (cabecalho(it.tipo))
            for (int j = i + 1; j < n; ++j) {
                precisa += m_itens[j].altura;
                if (!cabecalho(m_itens[j].tipo))
                    break;
            }
        const bool vazia = m_paginas.last().inicio == i;
        const bool forcada = it.tipo == CabGrupo && m_def.grupos[it.nivel].novaPagina && conteudo;
        if (forcada || (!vazia && y + precisa > limite)) {
            m_paginas.last().fim = i;
            abre(i);
        }
        y += it.altura;
        conteudo = conteudo || !cabecalho(it.tipo);
    }
    m_paginas.last().fim = n;
}

double Paginacao::pintaItem(QPainter* p, const Item& it, double y, int pagina, double maximo) const
{
    const ContextoTexto c = contexto(it.linha, it.ocorrencia, pagina);
    switch (it.tipo) {
    case CabRelatorio: return m_pintor.banda(p, m_def.cabecalhoRelatorio, c, y);
    case CabGrupo: return m_pintor.banda(p, m_def.grupos[it.nivel].cabecalho, c, y);
    case CabColunas: return m_pintor.cabecalhoColunas(p, y);
    case Detalhe: return m_pintor.detalhe(p, c, y, m_def.zebrado && it.linha % 2 == 1, maximo);
    case RodGrupo: return m_pintor.banda(p, m_def.grupos[it.nivel].rodape, c, y);
    case Resumo: return m_pintor.banda(p, m_def.resumo, c, y);
    }
    return 0;
}

void Paginacao::pinta(QPainter& p, int n) const
{
    if (n < 0 || n >= m_paginas.size())
        return;
    const Pagina& pg = m_paginas[n];
    const ContextoTexto c = contexto(pg.linhaRef, 0, n);
    double y = m_pintor.topo();
    y += m_pintor.banda(&p, m_def.cabecalhoPagina, c, y);
    if (pg.colunas)
        y += m_pintor.cabecalhoColunas(&p, y);
    for (int i = pg.inicio; i < pg.fim; ++i) {
        const Item& it = m_itens[i];
        pintaItem(&p, it, y, n, it.altura);
        y += it.altura;
    }
    m_pintor.banda(&p, m_def.rodapePagina, c, m_pintor.base() - pg.alturaRodape);
}

Dinheiro Paginacao::totalRelatorio(const QString& coluna) const
{
    const int i = m_dados.indice(coluna);
    if (i < 0 || m_slotDaColuna[i] < 0)
        return {};
    return m_somas[m_ocorrencias[0].somas + m_slotDaColuna[i]];
}

#include "paginacao.h"
#include "dadosrelatorio.h"
#include "errorelatorio.h"

#include <QPainter>

namespace {

// A value of the query summed as an exact amount; one that is no amount
// stops the report rather than be counted as zero.
Dinheiro comoDinheiro(const QVariant& v)
{
    if (const auto d = Dinheiro::leBanco(v))
        return *d;
    throw ErroRelatorio(QStringLiteral("O valor \"%1\" não pode ser somado: não é um valor em reais.").arg(v.toString()));
}

// Whether a band's height can depend on totals still being summed when it
// is laid out: a wrapping cell that shows a total or a count.
bool mostraTotalQuebrando(const Definicao::Banda& b)
{
    for (const Definicao::Linha& l : b)
        for (const Definicao::Celula& c : l.celulas)
            if (c.quebra && (c.texto.usa(ModeloTexto::Parte::Soma) || c.texto.usa(ModeloTexto::Parte::Contagem)))
                return true;
    return false;
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
    for (int s = 0; s < m_slotDaColuna.size(); ++s)
        if (m_slotDaColuna[s] >= 0)
            m_somadas.append(s);
    m_abertas.fill(-1, def.grupos.size());
    // Group footers and the summary come after the rows they total. A band
    // laid out before its totals are final (the page bands, the report
    // header, a group header, the detail) must not take its height from
    // them: if one would, nothing is measured before the last row.
    Definicao::Banda detalhe{def.colunas};
    m_estavel = !mostraTotalQuebrando(def.cabecalhoPagina) && !mostraTotalQuebrando(def.rodapePagina)
                && !mostraTotalQuebrando(def.cabecalhoRelatorio) && !mostraTotalQuebrando(detalhe);
    for (const Definicao::Grupo& g : def.grupos)
        m_estavel = m_estavel && !mostraTotalQuebrando(g.cabecalho);
    novaOcorrencia(); // 0: the whole report
}

int Paginacao::novaOcorrencia()
{
    m_ocorrencias.append({int(m_somas.size()), 0});
    m_somas.resize(m_somas.size() + m_slots);
    return int(m_ocorrencias.size()) - 1;
}

ContextoTexto Paginacao::contexto(int linha, int ocorrencia, int pagina, int paginas) const
{
    ContextoTexto c;
    c.dados = &m_dados;
    c.linha = linha;
    c.formulas = &m_formulas;
    c.pagina = pagina + 1;
    c.paginas = paginas;
    const Ocorrencia& o = m_ocorrencias[ocorrencia];
    c.somas = m_slots > 0 ? m_somas.constData() + o.somas : nullptr;
    c.slotDaColuna = &m_slotDaColuna;
    c.contagem = o.contagem;
    return c;
}

void Paginacao::avanca(bool fim)
{
    if (m_completa)
        return;
    emiteLinhas(fim);
    if (!m_estavel && !m_emitidos)
        return;
    mede();
    montaPaginas(m_emitidos);
}

// The items of the rows read since the last step. A group's footer waits
// for the row that closes the group, or for the end.
void Paginacao::emiteLinhas(bool fim)
{
    const int linhas = m_dados.linhas();
    if (m_emitidos || (linhas == 0 && !fim))
        return;
    const int grupos = int(m_def.grupos.size());
    auto emite = [this](Tipo t, int nivel, int linha, int oc) { m_itens.append({t, quint8(nivel), linha, oc, 0.f}); };

    if (m_proximaLinha == 0 && m_itens.isEmpty()) {
        if (!m_def.cabecalhoRelatorio.isEmpty())
            emite(CabRelatorio, 0, linhas > 0 ? 0 : -1, 0);
        if (grupos == 0 && m_pintor.temColunas())
            emite(CabColunas, 0, linhas > 0 ? 0 : -1, 0);
    }
    for (int r = m_proximaLinha; r < linhas; ++r) {
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
                    emite(RodGrupo, g, r - 1, m_abertas[g]);
        for (int g = quebra; g < grupos; ++g) {
            m_abertas[g] = novaOcorrencia();
            const Definicao::Grupo& grupo = m_def.grupos[g];
            if (!grupo.cabecalho.isEmpty() || grupo.novaPagina)
                emite(CabGrupo, g, r, m_abertas[g]);
            if (g == grupos - 1 && m_pintor.temColunas())
                emite(CabColunas, g, r, m_abertas[g]);
        }
        if (!verdadeira(m_def.detalheSe, contexto(r, 0, 0, 0)))
            continue;
        emite(Detalhe, 0, r, 0);
        auto soma = [&](int oc) {
            ++m_ocorrencias[oc].contagem;
            for (int col : std::as_const(m_somadas))
                m_somas[m_ocorrencias[oc].somas + m_slotDaColuna[col]] += comoDinheiro(m_dados.valor(r, col));
        };
        soma(0);
        for (int oc : std::as_const(m_abertas))
            soma(oc);
    }
    m_proximaLinha = linhas;
    if (!fim)
        return;
    if (linhas > 0)
        for (int g = grupos - 1; g >= 0; --g)
            if (!m_def.grupos[g].rodape.isEmpty())
                emite(RodGrupo, g, linhas - 1, m_abertas[g]);
    if (!m_def.resumo.isEmpty())
        emite(Resumo, 0, linhas - 1, 0);
    m_emitidos = true;
}

// The heights of the items emitted since the last step.
void Paginacao::mede()
{
    if (m_maximo < 0) {
        // No band may be taller than a page body: a longer one is cut there.
        const ContextoTexto c0 = contexto(m_dados.linhas() > 0 ? 0 : -1, 0, 0, 0);
        const double corpo = m_pintor.base() - m_pintor.topo() - m_pintor.banda(nullptr, m_def.cabecalhoPagina, c0, 0)
                             - m_pintor.banda(nullptr, m_def.rodapePagina, c0, 0) - m_pintor.cabecalhoColunas(nullptr, 0);
        m_maximo = qMax(corpo, PintorRelatorio::mm(20));
    }
    for (; m_medidos < m_itens.size(); ++m_medidos) {
        Item& it = m_itens[m_medidos];
        it.altura = float(pintaItem(nullptr, it, 0, 0, m_maximo));
    }
}

void Paginacao::abrePagina(int inicio)
{
    const int n = int(m_itens.size());
    for (int i = inicio; i < n; ++i)
        if (m_itens[i].linha >= 0) {
            m_ref = m_itens[i].linha;
            break;
        }
    const ContextoTexto c = contexto(m_ref, 0, int(m_paginas.size()), int(m_paginas.size()));
    Pagina pg{inicio, inicio, m_ref, false, 0.f};
    pg.colunas = inicio < n && m_itens[inicio].tipo == Detalhe && m_pintor.temColunas();
    pg.alturaRodape = float(m_pintor.banda(nullptr, m_def.rodapePagina, c, 0));
    m_y = m_pintor.topo() + m_pintor.banda(nullptr, m_def.cabecalhoPagina, c, 0) + (pg.colunas ? m_pintor.cabecalhoColunas(nullptr, 0) : 0);
    m_limite = m_pintor.base() - pg.alturaRodape;
    m_conteudo = false;
    m_paginas.append(pg);
}

// Places the measured items on pages, as far as the items go: a header
// that needs the items after it waits for them.
void Paginacao::montaPaginas(bool fim)
{
    auto cabecalho = [](Tipo t) { return t == CabRelatorio || t == CabGrupo || t == CabColunas; };
    const int n = int(m_itens.size());
    if (m_paginas.isEmpty()) {
        if (n == 0 && !fim)
            return;
        abrePagina(0);
    }
    int i = m_proximoItem;
    for (; i < n; ++i) {
        const Item& it = m_itens[i];
        // a header travels with what follows it, up to the first row or footer
        double precisa = it.altura;
        if (cabecalho(it.tipo)) {
            int j = i + 1;
            for (; j < n; ++j) {
                precisa += m_itens[j].altura;
                if (!cabecalho(m_itens[j].tipo))
                    break;
            }
            if (j == n && !fim)
                break;
        }
        const bool vazia = m_paginas.last().inicio == i;
        const bool forcada = it.tipo == CabGrupo && m_def.grupos[it.nivel].novaPagina && m_conteudo;
        if (forcada || (!vazia && m_y + precisa > m_limite)) {
            m_paginas.last().fim = i;
            abrePagina(i);
        }
        m_y += it.altura;
        m_conteudo = m_conteudo || !cabecalho(it.tipo);
    }
    m_proximoItem = i;
    m_paginas.last().fim = i;
    m_completa = fim && i == n;
}

double Paginacao::pintaItem(QPainter* p, const Item& it, double y, int pagina, double maximo) const
{
    // measured as if no page were laid out yet; painted with the count
    const ContextoTexto c = contexto(it.linha, it.ocorrencia, pagina, p ? paginasImpressas() : 0);
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
    if (n < 0 || n >= paginas())
        return;
    const Pagina& pg = m_paginas[n];
    const ContextoTexto c = contexto(pg.linhaRef, 0, n, paginasImpressas());
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

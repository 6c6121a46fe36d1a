#include "janelalista.h"
#include <QShowEvent>
#include <algorithm>
#include "grade.h"
#include "errosbanco.h"
#include "formatos.h"
#include "legado.h"
#include "literaissql.h"
#include "sessao.h"
#include "planilha.h"

#include <QDate>
#include <QDateTime>
#include <QHeaderView>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>

namespace {
// A value read from the database written back into a statement.
QString literal(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
        return v.toString(); // a code; any other number is compared as quoted text
    case QMetaType::QDate:
        return QLatin1Char('\'') + v.toDate().toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('\'');
    case QMetaType::QDateTime:
        return QLatin1Char('\'') + v.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")) + QLatin1Char('\'');
    case QMetaType::QTime:
        return QLatin1Char('\'') + v.toTime().toString(QStringLiteral("hh:mm:ss.zzz")) + QLatin1Char('\'');
    default:
        return QLatin1Char('\'') + texto_sql(v.toString()) + QLatin1Char('\'');
    }
}

QString onde(const QStringList& condicoes)
{
    return condicoes.isEmpty() ? QString() : QStringLiteral(" where ") + condicoes.join(QStringLiteral(" and "));
}
} // namespace

QString ConsultaLista::filtro() const { return onde(condicoes); }

QString ConsultaLista::ordenacao() const
{
    if (ordem.isEmpty())
        return {};
    return QStringLiteral(" order by ") + ordem + (codigo.isEmpty() ? QString() : QStringLiteral(", ") + codigo);
}

QString ConsultaLista::sql() const { return selecao + filtro() + ordenacao(); }

QString ConsultaLista::pagina(int n, const QVariant& ultimaOrdem, const QVariant& ultimoCodigo, bool primeira) const
{
    QStringList c = condicoes;
    if (!primeira) {
        // the rows after the last one read, in the order the list has:
        // nulls first, then ascending, equal values by their code
        if (codigo.isEmpty())
            c << ordem + QStringLiteral(" > ") + literal(ultimaOrdem);
        else if (ultimaOrdem.isNull())
            c << QStringLiteral("(%1 is null and %2 > %3 or %1 is not null)").arg(ordem, codigo, literal(ultimoCodigo));
        else
            c << QStringLiteral("(%1 > %2 or %1 = %2 and %3 > %4)").arg(ordem, literal(ultimaOrdem), codigo, literal(ultimoCodigo));
    }
    // "select" becomes "select first n"
    return selecao.left(6) + QStringLiteral(" first ") + QString::number(n) + selecao.mid(6) + onde(c) + ordenacao();
}

JanelaLista::JanelaLista(const QString& nome, const QString& titulo, QList<ColunaGrade> colunas, int linhasMinimas)
    : m_colunas(std::move(colunas)), m_linhasMinimas(linhasMinimas)
{
    setObjectName(nome);
    setWindowTitle(titulo);
    Grid1 = new Grade(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->setAccessibleName(titulo);
    // a list as wide as its columns would not shrink to a small screen: the
    // window opens that wide where the screen has room (showEvent) and the
    // grid scrolls sideways below it
    Grid1->setMinimumSize(std::clamp(Grade::larguraDe(m_colunas), 420, 720), 320);
    prepara_lista();
    connect(Grid1, &Grade::linhaAtualMudou, this, &JanelaLista::atualiza_botoes);
    connect(Grid1, &QAbstractItemView::clicked, this, &JanelaLista::atualiza_botoes);
    connect(Grid1, &QAbstractItemView::doubleClicked, this, [this] {
        if (!codigo_atual().isEmpty())
            duplo_clique();
    });
    connect(Grid1, &Grade::linhaAtualMudou, this, &JanelaLista::perto_do_fim);
    connect(Grid1->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int valor) {
        const QScrollBar* b = Grid1->verticalScrollBar();
        if (!m_fim && valor >= b->maximum() - b->pageStep())
            carrega_pagina();
    });
    connect(Grid1, &Grade::fimPedido, this, &JanelaLista::carrega_tudo);
}

void JanelaLista::prepara_lista()
{
    Grid1->limpa(0);
    Grid1->defineColunas(m_colunas);
}

void JanelaLista::limpa_lista()
{
    m_fim = true;
    prepara_lista();
    Grid1->defineNumeroLinhas(linhas_de_dados_minimas());
    m_sql.clear();
    m_listadas = 0;
    atualiza_botoes();
}

bool JanelaLista::enche_lista(const ConsultaLista& consulta, bool mantem)
{
    const QVariant atual = mantem ? Grid1->codigo(Grid1->linhaAtual()) : QVariant();
    const int antes = mantem ? m_listadas : 0;
    const bool paginada = !consulta.ordem.isEmpty();
    Recordset rs(conexao);
    bool lido = true;
    if (!consulta.selecao.isEmpty()) {
        try {
            rs.abre(paginada ? consulta.pagina(linhasPorPagina) : consulta.sql(), consulta.valores);
        } catch (const ErroBanco& e) {
            trata_erro_banco(e);
            if (mantem)
                return false; // the list stays as it was
            lido = false;
        }
    }
    m_fim = true; // the list read before is read no further
    prepara_lista();
    m_consulta = consulta;
    m_sql = lido && !consulta.selecao.isEmpty() ? consulta.sql() : QString();
    m_listadas = 0;
    if (rs.aberto()) {
        try {
            acrescenta(rs);
        } catch (const ErroBanco& e) {
            // no list rather than a wrong figure in it
            m_fim = true;
            m_sql.clear();
            lido = false;
            trata_erro_banco(e);
        }
        // a screenful at least, and as far as the user had read
        while (!m_fim && m_listadas < std::max(antes, m_linhasMinimas) && carrega_pagina()) {
        }
    }
    int linhaAtual = 0;
    for (int linha = 0; atual.isValid() && linha < m_listadas; ++linha)
        if (Grid1->codigo(linha) == atual) {
            linhaAtual = linha;
            break;
        }
    if (Grid1->linhas() < linhas_de_dados_minimas())
        Grid1->defineNumeroLinhas(linhas_de_dados_minimas());
    Grid1->defineLinhaAtual(linhaAtual);
    atualiza_botoes();
    return lido;
}

void JanelaLista::acrescenta(Recordset& rs)
{
    // the grid growing moves its scroll bar: no page is read meanwhile
    const QScopedValueRollback acrescentando(m_acrescentando, true);
    const int n = rs.recordCount();
    const bool paginada = !m_consulta.ordem.isEmpty();
    QList<QVariantList> celulas;
    QStringList avisos;
    celulas.reserve(n);
    avisos.reserve(n);
    for (; !rs.eof(); rs.moveNext()) {
        celulas << celulas_da_linha(rs);
        avisos << aviso_da_linha(rs);
    }
    rs.moveFirst();
    m_fim = !paginada || n < linhasPorPagina;
    if (n == 0)
        return;
    const int primeira = m_listadas;
    Grid1->acrescentaLinhas(n);
    // the key's fields in the result: the order's (the code's, column 0,
    // when the list is ordered by its code) and the code's
    const QString& campoCodigo0 = m_colunas.value(COLUNA_CODIGO).campo;
    const QString nomeOrdem = !m_consulta.campoOrdem.isEmpty() ? m_consulta.campoOrdem
                              : m_consulta.codigo.isEmpty()     ? campoCodigo0
                                                                : m_consulta.ordem;
    const int campoOrdem = paginada ? rs.indice(nomeOrdem) : -1;
    const int campoCodigo = paginada ? rs.indice(campoCodigo0) : -1;
    Grade::Carga carga(*Grid1);
    for (int linha = primeira; !rs.eof(); ++linha, rs.moveNext()) {
        const QVariantList& daLinha = celulas[linha - primeira];
        Grid1->defineLinha(linha, daLinha, daLinha.value(COLUNA_CODIGO));
        Grid1->defineAviso(linha, avisos[linha - primeira]);
        if (linha == primeira + n - 1 && !m_fim) {
            m_ultimaOrdem = campoOrdem >= 0 ? rs.valor(campoOrdem) : QVariant();
            m_ultimoCodigo = campoCodigo >= 0 ? rs.valor(campoCodigo) : QVariant();
            // a list whose key the result does not hold is not read further
            m_fim = campoOrdem < 0 || (campoCodigo < 0 && !m_consulta.codigo.isEmpty());
        }
    }
    m_listadas += n;
}

bool JanelaLista::carrega_pagina()
{
    if (m_fim || m_acrescentando)
        return false;
    Recordset rs(conexao);
    try {
        rs.abre(m_consulta.pagina(linhasPorPagina, m_ultimaOrdem, m_ultimoCodigo, false), m_consulta.valores);
        acrescenta(rs);
    } catch (const ErroBanco& e) {
        m_fim = true;
        trata_erro_banco(e);
        return false;
    }
    return true;
}

void JanelaLista::carrega_tudo()
{
    while (carrega_pagina()) {
    }
}

void JanelaLista::perto_do_fim(int linha)
{
    const int visiveis = Grid1->viewport()->height() / std::max(1, Grid1->verticalHeader()->defaultSectionSize());
    if (!m_fim && linha + 1 >= m_listadas - visiveis)
        carrega_pagina();
}

void JanelaLista::showEvent(QShowEvent* e)
{
    if (!m_larguraInicial && !e->spontaneous()) {
        m_larguraInicial = true;
        const int ideal = Grade::larguraDe(m_colunas) + (width() - Grid1->width());
        if (width() < ideal)
            resize(ideal, height());
    }
    FormModal::showEvent(e); // then within the screen's available area
}

QVariantList JanelaLista::celulas_da_linha(const Recordset& rs) const { return celulas_do_registro(rs, m_colunas); }

QString JanelaLista::aviso_da_linha(const Recordset&) const { return {}; }

QString JanelaLista::codigo_atual() const
{
    return ModeloGrade::formata(Grid1->codigo(Grid1->linhaAtual()));
}

void JanelaLista::botao_de_linha(QPushButton* b) { m_botoesDeLinha.append(b); }

void JanelaLista::atualiza_botoes()
{
    const bool temCodigo = !codigo_atual().isEmpty();
    for (QPushButton* b : std::as_const(m_botoesDeLinha))
        b->setEnabled(temCodigo);
}

bool JanelaLista::aceita_linha()
{
    const QString codigo = codigo_atual();
    if (codigo.isEmpty())
        return false;
    nCodigoConsulta = codigo.toInt();
    done(QDialog::Accepted);
    return true;
}

void JanelaLista::cancela()
{
    nCodigoConsulta = 0;
    done(QDialog::Rejected);
}

void JanelaLista::reject() { cancela(); }

void JanelaLista::ao_abrir_janela()
{
    centraliza_form(this);
    ao_abrir();
}

void JanelaLista::exporta()
{
    // the export reads the whole list again, every page of it
    exporta_lista(this, *Grid1, windowTitle(), m_sql, [this](const Recordset& rs) { return celulas_da_linha(rs); },
                  m_consulta.valores);
}

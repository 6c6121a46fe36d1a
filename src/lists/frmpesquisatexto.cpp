#include "frmpesquisatexto.h"
#include "busca.h"

#include <QLineEdit>

FrmPesquisaTexto::FrmPesquisaTexto(const QString& nome, const QString& titulo, const QString& rotulo, QString consulta,
                                   QString colunaFiltro, QList<ColunaGrade> colunas, QString exclusao, const QString& oque)
    : FrmPesquisa(nome, titulo, std::move(colunas), 12), m_consulta(std::move(consulta)), m_colunaFiltro(std::move(colunaFiltro)),
      m_exclusao(std::move(exclusao))
{
    m_oqueExcluir = oque;
    caixaFiltro = filtro(rotulo, QStringLiteral("caixaFiltro"));
    botao(QStringLiteral("&Procurar"), QStringLiteral("botaoProcurar"));
    botao(QStringLiteral("&Detalhes"), QStringLiteral("botaoDetalhes"));
    botao(QStringLiteral("&Excluir"), QStringLiteral("botaoExcluir"));
    botao(QStringLiteral("&Sair"), QStringLiteral("botaoSair"));
    fecha_layout();
}

ConsultaLista FrmPesquisaTexto::consulta_lista()
{
    const TrechoSql filtro = contem_texto(m_colunaFiltro, caixaFiltro->text());
    ConsultaLista c{m_consulta.arg(filtro.sql)};
    c.valores = filtro.valores;
    return c;
}

QStringList FrmPesquisaTexto::exclusoes() const { return {m_exclusao}; }

#include "frmpesquisatexto.h"
#include "busca.h"

#include <QLineEdit>

FrmPesquisaTexto::FrmPesquisaTexto(const QString& nome, const QString& titulo, const QString& rotulo, QString consulta,
                                   QString colunaFiltro, QList<ColunaGrade> colunas, QString tabela, const QString& oque)
    : FrmPesquisa(nome, titulo, std::move(colunas), 12), m_consulta(std::move(consulta)), m_colunaFiltro(std::move(colunaFiltro)),
      m_tabela(std::move(tabela))
{
    m_oqueExcluir = oque;
    Text1 = filtro(rotulo, QStringLiteral("Text1"));
    botao(QStringLiteral("&Procurar"), QStringLiteral("Command3"));
    botao(QStringLiteral("&Detalhes"), QStringLiteral("Command1"));
    botao(QStringLiteral("&Excluir"), QStringLiteral("Command5"));
    botao(QStringLiteral("&Sair"), QStringLiteral("Command2"));
    fecha_layout();
}

ConsultaLista FrmPesquisaTexto::consulta_lista()
{
    const TrechoSql filtro = contem_texto(m_colunaFiltro, Text1->text());
    ConsultaLista c{m_consulta.arg(filtro.sql)};
    c.valores = filtro.valores;
    return c;
}

QStringList FrmPesquisaTexto::exclusoes() const { return {QStringLiteral("delete from %1 where ncodigo = ?").arg(m_tabela)}; }

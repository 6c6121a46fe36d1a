#include "janelalista.h"
#include "grade.h"
#include "modulo1.h"
#include "planilha.h"

#include <QShowEvent>

JanelaLista::JanelaLista(const QString& nome, const QString& titulo, QList<ColunaPesquisa> colunas, int linhasMinimas)
    : m_colunas(std::move(colunas)), m_linhasMinimas(linhasMinimas)
{
    setObjectName(nome);
    setWindowTitle(titulo);
    Grid1 = new Grade(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->setAccessibleName(titulo);
    int largura = 40;
    for (const ColunaPesquisa& c : m_colunas)
        largura += c.largura / 15;
    Grid1->setMinimumSize(std::max(largura, 420), 320);
    prepara_lista();
}

void JanelaLista::prepara_lista()
{
    Grid1->setCols(int(m_colunas.size()));
    Grid1->limpa(0);
    for (int c = 0; c < m_colunas.size(); ++c) {
        Grid1->setTextMatrix(0, c, m_colunas[c].titulo);
        Grid1->setColWidth(c, m_colunas[c].largura);
        Grid1->setColAlignment(c, m_colunas[c].alinhamento);
    }
}

void JanelaLista::enche_lista(const QString& sql)
{
    prepara_lista();
    m_sql = sql;
    if (!sql.isEmpty()) {
        try {
            cSQL = sql;
            rsDados.abre(cSQL);
            QStringList campos;
            for (const ColunaPesquisa& c : m_colunas)
                campos << c.campo;
            Grid1->preenche(rsDados, campos);
            rsDados.fecha();
            formata_colunas();
        } catch (const ErroBanco& e) {
            rsDados.fecha();
            m_sql.clear();
            trata_erro_banco(e);
        }
    }
    if (Grid1->rows() < m_linhasMinimas)
        Grid1->setRows(m_linhasMinimas);
    Grid1->setRow(1);
}

void JanelaLista::formata_colunas()
{
    Grade::Carga carga(*Grid1);
    for (int c = 0; c < m_colunas.size(); ++c) {
        if (!m_colunas[c].formato)
            continue;
        for (int linha = 1; linha < Grid1->rows() && !Grid1->textMatrix(linha, 0).isEmpty(); ++linha)
            Grid1->setTextMatrix(linha, c, m_colunas[c].formato(Grid1->textMatrix(linha, c)));
    }
}

QString JanelaLista::codigo_atual() const
{
    const int linha = Grid1->row();
    return linha >= 1 ? Grid1->textMatrix(linha, 0) : QString();
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
    exporta_lista(this, *Grid1, windowTitle(), m_sql, [this](const Recordset& rs) {
        QStringList celulas;
        for (const ColunaPesquisa& c : std::as_const(m_colunas)) {
            const QString t = rs.indice(c.campo) < 0 ? QString() : rs.texto(c.campo);
            celulas << (c.formato ? c.formato(t) : t);
        }
        return celulas;
    });
}

#include "janelalista.h"
#include "grade.h"
#include "modulo1.h"
#include "planilha.h"

#include <QPushButton>

JanelaLista::JanelaLista(const QString& nome, const QString& titulo, QList<ColunaGrade> colunas, int linhasMinimas)
    : m_colunas(std::move(colunas)), m_linhasMinimas(linhasMinimas)
{
    setObjectName(nome);
    setWindowTitle(titulo);
    Grid1 = new Grade(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->setAccessibleName(titulo);
    Grid1->setMinimumSize(std::max(Grade::larguraDe(m_colunas), 420), 320);
    prepara_lista();
    connect(Grid1, &Grade::linhaAtualMudou, this, &JanelaLista::atualiza_botoes);
    connect(Grid1, &QAbstractItemView::clicked, this, &JanelaLista::atualiza_botoes);
    connect(Grid1, &QAbstractItemView::doubleClicked, this, [this] {
        if (!codigo_atual().isEmpty())
            duplo_clique();
    });
}

void JanelaLista::prepara_lista()
{
    Grid1->limpa(0);
    Grid1->defineColunas(m_colunas);
}

void JanelaLista::limpa_lista()
{
    prepara_lista();
    Grid1->setRows(m_linhasMinimas);
    m_sql.clear();
    m_listadas = 0;
    atualiza_botoes();
}

bool JanelaLista::enche_lista(const QString& sql, bool mantem)
{
    const QString atual = mantem ? codigo_atual() : QString();
    Recordset rs(conexao);
    bool lido = true;
    if (!sql.isEmpty()) {
        try {
            rs.abre(sql);
        } catch (const ErroBanco& e) {
            trata_erro_banco(e);
            if (mantem)
                return false; // the list stays as it was
            lido = false;
        }
    }
    prepara_lista();
    m_sql = lido ? sql : QString();
    m_listadas = rs.recordCount();
    int linhaAtual = 1;
    if (rs.aberto()) {
        Grid1->setRows(rs.recordCount() + 1);
        Grade::Carga carga(*Grid1);
        for (int linha = 1; !rs.eof(); ++linha, rs.moveNext()) {
            const QStringList textos = textos_da_linha(rs);
            for (int c = 0; c < textos.size(); ++c)
                Grid1->setTextMatrix(linha, c, textos[c]);
            Grid1->setAvisoLinha(linha, aviso_da_linha(rs));
            if (!atual.isEmpty() && textos.value(0) == atual)
                linhaAtual = linha;
        }
    }
    if (Grid1->rows() < m_linhasMinimas)
        Grid1->setRows(m_linhasMinimas);
    Grid1->setRow(linhaAtual);
    atualiza_botoes();
    return lido;
}

QStringList JanelaLista::textos_da_linha(const Recordset& rs) const
{
    QStringList celulas;
    celulas.reserve(m_colunas.size());
    for (const ColunaGrade& c : m_colunas) {
        const int i = c.campo.isEmpty() ? -1 : rs.indice(c.campo);
        const QString t = i < 0 ? QString() : rs.texto(i);
        celulas << (c.formato ? c.formato(t) : t);
    }
    return celulas;
}

QString JanelaLista::aviso_da_linha(const Recordset&) const { return {}; }

QString JanelaLista::codigo_atual() const
{
    const int linha = Grid1->row();
    return linha >= 1 ? Grid1->textMatrix(linha, 0) : QString();
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
    exporta_lista(this, *Grid1, windowTitle(), m_sql, [this](const Recordset& rs) { return textos_da_linha(rs); });
}

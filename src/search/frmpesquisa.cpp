#include "frmpesquisa.h"
#include "campos.h"
#include "filtroteclas.h"
#include "grade.h"
#include "modulo1.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

FrmPesquisa::FrmPesquisa(const QString& nome, const QString& titulo, QList<ColunaPesquisa> colunas, int linhasMinimas)
    : m_colunas(std::move(colunas)), m_linhasMinimas(linhasMinimas)
{
    setObjectName(nome);
    setWindowTitle(titulo);
    auto* v = new QVBoxLayout(this);
    m_filtros = new QGridLayout;
    v->addLayout(m_filtros);
    Grid1 = new Grade(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->setAccessibleName(titulo);
    Grid1->setCols(int(m_colunas.size()));
    int largura = 40;
    for (const ColunaPesquisa& c : m_colunas)
        largura += c.largura / 15;
    Grid1->setMinimumSize(std::max(largura, 420), 320);
    v->addWidget(Grid1, 1);
    m_botoes = new QHBoxLayout;
    m_botoes->addStretch();
    v->addLayout(m_botoes);
    m_teclas = new FiltroTeclas(this);

    connect(Grid1, &Grade::linhaAtualMudou, this, &FrmPesquisa::atualiza_botoes);
    connect(Grid1, &QAbstractItemView::clicked, this, &FrmPesquisa::atualiza_botoes);
    connect(Grid1, &QAbstractItemView::doubleClicked, this, [this] {
        if (em_consulta()) aceita_click();
        else detalhes_click();
    });
}

QLineEdit* FrmPesquisa::filtro(const QString& rotulo, const QString& nome, int maximo)
{
    QLineEdit* e = linha_campo(m_filtros, int(m_caixas.size()), 0, rotulo, nome, maximo);
    m_caixas.append(e);
    return e;
}

QPushButton* FrmPesquisa::botao(const QString& caption, const QString& nome)
{
    auto* b = novo_botao(caption, nome, this);
    if (caption == QLatin1String("&Procurar")) {
        botaoProcurar = b;
        m_teclas->botaoF5(b);
        m_filtros->addWidget(b, 0, 2);
        connect(b, &QPushButton::clicked, this, &FrmPesquisa::procura);
        return b;
    }
    m_botoes->addWidget(b);
    if (caption == QLatin1String("&Detalhes")) {
        botaoDetalhes = b;
        connect(b, &QPushButton::clicked, this, &FrmPesquisa::detalhes_click);
    } else if (caption == QLatin1String("&Excluir")) {
        botaoExcluir = b;
        connect(b, &QPushButton::clicked, this, &FrmPesquisa::exclui_click);
    } else if (caption == QLatin1String("&Aceitar")) {
        botaoAceitar = b;
        connect(b, &QPushButton::clicked, this, &FrmPesquisa::aceita_click);
    } else if (caption == QLatin1String("&Sair")) {
        botaoSair = b;
        connect(b, &QPushButton::clicked, this, &FrmPesquisa::sai_click);
    }
    return b;
}

void FrmPesquisa::fecha_layout() { m_filtros->setColumnStretch(1, 1); }

void FrmPesquisa::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (m_aberto || e->spontaneous())
        return;
    m_aberto = true;
    m_teclas->instala();
    centraliza_form(this);
    ao_abrir();
}

void FrmPesquisa::ao_abrir()
{
    for (QLineEdit* c : m_caixas)
        c->clear();
    procura();
    if (botaoAceitar)
        botaoAceitar->setVisible(em_consulta());
    if (!m_caixas.isEmpty())
        m_caixas.first()->setFocus();
}

void FrmPesquisa::procura()
{
    for (QPushButton* b : {botaoProcurar, botaoDetalhes, botaoExcluir, botaoSair})
        if (b) b->setEnabled(false);
    Grid1->limpa(0);
    for (int c = 0; c < m_colunas.size(); ++c) {
        Grid1->setTextMatrix(0, c, m_colunas[c].titulo);
        Grid1->setColWidth(c, m_colunas[c].largura);
        Grid1->setColAlignment(c, m_colunas[c].alinhamento);
    }
    const QString sql = consulta();
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
            trata_erro_banco(e);
        }
    }
    if (Grid1->rows() < m_linhasMinimas)
        Grid1->setRows(m_linhasMinimas);
    Grid1->setRow(1);
    atualiza_botoes();
    for (QPushButton* b : {botaoProcurar, botaoSair})
        if (b) b->setEnabled(true);
}

void FrmPesquisa::formata_colunas()
{
    Grade::Carga carga(*Grid1);
    for (int c = 0; c < m_colunas.size(); ++c) {
        if (!m_colunas[c].formato)
            continue;
        for (int linha = 1; linha < Grid1->rows() && !Grid1->textMatrix(linha, 0).isEmpty(); ++linha)
            Grid1->setTextMatrix(linha, c, m_colunas[c].formato(Grid1->textMatrix(linha, c)));
    }
}

QString coluna_moeda(const QString& texto) { return Dinheiro::leTexto(texto).value_or(Dinheiro()).moeda(); }

QString coluna_sim_nao(const QString& texto) { return texto.trimmed() == QLatin1String("1") ? QStringLiteral("Sim") : QStringLiteral("Não"); }

QString FrmPesquisa::codigo_atual() const
{
    const int linha = Grid1->row();
    return linha >= 1 ? Grid1->textMatrix(linha, 0) : QString();
}

void FrmPesquisa::atualiza_botoes()
{
    const bool temCodigo = !codigo_atual().isEmpty();
    for (QPushButton* b : {botaoDetalhes, botaoExcluir, botaoAceitar})
        if (b) b->setEnabled(temCodigo);
    for (QPushButton* b : m_botoesDeLinha)
        b->setEnabled(temCodigo);
}

void FrmPesquisa::detalhes_click()
{
    const QString codigo = codigo_atual();
    if (codigo.isEmpty())
        return;
    abre_detalhes(codigo);
    if (recarrega_apos_detalhes())
        procura();
}

bool FrmPesquisa::confirma(const QString&, int linha)
{
    return confirma_exclusao(m_oqueExcluir, Grid1->textMatrix(linha, 1));
}

void FrmPesquisa::exclui_click()
{
    const QString codigo = codigo_atual();
    if (codigo.isEmpty() || !confirma(codigo, Grid1->row()))
        return;
    try {
        Transacao t(conexao);
        for (const QString& comando : comandos_exclusao(QString::number(valor_numerico(codigo))))
            conexao.execute(comando);
        t.confirma();
    } catch (const ErroBanco& e) {
        trata_erro_banco(e); // the list stays as it was
        return;
    }
    procura();
}

void FrmPesquisa::aceita_click()
{
    const QString codigo = codigo_atual();
    if (codigo.isEmpty())
        return;
    nCodigoConsulta = codigo.toInt();
    m_aberto = false;
    done(QDialog::Accepted);
}

void FrmPesquisa::sai_click()
{
    nCodigoConsulta = 0;
    m_aberto = false;
    done(QDialog::Rejected);
}

void FrmPesquisa::reject() { sai_click(); }

#include "frmpesquisa.h"
#include "campos.h"
#include "filtroteclas.h"
#include "grade.h"
#include "errosbanco.h"
#include "mensagens.h"
#include "sessao.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

FrmPesquisa::FrmPesquisa(const QString& nome, const QString& titulo, QList<ColunaGrade> colunas, int linhasMinimas)
    : JanelaLista(nome, titulo, std::move(colunas), linhasMinimas)
{
    auto* v = new QVBoxLayout(this);
    m_filtros = new QGridLayout;
    v->addLayout(m_filtros);
    v->addWidget(Grid1, 1);
    m_botoes = new QHBoxLayout;
    m_botoes->addStretch();
    v->addLayout(m_botoes);
    m_teclas = new FiltroTeclas(this);
    botaoExportar = novo_botao(QStringLiteral("E&xportar"), QStringLiteral("CmdExportar"), this);
    m_botoes->addWidget(botaoExportar);
    connect(botaoExportar, &QPushButton::clicked, this, &JanelaLista::exporta);

}

void FrmPesquisa::duplo_clique()
{
    if (em_consulta())
        aceita_click();
    else
        detalhes_click();
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
        botao_de_linha(b);
        connect(b, &QPushButton::clicked, this, &FrmPesquisa::detalhes_click);
    } else if (caption == QLatin1String("&Excluir")) {
        botaoExcluir = b;
        botao_de_linha(b);
        connect(b, &QPushButton::clicked, this, &FrmPesquisa::exclui_click);
    } else if (caption == QLatin1String("&Aceitar")) {
        botaoAceitar = b;
        botao_de_linha(b);
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
    // the keys reach every control, those a screen added last included
    if (!e->spontaneous())
        m_teclas->instala();
    JanelaLista::showEvent(e);
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
    enche_lista(consulta_lista());
    atualiza_botoes();
    for (QPushButton* b : {botaoProcurar, botaoSair})
        if (b) b->setEnabled(true);
}

QVariant coluna_sim_nao(const Recordset& rs, int campo)
{
    return rs.texto(campo).trimmed() == QLatin1String("1") ? QStringLiteral("Sim") : QStringLiteral("Não");
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
    return confirma_exclusao(m_oqueExcluir, Grid1->texto(linha, COLUNA_NOME));
}

void FrmPesquisa::exclui_click()
{
    const QString codigo = codigo_atual();
    if (codigo.isEmpty() || !confirma(codigo, Grid1->linhaAtual()))
        return;
    if (!em_transacao(Operacao::Exclusao, comandos_exclusao(QString::number(valor_numerico(codigo)))))
        return; // the list stays as it was
    procura();
}

void FrmPesquisa::aceita_click() { aceita_linha(); }

void FrmPesquisa::sai_click() { cancela(); }

void FrmPesquisa::reject() { sai_click(); }

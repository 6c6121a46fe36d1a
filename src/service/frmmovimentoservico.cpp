#include "frmmovimentoservico.h"
#include "caixacodigo.h"
#include "campos.h"
#include "filtroteclas.h"
#include "formularios.h"
#include "frmcadcondicaopagto.h"
#include "frmconsulta.h"
#include "grade.h"
#include "mensagens.h"
#include "errosbanco.h"
#include "formatos.h"
#include "sessao.h"
#include "valoresnegativos.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

FrmMovimentoServico::FrmMovimentoServico(const QString& nome, const QString& titulo, QList<ColunaGrade> colunas,
                                         int linhasMinimas, int colunaMaquina, int colunaServico, int colunaPreco)
    : FrmMovimento(nome, titulo, std::move(colunas), linhasMinimas),
      m_colunaMaquina(colunaMaquina), m_colunaServico(colunaServico), m_colunaPreco(colunaPreco)
{
    QGridLayout* g = cabecalho();
    QWidget* pai = g->parentWidget();
    const LinhaCodigo linhaCondicao = linha_codigo(g, 2, QStringLiteral("Condição"), QStringLiteral("caixaCondicao"), QStringLiteral("botaoConsultaCondicao"),
                                                   QStringLiteral("Consultar condições de pagamento"), QStringLiteral("caixaDescricaoCondicao"),
                                                   QStringLiteral("Descrição da condição"), false);
    caixaCondicao = linhaCondicao.codigo;
    botaoConsultaCondicao = linhaCondicao.botao;
    caixaDescricaoCondicao = linhaCondicao.descricao;
    caixaObservacao = new QPlainTextEdit(pai);
    caixaObservacao->setObjectName(QStringLiteral("caixaObservacao"));
    caixaObservacao->setTabChangesFocus(true);
    caixaObservacao->setMaximumHeight(54);
    g->addWidget(novo_rotulo(QStringLiteral("Obs"), caixaObservacao, pai), 3, 0);
    g->addWidget(caixaObservacao, 3, 1, 1, 5);

    QGridLayout* i = quadroItens();
    pai = i->parentWidget();
    caixaMaquina = caixa_exibicao(pai, QStringLiteral("caixaMaquina"), true);
    botaoMaquina = botao_consulta(pai, QStringLiteral("botaoMaquina"), QStringLiteral("Escolher equipamento do cliente"), true);
    linha_botao(i, 0, QStringLiteral("Equipamento"), botaoMaquina, caixaMaquina);
    caixaCodigoMaquina = caixa_oculta(pai, QStringLiteral("caixaCodigoMaquina"), QStringLiteral("Código do equipamento do cliente"));
    caixaServico = linha_campo(i, 2, 0, QStringLiteral("Serviço"), QStringLiteral("caixaServico"), 0, true, 4);
    caixaPreco = linha_campo(i, 3, 0, QStringLiteral("Preço"), QStringLiteral("caixaPreco"), 20, true);
    caixaPreco->setMaximumWidth(140);
    caixaTotal = caixa_exibicao(pai, QStringLiteral("caixaTotal"), true);
    caixaTotal->setMaximumWidth(160);
    destaca_valor(caixaTotal);
    i->addWidget(novo_rotulo(QStringLiteral("Total"), caixaTotal, pai), 3, 3, Qt::AlignRight);
    i->addWidget(caixaTotal, 3, 4);
    i->setColumnStretch(2, 1);
    limita(caixaObservacao, QStringLiteral("Obs"), 255, false);
    limita(caixaServico, QStringLiteral("Serviço"), 255, true);

    m_condicao = new CaixaCodigo(
        caixaCondicao, caixaDescricaoCondicao, botaoConsultaCondicao, teclas(),
        QStringLiteral("select cdescricao from condicao_pagto where ncodigo = ?"),
        [] { return consulta_codigo(QStringLiteral("Condições")); },
        [] { form<FrmCadCondicaoPagto>().inclui(); });
    m_condicao->semValidarAoIrPara(botaoCancelar);
    cliente()->semValidarAoIrPara(botaoCancelar);

    teclas()->tipoCampo(caixaPreco, CampoDinheiro);
    seleciona_ao_entrar(caixaPreco);
    // Enter in the price confirms the item
    teclas()->antesDoEnter(caixaPreco, [this] {
        confirma_item();
        return true;
    });
    // the machine's code box is never shown: the choice of a machine fills it
    m_maquina = new CaixaCodigo(
        caixaCodigoMaquina, caixaMaquina, botaoMaquina, teclas(),
        QStringLiteral("select cdescricao||' - '||cidentificacao as cnome from equipamento_cliente,equipamento "
                       "where nequipamento = equipamento.ncodigo and equipamento_cliente.ncodigo = ?"),
        [this] { return escolhe_maquina(); }, {});
    m_maquina->semAviso().aCadaMudanca().depoisDeAchar([this] {
        if (QWidget* w = depois_da_maquina())
            w->setFocus(Qt::OtherFocusReason);
    });
}

QWidget* FrmMovimentoServico::depois_da_maquina() const { return caixaServico; }
QWidget* FrmMovimentoServico::campo_item() const { return botaoMaquina; }

QList<QVariantList> FrmMovimentoServico::le_linhas()
{
    const QList<ItemServico> itens = le_itens_servico(conexao, tipo(), codigoMovimento());
    QList<QVariantList> linhas;
    Dinheiro soma;
    for (const ItemServico& item : itens) {
        linhas << linha_do_item(item);
        soma += item.preco;
    }
    m_total = soma;
    caixaTotal->setText(m_total.moeda());
    return linhas;
}

bool FrmMovimentoServico::exclui_item(qint32 codigo)
{
    bool reabre = false;
    return pode_alterar_itens(reabre) && tenta([&] { exclui_item_servico(conexao, tipo(), codigoMovimento(), codigo, reabre); });
}

void FrmMovimentoServico::prepara()
{
    caixaPreco->setText(Dinheiro().moeda());
    m_total = Dinheiro();
    caixaTotal->setText(m_total.moeda());
}

void FrmMovimentoServico::depois_de_reservar()
{
    caixaCondicao->setText(QStringLiteral("1"));
    m_condicao->valida();
}

void FrmMovimentoServico::valida_cabecalho()
{
    cliente()->valida();
    m_condicao->valida();
}

void FrmMovimentoServico::limpa_item()
{
    caixaCodigoMaquina->clear();
    caixaMaquina->clear();
    caixaServico->clear();
    caixaPreco->setText(Dinheiro().moeda());
}

void FrmMovimentoServico::consulta_maquina() { m_maquina->consulta(); }

qint32 FrmMovimentoServico::escolhe_maquina()
{
    if (caixaCliente->text().isEmpty() || caixaNomeCliente->text().isEmpty()) {
        informa(QStringLiteral("Informe o cliente!"));
        return 0;
    }
    ConsultaLista maquinas{QStringLiteral("select equipamento_cliente.ncodigo,cdescricao||' - '||cidentificacao as cnome from equipamento_cliente,equipamento "
                                          "where nequipamento = equipamento.ncodigo and ncliente = ? order by cdescricao,cidentificacao")};
    maquinas.valores = {valor_numerico(caixaCliente->text())};
    return form<FrmConsulta>().escolhe(maquinas).value_or(0);
}

bool FrmMovimentoServico::grava_item(qint32 codigo)
{
    if (!verifica_obrigatorios(this))
        return false;
    // a price that is not an amount is refused, never stored as zero; one
    // below zero (pasted) is refused too
    const std::optional<Dinheiro> preco = caixaPreco->text().trimmed().isEmpty() ? Dinheiro() : Dinheiro::leTexto(caixaPreco->text());
    if (!preco || *preco < Dinheiro()) {
        informa(preco ? mensagem_valor_negativo(caixaPreco->text()) : mensagem_valor_invalido(caixaPreco->text()));
        caixaPreco->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (const auto recusa = recusa_preco(*preco)) {
        informa(*recusa);
        return false;
    }
    const ItemServico item = item_da_tela(codigo, *preco);
    bool reabre = false;
    return pode_alterar_itens(reabre) && tenta([&] { grava_item_servico(conexao, tipo(), codigoMovimento(), item, reabre); });
}

ItemServico FrmMovimentoServico::item_da_tela(qint32 codigo, Dinheiro preco) const
{
    ItemServico item;
    item.codigo = codigo;
    item.maquina = qint32(valor_numerico(caixaCodigoMaquina->text()));
    item.servico = caixaServico->text();
    item.preco = preco;
    return item;
}

void FrmMovimentoServico::mostra_item(int linha)
{
    caixaCodigoMaquina->setText(gradeItens->texto(linha, m_colunaMaquina));
    caixaServico->setText(gradeItens->texto(linha, m_colunaServico));
    caixaPreco->setText(gradeItens->texto(linha, m_colunaPreco));
}

bool FrmMovimentoServico::pode_gravar()
{
    // a valid payment condition too: an emptied or unknown one would be
    // written as a condition that does not exist
    if (gradeItens->codigo(0).isNull() || caixaNomeCliente->text().isEmpty() || caixaCliente->text().isEmpty() || caixaDescricaoCondicao->text().isEmpty()) {
        informa(QStringLiteral("Verique se os campos foram preenchidos corretamente!"));
        return false;
    }
    return confere_tamanhos(false);
}

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
#include "legado.h"
#include "literaissql.h"
#include "sessao.h"
#include "valoresnegativos.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

FrmMovimentoServico::FrmMovimentoServico(const QString& nome, const QString& titulo, QList<ColunaGrade> colunas,
                                         int linhasMinimas, int colunaMaquina, int colunaServico, int colunaPreco)
    : FrmMovimento(nome, titulo, QStringLiteral("Command7"), std::move(colunas), linhasMinimas),
      m_colunaMaquina(colunaMaquina), m_colunaServico(colunaServico), m_colunaPreco(colunaPreco)
{
    Command7 = botaoCancelar();
    QGridLayout* g = cabecalho();
    QWidget* pai = g->parentWidget();
    Text10 = linha_campo(g, 2, 0, QStringLiteral("Condição"), QStringLiteral("Text10"), 10);
    Text10->setMaximumWidth(90);
    Command8 = botao_consulta(pai, QStringLiteral("Command8"), QStringLiteral("Consultar condições de pagamento"), false);
    g->addWidget(Command8, 2, 2);
    Text11 = caixa_exibicao(pai, QStringLiteral("Text11"), false);
    Text11->setAccessibleName(QStringLiteral("Descrição da condição"));
    g->addWidget(Text11, 2, 3, 1, 3);
    Text3 = new QPlainTextEdit(pai);
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setTabChangesFocus(true);
    Text3->setMaximumHeight(54);
    g->addWidget(novo_rotulo(QStringLiteral("Obs"), Text3, pai), 3, 0);
    g->addWidget(Text3, 3, 1, 1, 5);

    QGridLayout* i = quadroItens();
    pai = i->parentWidget();
    Text2 = caixa_exibicao(pai, QStringLiteral("Text2"), true);
    Command4 = botao_consulta(pai, QStringLiteral("Command4"), QStringLiteral("Escolher equipamento do cliente"), true);
    linha_botao(i, 0, QStringLiteral("Equipamento"), Command4, Text2);
    Text5 = caixa_oculta(pai, QStringLiteral("Text5"), QStringLiteral("Código do equipamento do cliente"));
    Text6 = linha_campo(i, 2, 0, QStringLiteral("Serviço"), QStringLiteral("Text6"), 0, true, 4);
    Text7 = linha_campo(i, 3, 0, QStringLiteral("Preço"), QStringLiteral("Text7"), 20, true);
    Text7->setMaximumWidth(140);
    Text9 = caixa_exibicao(pai, QStringLiteral("Text9"), true);
    Text9->setMaximumWidth(160);
    destaca_valor(Text9);
    i->addWidget(novo_rotulo(QStringLiteral("Total"), Text9, pai), 3, 3, Qt::AlignRight);
    i->addWidget(Text9, 3, 4);
    i->setColumnStretch(2, 1);
    limita(Text3, QStringLiteral("Obs"), 255, false);
    limita(Text6, QStringLiteral("Serviço"), 255, true);

    m_condicao = new CaixaCodigo(
        Text10, Text11, Command8, teclas(),
        [](qint32 c) { return QStringLiteral("select cdescricao from condicao_pagto where ncodigo = %1").arg(c); },
        [] { return consulta_codigo(QStringLiteral("Condições")); },
        [] { form<FrmCadCondicaoPagto>().inclui(); });
    m_condicao->semValidarAoIrPara(Command7);
    cliente()->semValidarAoIrPara(Command7);

    teclas()->tipoCampo(Text7, CampoDinheiro);
    seleciona_ao_entrar(Text7);
    // Enter in the price confirms the item
    teclas()->antesDoEnter(Text7, [this] {
        Toolbar1_ButtonClick(1);
        return true;
    });
    // the machine's code box is never shown: the choice of a machine fills it
    m_maquina = new CaixaCodigo(
        Text5, Text2, Command4, teclas(),
        [](qint32 c) {
            return QStringLiteral("select cdescricao||' - '||cidentificacao as cnome from equipamento_cliente,equipamento "
                                  "where nequipamento = equipamento.ncodigo and equipamento_cliente.ncodigo = %1").arg(c);
        },
        [this] { return escolhe_maquina(); }, {});
    m_maquina->semAviso().aCadaMudanca().depoisDeAchar([this] {
        if (QWidget* w = depois_da_maquina())
            w->setFocus(Qt::OtherFocusReason);
    });
}

QWidget* FrmMovimentoServico::depois_da_maquina() const { return Text6; }
QWidget* FrmMovimentoServico::campo_item() const { return Command4; }
QString FrmMovimentoServico::codigo() const { return QString::number(valor_numerico(Text1->text())); }
QString FrmMovimentoServico::total_sql() const { return total().sql(); }

QString FrmMovimentoServico::soma_itens_sql() const
{
    return QStringLiteral("(select coalesce(sum(nvalor),0) from %1 where %2 = %3)").arg(tabelaItens(), colunaPai(), codigo());
}

QStringList FrmMovimentoServico::comandos_item(const QString& sql) const
{
    return {sql, QStringLiteral("update %1 set nvalor = %2 where ncodigo = %3").arg(tabela(), soma_itens_sql(), codigo())};
}

bool FrmMovimentoServico::grava_item(const QString& sql) { return em_transacao(Operacao::GravacaoItem, comandos_item(sql)); }

void FrmMovimentoServico::prepara()
{
    Text7->setText(Dinheiro().moeda());
    m_total = Dinheiro();
    Text9->setText(m_total.moeda());
}

void FrmMovimentoServico::depois_de_reservar()
{
    Text10->setText(QStringLiteral("1"));
    m_condicao->valida();
}

void FrmMovimentoServico::valida_cabecalho()
{
    cliente()->valida();
    m_condicao->valida();
}

void FrmMovimentoServico::ao_carregar_itens(Recordset& rs)
{
    Dinheiro total;
    Grade::Carga carga(*Grid1);
    for (int linha = 1; !rs.eof(); rs.moveNext(), ++linha) {
        const Dinheiro preco = rs.dinheiro(QStringLiteral("nvalor"));
        Grid1->defineCelula(linha, m_colunaPreco, QVariant::fromValue(preco));
        total += preco;
    }
    m_total = total;
    Text9->setText(m_total.moeda());
}

void FrmMovimentoServico::limpa_item()
{
    Text5->clear();
    Text2->clear();
    Text6->clear();
    Text7->setText(Dinheiro().moeda());
}

void FrmMovimentoServico::Command4_Click() { m_maquina->consulta(); }

qint32 FrmMovimentoServico::escolhe_maquina()
{
    if (Text4->text().isEmpty() || Text8->text().isEmpty()) {
        informa(QStringLiteral("Informe o cliente!"));
        return 0;
    }
    cSQL = QStringLiteral("select equipamento_cliente.ncodigo,cdescricao||' - '||cidentificacao as cnome from equipamento_cliente,equipamento "
                          "where nequipamento = equipamento.ncodigo and ncliente = %1 order by cdescricao,cidentificacao")
               .arg(valor_numerico(Text4->text()));
    FrmConsulta& f = form<FrmConsulta>();
    f.cTipoConsula = QString();
    f.Command1_Click();
    abre_modal(f);
    return nCodigoConsulta;
}

QString FrmMovimentoServico::sql_item(bool novo, const QString& codigo)
{
    if (!verifica_obrigatorios(this))
        return {};
    // a price that is not an amount is refused, never stored as zero; one
    // below zero (pasted) is refused too
    const std::optional<Dinheiro> preco = Text7->text().trimmed().isEmpty() ? Dinheiro() : Dinheiro::leTexto(Text7->text());
    if (!preco || *preco < Dinheiro()) {
        informa(preco ? mensagem_valor_negativo(Text7->text()) : mensagem_valor_invalido(Text7->text()));
        Text7->setFocus(Qt::OtherFocusReason);
        return {};
    }
    if (!preco_aceito(*preco))
        return {};
    return sql_grava_item(novo, codigo, texto_sql(Text6->text()), preco->sql());
}

void FrmMovimentoServico::mostra_item(int linha)
{
    Text5->setText(Grid1->textMatrix(linha, m_colunaMaquina));
    Text6->setText(Grid1->textMatrix(linha, m_colunaServico));
    Text7->setText(Grid1->textMatrix(linha, m_colunaPreco));
}

bool FrmMovimentoServico::pode_gravar()
{
    // a valid payment condition too: an emptied or unknown one would be
    // written as a condition that does not exist
    if (Grid1->textMatrix(1, 0).isEmpty() || Text8->text().isEmpty() || Text4->text().isEmpty() || Text11->text().isEmpty()) {
        informa(QStringLiteral("Verique se os campos foram preenchidos corretamente!"));
        return false;
    }
    return confere_tamanhos(false);
}

#include "frmordem.h"
#include "caixacodigo.h"
#include "campos.h"
#include "formularios.h"
#include "frmconsulta.h"
#include "frmfechamentovendaprazo.h"
#include "frmpagamentodavenda.h"
#include "grade.h"
#include "impressos.h"
#include "mensagens.h"
#include "errosbanco.h"
#include "legado.h"
#include "literaissql.h"
#include "sessao.h"
#include "relogio.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
const QString GARANTIA = QStringLiteral("Essa ordem é de garantia portanto o valor deve ser zero!");
const QString ITENS_PAGOS = QStringLiteral("Esta ordem de serviço já tem pagamentos lançados: seus itens não podem ser alterados.");
const QString REABRIR = QStringLiteral("Esta ordem já foi fechada. Deseja reabri-la e excluir suas parcelas?");
} // namespace

FrmOrdem::FrmOrdem()
    : FrmMovimentoServico(QStringLiteral("FrmOrdem"), QStringLiteral("Ordem de serviço"),
                          {{QStringLiteral("Código do equipamento cliente"), 0, Qt::AlignLeft, QStringLiteral("ncodigo")},
                           {QStringLiteral("Equipamento"), 213, Qt::AlignLeft, QStringLiteral("equipamento")},
                           {QStringLiteral("Técnico"), 213, Qt::AlignLeft, QStringLiteral("cfantasia")},
                           {QStringLiteral("Serviço"), 213, Qt::AlignLeft, QStringLiteral("cservico")},
                           {QStringLiteral("Preço"), 93, Qt::AlignCenter, QString()},
                           {QString(), 0, Qt::AlignLeft, QStringLiteral("nequipamento")},
                           {QString(), 0, Qt::AlignLeft, QStringLiteral("ntecnico")}},
                          11, 5, 3, 4)
{
    QGridLayout* g = cabecalho();
    QWidget* pai = g->parentWidget();
    DTPicker1 = new QDateEdit(pai);
    DTPicker1->setObjectName(QStringLiteral("DTPicker1"));
    DTPicker1->setCalendarPopup(true);
    DTPicker1->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    g->addWidget(novo_rotulo(QStringLiteral("Data da ordem"), DTPicker1, pai), 0, 4);
    g->addWidget(DTPicker1, 0, 5);
    Check1 = new QCheckBox(QStringLiteral("Concluída"), pai);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check2 = new QCheckBox(QStringLiteral("Ordem de serviço de garantia"), pai);
    Check2->setObjectName(QStringLiteral("Check2"));
    g->addWidget(Check1, 4, 1, 1, 2);
    g->addWidget(Check2, 4, 3, 1, 3);

    QGridLayout* i = linhas_item();
    pai = i->parentWidget();
    Text12 = caixa_exibicao(pai, QStringLiteral("Text12"), true);
    Command1 = botao_consulta(pai, QStringLiteral("Command1"), QStringLiteral("Escolher técnico"), true);
    linha_botao(i, 1, QStringLiteral("Técnico"), Command1, Text12);
    Text13 = caixa_oculta(pai, QStringLiteral("Text13"), QStringLiteral("Código do técnico"));

    ordem_de_tab({Text4, Text10, Text3, DTPicker1, Check1, Check2, Command4, Command1, Text6, Text7});

    // the technician's code box is never shown: the lookup fills it
    m_tecnico = new CaixaCodigo(
        Text13, Text12, Command1, teclas(), [](qint32 c) { return QStringLiteral("select cfantasia from tecnico where ncodigo = %1").arg(c); },
        [] { return consulta_codigo(QStringLiteral("Tecnicos")); }, {});
    m_tecnico->semAviso().aCadaMudanca().depoisDeAchar([this] { Text6->setFocus(Qt::OtherFocusReason); });
    connect(Check2, &QCheckBox::clicked, this, &FrmOrdem::garantia_clicada);
    resize(900, 700);
}

QWidget* FrmOrdem::depois_da_maquina() const { return Command1; }

QString FrmOrdem::sql_reserva() const
{
    return QStringLiteral("insert into ordem values(null,1,'") + hoje_sql() + QStringLiteral("','") + agora_texto()
           + QStringLiteral("',0,'',1,0,0)");
}

void FrmOrdem::prepara()
{
    FrmMovimentoServico::prepara();
    Check1->setChecked(false);
    Check2->setChecked(false);
    DTPicker1->setDate(Relogio::hoje());
    trava_cabecalho(false);
}

void FrmOrdem::carrega()
{
    cSQL = QStringLiteral("select * from ordem where ncodigo = %1").arg(nCodigoordem);
    rsDados.abre(cSQL);
    if (rsDados.recordCount() > 0) {
        Text1->setText(rsDados.texto(QStringLiteral("ncodigo")));
        Text3->setPlainText(rsDados.texto(QStringLiteral("cobs")));
        Text4->setText(rsDados.texto(QStringLiteral("ncliente")));
        Text10->setText(rsDados.texto(QStringLiteral("ncondicao")));
        Check1->setChecked(rsDados.inteiro(QStringLiteral("nconcluida")) == 1);
        Check2->setChecked(rsDados.inteiro(QStringLiteral("ntipo")) == 1);
        const QDate data = rsDados.data(QStringLiteral("ddata"));
        if (data.isValid())
            DTPicker1->setDate(data);
    }
    rsDados.fecha();
    trava_cabecalho(situacao().pagamentos > 0);
}

QString FrmOrdem::sql_itens() const
{
    return QStringLiteral("select item_ordem.ncodigo,cdescricao||'-'||cidentificacao as equipamento,cservico,nvalor,"
                          "equipamento_cliente.ncodigo as nequipamento, cfantasia,ntecnico from item_ordem,equipamento_cliente,"
                          "equipamento,tecnico where item_ordem.ntecnico = tecnico.ncodigo and item_ordem.nequipamento_cliente = "
                          "equipamento_cliente.ncodigo and equipamento_cliente.nequipamento = equipamento.ncodigo and nordem = ")
           + codigo() + QStringLiteral(" order by item_ordem.ncodigo");
}

void FrmOrdem::Command1_Click() { m_tecnico->consulta(); }

void FrmOrdem::garantia_clicada(bool marcada)
{
    // a warranty order costs nothing: not with priced items in it
    if (marcada && total() != Dinheiro()) {
        Check2->setChecked(false);
        informa(GARANTIA);
    }
}

void FrmOrdem::trava_cabecalho(bool travado)
{
    for (QLineEdit* e : {Text4, Text10})
        e->setReadOnly(travado);
    for (QPushButton* b : {Command3, Command8})
        b->setEnabled(!travado);
}

bool FrmOrdem::preco_aceito(Dinheiro preco)
{
    if (Check2->isChecked()) {
        if (preco == Dinheiro())
            return true;
        informa(GARANTIA);
        return false;
    }
    if (preco != Dinheiro())
        return true;
    informa(QStringLiteral("Informe o valor do serviço!"));
    return false;
}

QString FrmOrdem::sql_grava_item(bool novo, const QString& codigo, const QString& servico, const QString& preco)
{
    const QString maquina = QString::number(valor_numerico(Text5->text()));
    const QString tecnico = QString::number(valor_numerico(Text13->text()));
    if (novo)
        return QStringLiteral("insert into item_ordem values(null,") + this->codigo() + QLatin1Char(',') + maquina
               + QStringLiteral(",'") + servico + QStringLiteral("',") + preco + QLatin1Char(',') + tecnico + QStringLiteral(" );");
    return QStringLiteral("update item_ordem set nequipamento_cliente = ") + maquina + QStringLiteral(",cservico = '") + servico
           + QStringLiteral("',nvalor = ") + preco + QStringLiteral(",ntecnico = ") + tecnico + QStringLiteral("  where ncodigo = ")
           + codigo;
}

void FrmOrdem::limpa_item()
{
    FrmMovimentoServico::limpa_item();
    Text13->clear();
    Text12->clear();
}

void FrmOrdem::mostra_item(int linha)
{
    FrmMovimentoServico::mostra_item(linha);
    Text13->setText(Grid1->textMatrix(linha, 6));
}

FrmOrdem::Situacao FrmOrdem::situacao()
{
    cSQL = QStringLiteral("select nconcluida, (select count(*) from conta_receber c where c.nordem = o.ncodigo) as ncontas, "
                          "(select count(*) from baixa_conta_receber b join conta_receber c on c.ncodigo = b.nconta_receber "
                          "where c.nordem = o.ncodigo) as npagamentos from ordem o where o.ncodigo = ")
           + codigo();
    rsAux.abre(cSQL);
    Situacao s;
    s.existe = rsAux.recordCount() > 0;
    if (s.existe) {
        s.concluida = rsAux.inteiro(QStringLiteral("nconcluida")) == 1;
        s.contas = int(rsAux.inteiro(QStringLiteral("ncontas")));
        s.pagamentos = int(rsAux.inteiro(QStringLiteral("npagamentos")));
    }
    rsAux.fecha();
    return s;
}

// The order as stored now, into s; false, with the user told, when it
// cannot be read or was deleted meanwhile.
bool FrmOrdem::le_situacao(Situacao& s)
{
    try {
        s = situacao();
    } catch (const ErroBanco& e) {
        rsAux.fecha();
        trata_erro_banco(e);
        return false;
    }
    if (!s.existe) {
        informa(REGISTRO_EXCLUIDO);
        return false;
    }
    return true;
}

bool FrmOrdem::grava_item(const QString& sql)
{
    // the items of a paid order stay as they were paid; those of a closed
    // one change only with the order reopened, its receivables gone, in the
    // same transaction: a concluded order's receivables always add up to
    // its total
    Situacao s;
    if (!le_situacao(s))
        return false;
    if (s.pagamentos > 0) {
        informa(ITENS_PAGOS);
        return false;
    }
    QStringList comandos;
    if (s.concluida) {
        if (!mensagens().pergunta(REABRIR))
            return false;
        comandos << QStringLiteral("delete from conta_receber where nordem = ") + codigo()
                 << QStringLiteral("update ordem set nconcluida = 0 where ncodigo = ") + codigo();
    }
    return em_transacao(Operacao::GravacaoItem, comandos + comandos_item(sql));
}

bool FrmOrdem::pode_gravar()
{
    if (!FrmMovimentoServico::pode_gravar())
        return false;
    if (Check2->isChecked() && total() != Dinheiro()) {
        informa(GARANTIA);
        return false;
    }
    if (!le_situacao(m_situacao))
        return false;
    if (m_situacao.pagamentos > 0) {
        // paid: only the date and the note are saved, and it stays concluded
        if (Check1->isChecked())
            return true;
        informa(ITENS_PAGOS);
        return false;
    }
    if (m_situacao.concluida)
        return Check1->isChecked() || mensagens().pergunta(REABRIR);
    return !Check1->isChecked() || mensagens().pergunta(QStringLiteral("Deseja realmente concluir esta ordem de serviço?"));
}

void FrmOrdem::grava()
{
    m_codigoGravado = qint32(valor_numerico(Text1->text()));
    const QString data = data_sql(DTPicker1->date().toString(QStringLiteral("dd/MM/yyyy")));
    m_concluida = false;
    m_fechamento = false;
    if (m_situacao.pagamentos > 0) {
        grava_cabecalho(QStringLiteral("update ordem set ddata = '") + data + QStringLiteral("', cobs = '")
                        + texto_sql(Text3->toPlainText()) + QStringLiteral("' where ncodigo = ") + codigo());
        m_concluida = true;
        return;
    }
    // an order with something to receive is concluded by its closing, which
    // writes the header with the receivables; until then it is saved as it
    // was: a new conclusion not concluded, a closed order untouched
    const bool conclui = Check1->isChecked();
    m_fechamento = conclui && total() > Dinheiro();
    if (m_fechamento && m_situacao.concluida)
        return;
    const bool concluida = conclui && !m_fechamento;
    // the receivables go (reopened) and the header is written as one step
    conexao.unidade(Operacao::GravacaoOrdem, [&] {
        cSQL = QStringLiteral("delete from conta_receber where nordem = ") + codigo();
        conexao.execute(cSQL);
        grava_cabecalho(QStringLiteral("update ordem set ddata = '") + data
                        + QStringLiteral("',ncliente = %1, cobs = '").arg(valor_numerico(Text4->text())) + texto_sql(Text3->toPlainText())
                        + QStringLiteral("',nvalor = ") + soma_itens_sql() + QStringLiteral(", nconcluida = ")
                        + (concluida ? QStringLiteral("1") : QStringLiteral("0")) + QStringLiteral(",ncondicao = ")
                        + QString::number(valor_numerico(Text10->text())) + QStringLiteral(",ntipo = ")
                        + (Check2->isChecked() ? QStringLiteral("1") : QStringLiteral("0")) + QStringLiteral("   where ncodigo = ")
                        + codigo());
    });
    m_concluida = concluida;
}

void FrmOrdem::depois_de_gravar()
{
    if (m_fechamento)
        m_concluida = abre_fechamento();
}

bool FrmOrdem::abre_fechamento()
{
    // While this form stays open, the concluded order goes to the cash
    // payment (condition 1) or to the credit closing (any other), which
    // read the order as this form shows it.
    auto entrega = [this](FrmFechamento& f) {
        f.nCodigoOrdem = qint32(valor_numerico(Text1->text()));
        f.nCliente = qint32(valor_numerico(Text4->text()));
        f.cObs = Text3->toPlainText();
        f.nValorTotal = total();
        f.nCondicao = qint32(valor_numerico(Text10->text()));
        f.cCondicao = Text11->text();
        f.dData = DTPicker1->date();
        abre_modal(f);
        return f.gravou();
    };
    if (valor_numerico(Text10->text()) == 1)
        return entrega(form<FrmPagamentoDaVenda>());
    return entrega(form<FrmFechamentoVendaPrazo>());
}

void FrmOrdem::depois_de_fechar()
{
    if (m_concluida)
        emite_ordem_servico(m_codigoGravado);
}

QString FrmOrdem::texto_gravado(qint64 codigo) const { return QStringLiteral("Ordem de serviço N.º %1 gravada.").arg(codigo); }

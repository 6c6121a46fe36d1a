#include "frmorcamento.h"
#include "caixacodigo.h"
#include "campos.h"
#include "frmconsulta.h"
#include "grade.h"
#include "impressos.h"
#include "mensagens.h"
#include "errosbanco.h"
#include "legado.h"
#include "literaissql.h"
#include "sessao.h"
#include "relogio.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

FrmOrcamento::FrmOrcamento()
    : FrmMovimentoServico(QStringLiteral("FrmOrcamento"), QStringLiteral("Orçamentos"),
                          {{QStringLiteral("Código do equipamento cliente"), 0, Qt::AlignLeft, QStringLiteral("ncodigo")},
                           {QStringLiteral("Equipamento"), 307, Qt::AlignLeft, QStringLiteral("equipamento")},
                           {QStringLiteral("Serviço"), 267, Qt::AlignLeft, QStringLiteral("cservico")},
                           {QStringLiteral("Preço"), 127, Qt::AlignCenter, QString()},
                           {QStringLiteral("Codigo do equipamento"), 0, Qt::AlignLeft, QStringLiteral("nequipamento")}},
                          12, 4, 2, 3)
{
    Check1 = new QCheckBox(QStringLiteral("Aprovado"), cabecalho()->parentWidget());
    Check1->setObjectName(QStringLiteral("Check1"));
    cabecalho()->addWidget(Check1, 0, 4, 1, 2);

    ordem_de_tab({Text4, Text10, Text3, Check1, Command4, Text6, Text7});
    resize(820, 640);
}

QString FrmOrcamento::sql_reserva() const
{
    return QStringLiteral("insert into orcamento values(null,1,'") + hoje_sql() + QStringLiteral("','") + agora_texto()
           + QStringLiteral("',0,'',0,1)");
}

void FrmOrcamento::prepara()
{
    FrmMovimentoServico::prepara();
    Check1->setChecked(false); // a new budget is not approved, whatever the last one was
}

void FrmOrcamento::carrega()
{
    cSQL = QStringLiteral("select * from orcamento where ncodigo = %1").arg(nCodigoOrcamento);
    rsDados.abre(cSQL);
    if (rsDados.recordCount() > 0) {
        Text1->setText(rsDados.texto(QStringLiteral("ncodigo")));
        Text3->setPlainText(rsDados.texto(QStringLiteral("cobs")));
        Text4->setText(rsDados.texto(QStringLiteral("ncliente")));
        Check1->setChecked(rsDados.inteiro(QStringLiteral("naprovado")) == 1);
        Text10->setText(rsDados.texto(QStringLiteral("ncondicao")));
    }
    rsDados.fecha();
}

QString FrmOrcamento::sql_itens() const
{
    return QStringLiteral("select item_orcamento.ncodigo,cdescricao||'-'||cidentificacao as equipamento,cservico,nvalor,"
                          "equipamento_cliente.ncodigo as nequipamento from item_orcamento,equipamento_cliente,equipamento "
                          "where item_orcamento.nequipamento_cliente = equipamento_cliente.ncodigo and "
                          "equipamento_cliente.nequipamento = equipamento.ncodigo and norcamento = ")
           + codigo() + QStringLiteral(" order by item_orcamento.ncodigo");
}

bool FrmOrcamento::preco_aceito(Dinheiro preco)
{
    if (preco > Dinheiro())
        return true;
    informa(QStringLiteral("Informe o valor do serviço!"));
    return false;
}

QString FrmOrcamento::sql_grava_item(bool novo, const QString& codigo, const QString& servico, const QString& preco)
{
    const QString maquina = QString::number(valor_numerico(Text5->text()));
    if (novo)
        return QStringLiteral("insert into item_orcamento values(null,") + this->codigo() + QLatin1Char(',') + maquina
               + QStringLiteral(",'") + servico + QStringLiteral("',") + preco + QStringLiteral(");");
    return QStringLiteral("update item_orcamento set nequipamento_cliente = ") + maquina + QStringLiteral(",cservico = '")
           + servico + QStringLiteral("',nvalor = ") + preco + QStringLiteral(" where ncodigo = ") + codigo;
}

void FrmOrcamento::grava()
{
    grava_cabecalho(QStringLiteral("update orcamento set ncliente = %1, cobs = '").arg(valor_numerico(Text4->text()))
                    + texto_sql(Text3->toPlainText()) + QStringLiteral("',nvalor = ") + soma_itens_sql() + QStringLiteral(",naprovado = ")
                    + (Check1->isChecked() ? QStringLiteral("1") : QStringLiteral("0")) + QStringLiteral(",ncondicao = ")
                    + QString::number(valor_numerico(Text10->text())) + QStringLiteral(" where ncodigo = ") + codigo());
}

namespace {
QString ja_gerou(qint32 ordem) { return QStringLiteral("Este orçamento já gerou a ordem de serviço %1.").arg(ordem); }
} // namespace

void FrmOrcamento::depois_de_gravar()
{
    informa(QStringLiteral("Ok! Orçamento gravado com sucesso!"));
    emite_orcamento(qint32(valor_numerico(Text1->text())));
    if (!Check1->isChecked())
        return;
    qint32 feita = 0;
    try {
        feita = ordem_gerada();
    } catch (const ErroBanco& e) {
        rsAux.fecha();
        trata_erro_banco(e);
        return;
    }
    if (feita > 0)
        informa(ja_gerou(feita));
    else if (mensagens().pergunta(QStringLiteral("Deseja gerar a ordem de serviço?")))
        gera_ordem();
}

qint32 FrmOrcamento::ordem_gerada()
{
    rsAux.abre(QStringLiteral("select nordem from ordem_do_orcamento where norcamento = ") + codigo());
    const qint32 ordem = rsAux.recordCount() > 0 ? qint32(rsAux.inteiro(QStringLiteral("nordem"))) : 0;
    rsAux.fecha();
    return ordem;
}

qint32 FrmOrcamento::gera_ordem()
{
    const qint32 tecnico = consulta_codigo(QStringLiteral("Tecnicos"));
    if (tecnico == 0)
        return 0;
    const QDateTime agora = Relogio::momento();
    qint32 ordem = 0;
    // the order, the copy of every item and the link stand or fall together
    const bool gravou = em_transacao(Operacao::OrdemDoOrcamento, [&] {
        // a second station making an order of this budget waits here, and
        // then finds the first one's
        rsAux.abre(QStringLiteral("select ncodigo from orcamento where ncodigo = ") + codigo() + QStringLiteral(" with lock"));
        const bool existe = rsAux.recordCount() > 0;
        rsAux.fecha();
        if (!existe)
            throw Recusa(REGISTRO_EXCLUIDO);
        if (const qint32 feita = ordem_gerada())
            throw Recusa(ja_gerou(feita));
        cSQL = QStringLiteral("insert into ordem values (null,%1,'").arg(valor_numerico(Text4->text()))
               + data_sql(agora.date().toString(QStringLiteral("dd/MM/yyyy"))) + QStringLiteral("','")
               + agora.time().toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("',") + soma_itens_sql() + QStringLiteral(",'")
               + texto_sql(Text3->toPlainText()) + QStringLiteral("',") + QString::number(valor_numerico(Text10->text()))
               + QStringLiteral(",0,0) returning ncodigo");
        ordem = conexao.executeRetornando(cSQL).toInt();
        cSQL = QStringLiteral("insert into item_ordem select 0,%1,nequipamento_cliente,cservico,nvalor,%2 from item_orcamento where norcamento = ")
                   .arg(ordem).arg(tecnico)
               + codigo();
        conexao.execute(cSQL);
        cSQL = QStringLiteral("insert into ordem_do_orcamento (norcamento, nordem) values (%1, %2)").arg(codigo()).arg(ordem);
        conexao.execute(cSQL);
    });
    if (!gravou)
        return 0;
    informa(QStringLiteral("Ordem de serviço %1 gerada.").arg(ordem));
    return ordem;
}

QString FrmOrcamento::texto_gravado(qint64 codigo) const { return QStringLiteral("Orçamento N.º %1 gravado.").arg(codigo); }

#include "frmentradaequipamento.h"
#include "campos.h"
#include "filtroteclas.h"
#include "grade.h"
#include "impressos.h"
#include "mensagens.h"
#include "formatos.h"
#include "legado.h"
#include "literaissql.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
QPlainTextEdit* area_de_texto(QWidget* pai, const QString& nome)
{
    auto* t = new QPlainTextEdit(pai);
    t->setObjectName(nome);
    t->setTabChangesFocus(true);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    t->setMaximumHeight(60);
    return t;
}
} // namespace

FrmEntradaEquipamento::FrmEntradaEquipamento()
    : FrmMovimento(QStringLiteral("FrmEntradaEquipamento"), QStringLiteral("Entrada de equipamentos para orçamento"),
                   QStringLiteral("Command4"),
                   {{QStringLiteral("Código"), 0, Qt::AlignLeft, QStringLiteral("ncodigo")},
                    {QStringLiteral("Equipamento"), 367, Qt::AlignLeft, QStringLiteral("cequipamento")},
                    {QStringLiteral("Problema Relatado"), 340, Qt::AlignLeft, QStringLiteral("cproblema")}},
                   10)
{
    Command4 = botaoCancelar();
    QGridLayout* g = cabecalho();
    QWidget* pai = g->parentWidget();
    Text3 = nova_caixa(pai, QStringLiteral("Text3"));
    Text3->setReadOnly(true);
    Text3->setMinimumWidth(160);
    g->addWidget(novo_rotulo(QStringLiteral("Data"), Text3, pai), 0, 4);
    g->addWidget(Text3, 0, 5);
    marca_obrigatorio(Text3);
    Text2 = linha_campo(g, 2, 0, QStringLiteral("Solicitante"), QStringLiteral("Text2"), 0, false, 5);
    Text7 = linha_campo(g, 3, 0, QStringLiteral("Obs"), QStringLiteral("Text7"), 0, false, 5);

    QGridLayout* i = quadroItens();
    pai = i->parentWidget();
    Text5 = area_de_texto(pai, QStringLiteral("Text5"));
    Text6 = area_de_texto(pai, QStringLiteral("Text6"));
    i->addWidget(novo_rotulo(QStringLiteral("Equipamento"), Text5, pai), 0, 0);
    i->addWidget(Text5, 1, 0);
    i->addWidget(novo_rotulo(QStringLiteral("Problema relatado"), Text6, pai), 0, 1);
    i->addWidget(Text6, 1, 1);

    limita(Text2, QStringLiteral("Solicitante"), 50, false);
    limita(Text7, QStringLiteral("Obs"), 255, false);
    limita(Text5, QStringLiteral("Equipamento"), 100, true);
    limita(Text6, QStringLiteral("Problema relatado"), 255, true);

    ordem_de_tab({Text4, Text7, Text2, Text3, Text5, Text6});

    // Enter in the problem confirms the item and goes back to the machine
    teclas()->antesDoEnter(Text6, [this] {
        Toolbar1_ButtonClick(1);
        return true;
    });
    resize(820, 600);
}

QString FrmEntradaEquipamento::sql_reserva() const
{
    return QStringLiteral("insert into entrada_equipamento(ncodigo,ncliente,ddata,thora) values (null,1,'") + hoje_sql()
           + QStringLiteral("','") + agora_texto() + QStringLiteral("') ");
}

void FrmEntradaEquipamento::depois_de_reservar()
{
    Text3->setText(momento().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")));
}

void FrmEntradaEquipamento::carrega()
{
    cSQL = QStringLiteral("select * from entrada_equipamento where ncodigo = %1").arg(nCodigoEntrada);
    rsDados.abre(cSQL);
    if (rsDados.recordCount() > 0) {
        Text1->setText(rsDados.texto(QStringLiteral("ncodigo")));
        Text4->setText(rsDados.texto(QStringLiteral("ncliente")));
        Text2->setText(rsDados.texto(QStringLiteral("csolicitante")));
        const QVariant hora = rsDados.valor(QStringLiteral("thora"));
        Text3->setText((rsDados.texto(QStringLiteral("ddata")) + QLatin1Char(' ') + hora.toTime().toString(QStringLiteral("HH:mm"))).trimmed());
        Text7->setText(rsDados.texto(QStringLiteral("cobs")));
    }
    rsDados.fecha();
}

QString FrmEntradaEquipamento::sql_itens() const
{
    return QStringLiteral("select * from item_da_entrada where nentrada_equipamento = %1 order by ncodigo").arg(valor_numerico(Text1->text()));
}

void FrmEntradaEquipamento::limpa_item()
{
    Text5->clear();
    Text6->clear();
}

QWidget* FrmEntradaEquipamento::campo_item() const { return Text5; }

QString FrmEntradaEquipamento::sql_item(bool novo, const QString& codigo)
{
    if (Text5->toPlainText().isEmpty() || Text6->toPlainText().isEmpty()) {
        informa(QStringLiteral("Informe o equipamento e o problema relatado pelo cliente!"));
        return {};
    }
    const QString equipamento = texto_sql(Text5->toPlainText());
    const QString problema = texto_sql(Text6->toPlainText());
    if (novo)
        return QStringLiteral("insert into item_da_entrada values(null,%1,'").arg(valor_numerico(Text1->text())) + equipamento
               + QStringLiteral("','") + problema + QStringLiteral("');");
    return QStringLiteral("update item_da_entrada set cequipamento = '") + equipamento + QStringLiteral("',cproblema = '")
           + problema + QStringLiteral("' where ncodigo = ") + codigo;
}

void FrmEntradaEquipamento::mostra_item(int linha)
{
    Text5->setPlainText(Grid1->textMatrix(linha, 1));
    Text6->setPlainText(Grid1->textMatrix(linha, 2));
}

bool FrmEntradaEquipamento::pode_gravar()
{
    return mensagens().pergunta(QStringLiteral("Deseja gravar essa entrada?")) && verifica_obrigatorios(this)
           && confere_tamanhos(false);
}

void FrmEntradaEquipamento::grava()
{
    const qint64 codigo = valor_numerico(Text1->text());
    grava_cabecalho(QStringLiteral("update entrada_equipamento set ncliente = %1,csolicitante = '").arg(valor_numerico(Text4->text()))
                    + texto_sql(Text2->text()) + QStringLiteral("',cobs = '") + texto_sql(Text7->text())
                    + QStringLiteral("' where ncodigo = %1").arg(codigo));
    m_codigoGravado = qint32(codigo);
    m_dataGravada = Text3->text().left(10);
}

void FrmEntradaEquipamento::depois_de_fechar()
{
    emite_comprovante_entrada(m_codigoGravado, m_dataGravada);
}

QString FrmEntradaEquipamento::texto_gravado(qint64 codigo) const { return QStringLiteral("Entrada N.º %1 gravada.").arg(codigo); }

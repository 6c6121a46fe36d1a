#include "frmcadequipamentos.h"
#include "campos.h"
#include "grade.h"
#include "mensagens.h"
#include "errosbanco.h"
#include "formatos.h"
#include "legado.h"
#include "literaissql.h"
#include "sessao.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QToolBar>
#include <QVBoxLayout>

FrmCadEquipamentos::FrmCadEquipamentos()
    : FrmCadastro(QStringLiteral("FrmCadEquipamentos"), QStringLiteral("Cadastro de equipamentos"), true)
{
    auto* ident = new QGroupBox(QStringLiteral("Identificação"), this);
    auto* g = new QGridLayout(ident);
    Text11 = linha_campo(g, 0, 0, QStringLiteral("Código"), QStringLiteral("Text11"), 10);
    Text11->setReadOnly(true);
    Text11->setFocusPolicy(Qt::NoFocus);
    Text11->setMaximumWidth(90);
    Text1 = linha_campo(g, 1, 0, QStringLiteral("Descrição"), QStringLiteral("Text1"), 50, true);
    corpo()->addWidget(ident);

    auto* props = new QGroupBox(QStringLiteral("Propriedades"), this);
    auto* v = new QVBoxLayout(props);
    Toolbar1 = new QToolBar(props);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    Inserir = Toolbar1->addAction(style()->standardIcon(QStyle::SP_FileDialogNewFolder), QStringLiteral("Inserir   "));
    Inserir->setObjectName(QStringLiteral("Toolbar1_1"));
    Excluir = Toolbar1->addAction(style()->standardIcon(QStyle::SP_TrashIcon), QStringLiteral("Excluir    "));
    Excluir->setObjectName(QStringLiteral("Toolbar1_2"));
    v->addWidget(Toolbar1);
    grid1 = new Grade(props);
    grid1->setObjectName(QStringLiteral("grid1"));
    grid1->setAccessibleName(QStringLiteral("Propriedades"));
    grid1->setFixedRows(0);
    grid1->setCols(2);
    grid1->setMinimumHeight(160);
    v->addWidget(grid1);
    corpo()->addWidget(props, 1);

    connect(Inserir, &QAction::triggered, this, &FrmCadEquipamentos::inclui_propriedade);
    connect(Excluir, &QAction::triggered, this, &FrmCadEquipamentos::exclui_propriedade);
    connect(grid1, &QAbstractItemView::doubleClicked, this, &FrmCadEquipamentos::altera_propriedade);
    resize(520, 420);
}

QWidget* FrmCadEquipamentos::primeiro_campo() { return Text1; }

void FrmCadEquipamentos::prepara()
{
    grid1->limpa(5);
    grid1->setColWidth(0, 0);
    grid1->setColWidth(1, 6000);
    grid1->setColAlignment(1, Qt::AlignLeft);
}

void FrmCadEquipamentos::reserva_codigo()
{
    Text11->setText(QString::number(reserva_linha(QStringLiteral("Insert into equipamento values (null,'')"))));
}

void FrmCadEquipamentos::mostra_dados()
{
    cSQL = QStringLiteral("select * from equipamento where ncodigo = %1").arg(nCodigoEquipamento);
    rsDados.abre(cSQL);
    exige_registro(rsDados);
    Text11->setText(rsDados.texto(QStringLiteral("ncodigo")));
    Text1->setText(rsDados.texto(QStringLiteral("cdescricao")));
    rsDados.fecha();
    carrega_propriedades();
}

void FrmCadEquipamentos::carrega_propriedades()
{
    cSQL = QStringLiteral("select * from propriedade where nequipamento = %1 order by ncodigo").arg(valor_numerico(Text11->text()));
    rsDados.abre(cSQL);
    grid1->preenche(rsDados, {QStringLiteral("ncodigo"), QStringLiteral("cdescricao")}, 3);
    rsDados.fecha();
}

void FrmCadEquipamentos::executa_propriedade(const QString& sql)
{
    try {
        conexao.execute(sql);
        carrega_propriedades();
    } catch (const ErroBanco& e) {
        rsDados.fecha();
        trata_erro_banco(e);
    }
}

void FrmCadEquipamentos::inclui_propriedade()
{
    const auto resposta = mensagens().entrada(QStringLiteral("Digite a propriedade no campo abaixo:"), QStringLiteral("Inclusão de propriedade"));
    if (!resposta || resposta->isEmpty() || resposta->size() > TAMANHO_MAXIMO)
        return;
    executa_propriedade(QStringLiteral("insert into propriedade values(null,") + QString::number(valor_numerico(Text11->text()))
                        + QStringLiteral(",'") + texto_sql(*resposta) + QStringLiteral("');"));
}

void FrmCadEquipamentos::altera_propriedade()
{
    const QString codigo = grid1->textMatrix(grid1->row(), 0);
    if (grid1->row() < 0 || codigo.isEmpty())
        return;
    const auto resposta = mensagens().entrada(QStringLiteral("Informe a nova descrição da propriedade:"), QStringLiteral("Alteração de propriedade"),
                                              grid1->textMatrix(grid1->row(), 1));
    if (!resposta || resposta->isEmpty() || resposta->size() > TAMANHO_MAXIMO)
        return;
    executa_propriedade(QStringLiteral("update propriedade set cdescricao = '") + texto_sql(*resposta) + QStringLiteral("'  where ncodigo = ")
                        + QString::number(valor_numerico(codigo)));
}

void FrmCadEquipamentos::exclui_propriedade()
{
    const QString codigo = grid1->textMatrix(grid1->row(), 0);
    if (grid1->row() < 0 || codigo.isEmpty())
        return;
    executa_propriedade(QStringLiteral("delete from propriedade where ncodigo = ") + QString::number(valor_numerico(codigo)));
}

void FrmCadEquipamentos::grava()
{
    cSQL = QStringLiteral("update equipamento set cdescricao= '") + texto_sql(nome_proprio(Text1->text()))
           + QStringLiteral("' where ncodigo = ") + QString::number(valor_numerico(Text11->text()));
    grava_registro(cSQL);
}

// Abandoning a new type removes the properties already attached to it too,
// in the same transaction as the type itself.
FrmCadastro::Saida FrmCadEquipamentos::saida()
{
    const qint64 codigo = valor_numerico(Text11->text());
    if (codigo < 1)
        return {Operacao::SaidaEquipamento, {}};
    return {Operacao::SaidaEquipamento, desfaz_reserva({QStringLiteral("delete from propriedade where nequipamento = %1").arg(codigo),
                           QStringLiteral("delete from equipamento where ncodigo = %1").arg(codigo)},
                          QStringLiteral("codigo_equipamento"), codigo)};
}

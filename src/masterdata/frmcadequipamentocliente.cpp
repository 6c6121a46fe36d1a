#include "frmcadequipamentocliente.h"
#include "campos.h"
#include "filtroteclas.h"
#include "grade.h"
#include "mensagens.h"
#include "errosbanco.h"
#include "legado.h"
#include "literaissql.h"
#include "sessao.h"
#include "reservas.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FrmCadEquipamentoCliente::FrmCadEquipamentoCliente()
    : FrmCadastro(QStringLiteral("FrmCadEquipamentoCliente"), QStringLiteral("Propriedades do equipamento"), false)
{
    auto* g = new QGridLayout;
    corpo()->addLayout(g);
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    g->addWidget(novo_rotulo(QStringLiteral("Equipamento"), Combo1, this), 0, 0);
    g->addWidget(Combo1, 0, 1);
    Text2 = linha_campo(g, 1, 0, QStringLiteral("Identificação"), QStringLiteral("Text2"), 50, true);
    g->setColumnStretch(1, 1);

    auto* quadro = new QGroupBox(this);
    auto* v = new QVBoxLayout(quadro);
    Grid1 = new Grade(quadro);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->setAccessibleName(QStringLiteral("Propriedades do equipamento"));
    Grid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    Grid1->setMinimumSize(600, 300);
    v->addWidget(Grid1);
    corpo()->addWidget(quadro, 1);
    // the value of a property is typed in place, a row with a property
    // editable even while its value is empty
    Grid1->editaColunas({{2, 0}}, 0);
    Text1 = Grid1->editor();
    Text1->setAccessibleName(QStringLiteral("Descrição/Valor"));
    Text1->setMaxLength(100);

    // Enter walks type -> identification -> list, and in the list edits a value
    teclas()->setEnterComoTab(false);
    teclas()->antesDoEnter(Combo1, [this] { Text2->setFocus(Qt::TabFocusReason); return true; });
    teclas()->antesDoEnter(Text2, [this] { Grid1->setFocus(Qt::TabFocusReason); return true; });
    connect(Combo1, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_carregando && binclusao) carrega_propriedades_do_tipo();
    });
    resize(680, 480);
}

QWidget* FrmCadEquipamentoCliente::primeiro_campo() { return binclusao ? static_cast<QWidget*>(Combo1) : Text2; }

void FrmCadEquipamentoCliente::prepara_grade()
{
    Grid1->setCols(3);
    Grid1->limpa(0);
    Grid1->setTextMatrix(0, 0, QStringLiteral("Codigo da propriedade"));
    Grid1->setTextMatrix(0, 1, QStringLiteral("Propriedade"));
    Grid1->setTextMatrix(0, 2, QStringLiteral("Descrição/Valor"));
    Grid1->setColWidth(0, 0);
    Grid1->setColWidth(1, 5500);
    Grid1->setColWidth(2, 3100);
    Grid1->setColAlignment(1, Qt::AlignLeft);
    Grid1->setColAlignment(2, Qt::AlignLeft);
}

// The type list is filled at every opening; the caller's choice of type
// (the machine being edited) is kept.
void FrmCadEquipamentoCliente::prepara()
{
    Grid1->cancelaEdicao();
    const QString escolhido = Combo1->currentText();
    m_carregando = true;
    Combo1->clear();
    Combo1->setEnabled(true);
    prepara_grade();
    Grid1->setRows(LINHAS_MINIMAS);
    // without its type list the form could save nothing right: a failure
    // here goes up, and the form reports it and closes. Each type carries
    // its code: descriptions need not be unique.
    rsDados.abre(QStringLiteral("select * from equipamento where ") + sem_reservas(QStringLiteral("equipamento"))
                 + QStringLiteral(" order by cdescricao"));
    for (; !rsDados.eof(); rsDados.moveNext())
        Combo1->addItem(rsDados.texto(QStringLiteral("cdescricao")), rsDados.inteiro(QStringLiteral("ncodigo")));
    rsDados.fecha();
    Combo1->setCurrentIndex(binclusao ? (Combo1->count() > 0 ? 0 : -1) : Combo1->findText(escolhido));
    m_carregando = false;
}

void FrmCadEquipamentoCliente::reserva_codigo() { carrega_propriedades_do_tipo(); }

void FrmCadEquipamentoCliente::carrega_propriedades_do_tipo()
{
    Grid1->cancelaEdicao();
    const QString tipo = Combo1->currentText();
    if (tipo.isEmpty())
        return;
    prepara_grade();
    try {
        rsAux.abre(QStringLiteral("select * from propriedade where nequipamento = ") + QString::number(Combo1->currentData().toLongLong()));
        Grid1->preenche(rsAux, {QStringLiteral("ncodigo"), QStringLiteral("cdescricao")});
        rsAux.fecha();
    } catch (const ErroBanco& e) {
        rsAux.fecha();
        trata_erro_banco(e);
    }
    if (Grid1->rows() < LINHAS_MINIMAS)
        Grid1->setRows(LINHAS_MINIMAS);
}

void FrmCadEquipamentoCliente::mostra_dados()
{
    cSQL = QStringLiteral("select cidentificacao from equipamento_cliente where ncodigo = %1").arg(nCodigoEquipamentoCliente);
    rsDados.abre(cSQL);
    exige_registro(rsDados);
    Text2->setText(rsDados.texto(QStringLiteral("cidentificacao")));
    rsDados.fecha();
    cSQL = QStringLiteral("select propriedade.ncodigo,propriedade.cdescricao,cvalor from Propriedade,Propriedade_equipamento_cliente "
                          "where Propriedade_equipamento_cliente.nPropriedade = Propriedade.ncodigo and nequipamento_cliente = %1")
               .arg(nCodigoEquipamentoCliente);
    rsDados.abre(cSQL);
    Grid1->preenche(rsDados, {QStringLiteral("ncodigo"), QStringLiteral("cdescricao"), QStringLiteral("cvalor")}, LINHAS_MINIMAS);
    rsDados.fecha();
    Combo1->setEnabled(false); // the type of a machine never changes
}

bool FrmCadEquipamentoCliente::pode_gravar()
{
    if (!Combo1->currentText().isEmpty())
        return true;
    informa(QStringLiteral("Antes de cadastrar o equipamento para o cliente é necessário que você faça o cadastro do equipamento!"));
    return false;
}

void FrmCadEquipamentoCliente::grava()
{
    conexao.unidade(Operacao::GravacaoMaquina, [&] {
        qint64 codigo = nCodigoEquipamentoCliente;
        if (binclusao) {
            // the code comes back from the insert itself, not from the generator
            // (another station may draw from it at the same moment)
            codigo = reserva_linha(QStringLiteral("insert into equipamento_cliente values(null,") + QString::number(ncodigoCliente)
                                   + QLatin1Char(',') + QString::number(Combo1->currentData().toLongLong()) + QStringLiteral(",'")
                                   + texto_sql(Text2->text()) + QStringLiteral("')"));
        } else {
            grava_registro(QStringLiteral("update equipamento_cliente set cidentificacao = '") + texto_sql(Text2->text())
                           + QStringLiteral("' where ncodigo  = ") + QString::number(nCodigoEquipamentoCliente));
            conexao.execute(QStringLiteral("delete from Propriedade_equipamento_cliente where nequipamento_cliente = ")
                            + QString::number(nCodigoEquipamentoCliente));
        }
        for (int linha = 1; linha < Grid1->rows() && !Grid1->textMatrix(linha, 1).isEmpty(); ++linha)
            conexao.execute(QStringLiteral("insert into Propriedade_equipamento_cliente values(") + QString::number(valor_numerico(Grid1->textMatrix(linha, 0)))
                            + QLatin1Char(',') + QString::number(codigo) + QStringLiteral(",'") + texto_sql(Grid1->textMatrix(linha, 2))
                            + QStringLiteral("');"));
    });
}

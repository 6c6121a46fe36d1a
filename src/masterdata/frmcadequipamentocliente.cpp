#include "frmcadequipamentocliente.h"
#include "campos.h"
#include "filtroteclas.h"
#include "grade.h"
#include "mensagens.h"
#include "errosbanco.h"

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
    caixaTipo = new QComboBox(this);
    caixaTipo->setObjectName(QStringLiteral("caixaTipo"));
    g->addWidget(novo_rotulo(QStringLiteral("Equipamento"), caixaTipo, this), 0, 0);
    g->addWidget(caixaTipo, 0, 1);
    caixaIdentificacao = linha_campo(g, 1, 0, QStringLiteral("Identificação"), QStringLiteral("caixaIdentificacao"), 50, true);
    g->setColumnStretch(1, 1);

    auto* quadro = new QGroupBox(this);
    auto* v = new QVBoxLayout(quadro);
    gradeValores = new Grade(quadro);
    gradeValores->setObjectName(QStringLiteral("gradeValores"));
    gradeValores->setAccessibleName(QStringLiteral("Propriedades do equipamento"));
    gradeValores->setSelectionBehavior(QAbstractItemView::SelectItems);
    gradeValores->setMinimumSize(600, 300);
    v->addWidget(gradeValores);
    corpo()->addWidget(quadro, 1);
    // the value of a property is typed in place, a row with a property
    // editable even while its value is empty
    gradeValores->editaColunas({{COLUNA_VALOR, 0}}, COLUNA_PROPRIEDADE);
    editorValor = gradeValores->editor();
    editorValor->setAccessibleName(QStringLiteral("Descrição/Valor"));
    editorValor->setMaxLength(100);

    // Enter walks type -> identification -> list, and in the list edits a value
    teclas()->setEnterComoTab(false);
    teclas()->antesDoEnter(caixaTipo, [this] { caixaIdentificacao->setFocus(Qt::TabFocusReason); return true; });
    teclas()->antesDoEnter(caixaIdentificacao, [this] { gradeValores->setFocus(Qt::TabFocusReason); return true; });
    connect(caixaTipo, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_carregando && inclusao()) carrega_propriedades_do_tipo();
    });
    resize(680, 480);
}

std::optional<qint32> FrmCadEquipamentoCliente::inclui(qint32 cliente)
{
    m_cliente = cliente;
    return FrmCadastro::inclui();
}

void FrmCadEquipamentoCliente::define_inclusao(qint32 cliente)
{
    m_cliente = cliente;
    FrmCadastro::define_inclusao();
}

QWidget* FrmCadEquipamentoCliente::primeiro_campo() { return inclusao() ? static_cast<QWidget*>(caixaTipo) : caixaIdentificacao; }

void FrmCadEquipamentoCliente::prepara_grade()
{
    gradeValores->defineNumeroColunas(2);
    gradeValores->limpa(0);
    gradeValores->defineTitulo(COLUNA_PROPRIEDADE, QStringLiteral("Propriedade"));
    gradeValores->defineTitulo(COLUNA_VALOR, QStringLiteral("Descrição/Valor"));
    gradeValores->defineLarguraColuna(COLUNA_PROPRIEDADE, 367);
    gradeValores->defineLarguraColuna(COLUNA_VALOR, 207);
    gradeValores->defineAlinhamento(COLUNA_PROPRIEDADE, Qt::AlignLeft);
    gradeValores->defineAlinhamento(COLUNA_VALOR, Qt::AlignLeft);
}

// The type list is filled at every opening (each type carries its code:
// descriptions need not be unique). Without it the form could save nothing
// right: a failure here goes up, and the form reports it and closes.
void FrmCadEquipamentoCliente::prepara()
{
    gradeValores->cancelaEdicao();
    m_carregando = true;
    caixaTipo->clear();
    caixaTipo->setEnabled(true);
    prepara_grade();
    gradeValores->defineNumeroLinhas(LINHAS_MINIMAS);
    for (const Equipamento& tipo : tipos_de_equipamento())
        caixaTipo->addItem(tipo.descricao, tipo.codigo);
    caixaTipo->setCurrentIndex(inclusao() && caixaTipo->count() > 0 ? 0 : -1);
    m_carregando = false;
}

void FrmCadEquipamentoCliente::reserva_codigo() { carrega_propriedades_do_tipo(); }

void FrmCadEquipamentoCliente::mostra_valores(const QList<ValorPropriedade>& valores)
{
    prepara_grade();
    gradeValores->defineNumeroLinhas(std::max(int(valores.size()), LINHAS_MINIMAS));
    Grade::Carga carga(*gradeValores);
    for (int linha = 0; linha < valores.size(); ++linha)
        gradeValores->defineLinha(linha, {valores[linha].descricao, valores[linha].valor}, valores[linha].propriedade);
}

QList<ValorPropriedade> FrmCadEquipamentoCliente::valores_digitados() const
{
    QList<ValorPropriedade> valores;
    for (int linha = 0; linha < gradeValores->linhas() && gradeValores->codigo(linha).isValid(); ++linha)
        valores.append({gradeValores->codigo(linha).toInt(), gradeValores->texto(linha, COLUNA_PROPRIEDADE),
                        gradeValores->texto(linha, COLUNA_VALOR)});
    return valores;
}

void FrmCadEquipamentoCliente::carrega_propriedades_do_tipo()
{
    gradeValores->cancelaEdicao();
    if (caixaTipo->currentText().isEmpty())
        return;
    QList<ValorPropriedade> valores;
    try {
        for (const Propriedade& p : le_propriedades(qint32(caixaTipo->currentData().toLongLong())))
            valores.append({p.codigo, p.descricao, QString()});
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
    }
    mostra_valores(valores);
}

void FrmCadEquipamentoCliente::mostra_dados()
{
    const EquipamentoCliente m = exige(le_equipamento_cliente(codigo_editado()));
    m_cliente = m.cliente;
    caixaIdentificacao->setText(m.identificacao);
    // the type of a machine never changes; a type not in the list (one still
    // reserved by a form) is shown all the same
    m_carregando = true;
    if (caixaTipo->findData(m.tipo.codigo) < 0)
        caixaTipo->addItem(m.tipo.descricao, m.tipo.codigo);
    caixaTipo->setCurrentIndex(caixaTipo->findData(m.tipo.codigo));
    m_carregando = false;
    caixaTipo->setEnabled(false);
    mostra_valores(m.valores);
}

bool FrmCadEquipamentoCliente::pode_gravar()
{
    if (!caixaTipo->currentText().isEmpty())
        return true;
    informa(QStringLiteral("Antes de cadastrar o equipamento para o cliente é necessário que você faça o cadastro do equipamento!"));
    return false;
}

qint32 FrmCadEquipamentoCliente::grava()
{
    EquipamentoCliente m;
    m.codigo = inclusao() ? 0 : codigo_editado();
    m.cliente = m_cliente;
    m.tipo = {qint32(caixaTipo->currentData().toLongLong()), caixaTipo->currentText()};
    m.identificacao = caixaIdentificacao->text();
    m.valores = valores_digitados();
    return grava_equipamento_cliente(m);
}

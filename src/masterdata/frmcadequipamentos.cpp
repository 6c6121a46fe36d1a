#include "frmcadequipamentos.h"
#include "campos.h"
#include "errosbanco.h"
#include "formatos.h"
#include "grade.h"
#include "mensagens.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
constexpr int LINHAS_MINIMAS = 3;
}

FrmCadEquipamentos::FrmCadEquipamentos()
    : FrmCadastro(QStringLiteral("FrmCadEquipamentos"), QStringLiteral("Cadastro de equipamentos"), true)
{
    auto* ident = new QGroupBox(QStringLiteral("Identificação"), this);
    auto* g = new QGridLayout(ident);
    caixaCodigo = linha_campo(g, 0, 0, QStringLiteral("Código"), QStringLiteral("caixaCodigo"), 10);
    caixaCodigo->setReadOnly(true);
    caixaCodigo->setFocusPolicy(Qt::NoFocus);
    caixaCodigo->setMaximumWidth(90);
    caixaDescricao = linha_campo(g, 1, 0, QStringLiteral("Descrição"), QStringLiteral("caixaDescricao"), 50, true);
    corpo()->addWidget(ident);

    auto* props = new QGroupBox(QStringLiteral("Propriedades"), this);
    auto* v = new QVBoxLayout(props);
    barraPropriedades = new QToolBar(props);
    barraPropriedades->setObjectName(QStringLiteral("barraPropriedades"));
    barraPropriedades->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    acaoInserir = barraPropriedades->addAction(style()->standardIcon(QStyle::SP_FileDialogNewFolder), QStringLiteral("Inserir   "));
    acaoInserir->setObjectName(QStringLiteral("acaoInserir"));
    acaoExcluir = barraPropriedades->addAction(style()->standardIcon(QStyle::SP_TrashIcon), QStringLiteral("Excluir    "));
    acaoExcluir->setObjectName(QStringLiteral("acaoExcluir"));
    v->addWidget(barraPropriedades);
    gradePropriedades = new Grade(props);
    gradePropriedades->setObjectName(QStringLiteral("gradePropriedades"));
    gradePropriedades->setAccessibleName(QStringLiteral("Propriedades"));
    gradePropriedades->mostraCabecalho(false);
    gradePropriedades->defineNumeroColunas(1);
    gradePropriedades->setMinimumHeight(160);
    v->addWidget(gradePropriedades);
    corpo()->addWidget(props, 1);

    connect(acaoInserir, &QAction::triggered, this, &FrmCadEquipamentos::insere_propriedade);
    connect(acaoExcluir, &QAction::triggered, this, &FrmCadEquipamentos::remove_propriedade);
    connect(gradePropriedades, &QAbstractItemView::doubleClicked, this, &FrmCadEquipamentos::renomeia_propriedade);
    resize(520, 420);
}

QWidget* FrmCadEquipamentos::primeiro_campo() { return caixaDescricao; }

qint32 FrmCadEquipamentos::codigo_tipo() const { return qint32(valor_numerico(caixaCodigo->text())); }

void FrmCadEquipamentos::prepara()
{
    gradePropriedades->limpa(5);
    gradePropriedades->defineLarguraColuna(0, 400);
    gradePropriedades->defineAlinhamento(0, Qt::AlignLeft);
}

void FrmCadEquipamentos::reserva_codigo() { caixaCodigo->setText(QString::number(reserva_equipamento())); }

void FrmCadEquipamentos::mostra_dados()
{
    const Equipamento e = exige(le_equipamento(codigo_editado()));
    caixaCodigo->setText(QString::number(e.codigo));
    caixaDescricao->setText(e.descricao);
    carrega_propriedades();
}

void FrmCadEquipamentos::carrega_propriedades()
{
    const QList<Propriedade> propriedades = le_propriedades(codigo_tipo());
    gradePropriedades->limpa(std::max(int(propriedades.size()), LINHAS_MINIMAS));
    Grade::Carga carga(*gradePropriedades);
    for (int linha = 0; linha < propriedades.size(); ++linha)
        gradePropriedades->defineLinha(linha, {propriedades[linha].descricao}, propriedades[linha].codigo);
}

std::optional<Propriedade> FrmCadEquipamentos::propriedade_atual() const
{
    const int linha = gradePropriedades->linhaAtual();
    const QVariant codigo = linha < 0 ? QVariant() : gradePropriedades->codigo(linha);
    if (!codigo.isValid())
        return std::nullopt;
    return Propriedade{codigo.toInt(), gradePropriedades->texto(linha, 0)};
}

void FrmCadEquipamentos::muda_propriedades(const std::function<void()>& mudanca)
{
    try {
        mudanca();
        carrega_propriedades();
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
    }
}

void FrmCadEquipamentos::insere_propriedade()
{
    const auto resposta = mensagens().entrada(QStringLiteral("Digite a propriedade no campo abaixo:"), QStringLiteral("Inclusão de propriedade"));
    if (!resposta || resposta->isEmpty() || resposta->size() > TAMANHO_MAXIMO)
        return;
    muda_propriedades([&] { inclui_propriedade(codigo_tipo(), *resposta); });
}

void FrmCadEquipamentos::renomeia_propriedade()
{
    const auto propriedade = propriedade_atual();
    if (!propriedade)
        return;
    const auto resposta = mensagens().entrada(QStringLiteral("Informe a nova descrição da propriedade:"), QStringLiteral("Alteração de propriedade"),
                                              propriedade->descricao);
    if (!resposta || resposta->isEmpty() || resposta->size() > TAMANHO_MAXIMO)
        return;
    muda_propriedades([&] { altera_propriedade(propriedade->codigo, *resposta); });
}

void FrmCadEquipamentos::remove_propriedade()
{
    if (const auto propriedade = propriedade_atual())
        muda_propriedades([&] { exclui_propriedade(propriedade->codigo); });
}

qint32 FrmCadEquipamentos::grava()
{
    const Equipamento e{codigo_tipo(), nome_proprio(caixaDescricao->text())};
    grava_equipamento(e);
    return e.codigo;
}

// Abandoning a new type removes the properties already attached to it too,
// in the same transaction as the type itself.
void FrmCadEquipamentos::abandona()
{
    if (codigo_tipo() >= 1)
        abandona_equipamento(codigo_tipo());
}

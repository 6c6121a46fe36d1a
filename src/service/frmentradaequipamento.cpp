#include "frmentradaequipamento.h"
#include "campos.h"
#include "filtroteclas.h"
#include "grade.h"
#include "impressos.h"
#include "mensagens.h"
#include "formatos.h"
#include "relogio.h"
#include "sessao.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
// The grid's columns: the item's code (hidden), the machine, the problem,
// and what the machine came with (hidden: the item fields show them).
enum ColunaItem { ColunaCodigo, ColunaEquipamento, ColunaProblema, ColunaNumeroSerie, ColunaAcessorios, ColunaEstado };

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
                   {{QStringLiteral("Código"), 0, Qt::AlignLeft},
                    {QStringLiteral("Equipamento"), 367, Qt::AlignLeft},
                    {QStringLiteral("Problema Relatado"), 340, Qt::AlignLeft},
                    {QStringLiteral("N.º de série"), 0, Qt::AlignLeft},
                    {QStringLiteral("Acessórios"), 0, Qt::AlignLeft},
                    {QStringLiteral("Estado"), 0, Qt::AlignLeft}},
                   9)
{
    QGridLayout* g = cabecalho();
    QWidget* pai = g->parentWidget();
    caixaData = nova_caixa(pai, QStringLiteral("caixaData"));
    caixaData->setReadOnly(true);
    caixaData->setMinimumWidth(160);
    g->addWidget(novo_rotulo(QStringLiteral("Data"), caixaData, pai), 0, 4);
    g->addWidget(caixaData, 0, 5);
    marca_obrigatorio(caixaData);
    caixaSolicitante = linha_campo(g, 2, 0, QStringLiteral("Solicitante"), QStringLiteral("caixaSolicitante"), 0, false, 5);
    caixaObservacao = linha_campo(g, 3, 0, QStringLiteral("Obs"), QStringLiteral("caixaObservacao"), 0, false, 5);
    // the day promised, when one was: ticked, its date is kept
    marcaPrometido = new QCheckBox(QStringLiteral("Prometido para"), pai);
    marcaPrometido->setObjectName(QStringLiteral("marcaPrometido"));
    dataPrometida = novo_seletor_data(pai, QStringLiteral("dataPrometida"));
    dataPrometida->setAccessibleName(marcaPrometido->text());
    dataPrometida->setEnabled(false);
    connect(marcaPrometido, &QCheckBox::toggled, dataPrometida, &QWidget::setEnabled);
    g->addWidget(marcaPrometido, 4, 0, 1, 2);
    g->addWidget(dataPrometida, 4, 2, 1, 2, Qt::AlignLeft);

    QGridLayout* i = quadroItens();
    pai = i->parentWidget();
    caixaEquipamento = area_de_texto(pai, QStringLiteral("caixaEquipamento"));
    caixaProblema = area_de_texto(pai, QStringLiteral("caixaProblema"));
    i->addWidget(novo_rotulo(QStringLiteral("Equipamento"), caixaEquipamento, pai), 0, 0);
    i->addWidget(caixaEquipamento, 1, 0);
    i->addWidget(novo_rotulo(QStringLiteral("Problema relatado"), caixaProblema, pai), 0, 1);
    i->addWidget(caixaProblema, 1, 1);
    // what the machine came with, below: a short line each
    auto* detalhes = new QGridLayout;
    auto detalhe = [&](int coluna, const QString& rotulo, const QString& nome) {
        QLineEdit* e = nova_caixa(pai, nome);
        detalhes->addWidget(novo_rotulo(rotulo, e, pai), 0, coluna);
        detalhes->addWidget(e, 1, coluna);
        return e;
    };
    caixaNumeroSerie = detalhe(0, QStringLiteral("N.º de série"), QStringLiteral("caixaNumeroSerie"));
    caixaAcessorios = detalhe(1, QStringLiteral("Acessórios"), QStringLiteral("caixaAcessorios"));
    caixaEstado = detalhe(2, QStringLiteral("Estado"), QStringLiteral("caixaEstado"));
    detalhes->setColumnStretch(1, 2);
    detalhes->setColumnStretch(2, 2);
    detalhes->setColumnStretch(0, 1);
    i->addLayout(detalhes, 2, 0, 1, 2);

    limita(caixaSolicitante, QStringLiteral("Solicitante"), 50, false);
    limita(caixaObservacao, QStringLiteral("Obs"), 255, false);
    limita(caixaEquipamento, QStringLiteral("Equipamento"), 100, true);
    limita(caixaProblema, QStringLiteral("Problema relatado"), 255, true);
    limita(caixaNumeroSerie, QStringLiteral("N.º de série"), 60, true);
    limita(caixaAcessorios, QStringLiteral("Acessórios"), 255, true);
    limita(caixaEstado, QStringLiteral("Estado"), 255, true);

    ordem_de_tab({caixaCliente, caixaObservacao, caixaSolicitante, caixaData, marcaPrometido, dataPrometida, caixaEquipamento,
                  caixaProblema, caixaNumeroSerie, caixaAcessorios, caixaEstado});

    // Enter in the problem, or in what the machine came with, confirms the
    // item and goes back to the machine
    for (QWidget* campo : {static_cast<QWidget*>(caixaProblema), static_cast<QWidget*>(caixaNumeroSerie),
                           static_cast<QWidget*>(caixaAcessorios), static_cast<QWidget*>(caixaEstado)})
        teclas()->antesDoEnter(campo, [this] {
            confirma_item();
            return true;
        });
    resize(820, 600);
}

void FrmEntradaEquipamento::prepara()
{
    marcaPrometido->setChecked(false); // a new entry promises nothing, whatever the last one did
    dataPrometida->setDate(Relogio::hoje());
}

void FrmEntradaEquipamento::depois_de_reservar()
{
    caixaData->setText(momento().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")));
}

void FrmEntradaEquipamento::carrega()
{
    if (const auto e = le_entrada(conexao, codigoEditado())) {
        caixaCodigo->setText(QString::number(e->codigo));
        caixaCliente->setText(QString::number(e->cliente));
        caixaSolicitante->setText(e->solicitante);
        caixaData->setText((e->data.toString(QStringLiteral("dd/MM/yyyy")) + QLatin1Char(' ') + e->hora.toString(QStringLiteral("HH:mm"))).trimmed());
        caixaObservacao->setText(e->observacao);
        marcaPrometido->setChecked(e->prometida.has_value());
        if (e->prometida)
            dataPrometida->setDate(*e->prometida);
    }
}

QList<QVariantList> FrmEntradaEquipamento::le_linhas()
{
    QList<QVariantList> linhas;
    for (const ItemEntrada& item : le_itens_entrada(conexao, codigoMovimento()))
        linhas.append({item.codigo, item.equipamento, item.problema, item.numeroSerie, item.acessorios, item.estado});
    return linhas;
}

void FrmEntradaEquipamento::limpa_item()
{
    caixaEquipamento->clear();
    caixaProblema->clear();
    caixaNumeroSerie->clear();
    caixaAcessorios->clear();
    caixaEstado->clear();
}

QWidget* FrmEntradaEquipamento::campo_item() const { return caixaEquipamento; }

bool FrmEntradaEquipamento::grava_item(qint32 codigo)
{
    if (caixaEquipamento->toPlainText().isEmpty() || caixaProblema->toPlainText().isEmpty()) {
        informa(QStringLiteral("Informe o equipamento e o problema relatado pelo cliente!"));
        return false;
    }
    const ItemEntrada item{codigo, caixaEquipamento->toPlainText(), caixaProblema->toPlainText(),
                           caixaNumeroSerie->text(), caixaAcessorios->text(), caixaEstado->text()};
    return tenta([&] { grava_item_entrada(conexao, codigoMovimento(), item); });
}

bool FrmEntradaEquipamento::exclui_item(qint32 codigo)
{
    return tenta([&] { exclui_item_entrada(conexao, codigo); });
}

void FrmEntradaEquipamento::mostra_item(int linha)
{
    caixaEquipamento->setPlainText(gradeItens->texto(linha, ColunaEquipamento));
    caixaProblema->setPlainText(gradeItens->texto(linha, ColunaProblema));
    caixaNumeroSerie->setText(gradeItens->texto(linha, ColunaNumeroSerie));
    caixaAcessorios->setText(gradeItens->texto(linha, ColunaAcessorios));
    caixaEstado->setText(gradeItens->texto(linha, ColunaEstado));
}

bool FrmEntradaEquipamento::pode_gravar()
{
    return mensagens().pergunta(QStringLiteral("Deseja gravar essa entrada?")) && verifica_obrigatorios(this)
           && confere_tamanhos(false);
}

void FrmEntradaEquipamento::grava()
{
    EntradaEquipamento e;
    e.codigo = codigoMovimento();
    e.cliente = qint32(valor_numerico(caixaCliente->text()));
    e.solicitante = caixaSolicitante->text();
    e.observacao = caixaObservacao->text();
    if (marcaPrometido->isChecked())
        e.prometida = dataPrometida->date();
    grava_entrada(conexao, e);
    m_codigoGravado = e.codigo;
    m_dataGravada = caixaData->text().left(10);
}

void FrmEntradaEquipamento::depois_de_fechar()
{
    emite_comprovante_entrada(m_codigoGravado, m_dataGravada);
}

QString FrmEntradaEquipamento::texto_gravado(qint64 codigo) const { return QStringLiteral("Entrada N.º %1 gravada.").arg(codigo); }

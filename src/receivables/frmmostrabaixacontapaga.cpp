#include "frmmostrabaixacontapaga.h"
#include "campos.h"
#include "formaspagamento.h"
#include "formularios.h"
#include "grade.h"
#include "mensagens.h"
#include "errosbanco.h"
#include "formatos.h"
#include "legado.h"
#include "sessao.h"
#include "recibo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {
const QList<ColunaGrade> COLUNAS = {{QString(), 0, Qt::AlignCenter},
                                    {QStringLiteral("Data da baixa"), 100, Qt::AlignCenter},
                                    {QStringLiteral("Descontos"), 67, Qt::AlignCenter},
                                    {QStringLiteral("Acréscimos"), 73, Qt::AlignCenter},
                                    {QStringLiteral("Valor da baixa"), 100, Qt::AlignCenter},
                                    {QStringLiteral("Tipo da baixa"), 100, Qt::AlignCenter},
                                    {QStringLiteral("Forma de pagto"), 133, Qt::AlignLeft},
                                    {QStringLiteral("Obs"), 153, Qt::AlignLeft}};
} // namespace

FrmMostraBaixaContaPaga::FrmMostraBaixaContaPaga()
{
    setObjectName(QStringLiteral("FrmMostraBaixaContaPaga"));
    setWindowTitle(QStringLiteral("Baixas"));
    auto* v = new QVBoxLayout(this);
    v->addWidget(faixa_titulo(QStringLiteral("Baixas"), QStringLiteral("Label1"), this));
    Grid1 = new Grade(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->setAccessibleName(QStringLiteral("Baixas"));
    Grid1->setCols(8);
    Grid1->setMinimumSize(10900 / 15 + 40, 250);
    v->addWidget(Grid1, 1);
    CmdExcluir = novo_botao(QStringLiteral("&Excluir"), QStringLiteral("CmdExcluir"), this);
    CmdRecibo = novo_botao(QStringLiteral("&Recibo"), QStringLiteral("CmdRecibo"), this);
    CmdSair = novo_botao(QStringLiteral("&Sair"), QStringLiteral("CmdSair"), this);
    v->addLayout(linha_de_botoes({CmdExcluir, CmdRecibo, CmdSair}));
    connect(CmdRecibo, &QPushButton::clicked, this, [this] {
        const int linha = Grid1->row();
        if (linha >= 1)
            emite_recibo(Grid1->textMatrix(linha, 0).toInt());
    });
    connect(CmdExcluir, &QPushButton::clicked, this, &FrmMostraBaixaContaPaga::CmdExcluir_Click);
    connect(CmdSair, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmMostraBaixaContaPaga::ao_abrir_janela()
{
    // deleting is for open instalments only; a paid one is reopened instead
    CmdExcluir->setEnabled(ctipo_conta == QLatin1String("A receber"));
    mostra_dados();
    centraliza_form(this);
    Grid1->setFocus();
}

void FrmMostraBaixaContaPaga::mostra_dados()
{
    Grid1->limpa(0);
    Grid1->defineColunas(COLUNAS);
    try {
        cSQL = QStringLiteral("select baixa_conta_receber.ncodigo,ddata_baixa,ndesconto,nacrescimo,nvalor_baixa,ctipo_baixa,"
                              "nforma_pagto,cobs from baixa_conta_receber where nconta_receber = ")
               + QString::number(nCodigoConta);
        rsDados.abre(cSQL);
        Grid1->setRows(rsDados.recordCount() + 1);
        const QStringList& formas = formas_pagamento();
        Grade::Carga carga(*Grid1);
        for (int linha = 1; !rsDados.eof(); ++linha, rsDados.moveNext()) {
            // the amounts kept as read behind their cells
            const QVariant celulas[] = {
                rsDados.texto(QStringLiteral("ncodigo")),
                rsDados.data(QStringLiteral("ddata_baixa")).toString(QStringLiteral("dd/MM/yyyy")),
                QVariant::fromValue(rsDados.dinheiro(QStringLiteral("ndesconto"))),
                QVariant::fromValue(rsDados.dinheiro(QStringLiteral("nacrescimo"))),
                QVariant::fromValue(rsDados.dinheiro(QStringLiteral("nvalor_baixa"))),
                rsDados.texto(QStringLiteral("ctipo_baixa")).trimmed() == QLatin1String("P") ? QStringLiteral("Parcial") : QStringLiteral("Integral"),
                formas.value(int(rsDados.inteiro(QStringLiteral("nforma_pagto")))),
                rsDados.texto(QStringLiteral("cobs"))};
            for (int c = 0; c < 8; ++c)
                Grid1->defineCelula(linha, c, celulas[c]);
        }
        rsDados.fecha();
    } catch (const ErroBanco& e) {
        rsDados.fecha();
        trata_erro_banco(e);
    }
    if (Grid1->rows() < LINHAS_MINIMAS)
        Grid1->setRows(LINHAS_MINIMAS);
    Grid1->setRow(1);
}

void FrmMostraBaixaContaPaga::CmdExcluir_Click()
{
    const int linha = Grid1->row();
    const QString baixa = linha >= 1 ? Grid1->textMatrix(linha, 0) : QString();
    if (baixa.isEmpty() || !CmdExcluir->isEnabled())
        return;
    if (!mensagens().pergunta(QStringLiteral("Deseja realmente excluir essa baixa?")))
        return;
    try {
        cSQL = QStringLiteral("delete from baixa_conta_receber where ncodigo = ") + QString::number(baixa.toInt());
        conexao.execute(cSQL);
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
        return;
    }
    mostra_dados();
    if (aoExcluir)
        aoExcluir();
}

#include "frmfechamentovendaprazo.h"
#include "campos.h"
#include "filtroteclas.h"
#include "grade.h"
#include "mensagens.h"
#include "formatos.h"
#include "legado.h"
#include "literaissql.h"
#include "sessao.h"
#include "parcelas.h"
#include "relogio.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FrmFechamentoVendaPrazo::FrmFechamentoVendaPrazo()
    : FrmFechamento(QStringLiteral("FrmFechamentoVendaPrazo"), QStringLiteral("Fechamento da Ordem"))
{
    Grid1 = new Grade(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->setAccessibleName(QStringLiteral("Parcelas"));
    Grid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    Grid1->setCols(3);
    Grid1->setMinimumSize(6000 / 15 + 30, 260);
    // only the due date and the value are edited, as date and money fields
    Grid1->editaColunas({{1, CampoData}, {2, CampoDinheiro}});
    Text1 = Grid1->editor();
    // an instalment of nothing (or less) is refused and stays in the editor to be corrected
    Grid1->aceitaEdicao([](int, int coluna, const QString& texto) {
        const std::optional<Dinheiro> valor = Dinheiro::leTexto(texto);
        if (coluna != 2 || (valor && valor->centavos() > 0))
            return true;
        informa(QStringLiteral("Informe o valor da parcela!"));
        return false;
    });
    corpo()->addWidget(Grid1, 1);
    connect(Grid1, &Grade::celulaEditada, this, &FrmFechamentoVendaPrazo::soma_total);

    auto* resumo = new QGroupBox(QStringLiteral("Resumo"), this);
    auto* g = new QGridLayout(resumo);
    Text4 = linha_campo(g, 0, 0, QStringLiteral("Qtde. parcelas"), QStringLiteral("Text4"), 0);
    Text8 = linha_campo(g, 0, 2, QStringLiteral("Valor original"), QStringLiteral("Text8"), 0);
    Text6 = linha_campo(g, 0, 4, QStringLiteral("Total"), QStringLiteral("Text6"), 0);
    for (QLineEdit* e : {Text4, Text8, Text6}) {
        e->setReadOnly(true);
        e->setAlignment(Qt::AlignRight);
    }
    Text4->setMaximumWidth(60);
    destaca_valor(Text6);
    corpo()->addWidget(resumo);

    CmdOk = novo_botao(QStringLiteral("&Gravar"), QStringLiteral("CmdOk"), this);
    CmdSair = novo_botao(QStringLiteral("&Sair"), QStringLiteral("CmdSair"), this);
    corpo()->addLayout(linha_de_botoes({CmdOk, CmdSair}));
    connect(CmdOk, &QPushButton::clicked, this, &FrmFechamentoVendaPrazo::CmdOk_Click);
    connect(CmdSair, &QPushButton::clicked, this, &FrmFechamentoVendaPrazo::CmdSair_Click);
    teclas()->botaoF5(CmdOk);
}

void FrmFechamentoVendaPrazo::formata_grade()
{
    Grid1->limpa(0);
    Grid1->defineColunas({{QStringLiteral("Parcela"), 100, Qt::AlignCenter},
                          {QStringLiteral("Vencimento"), 100, Qt::AlignCenter},
                          {QStringLiteral("Valor"), 200, Qt::AlignCenter}});
    Text4->setText(QStringLiteral("0"));
}

void FrmFechamentoVendaPrazo::abre()
{
    formata_grade();
    gera_parcelas(cCondicao, nValorTotal.moeda(), Relogio::hoje().toString(QStringLiteral("dd/MM/yyyy")), *Grid1);
    Text8->setText(nValorTotal.moeda());
    soma_total();
    Text4->setText(QString::number(Grid1->rows() - 1));
    if (Grid1->rows() < LINHAS_MINIMAS)
        Grid1->setRows(LINHAS_MINIMAS);
    Grid1->setRow(1);
    Grid1->setCol(1);
    Grid1->setFocus();
}

void FrmFechamentoVendaPrazo::soma_total() { Text6->setText(soma_coluna(*Grid1, 2).moeda()); }

void FrmFechamentoVendaPrazo::CmdOk_Click()
{
    // the plan as it stands: the filled rows, an instalment of 0,00 left
    // out; each value as computed, or as the clerk typed it over
    QList<std::pair<int, Dinheiro>> parcelas;
    Dinheiro soma;
    for (int i = 1; i < Grid1->rows() && !Grid1->textMatrix(i, 0).isEmpty(); ++i) {
        const std::optional<Dinheiro> valor = Grid1->dinheiro(i - 1, 2);
        if (!valor) {
            informa(mensagem_valor_invalido(Grid1->textMatrix(i, 2)));
            return;
        }
        if (*valor == Dinheiro())
            continue;
        parcelas.append({i, *valor});
        soma += *valor;
    }
    // only a plan that adds up to the order's total is stored
    if (parcelas.isEmpty()) {
        avisa_parcelamento_incorreto();
        return;
    }
    if (soma != nValorTotal) {
        informa(QStringLiteral("O total das parcelas (%1) difere do total da ordem (%2). Corrija as parcelas.")
                    .arg(soma.moeda(), nValorTotal.moeda()));
        return;
    }
    if (!mensagens().pergunta(QStringLiteral("Confirma o fechamento desta ordem?")))
        return;
    const QString ordem = QString::number(nCodigoOrdem);
    grava(Operacao::FechamentoPrazo, [&] {
        // one receivable per instalment, labelled with its place and the count
        for (int k = 0; k < parcelas.size(); ++k) {
            const auto [i, valor] = parcelas[k];
            cSQL = QStringLiteral("insert into conta_receber values(null,") + ordem + QStringLiteral(",'") + QString::number(k + 1)
                   + QLatin1Char('/') + QString::number(parcelas.size()) + QStringLiteral("','") + valor.sql()
                   + QStringLiteral("',0,'") + data_sql(Grid1->textMatrix(i, 1)) + QStringLiteral("',0)  ");
            conexao.execute(cSQL);
        }
    });
}

void FrmFechamentoVendaPrazo::CmdSair_Click() { reject(); }

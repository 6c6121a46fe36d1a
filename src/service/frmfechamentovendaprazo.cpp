#include "frmfechamentovendaprazo.h"
#include "campos.h"
#include "datas.h"
#include "filtroteclas.h"
#include "formatos.h"
#include "grade.h"
#include "mensagens.h"
#include "parcelas.h"
#include "relogio.h"
#include "sessao.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FrmFechamentoVendaPrazo::FrmFechamentoVendaPrazo()
    : FrmFechamento(QStringLiteral("FrmFechamentoVendaPrazo"), QStringLiteral("Fechamento da Ordem"))
{
    gradeParcelas = new Grade(this);
    gradeParcelas->setObjectName(QStringLiteral("gradeParcelas"));
    gradeParcelas->setAccessibleName(QStringLiteral("Parcelas"));
    gradeParcelas->setSelectionBehavior(QAbstractItemView::SelectItems);
    gradeParcelas->defineNumeroColunas(3);
    gradeParcelas->setMinimumSize(400 + 30, 260);
    // only the due date and the value are edited, as date and money fields
    gradeParcelas->editaColunas({{ColunaVencimento, CampoData}, {ColunaValor, CampoDinheiro}});
    editorParcela = gradeParcelas->editor();
    // an instalment of nothing (or less) is refused and stays in the editor to be corrected
    gradeParcelas->aceitaEdicao([](int, int coluna, const QString& texto) {
        const std::optional<Dinheiro> valor = Dinheiro::leTexto(texto);
        if (coluna != ColunaValor || (valor && valor->centavos() > 0))
            return true;
        informa(QStringLiteral("Informe o valor da parcela!"));
        return false;
    });
    corpo()->addWidget(gradeParcelas, 1);
    connect(gradeParcelas, &Grade::celulaEditada, this, &FrmFechamentoVendaPrazo::soma_total);

    auto* resumo = new QGroupBox(QStringLiteral("Resumo"), this);
    auto* g = new QGridLayout(resumo);
    caixaQuantidadeParcelas = linha_campo(g, 0, 0, QStringLiteral("Qtde. parcelas"), QStringLiteral("caixaQuantidadeParcelas"), 0);
    caixaValorOriginal = linha_campo(g, 0, 2, QStringLiteral("Valor original"), QStringLiteral("caixaValorOriginal"), 0);
    caixaTotal = linha_campo(g, 0, 4, QStringLiteral("Total"), QStringLiteral("caixaTotal"), 0);
    for (QLineEdit* e : {caixaQuantidadeParcelas, caixaValorOriginal, caixaTotal}) {
        e->setReadOnly(true);
        e->setAlignment(Qt::AlignRight);
    }
    caixaQuantidadeParcelas->setMaximumWidth(60);
    destaca_valor(caixaTotal);
    corpo()->addWidget(resumo);

    botaoGravar = novo_botao(QStringLiteral("&Gravar"), QStringLiteral("botaoGravar"), this);
    botaoSair = novo_botao(QStringLiteral("&Sair"), QStringLiteral("botaoSair"), this);
    corpo()->addLayout(linha_de_botoes({botaoGravar, botaoSair}));
    connect(botaoGravar, &QPushButton::clicked, this, &FrmFechamentoVendaPrazo::grava_plano);
    connect(botaoSair, &QPushButton::clicked, this, &QDialog::reject);
    teclas()->botaoF5(botaoGravar);
}

void FrmFechamentoVendaPrazo::formata_grade()
{
    gradeParcelas->limpa(0);
    gradeParcelas->defineColunas({{QStringLiteral("Parcela"), 100, Qt::AlignCenter},
                                  {QStringLiteral("Vencimento"), 100, Qt::AlignCenter},
                                  {QStringLiteral("Valor"), 200, Qt::AlignCenter}});
    caixaQuantidadeParcelas->setText(QStringLiteral("0"));
}

void FrmFechamentoVendaPrazo::abre()
{
    formata_grade();
    propoe_plano();
    caixaValorOriginal->setText(fechamento().total.moeda());
    soma_total();
    caixaQuantidadeParcelas->setText(QString::number(gradeParcelas->linhas()));
    if (gradeParcelas->linhas() < LINHAS_MINIMAS)
        gradeParcelas->defineNumeroLinhas(LINHAS_MINIMAS);
    gradeParcelas->defineLinhaAtual(0);
    gradeParcelas->defineColunaAtual(ColunaVencimento);
    gradeParcelas->setFocus();
}

namespace {
// The notice of a plan that cannot be made (or stored).
void avisa_parcelamento_incorreto()
{
    mensagens().aviso(QStringLiteral("Os dados informados para o parcelamento estão incorretos!"), Mensagens::Icone::Informacao,
                      QStringLiteral("Crcp"));
}
} // namespace

void FrmFechamentoVendaPrazo::propoe_plano()
{
    const QDate hoje = Relogio::hoje();
    const auto plano = calcula_parcelas(fechamento().regraCondicao, fechamento().total.moeda(), hoje.toString(QStringLiteral("dd/MM/yyyy")), hoje);
    if (!plano) {
        avisa_parcelamento_incorreto();
        return;
    }
    gradeParcelas->defineNumeroLinhas(int(plano->size()));
    for (int i = 0; i < plano->size(); ++i) {
        const Parcela& p = plano->at(i);
        gradeParcelas->defineLinha(i, {p.rotulo, p.vencimento, QVariant::fromValue(p.valor)});
    }
}

void FrmFechamentoVendaPrazo::soma_total() { caixaTotal->setText(soma_coluna(*gradeParcelas, ColunaValor).moeda()); }

void FrmFechamentoVendaPrazo::grava_plano()
{
    // the plan as it stands: the filled rows, each value as computed, or
    // as the clerk typed it over
    QVector<Parcela> linhas;
    for (int i = 0; i < gradeParcelas->linhas() && !gradeParcelas->texto(i, ColunaParcela).isEmpty(); ++i) {
        const std::optional<Dinheiro> valor = gradeParcelas->dinheiro(i, ColunaValor);
        if (!valor) {
            informa(mensagem_valor_invalido(gradeParcelas->texto(i, ColunaValor)));
            return;
        }
        linhas.append({gradeParcelas->texto(i, ColunaParcela), le_data(gradeParcelas->texto(i, ColunaVencimento)), *valor});
    }
    // only a plan that adds up to the order's total is stored
    const Dinheiro total = fechamento().total;
    const PlanoConferido plano = confere_plano(linhas, total);
    if (plano.situacao == PlanoConferido::Vazio) {
        avisa_parcelamento_incorreto();
        return;
    }
    if (plano.situacao == PlanoConferido::Diferente) {
        informa(QStringLiteral("O total das parcelas (%1) difere do total da ordem (%2). Corrija as parcelas.")
                    .arg(plano.soma.moeda(), total.moeda()));
        return;
    }
    if (!mensagens().pergunta(QStringLiteral("Confirma o fechamento desta ordem?")))
        return;
    grava([&](const QVector<ContaDaOrdem>& antes) { return fecha_a_prazo(conexao, fechamento(), antes, plano.parcelas); });
}

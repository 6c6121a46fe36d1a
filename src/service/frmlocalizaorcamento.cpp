#include "frmlocalizaorcamento.h"
#include "formularios.h"
#include "frmorcamento.h"
#include "impressos.h"

FrmLocalizaOrcamento::FrmLocalizaOrcamento()
    : FrmConsultaMovimento(
          QStringLiteral("FrmLocalizaOrcamento"), QStringLiteral("Localização de orçamentos"),
          {{QStringLiteral("Código"), 67, Qt::AlignCenter, QStringLiteral("codorcamento")},
           {QStringLiteral("Cliente"), 373, Qt::AlignLeft, QStringLiteral("cfantasia")},
           {QStringLiteral("Data"), 87, Qt::AlignCenter, QStringLiteral("ddata")},
           {QStringLiteral("Valor"), 100, Qt::AlignCenter, QStringLiteral("nvalor"), coluna_moeda},
           {QStringLiteral("Aprovado"), 67, Qt::AlignCenter, QStringLiteral("naprovado"), coluna_sim_nao}},
          17,
          {TipoMovimento::Orcamento, QStringLiteral("deste orçamento"), QString()},
          true)
{
}

void FrmLocalizaOrcamento::abre_detalhes(const QString& codigo)
{
    form<FrmOrcamento>().edita(codigo.toInt());
}

void FrmLocalizaOrcamento::imprime()
{
    if (!celula(ColunaCodigo).isEmpty())
        emite_orcamento(celula(ColunaCodigo));
}

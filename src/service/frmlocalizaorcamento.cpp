#include "frmlocalizaorcamento.h"
#include "edicaomovimento.h"
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
          {QStringLiteral("orcamento"), QStringLiteral("orcamento.ncodigo as codorcamento,naprovado,ddata,cliente.cfantasia,nvalor"),
           QStringLiteral("from orcamento,cliente where ncliente = cliente.ncodigo"), QStringLiteral("ncliente"),
           QStringLiteral("deste orçamento"), QString(), {QStringLiteral("item_orcamento.norcamento")}},
          true)
{
}

void FrmLocalizaOrcamento::abre_detalhes(const QString& codigo)
{
    edita_movimento<FrmOrcamento>(&FrmOrcamento::nCodigoOrcamento, codigo);
}

void FrmLocalizaOrcamento::Command6_Click()
{
    if (!celula(0).isEmpty())
        emite_orcamento(celula(0));
}

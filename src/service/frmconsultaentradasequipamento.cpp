#include "frmconsultaentradasequipamento.h"
#include "edicaomovimento.h"
#include "frmentradaequipamento.h"
#include "impressos.h"

FrmConsultaEntradasEquipamento::FrmConsultaEntradasEquipamento()
    : FrmConsultaMovimento(
          QStringLiteral("FrmConsultaEntradasEquipamento"), QStringLiteral("Localização de entradas de equipamentos"),
          {{QStringLiteral("Código"), 67, Qt::AlignCenter, QStringLiteral("codentrada")},
           {QStringLiteral("Cliente"), 407, Qt::AlignLeft, QStringLiteral("cfantasia")},
           {QStringLiteral("Data da entrada"), 120, Qt::AlignCenter, QStringLiteral("ddata")},
           {QStringLiteral("Hora"), 100, Qt::AlignCenter, QStringLiteral("thora")}},
          18,
          {QStringLiteral("entrada_equipamento"), QStringLiteral("entrada_equipamento.ncodigo as codentrada,ddata,thora,cliente.cfantasia"),
           QStringLiteral("from entrada_equipamento,cliente where ncliente= cliente.ncodigo"), QStringLiteral("ncliente"),
           QStringLiteral("desta"), QStringLiteral("entrada"), {QStringLiteral("item_da_entrada.nentrada_equipamento")}},
          true)
{
}

void FrmConsultaEntradasEquipamento::abre_detalhes(const QString& codigo)
{
    edita_movimento<FrmEntradaEquipamento>(&FrmEntradaEquipamento::nCodigoEntrada, codigo);
}

void FrmConsultaEntradasEquipamento::Command6_Click()
{
    if (!celula(0).isEmpty())
        emite_comprovante_entrada(celula(0), celula(2));
}

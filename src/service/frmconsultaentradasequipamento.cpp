#include "frmconsultaentradasequipamento.h"
#include "edicaomovimento.h"
#include "frmentradaequipamento.h"
#include "impressos.h"

FrmConsultaEntradasEquipamento::FrmConsultaEntradasEquipamento()
    : FrmConsultaMovimento(
          QStringLiteral("FrmConsultaEntradasEquipamento"), QStringLiteral("Localização de entradas de equipamentos"),
          {{QStringLiteral("Código"), 1000, Qt::AlignCenter, QStringLiteral("codentrada")},
           {QStringLiteral("Cliente"), 6100, Qt::AlignLeft, QStringLiteral("cfantasia")},
           {QStringLiteral("Data da entrada"), 1800, Qt::AlignCenter, QStringLiteral("ddata")},
           {QStringLiteral("Hora"), 1500, Qt::AlignCenter, QStringLiteral("thora")}},
          18,
          {TipoMovimento::Entrada, QStringLiteral("desta"), QStringLiteral("entrada")},
          true)
{
}

void FrmConsultaEntradasEquipamento::abre_detalhes(const QString& codigo)
{
    edita_movimento<FrmEntradaEquipamento>(&FrmEntradaEquipamento::nCodigoEntrada, codigo);
}

void FrmConsultaEntradasEquipamento::imprime()
{
    if (!celula(ColunaCodigo).isEmpty())
        emite_comprovante_entrada(celula(ColunaCodigo), celula(ColunaData));
}

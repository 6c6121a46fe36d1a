#include "frmconsultaentradasequipamento.h"
#include "formularios.h"
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
          {TipoMovimento::Entrada, QStringLiteral("desta"), QStringLiteral("entrada")},
          true)
{
}

void FrmConsultaEntradasEquipamento::abre_detalhes(const QString& codigo)
{
    form<FrmEntradaEquipamento>().edita(codigo.toInt());
}

void FrmConsultaEntradasEquipamento::imprime()
{
    if (!celula(ColunaCodigo).isEmpty())
        emite_comprovante_entrada(celula(ColunaCodigo), celula(ColunaData));
}

#include "frmconsultacondicaopagto.h"
#include "formularios.h"
#include "frmcadcondicaopagto.h"

FrmConsultaCondicaoPagto::FrmConsultaCondicaoPagto()
    : FrmPesquisaTexto(QStringLiteral("FrmConsultaCondicaoPagto"), QStringLiteral("Localização de condições de pagto"),
                       QStringLiteral("Descrição"), QStringLiteral("select * from condicao_pagto where %1 order by ncodigo"),
                       QStringLiteral("condicao_pagto.cdescricao"),
                       {{QStringLiteral("Código"), 67, Qt::AlignCenter, QStringLiteral("ncodigo")},
                        {QStringLiteral("Descrição"), 393, Qt::AlignLeft, QStringLiteral("cdescricao")}},
                       QStringLiteral("delete from condicao_pagto where ncodigo = ?"), QStringLiteral("da condição"))
{
}

void FrmConsultaCondicaoPagto::abre_detalhes(const QString& codigo)
{
    form<FrmCadCondicaoPagto>().edita(codigo.toInt());
}

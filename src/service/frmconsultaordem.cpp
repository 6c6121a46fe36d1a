#include "frmconsultaordem.h"
#include "edicaomovimento.h"
#include "frmordem.h"
#include "impressos.h"
#include "mensagens.h"

FrmConsultaOrdem::FrmConsultaOrdem()
    : FrmConsultaMovimento(
          QStringLiteral("FrmConsultaOrdem"), QStringLiteral("Localização de ordens de serviço"),
          {{QStringLiteral("Código"), 67, Qt::AlignCenter, QStringLiteral("codordem")},
           {QStringLiteral("Cliente"), 340, Qt::AlignLeft, QStringLiteral("cfantasia")},
           {QStringLiteral("Data"), 120, Qt::AlignCenter, QStringLiteral("ddata")},
           {QStringLiteral("Valor"), 100, Qt::AlignCenter, QStringLiteral("nvalor"), coluna_moeda},
           {QStringLiteral("Concluída"), 67, Qt::AlignCenter, QStringLiteral("nconcluida"), coluna_sim_nao}},
          17,
          {QStringLiteral("ordem"), QStringLiteral("ordem.ncodigo as codordem,ddata,cliente.cfantasia,nconcluida,nvalor"),
           QStringLiteral("from ordem,cliente where ncliente = cliente.ncodigo"), QStringLiteral("cliente.ncodigo"),
           QStringLiteral("desta ordem"), QString(), {QStringLiteral("item_ordem.nordem")}},
          true)
{
}

void FrmConsultaOrdem::abre_detalhes(const QString& codigo)
{
    edita_movimento<FrmOrdem>(&FrmOrdem::nCodigoordem, codigo);
}

void FrmConsultaOrdem::Command6_Click()
{
    if (celula(0).isEmpty())
        return;
    if (celula(4) != QLatin1String("Sim")) {
        informa(QStringLiteral("Essa ordem ainda não foi concluída e por isso não pode ser impressa!"));
        return;
    }
    emite_ordem_servico(celula(0));
}

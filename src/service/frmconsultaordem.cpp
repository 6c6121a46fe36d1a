#include "frmconsultaordem.h"
#include "campos.h"
#include "frmentrega.h"
#include "frmordem.h"
#include "formularios.h"
#include "impressos.h"
#include "mensagens.h"

#include <QHBoxLayout>
#include <QPushButton>

FrmConsultaOrdem::FrmConsultaOrdem()
    : FrmConsultaMovimento(
          QStringLiteral("FrmConsultaOrdem"), QStringLiteral("Localização de ordens de serviço"),
          {{QStringLiteral("Código"), 67, Qt::AlignCenter, QStringLiteral("codordem")},
           {QStringLiteral("Cliente"), 340, Qt::AlignLeft, QStringLiteral("cfantasia")},
           {QStringLiteral("Data"), 120, Qt::AlignCenter, QStringLiteral("ddata")},
           {QStringLiteral("Valor"), 100, Qt::AlignCenter, QStringLiteral("nvalor"), coluna_moeda},
           {QStringLiteral("Concluída"), 67, Qt::AlignCenter, QStringLiteral("nconcluida"), coluna_sim_nao}},
          17,
          {TipoMovimento::Ordem, QStringLiteral("desta ordem"), QString()},
          true)
{
    // beside "Imprimir", before "&Sair"
    botaoEntrega = novo_botao(QStringLiteral("E&ntrega"), QStringLiteral("botaoEntrega"), this);
    m_botoes->insertWidget(m_botoes->indexOf(botaoSair), botaoEntrega);
    setTabOrder(botaoImprimir, botaoEntrega);
    setTabOrder(botaoEntrega, botaoSair);
    botao_de_linha(botaoEntrega);
    connect(botaoEntrega, &QPushButton::clicked, this, &FrmConsultaOrdem::entrega);
}

void FrmConsultaOrdem::abre_detalhes(const QString& codigo)
{
    form<FrmOrdem>().edita(codigo.toInt());
}

void FrmConsultaOrdem::imprime()
{
    if (celula(ColunaCodigo).isEmpty())
        return;
    if (celula(ColunaConcluida) != QLatin1String("Sim")) {
        informa(QStringLiteral("Essa ordem ainda não foi concluída e por isso não pode ser impressa!"));
        return;
    }
    emite_ordem_servico(celula(ColunaCodigo));
}

void FrmConsultaOrdem::entrega()
{
    const QString codigo = celula(ColunaCodigo);
    if (codigo.isEmpty())
        return;
    form<FrmEntrega>().entrega(codigo.toInt());
    procura();
}

#include "frmconsultaequipamentocliente.h"
#include "formularios.h"
#include "frmcadequipamentocliente.h"
#include "grade.h"
#include "mensagens.h"

#include <QComboBox>
#include <QPushButton>

FrmConsultaEquipamentoCliente::FrmConsultaEquipamentoCliente()
    : FrmPesquisa(QStringLiteral("FrmConsultaEquipamentoCliente"), QStringLiteral("Equipamentos do cliente"),
                  {{QStringLiteral("Código"), 100, Qt::AlignCenter, QStringLiteral("ncodigo")},
                   {QStringLiteral("Descrição"), 240, Qt::AlignLeft, QStringLiteral("cdescricao")},
                   {QStringLiteral("Identificação"), 133, Qt::AlignLeft, QStringLiteral("cidentificacao")}},
                  12)
{
    Command3 = botao(QStringLiteral("&Inclur"), QStringLiteral("Command3"));
    connect(Command3, &QPushButton::clicked, this, &FrmConsultaEquipamentoCliente::inclui_click);
    botao(QStringLiteral("&Detalhes"), QStringLiteral("Command1"));
    botao(QStringLiteral("&Excluir"), QStringLiteral("Command5"));
    botao(QStringLiteral("&Sair"), QStringLiteral("Command2"));
}

QString FrmConsultaEquipamentoCliente::consulta()
{
    return QStringLiteral("select cdescricao,equipamento_cliente.ncodigo,cidentificacao from equipamento_cliente,equipamento "
                          "where nequipamento = equipamento.ncodigo and ncliente= %1 order by equipamento_cliente.ncodigo")
        .arg(ncodigoCliente);
}

void FrmConsultaEquipamentoCliente::inclui_click()
{
    form<FrmCadEquipamentoCliente>().inclui(ncodigoCliente);
    procura();
}

void FrmConsultaEquipamentoCliente::abre_detalhes(const QString& codigo)
{
    form<FrmCadEquipamentoCliente>().edita(codigo.toInt());
}

bool FrmConsultaEquipamentoCliente::confirma(const QString&, int)
{
    return mensagens().pergunta(QStringLiteral("Deseja excluir esse equipamento?"));
}

QString FrmConsultaEquipamentoCliente::comando_exclusao(const QString& codigo) const
{
    return QStringLiteral("delete from equipamento_cliente where ncodigo = ") + codigo;
}

// A machine's property values belong to it and go with it; a machine used
// by a budget or an order is still refused by the database.
QStringList FrmConsultaEquipamentoCliente::comandos_exclusao(const QString& codigo) const
{
    return {QStringLiteral("delete from Propriedade_equipamento_cliente where nequipamento_cliente = ") + codigo,
            comando_exclusao(codigo)};
}

void abre_equipamentos_do_cliente(qint32 cliente)
{
    FrmConsultaEquipamentoCliente& f = form<FrmConsultaEquipamentoCliente>();
    f.ncodigoCliente = cliente;
    abre_modal(f);
}

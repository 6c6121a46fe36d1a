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
    botaoIncluir = botao(QStringLiteral("&Inclur"), QStringLiteral("botaoIncluir"));
    connect(botaoIncluir, &QPushButton::clicked, this, &FrmConsultaEquipamentoCliente::inclui_click);
    botao(QStringLiteral("&Detalhes"), QStringLiteral("botaoDetalhes"));
    botao(QStringLiteral("&Excluir"), QStringLiteral("botaoExcluir"));
    botao(QStringLiteral("&Sair"), QStringLiteral("botaoSair"));
}

ConsultaLista FrmConsultaEquipamentoCliente::consulta_lista()
{
    ConsultaLista c{QStringLiteral("select cdescricao,equipamento_cliente.ncodigo,cidentificacao from equipamento_cliente,equipamento "
                                   "where nequipamento = equipamento.ncodigo and ncliente = ? order by equipamento_cliente.ncodigo")};
    c.valores = {m_codigoCliente};
    return c;
}

void FrmConsultaEquipamentoCliente::inclui_click()
{
    form<FrmCadEquipamentoCliente>().inclui(m_codigoCliente);
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

// A machine's property values belong to it and go with it; a machine used
// by a budget or an order is still refused by the database.
QStringList FrmConsultaEquipamentoCliente::exclusoes() const
{
    return {QStringLiteral("delete from Propriedade_equipamento_cliente where nequipamento_cliente = ?"),
            QStringLiteral("delete from equipamento_cliente where ncodigo = ?")};
}

void abre_equipamentos_do_cliente(qint32 cliente)
{
    FrmConsultaEquipamentoCliente& f = form<FrmConsultaEquipamentoCliente>();
    f.defineCliente(cliente);
    abre_modal(f);
}

#include "frmconsultaequipamentos.h"
#include "formularios.h"
#include "frmcadequipamentos.h"
#include "mensagens.h"
#include "reservas.h"

FrmConsultaEquipamentos::FrmConsultaEquipamentos()
    : FrmPesquisa(QStringLiteral("FrmConsultaEquipamentos"), QStringLiteral("Localização de equipamentos"),
                  {{QStringLiteral("Código"), 100, Qt::AlignCenter, QStringLiteral("ncodigo")},
                   {QStringLiteral("Descrição"), 373, Qt::AlignLeft, QStringLiteral("cdescricao")}},
                  12)
{
    botao(QStringLiteral("&Detalhes"), QStringLiteral("botaoDetalhes"));
    botao(QStringLiteral("&Excluir"), QStringLiteral("botaoExcluir"));
    botao(QStringLiteral("&Sair"), QStringLiteral("botaoSair"));
}

// a type still being registered (or left by a crash) is not listed
QString FrmConsultaEquipamentos::consulta()
{
    return QStringLiteral("select * from equipamento where " EQUIPAMENTO_GRAVADO " order by cdescricao");
}

void FrmConsultaEquipamentos::abre_detalhes(const QString& codigo)
{
    form<FrmCadEquipamentos>().edita(codigo.toInt());
}

bool FrmConsultaEquipamentos::confirma(const QString&, int)
{
    return mensagens().pergunta(QStringLiteral("Deseja excluir esse equipamento?"));
}

QStringList FrmConsultaEquipamentos::exclusoes() const { return {QStringLiteral("delete from equipamento where ncodigo = ?")}; }

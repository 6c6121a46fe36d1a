#include "frmconsultatecnico.h"
#include "formularios.h"
#include "frmcadtecnico.h"

FrmConsultaTecnico::FrmConsultaTecnico()
    : FrmPesquisaPessoa(QStringLiteral("FrmConsultaTecnico"), QStringLiteral("Técnicos"), Pessoa::Tecnico, false)
{
    m_oqueExcluir = QStringLiteral("do tecnico");
}

void FrmConsultaTecnico::abre_detalhes(const QString& codigo)
{
    form<FrmCadTecnico>().edita(codigo.toInt());
}

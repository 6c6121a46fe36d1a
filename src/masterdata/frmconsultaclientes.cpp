#include "frmconsultaclientes.h"
#include "formularios.h"
#include "frmcadcliente.h"

FrmConsultaClientes::FrmConsultaClientes()
    : FrmPesquisaPessoa(QStringLiteral("FrmConsultaClientes"), QStringLiteral("Localização de clientes"), Pessoa::Cliente, true)
{
    m_oqueExcluir = QStringLiteral("do cliente");
}

void FrmConsultaClientes::abre_detalhes(const QString& codigo)
{
    form<FrmCadCliente>().edita(codigo.toInt());
}

qint32 escolhe_cliente()
{
    FrmConsultaClientes& f = form<FrmConsultaClientes>();
    f.abertaPeloCadastro = false;
    abre_modal(f);
    return f.escolhido().value_or(0);
}

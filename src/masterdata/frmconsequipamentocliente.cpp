#include "frmconsequipamentocliente.h"
#include "caixacodigo.h"
#include "campos.h"
#include "filtroteclas.h"
#include "formularios.h"
#include "frmcadcliente.h"
#include "frmconsultaclientes.h"
#include "grade.h"
#include "mensagens.h"

#include "reservas.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

FrmConsEquipamentoCliente::FrmConsEquipamentoCliente()
    : FrmPesquisa(QStringLiteral("FrmConsEquipamentoCliente"), QStringLiteral("Consulta equipamentos do cliente"),
                  {{QStringLiteral("Código"), 100, Qt::AlignCenter, QStringLiteral("ncodigo")},
                   {QStringLiteral("Descrição"), 240, Qt::AlignLeft, QStringLiteral("cdescricao")},
                   {QStringLiteral("Identificação"), 153, Qt::AlignLeft, QStringLiteral("cidentificacao")}},
                  12)
{
    caixaCliente = linha_campo(m_filtros, 0, 0, QStringLiteral("Cliente"), QStringLiteral("caixaCliente"), 9);
    caixaCliente->setMaximumWidth(100);
    botaoConsultaClientes = novo_botao(QStringLiteral("..."), QStringLiteral("botaoConsultaClientes"), this);
    botaoConsultaClientes->setAccessibleName(QStringLiteral("Consultar clientes"));
    botaoConsultaClientes->setMaximumWidth(40);
    m_filtros->addWidget(botaoConsultaClientes, 0, 2);
    caixaNomeCliente = nova_caixa(this, QStringLiteral("caixaNomeCliente"));
    caixaNomeCliente->setAccessibleName(QStringLiteral("Nome do cliente"));
    caixaNomeCliente->setReadOnly(true);
    caixaNomeCliente->setFocusPolicy(Qt::NoFocus);
    m_filtros->addWidget(caixaNomeCliente, 0, 3);
    botaoMostrar = novo_botao(QStringLiteral("Mostrar"), QStringLiteral("botaoMostrar"), this);
    m_filtros->addWidget(botaoMostrar, 0, 4);
    m_filtros->setColumnStretch(3, 1);
    botao(QStringLiteral("&Aceitar"), QStringLiteral("botaoAceitar"));
    botao(QStringLiteral("&Sair"), QStringLiteral("botaoSair"));

    m_cliente = new CaixaCodigo(
        caixaCliente, caixaNomeCliente, botaoConsultaClientes, m_teclas,
        QStringLiteral("select cfantasia from cliente where ncodigo = ? and " CLIENTE_GRAVADO),
        [] { return escolhe_cliente(); },
        [] { form<FrmCadCliente>().inclui(); });
    // another customer (typed or chosen) empties the list
    connect(caixaCliente, &QLineEdit::textChanged, this, [this] {
        m_mostrar = false;
        procura();
    });
    connect(botaoMostrar, &QPushButton::clicked, this, &FrmConsEquipamentoCliente::mostra_maquinas);
    setTabOrder(caixaCliente, botaoMostrar);
}

std::optional<qint32> FrmConsEquipamentoCliente::escolhe()
{
    abre_modal(*this);
    return escolhido();
}

void FrmConsEquipamentoCliente::ao_abrir()
{
    caixaCliente->clear(); // empties the list
    caixaNomeCliente->clear();
    m_mostrar = false;
    procura();
    caixaCliente->setFocus();
}

ConsultaLista FrmConsEquipamentoCliente::consulta_lista()
{
    if (!m_mostrar)
        return {};
    ConsultaLista c{QStringLiteral("select cdescricao,equipamento_cliente.ncodigo,cidentificacao from equipamento_cliente,equipamento "
                                   "where nequipamento = equipamento.ncodigo and ncliente = ? order by cdescricao")};
    c.valores = {valor_numerico(caixaCliente->text())};
    return c;
}

void FrmConsEquipamentoCliente::valida_cliente() { m_cliente->valida(); }

void FrmConsEquipamentoCliente::consulta_clientes() { m_cliente->consulta(); }

void FrmConsEquipamentoCliente::mostra_maquinas()
{
    CaixaCodigo::atualiza(this);
    if (caixaCliente->text().isEmpty() || caixaNomeCliente->text().isEmpty()) {
        informa(QStringLiteral("Informe o cliente!"));
        return;
    }
    m_mostrar = true;
    procura();
    gradeLista->setFocus();
}

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
    Text4 = linha_campo(m_filtros, 0, 0, QStringLiteral("Cliente"), QStringLiteral("Text4"), 9);
    Text4->setMaximumWidth(100);
    Command1 = novo_botao(QStringLiteral("..."), QStringLiteral("Command1"), this);
    Command1->setAccessibleName(QStringLiteral("Consultar clientes"));
    Command1->setMaximumWidth(40);
    m_filtros->addWidget(Command1, 0, 2);
    Text8 = nova_caixa(this, QStringLiteral("Text8"));
    Text8->setAccessibleName(QStringLiteral("Nome do cliente"));
    Text8->setReadOnly(true);
    Text8->setFocusPolicy(Qt::NoFocus);
    m_filtros->addWidget(Text8, 0, 3);
    Command3 = novo_botao(QStringLiteral("Mostrar"), QStringLiteral("Command3"), this);
    m_filtros->addWidget(Command3, 0, 4);
    m_filtros->setColumnStretch(3, 1);
    botao(QStringLiteral("&Aceitar"), QStringLiteral("Command4"));
    botao(QStringLiteral("&Sair"), QStringLiteral("Command2"));

    m_cliente = new CaixaCodigo(
        Text4, Text8, Command1, m_teclas,
        [](qint32 c) { return QStringLiteral("select cfantasia from cliente where ncodigo = %1 and ").arg(c) + sem_reservas(QStringLiteral("cliente")); },
        [] { return escolhe_cliente(); },
        [] { form<FrmCadCliente>().inclui(); });
    // another customer (typed or chosen) empties the list
    connect(Text4, &QLineEdit::textChanged, this, [this] {
        m_mostrar = false;
        procura();
    });
    connect(Command3, &QPushButton::clicked, this, &FrmConsEquipamentoCliente::Command3_Click);
    setTabOrder(Text4, Command3);
}

void FrmConsEquipamentoCliente::ao_abrir()
{
    Text4->clear(); // empties the list
    Text8->clear();
    m_mostrar = false;
    procura();
    Text4->setFocus();
}

QString FrmConsEquipamentoCliente::consulta()
{
    if (!m_mostrar)
        return {};
    return QStringLiteral("select cdescricao,equipamento_cliente.ncodigo,cidentificacao from equipamento_cliente,equipamento "
                          "where nequipamento = equipamento.ncodigo and ncliente= %1 order by cdescricao")
        .arg(valor_numerico(Text4->text()));
}

void FrmConsEquipamentoCliente::valida_cliente() { m_cliente->valida(); }

void FrmConsEquipamentoCliente::Command1_Click() { m_cliente->consulta(); }

void FrmConsEquipamentoCliente::Command3_Click()
{
    CaixaCodigo::atualiza(this);
    if (Text4->text().isEmpty() || Text8->text().isEmpty()) {
        informa(QStringLiteral("Informe o cliente!"));
        return;
    }
    m_mostrar = true;
    procura();
    Grid1->setFocus();
}

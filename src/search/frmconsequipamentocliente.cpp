#include "frmconsequipamentocliente.h"
#include "campos.h"
#include "filtroteclas.h"
#include "formularios.h"
#include "frmcadcliente.h"
#include "frmconsultaclientes.h"
#include "grade.h"
#include "mensagens.h"
#include "modulo1.h"
#include "reservas.h"

#include <QEvent>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

FrmConsEquipamentoCliente::FrmConsEquipamentoCliente()
    : FrmPesquisa(QStringLiteral("FrmConsEquipamentoCliente"), QStringLiteral("Consulta equipamentos do cliente"),
                  {{QStringLiteral("Código"), 1500, Qt::AlignCenter, QStringLiteral("ncodigo")},
                   {QStringLiteral("Descrição"), 3600, Qt::AlignLeft, QStringLiteral("cdescricao")},
                   {QStringLiteral("Identificação"), 2300, Qt::AlignLeft, QStringLiteral("cidentificacao")}},
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

    m_teclas->tipoCampo(Text4, CampoInteiro);
    m_teclas->aoF12(Text4, [this] { Command1_Click(); });
    m_teclas->aoF11(Text4, [] {
        FrmCadCliente& f = form<FrmCadCliente>();
        f.binclusao = true;
        abre_modal(f);
    });
    // another customer (typed or chosen) empties the list
    connect(Text4, &QLineEdit::textChanged, this, [this] {
        m_mostrar = false;
        procura();
    });
    connect(Command1, &QPushButton::clicked, this, &FrmConsEquipamentoCliente::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &FrmConsEquipamentoCliente::Command3_Click);
    Text4->installEventFilter(this);
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

bool FrmConsEquipamentoCliente::eventFilter(QObject* alvo, QEvent* e)
{
    // validated once the focus has left, so the message can put it back
    if (alvo == Text4 && saiu_do_campo(e) && isVisible())
        QTimer::singleShot(0, this, &FrmConsEquipamentoCliente::valida_cliente);
    return FrmPesquisa::eventFilter(alvo, e);
}

void FrmConsEquipamentoCliente::valida_cliente()
{
    const QString texto = Text4->text();
    bool numero = false;
    texto.toLongLong(&numero);
    if (texto.isEmpty() || !numero) {
        Text8->clear();
        return;
    }
    try {
        rsAux.abre(QStringLiteral("select cfantasia from cliente where ncodigo = ") + texto + QStringLiteral(" and ")
                   + sem_reservas(QStringLiteral("cliente")));
        const bool achou = rsAux.recordCount() > 0;
        Text8->setText(achou ? rsAux.texto(QStringLiteral("cfantasia")) : QString());
        rsAux.fecha();
        if (!achou)
            registro_nao_localizado(Text4);
    } catch (const ErroBanco& e) {
        rsAux.fecha();
        trata_erro_banco(e);
    }
}

void FrmConsEquipamentoCliente::Command1_Click()
{
    const qint32 codigo = escolhe_cliente();
    if (codigo != 0) {
        Text4->setText(QString::number(codigo));
        valida_cliente();
    }
}

void FrmConsEquipamentoCliente::Command3_Click()
{
    if (Text4->text().isEmpty() || Text8->text().isEmpty()) {
        informa(QStringLiteral("Informe o cliente!"));
        return;
    }
    m_mostrar = true;
    procura();
    Grid1->setFocus();
}

#include "frmconsultaservicomaquina.h"
#include "caixacodigo.h"
#include "campos.h"
#include "controlerelatorio.h"
#include "edicaomovimento.h"
#include "filtroteclas.h"
#include "formularios.h"
#include "frmconsequipamentocliente.h"
#include "frmordem.h"
#include "grade.h"
#include "mensagens.h"
#include "legado.h"
#include "sessao.h"
#include "motorrelatorio.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLineEdit* caixa_somente_leitura(QWidget* pai, const QString& nome)
{
    QLineEdit* e = nova_caixa(pai, nome);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    return e;
}

} // namespace

FrmConsultaServicoMaquina::FrmConsultaServicoMaquina()
    : FrmPesquisa(QStringLiteral("FrmConsultaServicoMaquina"), QStringLiteral("Serviços por equipamento"),
                  {{QStringLiteral("Número"), 73, Qt::AlignCenter, QStringLiteral("codigo")},
                   {QStringLiteral("Data"), 73, Qt::AlignCenter, QStringLiteral("data")},
                   {QStringLiteral("Serviço"), 467, Qt::AlignLeft, QStringLiteral("servico")},
                   {QStringLiteral("Valor"), 87, Qt::AlignCenter, QStringLiteral("valor"), coluna_moeda}},
                  17)
{
    Label4 = novo_titulo(QStringLiteral("Serviços por equipamento"), QStringLiteral("Label4"), this);
    m_filtros->addWidget(Label4, 0, 0, 1, 5);

    Text3 = linha_campo(m_filtros, 1, 0, QStringLiteral("Equipamento"), QStringLiteral("Text3"), 9);
    Text3->setMaximumWidth(100);
    Command1 = novo_botao(QStringLiteral("..."), QStringLiteral("Command1"), this);
    Command1->setAccessibleName(QStringLiteral("Consultar equipamentos do cliente"));
    Command1->setMaximumWidth(40);
    m_filtros->addWidget(Command1, 1, 2);
    Text4 = caixa_somente_leitura(this, QStringLiteral("Text4"));
    Text4->setAccessibleName(QStringLiteral("Descrição do equipamento"));
    m_filtros->addWidget(Text4, 1, 3);
    Text1 = caixa_somente_leitura(this, QStringLiteral("Text1"));
    m_filtros->addWidget(novo_rotulo(QStringLiteral("Proprietário"), Text1, this), 2, 0);
    m_filtros->addWidget(Text1, 2, 1, 1, 3);
    Command5 = novo_botao(QStringLiteral("&Mostrar"), QStringLiteral("Command5"), this);
    m_filtros->addWidget(Command5, 2, 4);
    m_filtros->setColumnStretch(3, 1);

    Command3 = novo_botao(QStringLiteral("&Ver ordem"), QStringLiteral("Command3"), this);
    Command4 = novo_botao(QStringLiteral("&Imprimir"), QStringLiteral("Command4"), this);
    m_botoes->addWidget(Command3);
    m_botoes->addWidget(Command4);
    botao(QStringLiteral("&Sair"), QStringLiteral("Command2"));
    setTabOrder(Text3, Command1);
    setTabOrder(Command1, Command5);

    // an unknown machine empties both texts without a word, and the focus may leave
    m_maquina = new CaixaCodigo(
        Text3, Text4, Command1, m_teclas,
        [](qint32 c) {
            return QStringLiteral("select cliente.ncodigo,cliente.cfantasia as cliente,cdescricao,cidentificacao  from "
                                  "cliente,equipamento_cliente,equipamento where cliente.ncodigo = ncliente and "
                                  "nequipamento = equipamento.ncodigo and equipamento_cliente.ncodigo = %1").arg(c);
        },
        [] {
            abre_modal(form<FrmConsEquipamentoCliente>());
            return nCodigoConsulta;
        },
        {});
    m_maquina->semAviso().preencheCom([this](Recordset* rs) {
        Text4->setText(rs ? rs->texto(QStringLiteral("cdescricao")) + QStringLiteral(" - ") + rs->texto(QStringLiteral("cidentificacao"))
                          : QString());
        Text1->setText(rs ? rs->texto(QStringLiteral("ncodigo")) + QStringLiteral(" - ") + rs->texto(QStringLiteral("cliente")) : QString());
    });
    // another machine empties the list
    connect(Text3, &QLineEdit::textChanged, this, [this] {
        m_mostrar = false;
        procura();
    });
    connect(Command5, &QPushButton::clicked, this, &FrmConsultaServicoMaquina::Command5_Click);
    connect(Command3, &QPushButton::clicked, this, &FrmConsultaServicoMaquina::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &FrmConsultaServicoMaquina::Command4_Click);
}

void FrmConsultaServicoMaquina::ao_abrir()
{
    Text3->clear(); // empties the list
    Text4->clear();
    Text1->clear();
    m_mostrar = false;
    procura();
    Text3->setFocus();
}

QString FrmConsultaServicoMaquina::consulta()
{
    if (!m_mostrar)
        return {};
    // an order still being filled (under the placeholder customer 1) is no service yet
    return QStringLiteral("select * from servico_equipamento where equipamento_cliente = %1 and codigo_cliente > 1 order by codigo,data")
        .arg(valor_numerico(Text3->text()));
}

void FrmConsultaServicoMaquina::Text3_Validate() { m_maquina->valida(); }

void FrmConsultaServicoMaquina::Command1_Click() { m_maquina->consulta(); }

void FrmConsultaServicoMaquina::Command5_Click()
{
    CaixaCodigo::atualiza(this); // "&Mostrar" by Alt+M, the code still in its box
    if (Text4->text().isEmpty() || Text3->text().isEmpty()) {
        informa(QStringLiteral("Informe o equipamento!"));
        return;
    }
    m_mostrar = true;
    procura();
    Grid1->setFocus();
}

void FrmConsultaServicoMaquina::Command3_Click() { detalhes_click(); }

void FrmConsultaServicoMaquina::abre_detalhes(const QString& codigo) { edita_movimento<FrmOrdem>(&FrmOrdem::nCodigoordem, codigo); }

void FrmConsultaServicoMaquina::Command4_Click()
{
    CaixaCodigo::atualiza(this);
    if (Text1->text().isEmpty() || Text4->text().isEmpty() || Text3->text().isEmpty())
        return;
    ControleRelatorio& c = novo_relatorio(QStringLiteral("005.rpt"));
    c.Formulas[0] = formula(QStringLiteral("Equipamento"), Text4->text());
    c.Formulas[1] = formula(QStringLiteral("Nome_empresa"), cNomeEmpresa);
    c.Formulas[2] = QStringLiteral("Proprietario= '") + Text1->text() + QLatin1Char('\'');
    c.Formulas[3] = formula(QStringLiteral("Rodape"), cRodape);
    c.SelectionFormula = QStringLiteral("{servico_equipamento.equipamento_cliente}=") + QString::number(valor_numerico(Text3->text()));
    c.setAction(1);
}

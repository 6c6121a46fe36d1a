#include "frmconsultaservicomaquina.h"
#include "caixacodigo.h"
#include "campos.h"
#include "controlerelatorio.h"
#include "dadosconsultas.h"
#include "errosbanco.h"
#include "estabelecimento.h"
#include "filtroteclas.h"
#include "formularios.h"
#include "frmconsequipamentocliente.h"
#include "frmordem.h"
#include "formatos.h"
#include "grade.h"
#include "mensagens.h"
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
    faixaTitulo = novo_titulo(QStringLiteral("Serviços por equipamento"), QStringLiteral("faixaTitulo"), this);
    m_filtros->addWidget(faixaTitulo, 0, 0, 1, 5);

    caixaMaquina = linha_campo(m_filtros, 1, 0, QStringLiteral("Equipamento"), QStringLiteral("caixaMaquina"), 9);
    caixaMaquina->setMaximumWidth(100);
    botaoConsultarMaquinas = novo_botao(QStringLiteral("..."), QStringLiteral("botaoConsultarMaquinas"), this);
    botaoConsultarMaquinas->setAccessibleName(QStringLiteral("Consultar equipamentos do cliente"));
    botaoConsultarMaquinas->setMaximumWidth(40);
    m_filtros->addWidget(botaoConsultarMaquinas, 1, 2);
    caixaDescricaoMaquina = caixa_somente_leitura(this, QStringLiteral("caixaDescricaoMaquina"));
    caixaDescricaoMaquina->setAccessibleName(QStringLiteral("Descrição do equipamento"));
    m_filtros->addWidget(caixaDescricaoMaquina, 1, 3);
    caixaProprietario = caixa_somente_leitura(this, QStringLiteral("caixaProprietario"));
    m_filtros->addWidget(novo_rotulo(QStringLiteral("Proprietário"), caixaProprietario, this), 2, 0);
    m_filtros->addWidget(caixaProprietario, 2, 1, 1, 3);
    botaoMostrar = novo_botao(QStringLiteral("&Mostrar"), QStringLiteral("botaoMostrar"), this);
    m_filtros->addWidget(botaoMostrar, 2, 4);
    m_filtros->setColumnStretch(3, 1);

    botaoVerOrdem = novo_botao(QStringLiteral("&Ver ordem"), QStringLiteral("botaoVerOrdem"), this);
    botaoImprimir = novo_botao(QStringLiteral("&Imprimir"), QStringLiteral("botaoImprimir"), this);
    m_botoes->addWidget(botaoVerOrdem);
    m_botoes->addWidget(botaoImprimir);
    botao(QStringLiteral("&Sair"), QStringLiteral("botaoSair"));
    setTabOrder(caixaMaquina, botaoConsultarMaquinas);
    setTabOrder(botaoConsultarMaquinas, botaoMostrar);

    // an unknown machine empties both texts without a word, and the focus may leave
    m_maquina = new CaixaCodigo(
        caixaMaquina, caixaDescricaoMaquina, botaoConsultarMaquinas, m_teclas,
        QStringLiteral("select cliente.ncodigo,cliente.cfantasia as cliente,cdescricao,cidentificacao  from "
                       "cliente,equipamento_cliente,equipamento where cliente.ncodigo = ncliente and "
                       "nequipamento = equipamento.ncodigo and equipamento_cliente.ncodigo = ?"),
        [] {
            return form<FrmConsEquipamentoCliente>().escolhe().value_or(0);
        },
        {});
    m_maquina->semAviso().preencheCom([this](Recordset* rs) {
        caixaDescricaoMaquina->setText(
            rs ? rs->texto(QStringLiteral("cdescricao")) + QStringLiteral(" - ") + rs->texto(QStringLiteral("cidentificacao")) : QString());
        caixaProprietario->setText(
            rs ? rs->texto(QStringLiteral("ncodigo")) + QStringLiteral(" - ") + rs->texto(QStringLiteral("cliente")) : QString());
    });
    // another machine empties the list
    connect(caixaMaquina, &QLineEdit::textChanged, this, [this] {
        m_mostrar = false;
        procura();
    });
    connect(botaoMostrar, &QPushButton::clicked, this, &FrmConsultaServicoMaquina::mostra);
    connect(botaoVerOrdem, &QPushButton::clicked, this, &FrmConsultaServicoMaquina::ver_ordem);
    connect(botaoImprimir, &QPushButton::clicked, this, &FrmConsultaServicoMaquina::imprime);
}

void FrmConsultaServicoMaquina::ao_abrir()
{
    caixaMaquina->clear(); // empties the list
    caixaDescricaoMaquina->clear();
    caixaProprietario->clear();
    m_mostrar = false;
    procura();
    caixaMaquina->setFocus();
}

ConsultaLista FrmConsultaServicoMaquina::consulta_lista()
{
    if (!m_mostrar)
        return {};
    return servicos_da_maquina(qint32(valor_numerico(caixaMaquina->text())));
}

void FrmConsultaServicoMaquina::valida_maquina() { m_maquina->valida(); }

void FrmConsultaServicoMaquina::consulta_maquinas() { m_maquina->consulta(); }

void FrmConsultaServicoMaquina::mostra()
{
    CaixaCodigo::atualiza(this); // "&Mostrar" by Alt+M, the code still in its box
    if (caixaDescricaoMaquina->text().isEmpty() || caixaMaquina->text().isEmpty()) {
        informa(QStringLiteral("Informe o equipamento!"));
        return;
    }
    m_mostrar = true;
    procura();
    gradeLista->setFocus();
}

void FrmConsultaServicoMaquina::ver_ordem() { detalhes_click(); }

void FrmConsultaServicoMaquina::abre_detalhes(const QString& codigo) { form<FrmOrdem>().edita(codigo.toInt()); }

void FrmConsultaServicoMaquina::imprime()
{
    CaixaCodigo::atualiza(this);
    if (caixaProprietario->text().isEmpty() || caixaDescricaoMaquina->text().isEmpty() || caixaMaquina->text().isEmpty())
        return;
    Estabelecimento loja;
    try {
        loja = Estabelecimento::le(conexao);
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
        return;
    } catch (const std::runtime_error& e) {
        informa(QString::fromUtf8(e.what()));
        return;
    }
    ControleRelatorio& c = novo_relatorio(QStringLiteral("005.rpt"));
    c.Formulas[0] = formula(QStringLiteral("Equipamento"), caixaDescricaoMaquina->text());
    c.Formulas[1] = formula(QStringLiteral("Nome_empresa"), loja.nome);
    c.Formulas[2] = QStringLiteral("Proprietario= '") + caixaProprietario->text() + QLatin1Char('\'');
    c.Formulas[3] = formula(QStringLiteral("Rodape"), loja.rodape);
    c.SelectionFormula = QStringLiteral("{servico_equipamento.equipamento_cliente}=") + QString::number(valor_numerico(caixaMaquina->text()));
    c.setAction(1);
}

#include "frmconsultamovimento.h"
#include "caixacodigo.h"
#include "errosbanco.h"
#include "campos.h"
#include "filtroteclas.h"
#include "frmconsultaclientes.h"
#include "grade.h"
#include "formatos.h"
#include "mensagens.h"
#include "sessao.h"

#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

FrmConsultaMovimento::FrmConsultaMovimento(const QString& nome, const QString& titulo, QList<ColunaGrade> colunas,
                                           int linhasMinimas, Membro membro, bool comImpressao)
    : FrmPesquisa(nome, titulo, std::move(colunas), linhasMinimas), m_membro(std::move(membro))
{
    faixaTitulo = novo_titulo(titulo, QStringLiteral("faixaTitulo"), this);
    m_filtros->addWidget(faixaTitulo, 0, 0, 1, 5);
    caixaCodigo = linha_campo(m_filtros, 1, 0, QStringLiteral("Código"), QStringLiteral("caixaCodigo"), 9);
    caixaCodigo->setMaximumWidth(100);
    caixaCliente = linha_campo(m_filtros, 2, 0, QStringLiteral("Cliente"), QStringLiteral("caixaCliente"), 9);
    caixaCliente->setMaximumWidth(100);
    botaoConsultarClientes = novo_botao(QStringLiteral("..."), QStringLiteral("botaoConsultarClientes"), this);
    botaoConsultarClientes->setAccessibleName(QStringLiteral("Consultar clientes"));
    botaoConsultarClientes->setMaximumWidth(40);
    m_filtros->addWidget(botaoConsultarClientes, 2, 2);
    caixaNomeCliente = nova_caixa(this, QStringLiteral("caixaNomeCliente"));
    caixaNomeCliente->setAccessibleName(QStringLiteral("Nome do cliente"));
    m_filtros->addWidget(caixaNomeCliente, 2, 3);
    botaoMostrar = novo_botao(QStringLiteral("Mostrar"), QStringLiteral("botaoMostrar"), this);
    m_filtros->addWidget(botaoMostrar, 2, 4);
    m_filtros->setColumnStretch(3, 1);

    botao(QStringLiteral("&Detalhes"), QStringLiteral("botaoDetalhes"));
    botao(QStringLiteral("&Excluir"), QStringLiteral("botaoExcluir"));
    if (comImpressao) {
        botaoImprimir = novo_botao(QStringLiteral("Imprimir"), QStringLiteral("botaoImprimir"), this);
        m_botoes->addWidget(botaoImprimir);
        botao_de_linha(botaoImprimir);
        connect(botaoImprimir, &QPushButton::clicked, this, [this] { imprime(); });
    }
    botao(QStringLiteral("&Sair"), QStringLiteral("botaoSair"));
    setTabOrder(caixaCodigo, caixaCliente);
    setTabOrder(caixaCliente, botaoConsultarClientes);
    setTabOrder(botaoConsultarClientes, botaoMostrar);

    m_teclas->tipoCampo(caixaCodigo, CampoInteiro);
    m_teclas->botaoF5(botaoConsultarClientes);
    m_cliente = new CaixaCodigo(
        caixaCliente, caixaNomeCliente, botaoConsultarClientes, m_teclas,
        QStringLiteral("select cfantasia from cliente where ncodigo = ?"),
        [] { return escolhe_cliente(); }, {});
    // any other filter empties the list at once
    for (QLineEdit* filtro : {caixaCodigo, caixaCliente})
        connect(filtro, &QLineEdit::textChanged, this, [this] {
            m_mostrar = false;
            procura();
        });
    connect(botaoMostrar, &QPushButton::clicked, this, &FrmConsultaMovimento::mostra);
}

void FrmConsultaMovimento::ao_abrir()
{
    caixaCodigo->clear();
    caixaCliente->clear();
    caixaNomeCliente->clear();
    m_mostrar = false;
    procura();
    caixaCodigo->setFocus();
}

void FrmConsultaMovimento::mostra()
{
    CaixaCodigo::atualiza(this);
    m_mostrar = true;
    procura();
    gradeLista->setFocus();
}

ConsultaLista FrmConsultaMovimento::consulta_lista()
{
    if (!m_mostrar)
        return {};
    bool numero = false;
    const qint32 codigo = caixaCodigo->text().toInt(&numero);
    // a customer counts once its name is found
    const bool cliente = !caixaCliente->text().isEmpty() && !caixaNomeCliente->text().isEmpty();
    return lista_movimentos(m_membro.tipo, numero ? std::optional<qint32>(codigo) : std::nullopt,
                            cliente ? std::optional<qint32>(qint32(valor_numerico(caixaCliente->text()))) : std::nullopt);
}

QString FrmConsultaMovimento::celula(int coluna) const
{
    const int linha = gradeLista->linhaAtual();
    return linha >= 0 && !codigo_atual().isEmpty() ? gradeLista->texto(linha, coluna) : QString();
}

bool FrmConsultaMovimento::confirma(const QString&, int)
{
    return confirma_exclusao(m_membro.pergunta1, m_membro.pergunta2);
}

bool FrmConsultaMovimento::exclui(qint32 codigo)
{
    try {
        exclui_movimento(conexao, m_membro.tipo, codigo);
        return true;
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
        return false;
    }
}

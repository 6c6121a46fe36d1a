#include "frmconsultamovimento.h"
#include "caixacodigo.h"
#include "campos.h"
#include "filtroteclas.h"
#include "frmconsultaclientes.h"
#include "grade.h"
#include "formatos.h"
#include "mensagens.h"

#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

FrmConsultaMovimento::FrmConsultaMovimento(const QString& nome, const QString& titulo, QList<ColunaGrade> colunas,
                                           int linhasMinimas, Membro membro, bool imprime)
    : FrmPesquisa(nome, titulo, std::move(colunas), linhasMinimas), m_membro(std::move(membro))
{
    Label2 = novo_titulo(titulo, QStringLiteral("Label2"), this);
    m_filtros->addWidget(Label2, 0, 0, 1, 5);
    Text1 = linha_campo(m_filtros, 1, 0, QStringLiteral("Código"), QStringLiteral("Text1"), 9);
    Text1->setMaximumWidth(100);
    Text4 = linha_campo(m_filtros, 2, 0, QStringLiteral("Cliente"), QStringLiteral("Text4"), 9);
    Text4->setMaximumWidth(100);
    Command3 = novo_botao(QStringLiteral("..."), QStringLiteral("Command3"), this);
    Command3->setAccessibleName(QStringLiteral("Consultar clientes"));
    Command3->setMaximumWidth(40);
    m_filtros->addWidget(Command3, 2, 2);
    Text8 = nova_caixa(this, QStringLiteral("Text8"));
    Text8->setAccessibleName(QStringLiteral("Nome do cliente"));
    m_filtros->addWidget(Text8, 2, 3);
    Command1 = novo_botao(QStringLiteral("Mostrar"), QStringLiteral("Command1"), this);
    m_filtros->addWidget(Command1, 2, 4);
    m_filtros->setColumnStretch(3, 1);

    botao(QStringLiteral("&Detalhes"), QStringLiteral("Command4"));
    botao(QStringLiteral("&Excluir"), QStringLiteral("Command5"));
    if (imprime) {
        Command6 = novo_botao(QStringLiteral("Imprimir"), QStringLiteral("Command6"), this);
        m_botoes->addWidget(Command6);
        botao_de_linha(Command6);
        connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    }
    botao(QStringLiteral("&Sair"), QStringLiteral("Command2"));
    setTabOrder(Text1, Text4);
    setTabOrder(Text4, Command3);
    setTabOrder(Command3, Command1);

    m_teclas->tipoCampo(Text1, CampoInteiro);
    m_teclas->botaoF5(Command3);
    m_cliente = new CaixaCodigo(
        Text4, Text8, Command3, m_teclas,
        [](qint32 codigo) { return QStringLiteral("select cfantasia from cliente where ncodigo = %1").arg(codigo); },
        [] { return escolhe_cliente(); }, {});
    // any other filter empties the list at once
    for (QLineEdit* filtro : {Text1, Text4})
        connect(filtro, &QLineEdit::textChanged, this, [this] {
            m_mostrar = false;
            procura();
        });
    connect(Command1, &QPushButton::clicked, this, &FrmConsultaMovimento::Command1_Click);
}

void FrmConsultaMovimento::ao_abrir()
{
    Text1->clear();
    Text4->clear();
    Text8->clear();
    m_mostrar = false;
    procura();
    Text1->setFocus();
}

void FrmConsultaMovimento::Command1_Click()
{
    CaixaCodigo::atualiza(this);
    m_mostrar = true;
    procura();
    Grid1->setFocus();
}

ConsultaLista FrmConsultaMovimento::consulta_lista()
{
    if (!m_mostrar)
        return {};
    const QString& juncao = m_membro.juncao; // "from ... where ..."
    const qsizetype onde = juncao.indexOf(QStringLiteral(" where "));
    ConsultaLista c{QStringLiteral("select ") + m_membro.campos + QLatin1Char(' ') + juncao.left(onde), {juncao.mid(onde + 7)},
                    m_membro.tabela + QStringLiteral(".ncodigo")};
    bool numero = false;
    const qint64 codigo = Text1->text().toLongLong(&numero);
    if (numero) // one movement; the customer boxes do not count then
        c.condicoes << QStringLiteral("%1.ncodigo = %2").arg(m_membro.tabela).arg(codigo);
    else if (!Text4->text().isEmpty() && !Text8->text().isEmpty())
        c.condicoes << QStringLiteral("%1 = %2").arg(m_membro.colunaCliente).arg(valor_numerico(Text4->text()));
    // named on the movement's own column: the database then walks the
    // movement's codes in order and stops at the page, instead of sorting
    // every movement of every customer first
    c.condicoes << QStringLiteral("%1.ncliente <> 1").arg(m_membro.tabela);
    return c;
}

QString FrmConsultaMovimento::celula(int coluna) const
{
    const int linha = Grid1->row();
    return linha >= 1 && !codigo_atual().isEmpty() ? Grid1->textMatrix(linha, coluna) : QString();
}

bool FrmConsultaMovimento::confirma(const QString&, int)
{
    return confirma_exclusao(m_membro.pergunta1, m_membro.pergunta2);
}

QStringList FrmConsultaMovimento::comandos_exclusao(const QString& codigo) const
{
    // the movement goes with its items, in one transaction; rows that still
    // refer to it (an order's receivables) make the database refuse it all
    QStringList r;
    for (const QString& item : m_membro.itens)
        r << QStringLiteral("delete from %1 where %2 = %3").arg(item.section(QLatin1Char('.'), 0, 0), item.section(QLatin1Char('.'), 1), codigo);
    r << QStringLiteral("delete from %1 where ncodigo =%2").arg(m_membro.tabela, codigo);
    return r;
}

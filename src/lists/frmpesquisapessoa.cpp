#include "frmpesquisapessoa.h"
#include "busca.h"
#include "campos.h"
#include "filtroteclas.h"
#include "formatos.h"
#include "reservas.h"

#include <QLineEdit>
#include <QPushButton>

FrmPesquisaPessoa::FrmPesquisaPessoa(const QString& nome, const QString& titulo, const QString& tabela, bool comAceitar)
    : FrmPesquisa(nome, titulo,
                  {{QStringLiteral("Código"), 67, Qt::AlignCenter, QStringLiteral("ncodigo")},
                   {QStringLiteral("Fantasia"), 200, Qt::AlignLeft, QStringLiteral("cfantasia")},
                   {QStringLiteral("Endereço"), 167, Qt::AlignLeft, QStringLiteral("cendereco")},
                   {QStringLiteral("Cidade"), 133, Qt::AlignCenter, QStringLiteral("cNome")},
                   {QStringLiteral("Fone"), 100, Qt::AlignCenter, QStringLiteral("cfone")}},
                  17),
      m_tabela(tabela)
{
    caixaCodigo = filtro(QStringLiteral("Código"), QStringLiteral("caixaCodigo"), 9);
    caixaCodigo->setMaximumWidth(100);
    caixaNome = filtro(QStringLiteral("Nome"), QStringLiteral("caixaNome"));
    caixaEndereco = filtro(QStringLiteral("Endereço"), QStringLiteral("caixaEndereco"));
    caixaCidade = filtro(QStringLiteral("Cidade"), QStringLiteral("caixaCidade"));
    m_teclas->tipoCampo(caixaCodigo, CampoInteiro);
    // a code makes the text filters pointless
    connect(caixaCodigo, &QLineEdit::textEdited, this, [this] {
        caixaNome->clear();
        caixaEndereco->clear();
        caixaCidade->clear();
    });
    botao(QStringLiteral("&Procurar"), QStringLiteral("botaoProcurar"));
    botao(QStringLiteral("&Detalhes"), QStringLiteral("botaoDetalhes"));
    botao(QStringLiteral("&Excluir"), QStringLiteral("botaoExcluir"));
    if (comAceitar)
        botao(QStringLiteral("&Aceitar"), QStringLiteral("botaoAceitar"));
    botao(QStringLiteral("&Sair"), QStringLiteral("botaoSair"));
    fecha_layout();
}

ConsultaLista FrmPesquisaPessoa::consulta_lista()
{
    const QString t = m_tabela;
    // the customer placeholder row is never listed, nor a new customer not yet saved
    const bool cliente = t == QLatin1String("cliente");
    // a customer's name is found through the index of its letter triples
    const TrechoSql juncao = cliente && caixaCodigo->text().isEmpty() ? junta_nome_cliente(caixaNome->text()) : TrechoSql{};
    ConsultaLista c{QStringLiteral("select %1.ncodigo,cnome,cfantasia,cendereco,cnome,cfone from %1%2, cidade").arg(t, juncao.sql),
                    {QStringLiteral("%1.ncidade = cidade.ncodigo").arg(t)}, t + QStringLiteral(".ncodigo")};
    c.valores = juncao.valores;
    if (!caixaCodigo->text().isEmpty())
        c.filtra({t + QStringLiteral(".ncodigo = ?"), {valor_numerico(caixaCodigo->text())}});
    else
        c.filtra(contem_texto(t + QStringLiteral(".cfantasia"), caixaNome->text()))
            .filtra(contem_texto(t + QStringLiteral(".cendereco"), caixaEndereco->text()))
            .filtra(contem_texto(QStringLiteral("cidade.cnome"), caixaCidade->text()));
    if (cliente)
        c.condicoes << QStringLiteral("cliente.ncodigo > 1") << sem_reservas(t);
    return c;
}

QStringList FrmPesquisaPessoa::exclusoes() const { return {QStringLiteral("delete from %1 where ncodigo = ?").arg(m_tabela)}; }

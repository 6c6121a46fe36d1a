#include "frmpesquisapessoa.h"
#include "busca.h"
#include "campos.h"
#include "filtroteclas.h"
#include "formatos.h"
#include "reservas.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

// The statements and columns of each kind of person, written whole.
struct TextosPessoa {
    const char* selecao;  // the rows with their city's name (a customer's name index joins after it)
    const char* chave;    // the code, unique, that orders the list
    const char* porCodigo; // the row of the code bound to "?"
    const char* nome;
    const char* endereco;
    const char* exclusao; // the row of the code bound to "?", deleted
};

const TextosPessoa TEXTOS_CLIENTE{
    "select cliente.ncodigo,cnome,cfantasia,cendereco,cnome,cfone from cidade join cliente on cliente.ncidade = cidade.ncodigo",
    "cliente.ncodigo", "cliente.ncodigo = ?", "cliente.cfantasia", "cliente.cendereco", "delete from cliente where ncodigo = ?"};
const TextosPessoa TEXTOS_TECNICO{
    "select tecnico.ncodigo,cnome,cfantasia,cendereco,cnome,cfone from cidade join tecnico on tecnico.ncidade = cidade.ncodigo",
    "tecnico.ncodigo", "tecnico.ncodigo = ?", "tecnico.cfantasia", "tecnico.cendereco", "delete from tecnico where ncodigo = ?"};

const TextosPessoa& textos(FrmPesquisaPessoa::Pessoa p) { return p == FrmPesquisaPessoa::Pessoa::Cliente ? TEXTOS_CLIENTE : TEXTOS_TECNICO; }

} // namespace

FrmPesquisaPessoa::FrmPesquisaPessoa(const QString& nome, const QString& titulo, Pessoa pessoa, bool comAceitar)
    : FrmPesquisa(nome, titulo,
                  {{QStringLiteral("Código"), 67, Qt::AlignCenter, QStringLiteral("ncodigo")},
                   {QStringLiteral("Fantasia"), 200, Qt::AlignLeft, QStringLiteral("cfantasia")},
                   {QStringLiteral("Endereço"), 167, Qt::AlignLeft, QStringLiteral("cendereco")},
                   {QStringLiteral("Cidade"), 133, Qt::AlignCenter, QStringLiteral("cNome")},
                   {QStringLiteral("Fone"), 100, Qt::AlignCenter, QStringLiteral("cfone")}},
                  17),
      m_pessoa(pessoa)
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
    const TextosPessoa& t = textos(m_pessoa);
    // the customer placeholder row is never listed, nor a new customer not yet saved
    const bool cliente = m_pessoa == Pessoa::Cliente;
    // a customer's name is found through the index of its letter triples
    const TrechoSql juncao = cliente && caixaCodigo->text().isEmpty() ? junta_nome_cliente(caixaNome->text()) : TrechoSql{};
    ConsultaLista c{QLatin1String(t.selecao) + juncao.sql, {}, QLatin1String(t.chave)};
    c.valores = juncao.valores;
    if (!caixaCodigo->text().isEmpty())
        c.filtra({QLatin1String(t.porCodigo), {valor_numerico(caixaCodigo->text())}});
    else
        c.filtra(contem_texto(QLatin1String(t.nome), caixaNome->text()))
            .filtra(contem_texto(QLatin1String(t.endereco), caixaEndereco->text()))
            .filtra(contem_texto(QStringLiteral("cidade.cnome"), caixaCidade->text()));
    if (cliente)
        c.condicoes << QStringLiteral("cliente.ncodigo > 1") << QStringLiteral(CLIENTE_GRAVADO);
    return c;
}

QStringList FrmPesquisaPessoa::exclusoes() const { return {QLatin1String(textos(m_pessoa).exclusao)}; }

#include "dadoscadastros.h"
#include "errosbanco.h"

namespace {

// The code a generator will give next, shown before the record is saved:
// the statement reads the generator as "proximo" without advancing it.
qint32 proximo_codigo(const QString& leitura)
{
    Recordset rs(conexao);
    rs.abre(leitura);
    return qint32(rs.inteiro(QStringLiteral("proximo")));
}

Endereco le_endereco(const Recordset& rs)
{
    Endereco e;
    e.cidade = qint32(rs.inteiro(QStringLiteral("ncidade")));
    e.rua = rs.texto(QStringLiteral("cendereco"));
    e.bairro = rs.texto(QStringLiteral("cbairro"));
    e.cep = rs.texto(QStringLiteral("ccep"));
    e.fone = rs.texto(QStringLiteral("cfone"));
    e.fax = rs.texto(QStringLiteral("cfax"));
    e.email = rs.texto(QStringLiteral("cemail"));
    return e;
}

void le_pessoa(const Recordset& rs, Pessoa& p)
{
    p.codigo = qint32(rs.inteiro(QStringLiteral("ncodigo")));
    p.nome = rs.texto(QStringLiteral("cfantasia"));
    p.documento = rs.texto(QStringLiteral("ccnpj"));
    p.identidade = rs.texto(QStringLiteral("cie"));
    p.contato = rs.texto(QStringLiteral("ccontato"));
    p.observacao = rs.texto(QStringLiteral("cobs"));
    p.endereco = le_endereco(rs);
}

// The commission as the database takes it: an exact decimal text.
QString comissao_gravada(const QString& comissao)
{
    const auto valor = Dinheiro::leTexto(comissao);
    if (!valor)
        throw ErroBanco(QString(), QStringLiteral("A comissão informada não é um número válido."));
    return valor->sql();
}

} // namespace

QVariant texto_gravado(const QString& texto) { return texto.isNull() ? QStringLiteral("") : texto; }

void atualiza_registro(const QString& sql, const QVariantList& valores)
{
    if (conexao.executeContando(sql, valores) == 0)
        throw RegistroNaoLocalizado(REGISTRO_EXCLUIDO);
}

void devolve_codigo(CodigoReservado gerador, qint32 codigo)
{
    if (conexao.noServidor())
        return;
    // one statement reads and sets the generator, so the check and the
    // change cannot be told apart
    conexao.execute(gerador == CodigoReservado::Cliente
                        ? QStringLiteral("execute block (codigo integer = ?) as declare anterior bigint; begin "
                                         "if (gen_id(codigo_cliente, 0) = codigo) then anterior = gen_id(codigo_cliente, -1); end")
                        : QStringLiteral("execute block (codigo integer = ?) as declare anterior bigint; begin "
                                         "if (gen_id(codigo_equipamento, 0) = codigo) then anterior = gen_id(codigo_equipamento, -1); end"),
                    {codigo});
}

// ----- cities

qint32 proximo_codigo_cidade() { return proximo_codigo(QStringLiteral("select gen_id(codigo_cidade, 0) + 1 as proximo from rdb$database")); }

std::optional<Cidade> le_cidade(qint32 codigo)
{
    return le_registro<Cidade>(QStringLiteral("select * from cidade where ncodigo = ?"), codigo, [](const Recordset& rs) {
        return Cidade{qint32(rs.inteiro(QStringLiteral("ncodigo"))), rs.texto(QStringLiteral("cnome")), rs.texto(QStringLiteral("cuf"))};
    });
}

void inclui_cidade(const Cidade& c)
{
    conexao.execute(QStringLiteral("insert into cidade values(?, ?, ?)"), {c.codigo, texto_gravado(c.nome), texto_gravado(c.uf)});
}

void grava_cidade(const Cidade& c)
{
    atualiza_registro(QStringLiteral("update cidade set cnome = ?, cuf = ? where ncodigo = ?"),
                      {texto_gravado(c.nome), texto_gravado(c.uf), c.codigo});
}

// ----- customers

qint32 reserva_cliente()
{
    return qint32(conexao.executeRetornando(QStringLiteral("insert into cliente (ncidade) values(1) returning ncodigo")).toLongLong());
}

std::optional<Cliente> le_cliente(qint32 codigo)
{
    return le_registro<Cliente>(QStringLiteral("select * from cliente where ncodigo = ?"), codigo, [](const Recordset& rs) {
        Cliente c;
        le_pessoa(rs, c);
        c.razao = rs.texto(QStringLiteral("crazao"));
        c.juridica = rs.inteiro(QStringLiteral("nfisica_juridica")) == 1;
        return c;
    });
}

void grava_cliente(const Cliente& c)
{
    atualiza_registro(QStringLiteral("update cliente set cfantasia = ?, crazao = ?, ccnpj = ?, cie = ?, ncidade = ?, ccep = ?, "
                                     "cfone = ?, cfax = ?, cemail = ?, cendereco = ?, ccontato = ?, cbairro = ?, "
                                     "nfisica_juridica = ?, cobs = ? where ncodigo = ?"),
                      {texto_gravado(c.nome), texto_gravado(c.razao), texto_gravado(c.documento), texto_gravado(c.identidade),
                       c.endereco.cidade, texto_gravado(c.endereco.cep), texto_gravado(c.endereco.fone), texto_gravado(c.endereco.fax),
                       texto_gravado(c.endereco.email), texto_gravado(c.endereco.rua), texto_gravado(c.contato),
                       texto_gravado(c.endereco.bairro), c.juridica ? 1 : 0, texto_gravado(c.observacao), c.codigo});
}

void abandona_cliente(qint32 codigo)
{
    // nobody else can have used a customer that never existed for them:
    // its machines go with it, their values first
    conexao.unidade(Operacao::SaidaCliente, [codigo] {
        conexao.execute(QStringLiteral("delete from Propriedade_equipamento_cliente where nequipamento_cliente in "
                                       "(select ncodigo from equipamento_cliente where ncliente = ?)"),
                        {codigo});
        conexao.execute(QStringLiteral("delete from equipamento_cliente where ncliente = ?"), {codigo});
        conexao.execute(QStringLiteral("delete from cliente where ncodigo = ?"), {codigo});
        devolve_codigo(CodigoReservado::Cliente, codigo);
    });
}

// ----- technicians

qint32 proximo_codigo_tecnico() { return proximo_codigo(QStringLiteral("select gen_id(codigo_tecnico, 0) + 1 as proximo from rdb$database")); }

std::optional<Tecnico> le_tecnico(qint32 codigo)
{
    return le_registro<Tecnico>(QStringLiteral("select * from tecnico where ncodigo = ?"), codigo, [](const Recordset& rs) {
        Tecnico t;
        le_pessoa(rs, t);
        t.comissao = rs.texto(QStringLiteral("ncomissao"));
        return t;
    });
}

void inclui_tecnico(const Tecnico& t)
{
    const QString comissao = comissao_gravada(t.comissao);
    conexao.execute(QStringLiteral("insert into tecnico values(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                    {t.codigo, texto_gravado(t.nome), texto_gravado(t.documento), texto_gravado(t.identidade), t.endereco.cidade,
                     texto_gravado(t.endereco.cep), texto_gravado(t.endereco.fone), texto_gravado(t.endereco.fax),
                     texto_gravado(t.endereco.email), texto_gravado(t.endereco.rua), texto_gravado(t.endereco.bairro),
                     texto_gravado(t.observacao), texto_gravado(t.contato), comissao});
}

void grava_tecnico(const Tecnico& t)
{
    const QString comissao = comissao_gravada(t.comissao);
    atualiza_registro(QStringLiteral("update tecnico set cfantasia = ?, ccnpj = ?, cie = ?, ncidade = ?, ccep = ?, cfone = ?, "
                                     "cfax = ?, cemail = ?, cendereco = ?, ccontato = ?, cbairro = ?, cobs = ?, ncomissao = ? "
                                     "where ncodigo = ?"),
                      {texto_gravado(t.nome), texto_gravado(t.documento), texto_gravado(t.identidade), t.endereco.cidade,
                       texto_gravado(t.endereco.cep), texto_gravado(t.endereco.fone), texto_gravado(t.endereco.fax),
                       texto_gravado(t.endereco.email), texto_gravado(t.endereco.rua), texto_gravado(t.contato),
                       texto_gravado(t.endereco.bairro), texto_gravado(t.observacao), comissao, t.codigo});
}

// ----- payment conditions

qint32 proximo_codigo_condicao() { return proximo_codigo(QStringLiteral("select gen_id(codigo_condicao_pagto, 0) + 1 as proximo from rdb$database")); }

std::optional<CondicaoPagto> le_condicao(qint32 codigo)
{
    return le_registro<CondicaoPagto>(QStringLiteral("select * from condicao_pagto where ncodigo = ?"), codigo, [](const Recordset& rs) {
        return CondicaoPagto{qint32(rs.inteiro(QStringLiteral("ncodigo"))), rs.texto(QStringLiteral("cdescricao")),
                             int(rs.inteiro(QStringLiteral("nparcela")))};
    });
}

void inclui_condicao(const CondicaoPagto& c)
{
    conexao.execute(QStringLiteral("insert into condicao_pagto values(?, ?, ?)"), {c.codigo, texto_gravado(c.prazo), c.parcelas});
}

void grava_condicao(const CondicaoPagto& c)
{
    atualiza_registro(QStringLiteral("update condicao_pagto set cdescricao = ?, nparcela = ? where ncodigo = ?"),
                      {texto_gravado(c.prazo), c.parcelas, c.codigo});
}

// ----- the shop

std::optional<CadastroEstabelecimento> le_estabelecimento()
{
    Recordset rs(conexao);
    rs.abre(QStringLiteral("select * from estabelecimento"));
    if (rs.eof())
        return std::nullopt;
    CadastroEstabelecimento e;
    e.fantasia = rs.texto(QStringLiteral("cfantasia"));
    e.razaoSocial = rs.texto(QStringLiteral("crazaosocial"));
    e.cnpj = rs.texto(QStringLiteral("ccnpj"));
    e.inscricaoEstadual = rs.texto(QStringLiteral("cie"));
    e.endereco = le_endereco(rs);
    return e;
}

void grava_estabelecimento(const CadastroEstabelecimento& e)
{
    atualiza_registro(QStringLiteral("update estabelecimento set cfantasia = ?, crazaosocial = ?, ncidade = ?, cendereco = ?, "
                                     "cbairro = ?, cfone = ?, ccnpj = ?, cfax = ?, cie = ?, cemail = ?, ccep = ? where ncodigo = 1"),
                      {texto_gravado(e.fantasia), texto_gravado(e.razaoSocial), e.endereco.cidade, texto_gravado(e.endereco.rua),
                       texto_gravado(e.endereco.bairro), texto_gravado(e.endereco.fone), texto_gravado(e.cnpj), texto_gravado(e.endereco.fax),
                       texto_gravado(e.inscricaoEstadual), texto_gravado(e.endereco.email), texto_gravado(e.endereco.cep)});
}

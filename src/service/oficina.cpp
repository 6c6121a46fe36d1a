#include "oficina.h"
#include "busca.h"
#include "sessao.h"

namespace {

// The list's columns: the stage as kept beside the documents (etapa_oficina,
// the rows of the view trabalho_oficina, read through an index); the customer, the machine
// (the first item's) and the technician (the first item's that names one)
// read only for the rows the list reads, once they are chosen and ordered.
// A document's first item is found through the index on (document, item).
const QString COLUNAS = QStringLiteral(
    "select chave, documento, codigo, etapa, desde, codigo_cliente, valor, "
    "posicao, "
    "(select cl.cfantasia from cliente cl where cl.ncodigo = codigo_cliente) as nome_cliente, "
    "(select cl.cfone from cliente cl where cl.ncodigo = codigo_cliente) as fone_cliente, "
    "case documento "
    "when 1 then (select ie.cequipamento from item_da_entrada ie where ie.ncodigo = "
    "  (select min(x.ncodigo) from item_da_entrada x where x.nentrada_equipamento = codigo)) "
    "when 2 then (select trim(eq.cdescricao || ' ' || coalesce(ec.cidentificacao, '')) from item_orcamento io "
    "  join equipamento_cliente ec on ec.ncodigo = io.nequipamento_cliente join equipamento eq on eq.ncodigo = ec.nequipamento "
    "  where io.ncodigo = (select min(x.ncodigo) from item_orcamento x where x.norcamento = codigo)) "
    "else (select trim(eq.cdescricao || ' ' || coalesce(ec.cidentificacao, '')) from item_ordem it "
    "  join equipamento_cliente ec on ec.ncodigo = it.nequipamento_cliente join equipamento eq on eq.ncodigo = ec.nequipamento "
    "  where it.ncodigo = (select min(x.ncodigo) from item_ordem x where x.nordem = codigo)) end as maquina, "
    "iif(documento = 3, (select it.ntecnico from item_ordem it where it.ncodigo = "
    "  (select min(x.ncodigo) from item_ordem x where x.nordem = codigo and x.ntecnico is not null)), null) as codigo_tecnico, "
    "iif(documento = 3, (select t.cfantasia from item_ordem it join tecnico t on t.ncodigo = it.ntecnico where it.ncodigo = "
    "  (select min(x.ncodigo) from item_ordem x where x.nordem = codigo and x.ntecnico is not null)), '') as nome_tecnico "
    "from etapa_oficina");

// The delivery in force of an order: its last one not undone.
const QString ENTREGA_EM_VIGOR = QStringLiteral(
    "select first 1 e.ncodigo, e.dmomento, e.cretirado_por, e.cdocumento, e.cobs from entrega e "
    "where e.nordem = ? and not exists (select 1 from entrega_desfeita d where d.nentrega = e.ncodigo) "
    "order by e.ncodigo desc");

// The conditions of a filter and their values, in order.
void condicoes(const FiltroOficina& filtro, QStringList& texto, QVariantList& valores)
{
    if (filtro.etapa) {
        texto << QStringLiteral("etapa = ?");
        valores << int(*filtro.etapa);
    } else if (!filtro.entregues) {
        // the last stage: the index on the stage skips the delivered jobs
        texto << QStringLiteral("etapa < ?");
        valores << int(Etapa::Entregue);
    }
    if (filtro.tecnico) {
        // an order with an item of the technician's
        texto << QStringLiteral("documento = 3 and exists (select 1 from item_ordem it where it.nordem = codigo and it.ntecnico = ?)");
        valores << *filtro.tecnico;
    }
    if (filtro.cliente) {
        texto << QStringLiteral("codigo_cliente = ?");
        valores << *filtro.cliente;
    }
    // by the name's search key, as the customer search finds a name
    if (const QString nome = chave_busca(filtro.nomeCliente.trimmed()); !nome.isEmpty()) {
        texto << QStringLiteral("codigo_cliente in (select ncodigo from cliente where cfantasia_busca like ?)");
        valores << QStringLiteral("%") + nome + QStringLiteral("%");
    }
}

// Locks the order for the rest of the unit (a station delivering or
// reopening it at the same moment waits, then finds it as this unit leaves
// it); false when it is gone.
bool trava_ordem(Conexao& c, qint32 ordem)
{
    return c.executeContando(QStringLiteral("update ordem set nconcluida = nconcluida where ncodigo = ? and ncliente <> 1"), {ordem}) > 0;
}

} // namespace

QString nome_etapa(Etapa etapa)
{
    switch (etapa) {
    case Etapa::AguardandoOrcamento: return QStringLiteral("Aguardando orçamento");
    case Etapa::AguardandoAprovacao: return QStringLiteral("Aguardando aprovação");
    case Etapa::EmServico: return QStringLiteral("Em serviço");
    case Etapa::AguardandoPecas: return QStringLiteral("Aguardando peças");
    case Etapa::ProntoParaRetirada: return QStringLiteral("Pronto para retirada");
    case Etapa::Entregue: return QStringLiteral("Entregue");
    }
    return {};
}

AjustesOficina le_ajustes_oficina(Conexao& c)
{
    AjustesOficina a;
    Recordset rs(c);
    rs.abre(QStringLiteral("select first 1 ndias_aprovacao, ndias_retirada, ndias_abandono, ndias_garantia from ajuste_oficina"));
    if (!rs.eof()) {
        a.diasAprovacao = int(rs.inteiro(QStringLiteral("ndias_aprovacao")));
        a.diasRetirada = int(rs.inteiro(QStringLiteral("ndias_retirada")));
        a.diasAbandono = int(rs.inteiro(QStringLiteral("ndias_abandono")));
        a.diasGarantia = int(rs.inteiro(QStringLiteral("ndias_garantia")));
    }
    return a;
}

std::optional<QString> recusa_ajustes_oficina(const AjustesOficina& a)
{
    if (a.diasAprovacao < 0 || a.diasRetirada < 0 || a.diasAbandono < 0 || a.diasGarantia < 0)
        return QStringLiteral("Os prazos da oficina não podem ser negativos.");
    if (a.diasAbandono < a.diasRetirada)
        return QStringLiteral("O prazo para considerar abandonado não pode ser menor que o prazo de retirada.");
    return std::nullopt;
}

void grava_ajustes_oficina(Conexao& c, const AjustesOficina& a)
{
    if (const auto recusa = recusa_ajustes_oficina(a))
        throw Recusa(*recusa);
    // the shop's one row, there from its first day
    c.execute(QStringLiteral("update ajuste_oficina set ndias_aprovacao = ?, ndias_retirada = ?, ndias_abandono = ?, ndias_garantia = ?"),
              {a.diasAprovacao, a.diasRetirada, a.diasAbandono, a.diasGarantia});
}

TrabalhoOficina TrabalhoOficina::de(const Recordset& rs)
{
    TrabalhoOficina t;
    t.chave = rs.inteiro(QStringLiteral("chave"));
    t.documento = Documento(rs.inteiro(QStringLiteral("documento")));
    t.codigo = qint32(rs.inteiro(QStringLiteral("codigo")));
    t.etapa = Etapa(rs.inteiro(QStringLiteral("etapa")));
    t.desde = rs.data(QStringLiteral("desde"));
    t.codigoCliente = qint32(rs.inteiro(QStringLiteral("codigo_cliente")));
    t.cliente = rs.texto(QStringLiteral("nome_cliente"));
    t.fone = rs.texto(QStringLiteral("fone_cliente"));
    t.maquina = rs.texto(QStringLiteral("maquina"));
    t.codigoTecnico = rs.codigoOpcional(QStringLiteral("codigo_tecnico"));
    t.tecnico = rs.texto(QStringLiteral("nome_tecnico"));
    t.valor = rs.dinheiroOpcional(QStringLiteral("valor"));
    return t;
}

Prazo TrabalhoOficina::prazo(const QDate& hoje, const AjustesOficina& ajustes) const
{
    const int d = dias(hoje);
    switch (etapa) {
    case Etapa::AguardandoAprovacao:
        return d > ajustes.diasAprovacao ? Prazo::Atrasado : Prazo::EmDia;
    case Etapa::ProntoParaRetirada:
        return d > ajustes.diasAbandono ? Prazo::Abandonado : d > ajustes.diasRetirada ? Prazo::Atrasado : Prazo::EmDia;
    default:
        return Prazo::EmDia;
    }
}

QString aviso_prazo(Prazo prazo)
{
    switch (prazo) {
    case Prazo::Atrasado: return QStringLiteral("atrasado");
    case Prazo::Abandonado: return QStringLiteral("abandonado");
    case Prazo::EmDia: break;
    }
    return {};
}

ConsultaLista consulta_oficina(const FiltroOficina& filtro)
{
    ConsultaLista c{COLUNAS};
    condicoes(filtro, c.condicoes, c.valores);
    c.ordem = QStringLiteral("posicao");
    c.campoOrdem = QStringLiteral("posicao");
    c.codigo = QStringLiteral("chave");
    return c;
}

QMap<Etapa, int> conta_etapas(Conexao& c, FiltroOficina filtro)
{
    filtro.etapa.reset();
    QStringList texto;
    QVariantList valores;
    condicoes(filtro, texto, valores);
    Recordset rs(c);
    rs.abre(QStringLiteral("select etapa, count(*) as n from etapa_oficina")
                + (texto.isEmpty() ? QString() : QStringLiteral(" where ") + texto.join(QStringLiteral(" and ")))
                + QStringLiteral(" group by etapa"),
            valores);
    QMap<Etapa, int> r;
    for (Etapa e : TODAS_AS_ETAPAS)
        if (e != Etapa::Entregue || filtro.entregues)
            r.insert(e, 0);
    for (; !rs.eof(); rs.moveNext())
        r.insert(Etapa(rs.inteiro(QStringLiteral("etapa"))), int(rs.inteiro(QStringLiteral("n"))));
    return r;
}

std::optional<TrabalhoOficina> le_trabalho(Conexao& c, qint64 chave)
{
    Recordset rs(c);
    rs.abre(COLUNAS + QStringLiteral(" where chave = ?"), {chave});
    if (rs.eof())
        return std::nullopt;
    return TrabalhoOficina::de(rs);
}

std::optional<Entrega> entrega_da_ordem(Conexao& c, qint32 ordem)
{
    Recordset rs(c);
    rs.abre(ENTREGA_EM_VIGOR, {ordem});
    if (rs.eof())
        return std::nullopt;
    Entrega e;
    e.ordem = ordem;
    e.momento = rs.valor(QStringLiteral("dmomento")).toDateTime();
    e.retiradoPor = rs.texto(QStringLiteral("cretirado_por"));
    e.documento = rs.texto(QStringLiteral("cdocumento"));
    e.observacao = rs.texto(QStringLiteral("cobs"));
    return e;
}

std::optional<QString> recusa_entrega(Conexao& c, qint32 ordem)
{
    Recordset rs(c);
    rs.abre(QStringLiteral("select nconcluida from ordem where ncodigo = ? and ncliente <> 1"), {ordem});
    if (rs.eof())
        return QStringLiteral("A ordem de serviço %1 não existe mais.").arg(ordem);
    if (rs.inteiro(QStringLiteral("nconcluida")) != 1)
        return QStringLiteral("A ordem de serviço %1 não está concluída: só uma ordem concluída pode ser entregue.").arg(ordem);
    if (const auto feita = entrega_da_ordem(c, ordem))
        return QStringLiteral("A ordem de serviço %1 já foi entregue em %2.").arg(ordem).arg(feita->momento.toString(QStringLiteral("dd/MM/yyyy HH:mm")));
    return std::nullopt;
}

qint32 entrega_ordem(Conexao& c, const Entrega& entrega)
{
    qint32 codigo = 0;
    c.unidade(Operacao::Entrega, [&] {
        trava_ordem(c, entrega.ordem);
        if (const auto recusa = recusa_entrega(c, entrega.ordem))
            throw Recusa(*recusa);
        codigo = c.executeRetornando(QStringLiteral("insert into entrega (ncodigo, nordem, dmomento, cretirado_por, cdocumento, cobs) "
                                                    "values (null, ?, ?, ?, ?, ?) returning ncodigo"),
                                     {entrega.ordem, entrega.momento, entrega.retiradoPor, entrega.documento, entrega.observacao})
                     .toInt();
    });
    return codigo;
}

void desfaz_entrega(Conexao& c, qint32 ordem, const QDateTime& momento, const QString& motivo)
{
    c.unidade(Operacao::Entrega, [&] {
        trava_ordem(c, ordem);
        Recordset rs(c);
        rs.abre(ENTREGA_EM_VIGOR, {ordem});
        if (rs.eof())
            throw Recusa(QStringLiteral("A ordem de serviço %1 não está entregue.").arg(ordem));
        c.execute(QStringLiteral("insert into entrega_desfeita (nentrega, dmomento, cmotivo) values (?, ?, ?)"),
                  {rs.inteiro(QStringLiteral("ncodigo")), momento, motivo});
    });
}

void marca_aguardando_pecas(Conexao& c, qint32 ordem, const QDateTime& momento, const QString& observacao)
{
    c.execute(QStringLiteral("merge into ordem_aguardando_pecas p using rdb$database on p.nordem = ? "
                             "when matched then update set cobs = ? "
                             "when not matched then insert (nordem, dmomento, cobs) values (?, ?, ?)"),
              {ordem, observacao, ordem, momento, observacao});
}

void desmarca_aguardando_pecas(Conexao& c, qint32 ordem)
{
    c.execute(QStringLiteral("delete from ordem_aguardando_pecas where nordem = ?"), {ordem});
}

void liga_orcamento_entrada(Conexao& c, qint32 orcamento, std::optional<qint32> entrada)
{
    if (entrada)
        c.execute(QStringLiteral("update or insert into orcamento_da_entrada (norcamento, nentrada) values (?, ?) matching (norcamento)"),
                  {orcamento, *entrada});
    else
        c.execute(QStringLiteral("delete from orcamento_da_entrada where norcamento = ?"), {orcamento});
}

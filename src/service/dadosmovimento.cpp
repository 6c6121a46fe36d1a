#include "dadosmovimento.h"
#include "errosbanco.h"
#include "oficina.h"
#include "sessao.h"

namespace {

// The statements that differ by kind of movement only in their tables.
struct Comandos {
    QString reserva;       // a new movement under customer 1, its date and time bound
    QString excluiItens;   // the movement's items
    QString excluiCabecalho;
    QString excluiItem;    // one item by its code
    QString total;         // the header's total: the stored items' sum (the movement bound twice)
};
const Comandos& comandos(TipoMovimento tipo)
{
    static const Comandos entrada{
        QStringLiteral("insert into entrada_equipamento(ncodigo,ncliente,ddata,thora) values (null,1,?,?) returning ncodigo"),
        QStringLiteral("delete from item_da_entrada where nentrada_equipamento = ?"),
        QStringLiteral("delete from entrada_equipamento where ncodigo = ?"),
        QStringLiteral("delete from item_da_entrada where ncodigo = ?"),
        QString()};
    static const Comandos orcamento{
        QStringLiteral("insert into orcamento values(null,1,?,?,0,'',0,1) returning ncodigo"),
        QStringLiteral("delete from item_orcamento where norcamento = ?"),
        QStringLiteral("delete from orcamento where ncodigo = ?"),
        QStringLiteral("delete from item_orcamento where ncodigo = ?"),
        QStringLiteral("update orcamento set nvalor = (select coalesce(sum(nvalor),0) from item_orcamento where norcamento = ?) where ncodigo = ?")};
    static const Comandos ordem{
        QStringLiteral("insert into ordem values(null,1,?,?,0,'',1,0,0) returning ncodigo"),
        QStringLiteral("delete from item_ordem where nordem = ?"),
        QStringLiteral("delete from ordem where ncodigo = ?"),
        QStringLiteral("delete from item_ordem where ncodigo = ?"),
        QStringLiteral("update ordem set nvalor = (select coalesce(sum(nvalor),0) from item_ordem where nordem = ?) where ncodigo = ?")};
    switch (tipo) {
    case TipoMovimento::Entrada: return entrada;
    case TipoMovimento::Orcamento: return orcamento;
    case TipoMovimento::Ordem: break;
    }
    return ordem;
}

// A time of day to the second, as the clerk reads it.
QTime ao_segundo(const QDateTime& momento)
{
    const QTime t = momento.time();
    return QTime(t.hour(), t.minute(), t.second());
}

// The header's update; one that writes no row means the movement was
// deleted meanwhile (at another station).
void atualiza_cabecalho(Conexao& c, const QString& sql, const QVariantList& valores)
{
    if (c.executeContando(sql, valores) == 0)
        throw Recusa(REGISTRO_EXCLUIDO);
}

// An amount bound as its exact decimal text, never through a double.
QVariant valor(Dinheiro d) { return d.sql(); }

// An item of a budget or an order changed together with the header's total.
void altera_item_servico(Conexao& c, TipoMovimento tipo, qint32 movimento, bool reabre, const std::function<void()>& altera)
{
    c.unidade(Operacao::GravacaoItem, [&] {
        if (reabre) {
            c.execute(QStringLiteral("delete from conta_receber where nordem = ?"), {movimento});
            c.execute(QStringLiteral("update ordem set nconcluida = 0 where ncodigo = ?"), {movimento});
        }
        altera();
        c.execute(comandos(tipo).total, {movimento, movimento});
    });
}

} // namespace

qint32 reserva_movimento(Conexao& c, TipoMovimento tipo, const QDateTime& momento)
{
    return c.executeRetornando(comandos(tipo).reserva, {momento.date(), ao_segundo(momento)}).toInt();
}

void abandona_movimento(Conexao& c, TipoMovimento tipo, qint32 codigo)
{
    c.unidade(Operacao::AbandonoMovimento, [&] {
        c.execute(comandos(tipo).excluiItens, {codigo});
        c.execute(comandos(tipo).excluiCabecalho, {codigo});
    });
}

// ------------------------------------------------------------------ entry

std::optional<EntradaEquipamento> le_entrada(Conexao& c, qint32 codigo)
{
    Recordset rs(c);
    rs.abre(QStringLiteral("select e.ncodigo, e.ncliente, e.csolicitante, e.cobs, e.ddata, e.thora, p.dprometida from entrada_equipamento e "
                           "left join entrada_prometida p on p.nentrada = e.ncodigo where e.ncodigo = ?"),
            {codigo});
    if (rs.eof())
        return std::nullopt;
    EntradaEquipamento e;
    e.codigo = qint32(rs.inteiro(QStringLiteral("ncodigo")));
    e.cliente = qint32(rs.inteiro(QStringLiteral("ncliente")));
    e.solicitante = rs.texto(QStringLiteral("csolicitante"));
    e.observacao = rs.texto(QStringLiteral("cobs"));
    e.data = rs.data(QStringLiteral("ddata"));
    e.hora = rs.valor(QStringLiteral("thora")).toTime();
    if (!rs.nulo(QStringLiteral("dprometida")))
        e.prometida = rs.data(QStringLiteral("dprometida"));
    return e;
}

void grava_entrada(Conexao& c, const EntradaEquipamento& entrada)
{
    c.unidade(Operacao::GravacaoEntrada, [&] {
        atualiza_cabecalho(c, QStringLiteral("update entrada_equipamento set ncliente = ?,csolicitante = ?,cobs = ? where ncodigo = ?"),
                           {entrada.cliente, entrada.solicitante, entrada.observacao, entrada.codigo});
        if (entrada.prometida)
            c.execute(QStringLiteral("update or insert into entrada_prometida (nentrada, dprometida) values (?, ?) matching (nentrada)"),
                      {entrada.codigo, *entrada.prometida});
        else
            c.execute(QStringLiteral("delete from entrada_prometida where nentrada = ?"), {entrada.codigo});
    });
}

std::optional<qint32> cliente_da_entrada(Conexao& c, qint32 entrada)
{
    Recordset rs(c);
    rs.abre(QStringLiteral("select ncliente from entrada_equipamento where ncodigo = ?"), {entrada});
    if (rs.eof())
        return std::nullopt;
    return qint32(rs.inteiro(QStringLiteral("ncliente")));
}

QList<ItemEntrada> le_itens_entrada(Conexao& c, qint32 entrada)
{
    Recordset rs(c);
    rs.abre(QStringLiteral("select i.ncodigo, i.cequipamento, i.cproblema, d.cnumero_serie, d.cacessorios, d.cestado from item_da_entrada i "
                           "left join item_entrada_detalhe d on d.nitem = i.ncodigo where i.nentrada_equipamento = ? order by i.ncodigo"),
            {entrada});
    QList<ItemEntrada> itens;
    for (; !rs.eof(); rs.moveNext())
        itens.append({qint32(rs.inteiro(QStringLiteral("ncodigo"))), rs.texto(QStringLiteral("cequipamento")), rs.texto(QStringLiteral("cproblema")),
                      rs.texto(QStringLiteral("cnumero_serie")), rs.texto(QStringLiteral("cacessorios")), rs.texto(QStringLiteral("cestado"))});
    return itens;
}

void grava_item_entrada(Conexao& c, qint32 entrada, const ItemEntrada& item)
{
    c.unidade(Operacao::GravacaoItemEntrada, [&] {
        qint32 codigo = item.codigo;
        if (codigo == 0)
            codigo = c.executeRetornando(QStringLiteral("insert into item_da_entrada values(null,?,?,?) returning ncodigo"),
                                         {entrada, item.equipamento, item.problema})
                         .toInt();
        else
            c.execute(QStringLiteral("update item_da_entrada set cequipamento = ?,cproblema = ? where ncodigo = ?"),
                      {item.equipamento, item.problema, codigo});
        if (item.numeroSerie.isEmpty() && item.acessorios.isEmpty() && item.estado.isEmpty())
            c.execute(QStringLiteral("delete from item_entrada_detalhe where nitem = ?"), {codigo});
        else
            c.execute(QStringLiteral("update or insert into item_entrada_detalhe (nitem, cnumero_serie, cacessorios, cestado) values (?, ?, ?, ?) "
                                     "matching (nitem)"),
                      {codigo, item.numeroSerie, item.acessorios, item.estado});
    });
}

void exclui_item_entrada(Conexao& c, qint32 item)
{
    c.execute(comandos(TipoMovimento::Entrada).excluiItem, {item});
}

// ---------------------------------------------------- items with a service

QList<ItemServico> le_itens_servico(Conexao& c, TipoMovimento tipo, qint32 movimento)
{
    const bool ordem = tipo == TipoMovimento::Ordem;
    Recordset rs(c);
    if (ordem)
        rs.abre(QStringLiteral("select item_ordem.ncodigo,cdescricao||'-'||cidentificacao as equipamento,cservico,nvalor,"
                               "equipamento_cliente.ncodigo as nequipamento, cfantasia,ntecnico from item_ordem,equipamento_cliente,"
                               "equipamento,tecnico where item_ordem.ntecnico = tecnico.ncodigo and item_ordem.nequipamento_cliente = "
                               "equipamento_cliente.ncodigo and equipamento_cliente.nequipamento = equipamento.ncodigo and nordem = ? "
                               "order by item_ordem.ncodigo"),
                {movimento});
    else
        rs.abre(QStringLiteral("select item_orcamento.ncodigo,cdescricao||'-'||cidentificacao as equipamento,cservico,nvalor,"
                               "equipamento_cliente.ncodigo as nequipamento from item_orcamento,equipamento_cliente,equipamento "
                               "where item_orcamento.nequipamento_cliente = equipamento_cliente.ncodigo and "
                               "equipamento_cliente.nequipamento = equipamento.ncodigo and norcamento = ? order by item_orcamento.ncodigo"),
                {movimento});
    QList<ItemServico> itens;
    for (; !rs.eof(); rs.moveNext()) {
        ItemServico i;
        i.codigo = qint32(rs.inteiro(QStringLiteral("ncodigo")));
        i.maquina = qint32(rs.inteiro(QStringLiteral("nequipamento")));
        i.nomeMaquina = rs.texto(QStringLiteral("equipamento"));
        i.servico = rs.texto(QStringLiteral("cservico"));
        i.preco = rs.dinheiro(QStringLiteral("nvalor"));
        if (ordem) {
            i.tecnico = qint32(rs.inteiro(QStringLiteral("ntecnico")));
            i.nomeTecnico = rs.texto(QStringLiteral("cfantasia"));
        }
        itens.append(i);
    }
    return itens;
}

void grava_item_servico(Conexao& c, TipoMovimento tipo, qint32 movimento, const ItemServico& item, bool reabre)
{
    const bool ordem = tipo == TipoMovimento::Ordem;
    altera_item_servico(c, tipo, movimento, reabre, [&] {
        if (item.codigo == 0 && ordem)
            c.execute(QStringLiteral("insert into item_ordem values(null,?,?,?,?,?)"),
                      {movimento, item.maquina, item.servico, valor(item.preco), item.tecnico});
        else if (item.codigo == 0)
            c.execute(QStringLiteral("insert into item_orcamento values(null,?,?,?,?)"), {movimento, item.maquina, item.servico, valor(item.preco)});
        else if (ordem)
            c.execute(QStringLiteral("update item_ordem set nequipamento_cliente = ?,cservico = ?,nvalor = ?,ntecnico = ? where ncodigo = ?"),
                      {item.maquina, item.servico, valor(item.preco), item.tecnico, item.codigo});
        else
            c.execute(QStringLiteral("update item_orcamento set nequipamento_cliente = ?,cservico = ?,nvalor = ? where ncodigo = ?"),
                      {item.maquina, item.servico, valor(item.preco), item.codigo});
    });
}

void exclui_item_servico(Conexao& c, TipoMovimento tipo, qint32 movimento, qint32 item, bool reabre)
{
    altera_item_servico(c, tipo, movimento, reabre,
                        [&] { c.execute(comandos(tipo).excluiItem, {item}); });
}

// ----------------------------------------------------------------- budget

std::optional<Orcamento> le_orcamento(Conexao& c, qint32 codigo)
{
    Recordset rs(c);
    rs.abre(QStringLiteral("select o.ncodigo, o.ncliente, o.cobs, o.naprovado, o.ncondicao, e.nentrada from orcamento o "
                           "left join orcamento_da_entrada e on e.norcamento = o.ncodigo where o.ncodigo = ?"),
            {codigo});
    if (rs.eof())
        return std::nullopt;
    Orcamento o;
    o.codigo = qint32(rs.inteiro(QStringLiteral("ncodigo")));
    o.cliente = qint32(rs.inteiro(QStringLiteral("ncliente")));
    o.observacao = rs.texto(QStringLiteral("cobs"));
    o.aprovado = rs.inteiro(QStringLiteral("naprovado")) == 1;
    o.condicao = qint32(rs.inteiro(QStringLiteral("ncondicao")));
    if (!rs.nulo(QStringLiteral("nentrada")))
        o.entrada = qint32(rs.inteiro(QStringLiteral("nentrada")));
    return o;
}

QString texto_entrada_de_outro_cliente(qint32 entrada)
{
    return QStringLiteral("A entrada N.º %1 é de outro cliente. Informe uma entrada deste cliente!").arg(entrada);
}

void grava_orcamento(Conexao& c, const Orcamento& o)
{
    c.unidade(Operacao::GravacaoOrcamento, [&] {
        if (o.entrada) {
            const std::optional<qint32> dono = cliente_da_entrada(c, *o.entrada);
            if (!dono)
                throw Recusa(REGISTRO_EXCLUIDO);
            if (*dono != o.cliente)
                throw Recusa(texto_entrada_de_outro_cliente(*o.entrada));
        }
        atualiza_cabecalho(c,
                           QStringLiteral("update orcamento set ncliente = ?, cobs = ?,nvalor = (select coalesce(sum(nvalor),0) from item_orcamento "
                                          "where norcamento = ?),naprovado = ?,ncondicao = ? where ncodigo = ?"),
                           {o.cliente, o.observacao, o.codigo, o.aprovado ? 1 : 0, o.condicao, o.codigo});
        liga_orcamento_entrada(c, o.codigo, o.entrada);
    });
}

qint32 ordem_do_orcamento(Conexao& c, qint32 orcamento)
{
    Recordset rs(c);
    rs.abre(QStringLiteral("select nordem from ordem_do_orcamento where norcamento = ?"), {orcamento});
    return rs.eof() ? 0 : qint32(rs.inteiro(QStringLiteral("nordem")));
}

QString texto_ja_gerou(qint32 ordem) { return QStringLiteral("Este orçamento já gerou a ordem de serviço %1.").arg(ordem); }

qint32 gera_ordem_do_orcamento(Conexao& c, const Orcamento& o, qint32 tecnico, const QDateTime& momento)
{
    qint32 ordem = 0;
    // the order, the copy of every item and the link stand or fall together
    c.unidade(Operacao::OrdemDoOrcamento, [&] {
        // a second station making an order of this budget waits here, and
        // then finds the first one's
        Recordset rs(c);
        rs.abre(QStringLiteral("select ncodigo from orcamento where ncodigo = ? with lock"), {o.codigo});
        if (rs.eof())
            throw Recusa(REGISTRO_EXCLUIDO);
        if (const qint32 feita = ordem_do_orcamento(c, o.codigo))
            throw Recusa(texto_ja_gerou(feita));
        ordem = c.executeRetornando(QStringLiteral("insert into ordem values (null,?,?,?,(select coalesce(sum(nvalor),0) from item_orcamento "
                                                   "where norcamento = ?),?,?,0,0) returning ncodigo"),
                                    {o.cliente, momento.date(), ao_segundo(momento), o.codigo, o.observacao, o.condicao})
                    .toInt();
        c.execute(QStringLiteral("insert into item_ordem select 0,?,nequipamento_cliente,cservico,nvalor,? from item_orcamento where norcamento = ?"),
                  {ordem, tecnico, o.codigo});
        c.execute(QStringLiteral("insert into ordem_do_orcamento (norcamento, nordem) values (?, ?)"), {o.codigo, ordem});
    });
    return ordem;
}

// ------------------------------------------------------------------ order

std::optional<Ordem> le_ordem(Conexao& c, qint32 codigo)
{
    Recordset rs(c);
    rs.abre(QStringLiteral("select o.ncodigo, o.ncliente, o.ddata, o.cobs, o.ncondicao, o.nconcluida, o.ntipo, "
                           "p.dmomento as dpecas, p.cobs as cpecas from ordem o "
                           "left join ordem_aguardando_pecas p on p.nordem = o.ncodigo where o.ncodigo = ?"),
            {codigo});
    if (rs.eof())
        return std::nullopt;
    Ordem o;
    o.codigo = qint32(rs.inteiro(QStringLiteral("ncodigo")));
    o.cliente = qint32(rs.inteiro(QStringLiteral("ncliente")));
    o.data = rs.data(QStringLiteral("ddata"));
    o.observacao = rs.texto(QStringLiteral("cobs"));
    o.condicao = qint32(rs.inteiro(QStringLiteral("ncondicao")));
    o.concluida = rs.inteiro(QStringLiteral("nconcluida")) == 1;
    o.garantia = rs.inteiro(QStringLiteral("ntipo")) == 1;
    if (const QDateTime desde = rs.valor(QStringLiteral("dpecas")).toDateTime(); desde.isValid())
        o.aguardandoPecas = AguardandoPecas{desde, rs.texto(QStringLiteral("cpecas"))};
    return o;
}

SituacaoOrdem le_situacao_ordem(Conexao& c, qint32 codigo)
{
    Recordset rs(c);
    rs.abre(QStringLiteral("select nconcluida, (select count(*) from conta_receber c where c.nordem = o.ncodigo) as ncontas, "
                           "(select count(*) from baixa_conta_receber b join conta_receber c on c.ncodigo = b.nconta_receber "
                           "where c.nordem = o.ncodigo) as npagamentos from ordem o where o.ncodigo = ?"),
            {codigo});
    SituacaoOrdem s;
    s.existe = !rs.eof();
    if (s.existe) {
        s.concluida = rs.inteiro(QStringLiteral("nconcluida")) == 1;
        s.contas = int(rs.inteiro(QStringLiteral("ncontas")));
        s.pagamentos = int(rs.inteiro(QStringLiteral("npagamentos")));
    }
    return s;
}

void grava_data_e_observacao(Conexao& c, const Ordem& o)
{
    atualiza_cabecalho(c, QStringLiteral("update ordem set ddata = ?, cobs = ? where ncodigo = ?"), {o.data, o.observacao, o.codigo});
}

void grava_ordem(Conexao& c, const Ordem& o)
{
    // the receivables go (reopened) and the header is written as one step
    c.unidade(Operacao::GravacaoOrdem, [&] {
        c.execute(QStringLiteral("delete from conta_receber where nordem = ?"), {o.codigo});
        atualiza_cabecalho(c,
                           QStringLiteral("update ordem set ddata = ?,ncliente = ?, cobs = ?,nvalor = (select coalesce(sum(nvalor),0) from item_ordem "
                                          "where nordem = ?), nconcluida = ?,ncondicao = ?,ntipo = ? where ncodigo = ?"),
                           {o.data, o.cliente, o.observacao, o.codigo, o.concluida ? 1 : 0, o.condicao, o.garantia ? 1 : 0, o.codigo});
        if (o.aguardandoPecas && !o.concluida)
            marca_aguardando_pecas(c, o.codigo, o.aguardandoPecas->desde, o.aguardandoPecas->observacao);
        else
            desmarca_aguardando_pecas(c, o.codigo);
    });
}

#include "reservas.h"
#include "sessao.h"

#include <QVariant>

namespace {

struct Reserva {
    const char* tabela;
    int primeiro;            // the first code a form may reserve
    const char* pronta;      // the condition of a saved row
    const char* anexos[3];   // what goes first, the row's code bound to its "?"
    Operacao operacao;       // each row goes in a transaction of this kind
};

// A saved customer has a name and a saved type a description (both are
// required by their forms); customer 1 is the movements' placeholder, and
// an entry, budget or order gets a real customer when it is saved (its
// items are written as they are confirmed, before that).
const Reserva RESERVAS[] = {
    {"entrada_equipamento", 1, "entrada_equipamento.ncliente <> 1",
     {"delete from item_da_entrada where nentrada_equipamento = ?", nullptr, nullptr}, Operacao::LimpezaMovimentos},
    {"orcamento", 1, "orcamento.ncliente <> 1", {"delete from item_orcamento where norcamento = ?", nullptr, nullptr},
     Operacao::LimpezaMovimentos},
    {"ordem", 1, "ordem.ncliente <> 1", {"delete from item_ordem where nordem = ?", nullptr, nullptr}, Operacao::LimpezaMovimentos},
    {"cliente", 2, "cliente.cfantasia is not null",
     {"delete from Propriedade_equipamento_cliente where nequipamento_cliente in "
      "(select ncodigo from equipamento_cliente where ncliente = ?)",
      "delete from equipamento_cliente where ncliente = ?", nullptr},
     Operacao::LimpezaReservas},
    {"equipamento", 1, "coalesce(equipamento.cdescricao, '') <> ''", {"delete from propriedade where nequipamento = ?", nullptr, nullptr},
     Operacao::LimpezaReservas},
};

} // namespace

QString sem_reservas(const QString& tabela)
{
    for (const Reserva& r : RESERVAS)
        if (tabela.compare(QLatin1String(r.tabela), Qt::CaseInsensitive) == 0)
            return QLatin1String(r.pronta);
    return QStringLiteral("1=1");
}

int remove_reservas_abandonadas(Conexao& c)
{
    int removidas = 0;
    for (const Reserva& r : RESERVAS) {
        const QString tabela = QLatin1String(r.tabela);
        QList<qint64> codigos;
        Recordset rs(c);
        // the table and its condition are the program's own constants; the codes are bound
        rs.abre(QStringLiteral("select ncodigo from %1 where ncodigo >= ? and not (%2)").arg(tabela, QLatin1String(r.pronta)), {r.primeiro});
        for (; !rs.eof(); rs.moveNext())
            codigos << rs.inteiro(QStringLiteral("ncodigo"));
        rs.fecha();
        for (qint64 codigo : codigos) {
            try {
                Transacao t(c, r.operacao);
                for (const char* anexo : r.anexos)
                    if (anexo)
                        c.execute(QString::fromLatin1(anexo), {codigo});
                c.execute(QStringLiteral("delete from %1 where ncodigo = ?").arg(tabela), {codigo});
                t.confirma();
                ++removidas;
            } catch (const ErroBanco& e) {
                if (e.codigo() != QLatin1String("-530"))
                    throw;
                // something else uses it: it stays
            }
        }
    }
    return removidas;
}

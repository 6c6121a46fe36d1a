#include "reservas.h"
#include "sessao.h"

#include <QVariant>

namespace {

struct Reserva {
    int primeiro;            // the first code a form may reserve
    const char* abandonadas; // the codes of its rows not saved, from the first one (bound to "?")
    const char* anexos[3];   // what goes first, the row's code bound to its "?"
    const char* remove;      // the row itself, its code bound
    Operacao operacao;       // each row goes in a transaction of this kind
};

// A saved customer has a name and a saved type a description (both are
// required by their forms); customer 1 is the movements' placeholder, and
// an entry, budget or order gets a real customer when it is saved (its
// items are written as they are confirmed, before that).
const Reserva RESERVAS[] = {
    {1, "select ncodigo from entrada_equipamento where ncodigo >= ? and ncliente = 1",
     {"delete from item_da_entrada where nentrada_equipamento = ?", nullptr, nullptr},
     "delete from entrada_equipamento where ncodigo = ?", Operacao::LimpezaMovimentos},
    {1, "select ncodigo from orcamento where ncodigo >= ? and ncliente = 1",
     {"delete from item_orcamento where norcamento = ?", nullptr, nullptr}, "delete from orcamento where ncodigo = ?",
     Operacao::LimpezaMovimentos},
    {1, "select ncodigo from ordem where ncodigo >= ? and ncliente = 1",
     {"delete from item_ordem where nordem = ?", nullptr, nullptr}, "delete from ordem where ncodigo = ?", Operacao::LimpezaMovimentos},
    {2, "select ncodigo from cliente where ncodigo >= ? and not (" CLIENTE_GRAVADO ")",
     {"delete from Propriedade_equipamento_cliente where nequipamento_cliente in "
      "(select ncodigo from equipamento_cliente where ncliente = ?)",
      "delete from equipamento_cliente where ncliente = ?", nullptr},
     "delete from cliente where ncodigo = ?", Operacao::LimpezaReservas},
    {1, "select ncodigo from equipamento where ncodigo >= ? and not (" EQUIPAMENTO_GRAVADO ")",
     {"delete from propriedade where nequipamento = ?", nullptr, nullptr}, "delete from equipamento where ncodigo = ?",
     Operacao::LimpezaReservas},
};

} // namespace

int remove_reservas_abandonadas(Conexao& c)
{
    int removidas = 0;
    for (const Reserva& r : RESERVAS) {
        QList<qint64> codigos;
        Recordset rs(c);
        rs.abre(QString::fromLatin1(r.abandonadas), {r.primeiro});
        for (; !rs.eof(); rs.moveNext())
            codigos << rs.inteiro(QStringLiteral("ncodigo"));
        rs.fecha();
        for (qint64 codigo : codigos) {
            try {
                Transacao t(c, r.operacao);
                for (const char* anexo : r.anexos)
                    if (anexo)
                        c.execute(QString::fromLatin1(anexo), {codigo});
                c.execute(QString::fromLatin1(r.remove), {codigo});
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

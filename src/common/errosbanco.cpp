#include "errosbanco.h"
#include "mensagens.h"
#include "valoresnegativos.h"

namespace {
QString codigo_do_erro(const QString& descricao)
{
    const int igual = descricao.indexOf(QLatin1Char('='));
    if (igual < 0) return QString();
    const int proximo = descricao.indexOf(QLatin1Char('='), igual + 1);
    QString trecho = proximo < 0 ? descricao.mid(igual + 1) : descricao.mid(igual + 1, proximo - igual - 1);
    const int dois = trecho.indexOf(QLatin1Char(':'));
    if (dois >= 0) trecho = trecho.left(dois);
    return trecho.trimmed();
}
} // namespace

void trata_erro_banco(const QString& descricao)
{
    const QString codigo = codigo_do_erro(descricao);
    if (codigo == QLatin1String("-836")) {
        const QString marca = QStringLiteral("{ini}");
        const int ini = descricao.indexOf(marca);
        if (ini >= 0) {
            const int fim = descricao.indexOf(marca, ini + marca.size());
            const QString texto = fim < 0 ? descricao.mid(ini + marca.size())
                                          : descricao.mid(ini + marca.size(), fim - ini - marca.size());
            mensagens().aviso(texto, Mensagens::Icone::Informacao, QString());
            return;
        }
    } else if (codigo == QLatin1String("-530")) {
        informa(QStringLiteral("Este registro já está sendo usado por outros registros e portanto não pode ser excluído!"));
        return;
    } else if (codigo == QLatin1String("-803")) {
        informa(QStringLiteral("Este registro já existe. Por favor verifique!"));
        return;
    } else if (codigo == QLatin1String("-297") && erro_valor_negativo(descricao)) {
        informa(VALOR_NEGATIVO_RECUSADO);
        return;
    } else if (codigo == QLatin1String("-902")) {
        // the server went away: the shop needs what to do, not the driver's text
        informa(CONEXAO_PERDIDA);
        return;
    }
    mensagens().aviso(descricao, Mensagens::Icone::Nenhum, QString());
}

void trata_erro_banco(const ErroBanco& erro)
{
    if (dynamic_cast<const Recusa*>(&erro))
        informa(erro.texto());
    else if (erro.conflito())
        informa(CONFLITO_ESTACOES);
    else
        trata_erro_banco(erro.descricao());
}

namespace {
// Runs a unit of work; its failure is shown (the unit's record sets are its
// own locals, gone with it).
template <class Passos>
bool relata_unidade(Operacao op, const Passos& passos)
{
    try {
        conexao.unidade(op, passos);
        return true;
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
        return false;
    }
}
} // namespace

bool em_transacao(Operacao op, const std::function<void()>& passos) { return relata_unidade(op, passos); }
bool em_transacao(Operacao op, const QStringList& comandos) { return relata_unidade(op, comandos); }

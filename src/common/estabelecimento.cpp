#include "estabelecimento.h"
#include "errosbanco.h"
#include "mensagens.h"
#include "mascaras.h"
#include "sessao.h"

#include <stdexcept>

Estabelecimento Estabelecimento::le(Conexao& conexao)
{
    Recordset rs(conexao);
    rs.abre(QStringLiteral("select cfantasia, cendereco, cidade.cnome, cfone, cemail from estabelecimento, cidade "
                           "where ncidade = cidade.ncodigo"));
    if (rs.recordCount() < 1)
        throw std::runtime_error("O estabelecimento (registro 1) ou a sua cidade não foi encontrado no banco de dados.");
    Estabelecimento e;
    e.nome = rs.texto(QStringLiteral("cfantasia"));
    e.rodape = e.nome + QStringLiteral(" - ") + rs.texto(QStringLiteral("cendereco")) + QStringLiteral(" - ")
               + rs.texto(QStringLiteral("cnome")) + QStringLiteral("-Fone: ")
               + formata_mascara(rs.texto(QStringLiteral("cfone")), Mascara::Telefone) + QStringLiteral(" - ")
               + rs.texto(QStringLiteral("cemail"));
    return e;
}

std::optional<Estabelecimento> le_estabelecimento(Conexao& conexao)
{
    try {
        return Estabelecimento::le(conexao);
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
    } catch (const std::runtime_error& e) {
        mensagens().aviso(QString::fromUtf8(e.what()));
    }
    return std::nullopt;
}

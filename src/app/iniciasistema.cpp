#include "iniciasistema.h"
#include "arquivoconfiguracao.h"
#include "busca.h"
#include "conferebanco.h"
#include "frmprincipal.h"
#include "mensagens.h"
#include "migracoes.h"
#include "sessao.h"
#include "reservas.h"
#include "valoresnegativos.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

Configuracao le_configuracao(const QString& conteudo)
{
    const QStringList partes = conteudo.split(QLatin1Char('='));
    if (partes.size() < 3)
        throw std::runtime_error("O arquivo path.txt deve conter: origem dos dados=usuário=senha");
    return Configuracao{partes[0], partes[1], partes[2], partes.size() > 3 ? partes[3].trimmed() : QString()};
}

namespace {

QString le_arquivo(const QString& caminho)
{
    QFile f(caminho);
    if (!f.exists())
        throw std::runtime_error(QStringLiteral("Arquivo não encontrado: %1").arg(QDir::toNativeSeparators(caminho)).toStdString());
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error(QStringLiteral("Não foi possível ler %1: %2").arg(caminho, f.errorString()).toStdString());
    // plain 8-bit text; a UTF-8 file with accents is read as such when it is valid
    const QByteArray bytes = f.readAll();
    const QString utf8 = QString::fromUtf8(bytes);
    return utf8.contains(QChar::ReplacementCharacter) ? QString::fromLatin1(bytes) : utf8;
}

// The start-up's failure: the question, the original description on Yes
// and, when there was no path.txt at all, where it was looked for and
// what to write there.
void mostra_falha(const QString& descricao, bool semConfiguracao, const QString& pasta)
{
    if (mensagens().pergunta(QStringLiteral("Ocorreu um erro ao tentar iniciar o programa. Deseja visualizar a mensagem original do erro?")))
        mensagens().aviso(descricao);
    if (semConfiguracao)
        mensagens().aviso(orientacao_sem_configuracao(pasta));
}

// Brings the schema up to this version (nothing to do, nothing written, on
// a database that is up to date). Changing it takes the owner of the
// database: a station user (who holds only the program's role) is told
// what to do instead of the engine's refusal. Gives what the shop must be
// told about its data (empty when nothing).
QString atualiza_esquema(const QString& usuario)
{
    try {
        // A database from before the money constraints may hold amounts
        // below zero: the constraints leave those rows as they are, and
        // they are named once, when the constraints arrive.
        // The version is read once: a database that is up to date (every
        // start but the first after an update) has nothing more to do.
        const int versao = Migracoes::versao(conexao), atual = Migracoes::versao_atual();
        if (versao >= atual)
            return QString();
        const QString negativos = versao < VERSAO_VALORES_NAO_NEGATIVOS && atual >= VERSAO_VALORES_NAO_NEGATIVOS
                                      ? linhas_com_valor_negativo(conexao)
                                      : QString();
        Migracoes::aplica(conexao);
        return negativos;
    } catch (const ErroBanco& e) {
        const bool semDireito = e.codigo() == QLatin1String("-551") || e.texto().contains(QLatin1String("no permission"), Qt::CaseInsensitive)
                                || e.texto().contains(QLatin1String("no privilege"), Qt::CaseInsensitive);
        if (!semDireito)
            throw;
        throw std::runtime_error(
            QStringLiteral("O banco de dados é de uma versão anterior do programa e precisa ser atualizado, "
                           "mas o usuário %1 do path.txt não tem permissão para alterá-lo.\n\n"
                           "Inicie o programa uma vez com o usuário dono do banco de dados (por exemplo SYSDBA) "
                           "no path.txt; depois volte ao usuário da estação.\n\n%2")
                .arg(usuario, e.descricao())
                .toStdString());
    }
}

} // namespace

std::unique_ptr<FrmPrincipal> inicia_sistema(const QString& pasta)
{
    bool semConfiguracao = false;
    try {
        const QString arquivo = arquivo_configuracao(pasta);
        semConfiguracao = !QFile::exists(arquivo);
        const QString conteudo = le_arquivo(arquivo);
        const Configuracao c = le_configuracao(conteudo);
        conexao.abre(c.fonte, c.usuario, c.senha, c.papel);
        // nothing reads or writes a database that is not ours or cannot be written
        confere_banco(conexao);
        // a database made by an older version gets the newer schema first;
        // index statistics follow the data the shop has gathered since
        const QString aviso = atualiza_esquema(c.usuario);
        preenche_trigramas(conexao);
        conta_trigramas(conexao);
        Migracoes::recalcula_estatisticas(conexao);
        // Reservations left by a crash: on the embedded database nobody else
        // can hold them now; on a server another station may be filling one.
        // It is housekeeping: when it fails, each reservation is left whole
        // for the next start and the shop works on.
        if (!conexao.noServidor()) {
            try {
                remove_reservas_abandonadas(conexao);
            } catch (const ErroBanco&) {
            }
        }
        auto principal = std::make_unique<FrmPrincipal>();
        principal->carrega();
        liga_formularios(*principal);
        principal->show();
        if (!aviso.isEmpty())
            informa(aviso);
        return principal;
    } catch (const ErroBanco& e) {
        conexao.fecha();
        mostra_falha(motivo_falha_abertura(e), semConfiguracao, pasta);
    } catch (const std::exception& e) {
        conexao.fecha();
        mostra_falha(QString::fromUtf8(e.what()), semConfiguracao, pasta);
    }
    return nullptr;
}

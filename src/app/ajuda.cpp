#include "ajuda.h"
#include "copiaseguranca.h"
#include "mensagens.h"
#include "migracoes.h"

#include "sessao.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QUrl>

namespace {

const QString PAGINA_GUIA = QStringLiteral("README.md");
const QString GUIA_INSTALADO = QStringLiteral("/usr/share/doc/controle-os/guia");

QString momento(const QDateTime& d) { return d.toString(QStringLiteral("dd/MM/yyyy HH:mm")); }

} // namespace

QStringList locais_guia(const QString& pastaPrograma)
{
    QStringList locais;
    // the program in <prefix>/lib/controle-os, the guide in <prefix>/share/doc
    locais << QDir::cleanPath(pastaPrograma + QStringLiteral("/../../share/doc/controle-os/guia"));
    if (!locais.contains(GUIA_INSTALADO))
        locais << GUIA_INSTALADO;
    locais << QStringLiteral(CONTROLE_OS_GUIA_FONTE);
    return locais;
}

QString abre_guia(const QStringList& locais)
{
    for (const QString& pasta : locais) {
        const QString pagina = QDir(pasta).filePath(PAGINA_GUIA);
        if (!QFile::exists(pagina))
            continue;
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(pagina))) {
            mensagens().aviso(QStringLiteral("Não foi possível abrir o guia do usuário (%1): não há neste computador "
                                             "um programa para abri-lo. Abra o arquivo com um navegador ou um editor de textos.")
                                  .arg(pagina),
                              Mensagens::Icone::Erro);
            return QString();
        }
        return pagina;
    }
    mensagens().aviso(QStringLiteral("O guia do usuário não foi encontrado. Ele é instalado com o programa em %1 (pacote controle-os); "
                                     "procurado em:\n%2")
                          .arg(GUIA_INSTALADO, locais.join(QLatin1Char('\n'))),
                      Mensagens::Icone::Erro);
    return QString();
}

QString texto_sobre(Conexao& c)
{
    QStringList linhas;
    linhas << QStringLiteral("Controle OS versão %1").arg(QStringLiteral(CONTROLE_OS_VERSAO))
           << QStringLiteral("Controle de ordens de serviço de uma assistência técnica") << QString();
    const QString fonte = c.fonte();
    if (c.noServidor()) {
        const int doisPontos = fonte.indexOf(QLatin1Char(':'));
        linhas << QStringLiteral("Banco de dados: %1 no servidor %2").arg(fonte.mid(doisPontos + 1), fonte.left(doisPontos))
               << QStringLiteral("Modo: servidor Firebird (várias estações)");
    } else {
        linhas << QStringLiteral("Banco de dados: %1").arg(QDir::toNativeSeparators(fonte))
               << QStringLiteral("Modo: embutido (um computador só)");
    }
    linhas << QStringLiteral("Usuário do banco: %1").arg(c.banco().userName());
    try {
        linhas << QStringLiteral("Versão do esquema do banco: %1").arg(Migracoes::versao(c));
    } catch (const ErroBanco&) {
        linhas << QStringLiteral("Versão do esquema do banco: não foi possível lê-la");
    }
    try {
        const SituacaoCopias s = le_situacao_copias(c);
        if (s.ultimaConferida.isValid()) {
            linhas << QStringLiteral("Última cópia de segurança conferida: %1").arg(momento(s.ultimaConferida));
            if (!s.arquivoConferida.isEmpty())
                linhas << QStringLiteral("    %1").arg(s.arquivoConferida);
        } else {
            linhas << QStringLiteral("Nenhuma cópia de segurança conferida");
        }
        if (s.ultimaFalhou)
            linhas << QStringLiteral("A cópia de %1 falhou: %2").arg(momento(s.momentoFalha), s.falha);
    } catch (const ErroBanco&) {
        linhas << QStringLiteral("Cópias de segurança: situação desconhecida");
    }
    return linhas.join(QLatin1Char('\n'));
}

void mostra_sobre()
{
    mensagens().aviso(texto_sobre(conexao), Mensagens::Icone::Informacao, TITULO_SOBRE);
}

#include "arquivoconfiguracao.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <stdexcept>

namespace {

const QString PATH_TXT = QStringLiteral("path.txt");
const QString PASTA = QStringLiteral("/controle-os");

[[noreturn]] void falha(const QString& texto) { throw std::runtime_error(texto.toStdString()); }

// The folder of ours in the user's configuration or data folder, made
// private to the user when it is created here.
QString pasta_do_usuario(QStandardPaths::StandardLocation onde)
{
    const QString pasta = QStandardPaths::writableLocation(onde) + PASTA;
    if (!QDir(pasta).exists()) {
        if (!QDir().mkpath(pasta))
            falha(QStringLiteral("Não foi possível criar a pasta %1").arg(pasta));
        QFile::setPermissions(pasta, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    return pasta;
}

// Runs the schema through isql-fb into a temporary name and renames it into
// place, so a failed run never leaves a half-made database behind.
void cria_banco(const QString& esquema, const QString& banco)
{
    QFile arquivo(esquema);
    if (!arquivo.open(QIODevice::ReadOnly))
        falha(QStringLiteral("Não foi possível ler %1: %2").arg(esquema, arquivo.errorString()));
    const QString parcial = banco + QStringLiteral(".criando");
    QFile::remove(parcial);

    QProcess isql;
    isql.setProcessChannelMode(QProcess::MergedChannels);
    isql.start(QStringLiteral("isql-fb"), {QStringLiteral("-q"), QStringLiteral("-b")});
    if (!isql.waitForStarted())
        falha(QStringLiteral("O programa isql-fb (pacote firebird3.0-utils) não foi encontrado; o banco de dados não pôde ser criado."));
    QString nome = parcial;
    nome.replace(QLatin1Char('\''), QStringLiteral("''"));
    isql.write(QStringLiteral("set names utf8;\ncreate database '%1' user 'SYSDBA' password 'masterkey' "
                              "page_size 8192 default character set utf8;\n").arg(nome).toUtf8());
    isql.write(arquivo.readAll());
    isql.write("\nexit;\n");
    isql.closeWriteChannel();
    if (!isql.waitForFinished(120000)) {
        isql.kill();
        isql.waitForFinished();
    }
    const QString saida = QString::fromLocal8Bit(isql.readAll()).trimmed();
    if (isql.exitStatus() != QProcess::NormalExit || isql.exitCode() != 0 || !QFile::exists(parcial)) {
        QFile::remove(parcial);
        falha(QStringLiteral("Não foi possível criar o banco de dados %1:\n%2").arg(banco, saida));
    }
    if (!QFile::rename(parcial, banco)) {
        QFile::remove(parcial);
        falha(QStringLiteral("Não foi possível criar o banco de dados %1.").arg(banco));
    }
}

// Writes path.txt whole under a temporary name, readable by its owner only
// from the start (it holds the password), then renames it into place.
void escreve_path_txt(const QString& caminho, const QString& conteudo)
{
    const QString parcial = caminho + QStringLiteral(".novo");
    QFile::remove(parcial);
    QFile f(parcial);
    if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        || f.write(conteudo.toUtf8()) < 0 || !f.flush()) {
        const QString erro = f.errorString();
        f.remove();
        falha(QStringLiteral("Não foi possível gravar %1: %2").arg(caminho, erro));
    }
    f.close();
    if (!QFile::rename(parcial, caminho)) {
        QFile::remove(parcial);
        falha(QStringLiteral("Não foi possível gravar %1.").arg(caminho));
    }
}

} // namespace

QString path_txt_do_usuario()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + PASTA + QLatin1Char('/') + PATH_TXT;
}

QString orientacao_sem_configuracao(const QString& pastaPrograma)
{
    const QString banco = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + PASTA + QStringLiteral("/controle_os.fdb");
    return QStringLiteral("O Controle OS não encontrou o arquivo path.txt, que diz onde está o banco de dados. Ele procurou em:\n"
                          "    %1\n    %2\n\n"
                          "Crie um desses arquivos com uma só linha, sem quebra de linha no fim, legível só pelo seu dono.\n\n"
                          "Numa estação que usa o banco de um servidor, escreva a linha que o comando controle-os-servidor "
                          "mostrou no servidor, como:\n"
                          "    servidor:/var/lib/firebird/3.0/data/controle_os.fdb=CAIXA1=senha=CONTROLE_OS\n\n"
                          "Num PC só, escreva o caminho do banco de dados:\n"
                          "    %3=SYSDBA=masterkey")
        .arg(QDir::toNativeSeparators(QDir(pastaPrograma).filePath(PATH_TXT)), QDir::toNativeSeparators(path_txt_do_usuario()),
             QDir::toNativeSeparators(banco));
}

QString arquivo_configuracao(const QString& pastaPrograma)
{
    const QString aoLado = QDir(pastaPrograma).filePath(PATH_TXT);
    if (QFile::exists(aoLado))
        return aoLado;
    const QString doUsuario = path_txt_do_usuario();
    if (QFile::exists(doUsuario))
        return doUsuario;
    const QString esquema = QDir(pastaPrograma).filePath(QStringLiteral("schema/controle_os.sql"));
    if (!QFile::exists(esquema))
        return aoLado;

    const QString banco = pasta_do_usuario(QStandardPaths::GenericDataLocation) + QStringLiteral("/controle_os.fdb");
    if (banco.contains(QLatin1Char('=')))
        falha(QStringLiteral("O caminho do banco de dados não pode conter \"=\": %1").arg(banco));
    if (!QFile::exists(banco)) {
        // the shop's data is the user's alone (the folder may exist already for the lock files)
        QFile::setPermissions(QFileInfo(banco).path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        cria_banco(esquema, banco);
    }
    pasta_do_usuario(QStandardPaths::GenericConfigLocation);
    escreve_path_txt(doUsuario, banco + QStringLiteral("=SYSDBA=masterkey"));
    return doUsuario;
}

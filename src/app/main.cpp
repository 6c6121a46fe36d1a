#include "copiaseguranca.h"
#include "formularios.h"
#include "frmprincipal.h"
#include "iniciasistema.h"
#include "localizacao.h"
#include "sessao.h"
#include "sinais.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <unistd.h>

int main(int argc, char* argv[])
{
    bloqueia_sinais();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("controle-os"));
    QApplication::setApplicationDisplayName(QStringLiteral("Controle OS"));
    configura_locale();

    // The embedded engine needs a lock folder its user can write; a normal
    // user gets one of their own unless FIREBIRD_LOCK says otherwise.
    if (!qEnvironmentVariableIsSet("FIREBIRD_LOCK") && geteuid() != 0) {
        const QString trava = QDir::homePath() + QStringLiteral("/.local/share/controle-os/lock");
        QDir().mkpath(trava);
        qputenv("FIREBIRD_LOCK", QFile::encodeName(trava));
    }

    auto principal = inicia_sistema(QCoreApplication::applicationDirPath());
    if (!principal)
        return 1;
    encerra_com_sinais();
    const int r = app.exec();
    // forms and windows go while the application object still exists
    Formularios::reinicia();
    principal.reset();
    // the daily copy of an embedded database, once the program let go of
    // it; a program ended by a signal (shutdown) just ends
    if (r == 0)
        copia_ao_fechar(QCoreApplication::applicationDirPath());
    conexao.fecha();
    return r;
}

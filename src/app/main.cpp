#include "frmprincipal.h"
#include "iniciasistema.h"
#include "modulo1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("controle-os"));
    QApplication::setApplicationDisplayName(QStringLiteral("Controle OS"));
    configura_locale();

    auto principal = inicia_sistema(QCoreApplication::applicationDirPath());
    if (!principal)
        return 1;
    const int r = app.exec();
    principal.reset();
    conexao.fecha();
    return r;
}

#include "sinais.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <sys/signalfd.h>
#include <unistd.h>

namespace {

int g_descritor = -1;

sigset_t sinais_de_encerrar()
{
    sigset_t s;
    sigemptyset(&s);
    sigaddset(&s, SIGTERM);
    sigaddset(&s, SIGINT);
    sigaddset(&s, SIGHUP);
    return s;
}

} // namespace

void bloqueia_sinais()
{
    const sigset_t s = sinais_de_encerrar();
    if (pthread_sigmask(SIG_BLOCK, &s, nullptr) == 0)
        g_descritor = signalfd(-1, &s, SFD_NONBLOCK | SFD_CLOEXEC);
}

void encerra_com_sinais()
{
    if (g_descritor < 0)
        return;
    auto* aviso = new QSocketNotifier(g_descritor, QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(aviso, &QSocketNotifier::activated, aviso, [] {
        signalfd_siginfo info;
        while (::read(g_descritor, &info, sizeof info) == sizeof info) {
        }
        QCoreApplication::exit(0);
    });
}

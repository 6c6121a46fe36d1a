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

bool bloqueia_sinais()
{
    const sigset_t s = sinais_de_encerrar();
    if (pthread_sigmask(SIG_BLOCK, &s, nullptr) != 0)
        return false;
    g_descritor = signalfd(-1, &s, SFD_NONBLOCK | SFD_CLOEXEC);
    if (g_descritor < 0) {
        // nobody would ever read them: the signals act as they normally do
        pthread_sigmask(SIG_UNBLOCK, &s, nullptr);
        return false;
    }
    return true;
}

void encerra_com_sinais()
{
    if (g_descritor < 0)
        return;
    auto* aviso = new QSocketNotifier(g_descritor, QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(aviso, &QSocketNotifier::activated, aviso, [] {
        signalfd_siginfo info;
        int sinal = 0;
        while (::read(g_descritor, &info, sizeof info) == sizeof info)
            if (sinal == 0)
                sinal = int(info.ssi_signo);
        // the shell's convention for a process ended by a signal
        QCoreApplication::exit(128 + (sinal ? sinal : SIGTERM));
    });
}

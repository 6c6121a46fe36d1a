#include "teclado.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <dlfcn.h>

namespace {

EstadoTravas g_seguido; // followed from key presses when the system cannot tell

// X11 is asked through libX11 loaded at run time, so the program builds and
// runs without X11 development files and on other platforms.
bool estado_x11(EstadoTravas& e)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    using AbreDisplay = void* (*)(const char*);
    using LeIndicadores = int (*)(void*, unsigned int, unsigned int*);
    static void* lib = dlopen("libX11.so.6", RTLD_LAZY);
    if (!lib) return false;
    static auto abre = reinterpret_cast<AbreDisplay>(dlsym(lib, "XOpenDisplay"));
    static auto le = reinterpret_cast<LeIndicadores>(dlsym(lib, "XkbGetIndicatorState"));
    if (!abre || !le) return false;
    static void* display = abre(nullptr);
    if (!display) return false;
    unsigned int estado = 0;
    if (le(display, 0x0100 /* XkbUseCoreKbd */, &estado) != 0)
        return false;
    e.caps = estado & 1u;
    e.num = estado & 2u;
    e.scroll = estado & 4u;
    return true;
}

} // namespace

EstadoTravas estado_travas()
{
    EstadoTravas e;
    if (estado_x11(e))
        return e;
    return g_seguido;
}

MonitorTeclasTrava::MonitorTeclasTrava(QObject* pai, std::function<void()> aoMudar)
    : QObject(pai), m_aoMudar(std::move(aoMudar))
{
}

bool MonitorTeclasTrava::eventFilter(QObject* alvo, QEvent* evento)
{
    if (evento->type() == QEvent::KeyPress && !static_cast<QKeyEvent*>(evento)->isAutoRepeat()
        && alvo->isWindowType()) { // each key reaches its QWindow exactly once
        switch (static_cast<QKeyEvent*>(evento)->key()) {
        case Qt::Key_CapsLock: g_seguido.caps = !g_seguido.caps; m_aoMudar(); break;
        case Qt::Key_NumLock: g_seguido.num = !g_seguido.num; m_aoMudar(); break;
        case Qt::Key_ScrollLock: g_seguido.scroll = !g_seguido.scroll; m_aoMudar(); break;
        default: break;
        }
    }
    return false;
}

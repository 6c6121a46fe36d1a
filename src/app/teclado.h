#pragma once
#include <QObject>
#include <functional>

// The state of the three lock keys, for the status bar.
struct EstadoTravas {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// Asks the windowing system where it can (X11); elsewhere the state is
// followed from the lock keys pressed since the program started.
EstadoTravas estado_travas();

// Application-wide watcher of the lock keys.
class MonitorTeclasTrava : public QObject {
public:
    MonitorTeclasTrava(QObject* pai, std::function<void()> aoMudar);

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    std::function<void()> m_aoMudar;
};

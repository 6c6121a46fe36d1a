#pragma once
#include <QDateTime>
#include <QHash>
#include <QMainWindow>
#include "painelloja.h"
#include <functional>

class QAction;
class QLabel;
class QTimer;
class QToolBar;
class ControleRelatorio;

// The main window: menu tree, toolbar, status bar with a live clock and,
// in the middle, the shop at a glance (PainelLoja). Every other form opens
// modally from here; when one closes, the shop's figures are read again.
class FrmPrincipal : public QMainWindow {
    Q_OBJECT
public:
    static inline const QString CAPTION = QStringLiteral("Controle de ordens de serviço versão 1.0.5");

    explicit FrmPrincipal(QWidget* pai = nullptr);
    ~FrmPrincipal() override;

    // Reads the establishment and puts its trade name in the caption.
    // Throws ErroBanco or std::runtime_error when the row or its city is missing.
    void carrega();

    // A menu item by its name ("menuCadastrarCliente"); nullptr if none.
    QAction* item(const QString& nome) const;
    // Gives a menu item its action and enables it (and the toolbar buttons that
    // do the same thing).
    void liga(const QString& nome, std::function<void()> acao);
    // Shows the shop's figures in the middle of the window, read through
    // the actions given, and reads them now.
    void mostraPainel(PainelLoja::Acoes acoes);

    QToolBar* barraFerramentas = nullptr;
    PainelLoja* painelLoja = nullptr;
    ControleRelatorio* crControle = nullptr; // the report control "cr"

    // The status-bar panels, 1-based as the user counts them: the six of
    // the design and a seventh with the date of the last verified backup.
    QLabel* painel(int n) const;
    void atualizaStatus();
    // Reads the backups' situation again into panel 7 (done at load, when
    // the date changes and every hour, as another machine may copy).
    void atualizaCopias();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void montaMenus();
    void montaBarra();
    void montaStatus();

    QHash<QString, QAction*> m_itens;
    QHash<QString, QList<QAction*>> m_botoes; // toolbar buttons following a menu item
    QList<QLabel*> m_paineis;
    QTimer* m_relogio = nullptr;
    QDateTime m_leituraCopias; // when panel 7 was last read
};

#pragma once
#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QPrinter;
class QScrollArea;
class QSpinBox;
class Relatorio;
class FolhaRelatorio;

// Runs a step of a report's build (reading the file, the rows, laying the
// pages out), with the wait cursor when asked; a failure (a missing file, a
// bad definition, a database error) is shown to the user with its text, and
// false then.
bool passo_relatorio(const std::function<void()>& passo, bool espera = true);

// The preview window "Módulo de Relatórios": shows one page at a time,
// pages through the report, zooms, prints through the print dialog and
// saves a PDF. A report's preview is not modal: the caller goes on at
// once, and several previews may be open; a document's is (see
// executa_relatorio). It deletes itself when closed. A report still
// being laid out shows its first pages at once, the page count as "…",
// and goes on in small steps between the user's events; going to a page
// not laid out yet, printing and the PDF wait for it.
class FrmRelatorio : public QMainWindow {
    Q_OBJECT
public:
    FrmRelatorio(std::shared_ptr<Relatorio> relatorio, const QString& titulo, QWidget* pai = nullptr);
    ~FrmRelatorio() override;

    const Relatorio& relatorio() const { return *m_relatorio; }
    int pagina() const { return m_pagina; } // 0-based
    void mostraPagina(int n);
    // Zoom: 1.0 is the paper's real size on screen.
    double zoom() const { return m_zoom; }
    void defineZoom(double z);

    // Writes the report to a PDF; a failure is shown to the user.
    bool salvaPdf(const QString& caminho);
    // Prints on the printer chosen in the print dialog; a failure (a printer
    // that refuses the job) is shown to the user.
    bool imprimeEm(QPrinter& impressora);

    QAction* acPrimeira = nullptr;
    QAction* acAnterior = nullptr;
    QAction* acProxima = nullptr;
    QAction* acUltima = nullptr;
    QAction* acMenosZoom = nullptr;
    QAction* acMaisZoom = nullptr;
    QAction* acImprimir = nullptr;
    QAction* acSalvarPdf = nullptr;
    QAction* acFechar = nullptr;
    QSpinBox* spinPagina = nullptr;  // label "Página"
    QLabel* lblPaginas = nullptr;    // "de N"
    QComboBox* cmbZoom = nullptr;    // label "Zoom"

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void montaBarra();
    void escolheZoom(int indice);
    void ajustaZoom();
    void atualiza();
    void imprime();
    void perguntaPdf();
    // One step of the layout, then the next one queued, until it is complete.
    void continua();
    // The layout complete (false, and the preview closed, after a failure).
    bool completa();
    // Steps of the layout while continua() says go on, then the window
    // brought up to date (false, and the preview closed, after a failure).
    bool avancaEnquanto(const std::function<bool()>& continua, bool espera = true);
    // After a step: the page range, the count, the page painted again.
    void aposEtapa();

    std::shared_ptr<Relatorio> m_relatorio;
    QScrollArea* m_rolagem = nullptr;
    FolhaRelatorio* m_folha = nullptr;
    QLabel* m_situacao = nullptr;
    int m_pagina = 0;
    double m_zoom = 1.0;
    int m_ajuste = 1; // 0 none, 1 page width, 2 whole page
};

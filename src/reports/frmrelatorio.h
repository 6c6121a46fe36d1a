#pragma once
#include <QMainWindow>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QPrinter;
class QScrollArea;
class QSpinBox;
class Relatorio;
class FolhaRelatorio;

// The preview window "Módulo de Relatórios": shows one page at a time,
// pages through the report, zooms, prints through the print dialog and
// saves a PDF. It is not modal: the caller goes on at once, and several
// previews may be open. It deletes itself when closed.
class FrmRelatorio : public QMainWindow {
    Q_OBJECT
public:
    FrmRelatorio(std::shared_ptr<const Relatorio> relatorio, const QString& titulo, QWidget* pai = nullptr);
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

    std::shared_ptr<const Relatorio> m_relatorio;
    QScrollArea* m_rolagem = nullptr;
    FolhaRelatorio* m_folha = nullptr;
    QLabel* m_situacao = nullptr;
    int m_pagina = 0;
    double m_zoom = 1.0;
    int m_ajuste = 1; // 0 none, 1 page width, 2 whole page
};

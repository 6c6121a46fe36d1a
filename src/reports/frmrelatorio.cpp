#include "frmrelatorio.h"
#include "formmodal.h"
#include "errorelatorio.h"
#include "mensagens.h"
#include "pintorrelatorio.h"
#include "relatorio.h"
#include "sessao.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTimer>
#include <QFileDialog>
#include <QLabel>
#include <QPainter>
#include <QRegularExpression>
#include <QtMath>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

// One page on screen, painted from the report's index whenever it shows.
class FolhaRelatorio : public QWidget {
public:
    FolhaRelatorio(const Relatorio& r, QWidget* pai) : QWidget(pai), m_relatorio(r)
    {
        setObjectName(QStringLiteral("folha"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    void defineZoom(double zoom)
    {
        m_zoom = zoom;
        const QSizeF t = m_relatorio.tamanhoPagina() * escala();
        setFixedSize(qCeil(t.width()), qCeil(t.height()));
        update();
    }
    void definePagina(int n)
    {
        m_pagina = n;
        update();
    }
    // Layout units to pixels of this widget.
    double escala() const { return m_zoom * logicalDpiX() / PintorRelatorio::UNIDADES_POR_POLEGADA; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.scale(escala(), escala());
        m_relatorio.pintaPagina(p, m_pagina);
    }

private:
    const Relatorio& m_relatorio;
    int m_pagina = 0;
    double m_zoom = 1.0;
};

bool passo_relatorio(const std::function<void()>& passo, bool espera)
{
    QString falha;
    if (espera)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        passo();
    } catch (const ErroRelatorio& e) {
        falha = e.texto();
    } catch (const ErroBanco& e) {
        falha = QStringLiteral("Erro no banco de dados ao gerar o relatório:\n%1").arg(e.descricao());
    } catch (const std::exception& e) {
        falha = QStringLiteral("Erro ao gerar o relatório: %1").arg(QString::fromLocal8Bit(e.what()));
    }
    if (espera)
        QGuiApplication::restoreOverrideCursor();
    if (falha.isEmpty())
        return true;
    mensagens().aviso(falha, Mensagens::Icone::Erro);
    return false;
}

namespace {

const double PASSOS[] = {0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0};
const int MARGEM = 16; // pixels of grey around the page

// A magnifying glass with a plus or a minus (the style has no zoom icons).
QIcon iconeZoom(bool mais)
{
    QPixmap px(32, 32);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x30, 0x40, 0x55), 3));
    p.drawEllipse(QRectF(4, 4, 18, 18));
    p.setPen(QPen(QColor(0x30, 0x40, 0x55), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 20), QPointF(28, 28));
    p.setPen(QPen(QColor(0x30, 0x40, 0x55), 2.5));
    p.drawLine(QPointF(8.5, 13), QPointF(17.5, 13));
    if (mais)
        p.drawLine(QPointF(13, 8.5), QPointF(13, 17.5));
    return QIcon(px);
}

} // namespace

FrmRelatorio::FrmRelatorio(std::shared_ptr<Relatorio> relatorio, const QString& titulo, QWidget* pai)
    : QMainWindow(pai, Qt::Window), m_relatorio(std::move(relatorio))
{
    setObjectName(QStringLiteral("FrmRelatorio"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(titulo);
    setAccessibleName(titulo);

    m_rolagem = new QScrollArea(this);
    m_rolagem->setObjectName(QStringLiteral("rolagem"));
    m_rolagem->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_rolagem->setBackgroundRole(QPalette::Dark);
    m_rolagem->setFocusPolicy(Qt::StrongFocus);
    // the page on a grey ground with a margin around it; the vertical bar
    // stays, so fitting to the width does not make it come and go
    m_rolagem->setWidgetResizable(true);
    m_rolagem->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* fundo = new QWidget(m_rolagem);
    fundo->setObjectName(QStringLiteral("fundo"));
    auto* camada = new QVBoxLayout(fundo);
    camada->setContentsMargins(MARGEM, MARGEM, MARGEM, MARGEM);
    m_folha = new FolhaRelatorio(*m_relatorio, fundo);
    m_folha->setAccessibleName(QStringLiteral("Página do relatório"));
    camada->addWidget(m_folha, 0, Qt::AlignHCenter | Qt::AlignTop);
    m_rolagem->setWidget(fundo);
    setCentralWidget(m_rolagem);
    // fitting follows the visible area, whenever it changes size
    m_rolagem->viewport()->installEventFilter(this);

    montaBarra();
    m_situacao = new QLabel(this);
    m_situacao->setObjectName(QStringLiteral("situacao"));
    statusBar()->addWidget(m_situacao, 1);

    resize(1000, 760);
    cabe_na_tela(*this); // a 768-pixel screen with a panel shows its status bar
    m_folha->defineZoom(m_zoom);
    aposEtapa();
    if (!m_relatorio->completo())
        QTimer::singleShot(0, this, &FrmRelatorio::continua);
}

void FrmRelatorio::continua()
{
    if (m_relatorio->completo())
        return;
    // a slice short enough for the window to stay responsive
    QElapsedTimer t;
    t.start();
    if (avancaEnquanto([&] { return t.elapsed() < 40; }, false) && !m_relatorio->completo())
        QTimer::singleShot(0, this, &FrmRelatorio::continua);
}

bool FrmRelatorio::completa()
{
    return m_relatorio->completo() || avancaEnquanto([] { return true; });
}

bool FrmRelatorio::avancaEnquanto(const std::function<bool()>& continua, bool espera)
{
    if (!passo_relatorio([&] { m_relatorio->avancaEnquanto(continua); }, espera)) {
        close(); // an unfinished report is not shown as if it were whole
        return false;
    }
    aposEtapa();
    return true;
}

void FrmRelatorio::aposEtapa()
{
    const bool completo = m_relatorio->completo();
    {
        const QSignalBlocker b(spinPagina);
        spinPagina->setRange(1, qMax(1, m_relatorio->paginas()));
    }
    lblPaginas->setText(completo ? QStringLiteral(" de %1 ").arg(m_relatorio->paginas()) : QStringLiteral(" de … "));
    if (completo)
        m_folha->update(); // the page count and the totals, final
    atualiza();
}

FrmRelatorio::~FrmRelatorio() = default;

void FrmRelatorio::montaBarra()
{
    QToolBar* barra = addToolBar(QStringLiteral("Relatório"));
    barra->setObjectName(QStringLiteral("barra"));
    barra->setMovable(false);
    barra->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto acao = [&](const char* nome, const QString& texto, const QIcon& icone, QKeySequence tecla, auto fn) {
        QAction* a = barra->addAction(icone, texto);
        a->setObjectName(QLatin1String(nome));
        a->setShortcut(tecla);
        a->setToolTip(tecla.isEmpty() ? texto : QStringLiteral("%1 (%2)").arg(texto, tecla.toString(QKeySequence::NativeText)));
        connect(a, &QAction::triggered, this, fn);
        return a;
    };
    acImprimir = acao("acImprimir", QStringLiteral("Imprimir..."), QIcon::fromTheme(QStringLiteral("document-print"), style()->standardIcon(QStyle::SP_FileDialogDetailedView)), QKeySequence::Print, [this] { imprime(); });
    acSalvarPdf = acao("acSalvarPdf", QStringLiteral("Salvar PDF..."), style()->standardIcon(QStyle::SP_DialogSaveButton), QKeySequence::Save, [this] { perguntaPdf(); });
    barra->addSeparator();
    acPrimeira = acao("acPrimeira", QStringLiteral("Primeira"), style()->standardIcon(QStyle::SP_MediaSkipBackward), QKeySequence(Qt::CTRL | Qt::Key_Home), [this] { mostraPagina(0); });
    acAnterior = acao("acAnterior", QStringLiteral("Anterior"), style()->standardIcon(QStyle::SP_MediaSeekBackward), QKeySequence(Qt::Key_PageUp), [this] { mostraPagina(m_pagina - 1); });
    auto* rotulo = new QLabel(QStringLiteral(" &Página "), barra);
    spinPagina = new QSpinBox(barra);
    spinPagina->setObjectName(QStringLiteral("spinPagina"));
    spinPagina->setAccessibleName(QStringLiteral("Página"));
    rotulo->setBuddy(spinPagina);
    connect(spinPagina, &QSpinBox::valueChanged, this, [this](int v) { mostraPagina(v - 1); });
    lblPaginas = new QLabel(barra);
    lblPaginas->setObjectName(QStringLiteral("lblPaginas"));
    barra->addWidget(rotulo);
    barra->addWidget(spinPagina);
    barra->addWidget(lblPaginas);
    acProxima = acao("acProxima", QStringLiteral("Próxima"), style()->standardIcon(QStyle::SP_MediaSeekForward), QKeySequence(Qt::Key_PageDown), [this] { mostraPagina(m_pagina + 1); });
    acUltima = acao("acUltima", QStringLiteral("Última"), style()->standardIcon(QStyle::SP_MediaSkipForward), QKeySequence(Qt::CTRL | Qt::Key_End), [this] {
        if (completa())
            mostraPagina(m_relatorio->paginas() - 1);
    });
    barra->addSeparator();
    acMenosZoom = acao("acMenosZoom", QStringLiteral("Reduzir"), iconeZoom(false), QKeySequence::ZoomOut, [this] {
        double z = PASSOS[0];
        for (double p : PASSOS)
            if (p < m_zoom - 0.01) z = p;
        m_ajuste = 0;
        defineZoom(z);
    });
    auto* rotuloZoom = new QLabel(QStringLiteral(" &Zoom "), barra);
    cmbZoom = new QComboBox(barra);
    cmbZoom->setObjectName(QStringLiteral("cmbZoom"));
    cmbZoom->setAccessibleName(QStringLiteral("Zoom"));
    cmbZoom->addItem(QStringLiteral("Largura da página"));
    cmbZoom->addItem(QStringLiteral("Página inteira"));
    for (double p : PASSOS)
        cmbZoom->addItem(QStringLiteral("%1%").arg(qRound(p * 100)), p);
    rotuloZoom->setBuddy(cmbZoom);
    connect(cmbZoom, &QComboBox::activated, this, &FrmRelatorio::escolheZoom);
    barra->addWidget(rotuloZoom);
    barra->addWidget(cmbZoom);
    acMaisZoom = acao("acMaisZoom", QStringLiteral("Ampliar"), iconeZoom(true), QKeySequence::ZoomIn, [this] {
        double z = PASSOS[std::size(PASSOS) - 1];
        for (auto it = std::rbegin(PASSOS); it != std::rend(PASSOS); ++it)
            if (*it > m_zoom + 0.01) z = *it;
        m_ajuste = 0;
        defineZoom(z);
    });
    // paging and zoom show their icons only; the name is in the tip
    for (QAction* a : {acPrimeira, acAnterior, acProxima, acUltima, acMenosZoom, acMaisZoom})
        if (auto* b = qobject_cast<QToolButton*>(barra->widgetForAction(a)))
            b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    barra->addSeparator();
    acFechar = acao("acFechar", QStringLiteral("Fechar"), style()->standardIcon(QStyle::SP_DialogCloseButton), QKeySequence(Qt::Key_Escape), [this] { close(); });
}

void FrmRelatorio::mostraPagina(int n)
{
    // a page not laid out yet: the layout goes on up to it
    if (n >= m_relatorio->paginas() && !m_relatorio->completo() && !avancaEnquanto([&] { return n >= m_relatorio->paginas(); }))
        return;
    n = qBound(0, n, m_relatorio->paginas() - 1);
    if (n == m_pagina && m_folha->isVisible())
        return atualiza();
    m_pagina = n;
    m_folha->definePagina(n);
    m_rolagem->verticalScrollBar()->setValue(0);
    atualiza();
}

void FrmRelatorio::defineZoom(double z)
{
    m_zoom = qBound(0.1, z, 8.0);
    m_folha->defineZoom(m_zoom);
    atualiza();
}

void FrmRelatorio::escolheZoom(int indice)
{
    if (indice <= 1) {
        m_ajuste = indice + 1;
        ajustaZoom();
        return;
    }
    m_ajuste = 0;
    defineZoom(cmbZoom->itemData(indice).toDouble());
}

// Fits the page to the window's width or whole into it.
void FrmRelatorio::ajustaZoom()
{
    if (m_ajuste == 0)
        return;
    const QSize area = m_rolagem->viewport()->size() - QSize(2 * MARGEM, 2 * MARGEM);
    const double umPorUm = m_folha->logicalDpiX() / PintorRelatorio::UNIDADES_POR_POLEGADA;
    const QSizeF pagina = m_relatorio->tamanhoPagina() * umPorUm;
    double z = area.width() / pagina.width();
    if (m_ajuste == 2)
        z = qMin(z, area.height() / pagina.height());
    defineZoom(qMax(0.1, z));
}

bool FrmRelatorio::eventFilter(QObject* o, QEvent* e)
{
    if (o == m_rolagem->viewport() && e->type() == QEvent::Resize)
        ajustaZoom();
    return QMainWindow::eventFilter(o, e);
}

void FrmRelatorio::atualiza()
{
    const int total = m_relatorio->paginas();
    const bool completo = m_relatorio->completo();
    acPrimeira->setEnabled(m_pagina > 0);
    acAnterior->setEnabled(m_pagina > 0);
    acProxima->setEnabled(m_pagina < total - 1 || !completo);
    acUltima->setEnabled(m_pagina < total - 1 || !completo);
    const QSignalBlocker b1(spinPagina);
    spinPagina->setValue(m_pagina + 1);
    const QSignalBlocker b2(cmbZoom);
    if (m_ajuste > 0) {
        cmbZoom->setCurrentIndex(m_ajuste - 1);
    } else {
        cmbZoom->setCurrentIndex(cmbZoom->findData(m_zoom)); // none for an odd zoom; the status line tells it
    }
    const int linhas = m_relatorio->dados().linhas();
    m_situacao->setText(QStringLiteral("%1   —   Página %2 de %3   —   %4 %5   —   Zoom %6%")
                            .arg(m_relatorio->titulo())
                            .arg(m_pagina + 1)
                            .arg(completo ? QString::number(total) : QStringLiteral("…"))
                            .arg(linhas)
                            .arg(linhas == 1 ? QStringLiteral("registro") : completo ? QStringLiteral("registros") : QStringLiteral("registros lidos…"))
                            .arg(qRound(m_zoom * 100)));
}

bool FrmRelatorio::salvaPdf(const QString& caminho)
{
    if (!completa())
        return false;
    try {
        m_relatorio->salvaPdf(caminho);
        return true;
    } catch (const ErroRelatorio& e) {
        mensagens().aviso(e.texto(), Mensagens::Icone::Erro);
    }
    return false;
}

void FrmRelatorio::perguntaPdf()
{
    QString nome = m_relatorio->titulo().isEmpty() ? QStringLiteral("relatorio") : m_relatorio->titulo();
    nome.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("-"));
    const QString caminho = QFileDialog::getSaveFileName(this, QStringLiteral("Salvar relatório em PDF"),
                                                         QDir::home().filePath(nome + QStringLiteral(".pdf")),
                                                         QStringLiteral("Arquivos PDF (*.pdf)"));
    if (caminho.isEmpty())
        return;
    salvaPdf(caminho.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) ? caminho : caminho + QStringLiteral(".pdf"));
}

void FrmRelatorio::imprime()
{
    if (!completa())
        return;
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setPageLayout(m_relatorio->layoutPagina());
    impressora.setFullPage(true);
    impressora.setDocName(m_relatorio->titulo());
    QPrintDialog dlg(&impressora, this);
    dlg.setWindowTitle(QStringLiteral("Imprimir"));
    dlg.setMinMax(1, m_relatorio->paginas());
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dlg.exec() != QDialog::Accepted)
        return;
    imprimeEm(impressora);
}

bool FrmRelatorio::imprimeEm(QPrinter& impressora)
{
    if (!completa())
        return false;
    try {
        m_relatorio->imprime(impressora);
        return true;
    } catch (const ErroRelatorio& e) {
        mensagens().aviso(e.texto(), Mensagens::Icone::Erro);
    }
    return false;
}

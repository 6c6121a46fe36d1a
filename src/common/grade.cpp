#include "grade.h"
#include "campos.h"
#include "filtroteclas.h"
#include "formatos.h"
#include "sessao.h"

#include <stdexcept>

#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <vector>

namespace {
// A field's value as a list keeps it: codes, dates and times as read; a
// text (a decimal among them) as the record set writes it.
QVariant valor_lido(const Recordset& rs, int campo)
{
    const QVariant v = rs.valor(campo);
    return v.typeId() == QMetaType::QString ? QVariant(rs.texto(campo)) : v;
}
} // namespace

QString ModeloGrade::formata(const QVariant& valor)
{
    if (valor.metaType() == QMetaType::fromType<Dinheiro>())
        return valor.value<Dinheiro>().moeda();
    return Recordset::comoTexto(valor);
}

QVariant ModeloGrade::data(const QModelIndex& i, int papel) const
{
    if (!i.isValid()) return {};
    if (papel == Qt::DisplayRole || papel == Qt::EditRole || papel == Qt::AccessibleTextRole)
        return texto(i.row(), i.column());
    if (papel == PapelValor)
        return valor(i.row(), i.column());
    if (papel == PapelCodigo)
        return codigo(i.row());
    if (papel == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(m_alinhamentos.value(i.column(), Qt::AlignLeft) | Qt::AlignVCenter));
    if (!m_avisos.isEmpty()) {
        const auto a = m_avisos.constFind(i.row());
        if (a != m_avisos.cend()) {
            if (papel == Qt::AccessibleDescriptionRole || papel == Qt::ToolTipRole)
                return *a;
            if (papel == Qt::ForegroundRole)
                return QColor(0xa0, 0x00, 0x00);
            if (papel == Qt::BackgroundRole)
                return QColor(0xff, 0xe4, 0xe4);
        }
    }
    return {};
}

void ModeloGrade::defineAviso(int linha, const QString& aviso)
{
    if (linha < 0 || linha >= m_numeroLinhas || m_avisos.value(linha) == aviso)
        return;
    if (aviso.isEmpty())
        m_avisos.remove(linha);
    else
        m_avisos.insert(linha, aviso);
    emit dataChanged(index(linha, 0), index(linha, m_numeroColunas - 1));
}

QVariant ModeloGrade::headerData(int secao, Qt::Orientation o, int papel) const
{
    if (o == Qt::Horizontal && (papel == Qt::DisplayRole || papel == Qt::AccessibleTextRole))
        return m_titulos.value(secao);
    if (o == Qt::Horizontal && papel == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return {};
}

void ModeloGrade::redimensiona(int linhas, int colunas)
{
    linhas = std::max(0, linhas);
    colunas = std::max(0, colunas);
    beginResetModel();
    if (colunas == m_numeroColunas) {
        m_valores.resize(qsizetype(linhas) * colunas);
    } else {
        QVector<QVariant> novos(qsizetype(linhas) * colunas);
        for (int l = 0; l < std::min(linhas, m_numeroLinhas); ++l)
            for (int c = 0; c < std::min(colunas, m_numeroColunas); ++c)
                novos[qsizetype(l) * colunas + c] = std::move(m_valores[qsizetype(l) * m_numeroColunas + c]);
        m_valores = std::move(novos);
    }
    m_codigos.resize(linhas);
    for (auto a = m_avisos.begin(); a != m_avisos.end();)
        a = a.key() >= linhas ? m_avisos.erase(a) : std::next(a);
    m_numeroLinhas = linhas;
    m_numeroColunas = colunas;
    m_titulos.resize(colunas);
    m_alinhamentos.resize(colunas, Qt::AlignLeft);
    endResetModel();
}

void ModeloGrade::acrescenta(int n)
{
    if (n <= 0)
        return;
    beginInsertRows({}, m_numeroLinhas, m_numeroLinhas + n - 1);
    m_valores.resize(qsizetype(m_numeroLinhas + n) * m_numeroColunas);
    m_codigos.resize(m_numeroLinhas + n);
    m_numeroLinhas += n;
    endInsertRows();
}

QVariant ModeloGrade::valor(int linha, int coluna) const
{
    return dentro(linha, coluna) ? m_valores[qsizetype(linha) * m_numeroColunas + coluna] : QVariant();
}

QString ModeloGrade::texto(int linha, int coluna) const
{
    if (!dentro(linha, coluna))
        return {};
    const QVariant& v = m_valores[qsizetype(linha) * m_numeroColunas + coluna];
    return v.typeId() == QMetaType::QString ? v.toString() : formata(v);
}

void ModeloGrade::defineValor(int linha, int coluna, const QVariant& valor, bool avisa)
{
    if (!dentro(linha, coluna))
        return;
    m_valores[qsizetype(linha) * m_numeroColunas + coluna] = valor;
    if (avisa)
        avisaCelula(linha, coluna);
}

void ModeloGrade::defineLinha(int linha, const QVariantList& valores, const QVariant& codigo, bool avisa)
{
    if (linha < 0 || linha >= m_numeroLinhas)
        return;
    const int n = std::min(int(valores.size()), m_numeroColunas);
    QVariant* celulas = m_valores.data() + qsizetype(linha) * m_numeroColunas;
    for (int c = 0; c < m_numeroColunas; ++c)
        celulas[c] = c < n ? valores[c] : QVariant();
    m_codigos[linha] = codigo;
    if (avisa && m_numeroColunas > 0)
        emit dataChanged(index(linha, 0), index(linha, m_numeroColunas - 1));
}

void ModeloGrade::avisaCelula(int linha, int coluna)
{
    const QModelIndex i = index(linha, coluna);
    emit dataChanged(i, i, {Qt::DisplayRole, PapelValor});
}

void ModeloGrade::defineTitulo(int coluna, const QString& t)
{
    if (coluna < 0 || coluna >= m_numeroColunas) return;
    m_titulos[coluna] = t;
    emit headerDataChanged(Qt::Horizontal, coluna, coluna);
}

void ModeloGrade::defineAlinhamento(int coluna, Qt::Alignment a)
{
    if (coluna < 0 || coluna >= m_numeroColunas) return;
    m_alinhamentos[coluna] = a & Qt::AlignHorizontal_Mask;
    if (m_numeroLinhas > 0) emit dataChanged(index(0, coluna), index(m_numeroLinhas - 1, coluna));
}

void ModeloGrade::avisaTudo()
{
    if (m_numeroLinhas > 0 && m_numeroColunas > 0)
        emit dataChanged(index(0, 0), index(m_numeroLinhas - 1, m_numeroColunas - 1));
}

// ------------------------------------------------------------------- Grade

Grade::Grade(QWidget* pai) : QTableView(pai), m_modelo(this)
{
    setModel(&m_modelo);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setAlternatingRowColors(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& atual) { emit linhaAtualMudou(atual.isValid() ? atual.row() : -1); });
    connect(&m_modelo, &QAbstractItemModel::modelReset, this, [this] {
        // selection model survives a reset; keep the current row on the first data row like a list grid
        if (m_modelo.rowCount() > 0 && m_modelo.columnCount() > 0)
            selectionModel()->setCurrentIndex(m_modelo.index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    });
}

void Grade::defineNumeroLinhas(int n) { m_modelo.redimensiona(n, m_modelo.colunas()); }

void Grade::defineNumeroColunas(int n) { m_modelo.redimensiona(m_modelo.linhas(), n); }

void Grade::mostraCabecalho(bool mostra) { horizontalHeader()->setVisible(mostra); }

void Grade::defineTitulo(int coluna, const QString& t)
{
    m_modelo.defineTitulo(coluna, t);
    agenda_ajuste();
}

void Grade::defineValor(int linha, int coluna, const QVariant& valor)
{
    m_modelo.defineValor(linha, coluna, valor, m_carregando == 0);
    agenda_ajuste();
}

void Grade::defineLinha(int linha, const QVariantList& valores, const QVariant& codigo)
{
    m_modelo.defineLinha(linha, valores, codigo, m_carregando == 0);
    agenda_ajuste();
}

std::optional<Dinheiro> Grade::dinheiro(int linha, int coluna) const
{
    const QVariant v = valor(linha, coluna);
    if (v.metaType() == QMetaType::fromType<Dinheiro>())
        return v.value<Dinheiro>();
    return Dinheiro::leTexto(texto(linha, coluna));
}

void Grade::agenda_ajuste()
{
    if (m_ajustePendente)
        return;
    m_ajustePendente = true;
    QTimer::singleShot(0, this, [this] { ajustaLarguras(); });
}

void Grade::ajustaLarguras()
{
    m_ajustePendente = false;
    const QFontMetrics fm(font());
    const int folga = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + fm.horizontalAdvance(QStringLiteral("  "));
    for (int c = 0; c < colunas(); ++c) {
        if (isColumnHidden(c))
            continue;
        int largura = 0;
        if (!horizontalHeader()->isHidden())
            largura = horizontalHeader()->fontMetrics().horizontalAdvance(titulo(c))
                      + 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader()) + folga / 2;
        // the widest text is among the longest: a list of years of data is
        // measured in a few dozen strings, not in all of them
        std::vector<std::pair<qsizetype, int>> longos; // length, row
        longos.reserve(linhas());
        for (int l = 0; l < linhas(); ++l)
            if (const qsizetype n = texto(l, c).size(); n > 0)
                longos.emplace_back(n, l);
        constexpr std::size_t MEDIDOS = 48;
        if (longos.size() > MEDIDOS)
            std::nth_element(longos.begin(), longos.begin() + MEDIDOS, longos.end(), std::greater<>());
        for (std::size_t i = 0; i < std::min(MEDIDOS, longos.size()); ++i)
            largura = std::max(largura, fm.horizontalAdvance(texto(longos[i].second, c)) + folga);
        if (largura > columnWidth(c))
            setColumnWidth(c, largura);
    }
}

void Grade::defineLarguraColuna(int coluna, int pixels)
{
    setColumnHidden(coluna, pixels <= 0);
    if (pixels > 0)
        setColumnWidth(coluna, pixels);
}

int Grade::larguraColuna(int coluna) const { return isColumnHidden(coluna) ? 0 : columnWidth(coluna); }

void Grade::defineColunas(const QList<ColunaGrade>& colunas)
{
    defineNumeroColunas(int(colunas.size()));
    for (int c = 0; c < colunas.size(); ++c) {
        defineTitulo(c, colunas[c].titulo);
        defineLarguraColuna(c, colunas[c].largura);
        if (colunas[c].alinhamento)
            defineAlinhamento(c, colunas[c].alinhamento);
    }
}

int Grade::larguraDe(const QList<ColunaGrade>& colunas)
{
    int largura = 40;
    for (const ColunaGrade& c : colunas)
        largura += c.largura;
    return largura;
}

int Grade::linhaAtual() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() : -1;
}

void Grade::defineLinhaAtual(int linha)
{
    if (linha < 0 || linha >= linhas()) return;
    setCurrentIndex(m_modelo.index(linha, std::max(0, currentIndex().column())));
}

int Grade::colunaAtual() const { return std::max(0, currentIndex().column()); }

void Grade::defineColunaAtual(int coluna)
{
    if (coluna < 0 || coluna >= colunas() || linhas() < 1) return;
    setCurrentIndex(m_modelo.index(std::max(0, currentIndex().row()), coluna));
}

QRect Grade::geometriaCelula(int linha, int coluna) const
{
    if (linha < 0) return {};
    const QRect r = visualRect(m_modelo.index(linha, coluna));
    return QRect(viewport()->mapTo(this, r.topLeft()), r.size());
}

void Grade::limpa(int linhas)
{
    const int c = m_modelo.colunas();
    m_modelo.redimensiona(0, c);
    m_modelo.redimensiona(std::max(0, linhas), c);
}

void Grade::carrega(Recordset& rs, const QStringList& campos, int linhasMinimas)
{
    limpa(rs.recordCount());
    QVector<int> indices; // each column's field found once, not per row
    for (const QString& campo : campos)
        indices << (campo.isEmpty() ? -1 : rs.indice(campo));
    {
        Carga carga(*this);
        QVariantList valores(indices.size());
        for (int linha = 0; !rs.eof(); ++linha, rs.moveNext()) {
            for (int c = 0; c < indices.size(); ++c)
                valores[c] = indices[c] >= 0 ? valor_lido(rs, indices[c]) : QVariant();
            m_modelo.defineLinha(linha, valores, {}, false);
        }
    }
    agenda_ajuste();
    if (linhas() < linhasMinimas)
        defineNumeroLinhas(linhasMinimas);
}

void Grade::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    emit rolou();
    cancelaEdicao(); // the box would stand over another cell
}

// ------------------------------------------------------ in-place editing

void Grade::editaColunas(const QHash<int, int>& tiposPorColuna, int colunaDaLinha)
{
    m_editaveis = tiposPorColuna;
    m_colunaDaLinha = colunaDaLinha;
    if (m_editor || m_editaveis.isEmpty())
        return;
    m_editor = new QLineEdit(this);
    m_editor->setObjectName(QStringLiteral("editorCelula"));
    m_editor->setAccessibleName(QStringLiteral("Edição da célula")); // the column's header once it opens
    m_editor->setFrame(false);
    m_editor->hide();
    m_editor->installEventFilter(this);
    // Enter belongs to the grid and its editor, not to a form's Enter-as-Tab
    setProperty("enterProprio", true);
    m_editor->setProperty("enterProprio", true);
    connect(this, &QAbstractItemView::doubleClicked, this, [this] {
        if (iniciaEdicao())
            m_pontoAbertura = m_pontoDuploClique;
    });
}

bool Grade::editando() const { return m_editor && m_editor->isVisible(); }

bool Grade::editavel(int linha, int coluna) const
{
    if (!m_editor || !m_editaveis.contains(coluna) || linha < 0 || linha >= linhas())
        return false;
    return !texto(linha, m_colunaDaLinha >= 0 ? m_colunaDaLinha : coluna).isEmpty();
}

bool Grade::iniciaEdicao()
{
    const int linha = linhaAtual(), coluna = colunaAtual();
    m_pontoAbertura.reset();
    if (!editavel(linha, coluna))
        return false;
    cancelaEdicao();
    const QModelIndex celula = m_modelo.index(linha, coluna);
    scrollTo(celula);
    m_linhaEditada = linha;
    m_colunaEditada = coluna;
    const QString cabecalho = titulo(coluna);
    m_editor->setAccessibleName(cabecalho.isEmpty() ? QStringLiteral("Edição da célula") : cabecalho);
    m_editor->setAlignment(celula.data(Qt::TextAlignmentRole).value<Qt::Alignment>());
    m_editor->setGeometry(geometriaCelula(linha, coluna));
    m_editor->setText(texto(linha, coluna));
    m_editor->show();
    m_editor->raise();
    m_editor->setFocus(Qt::OtherFocusReason);
    m_editor->selectAll();
    return true;
}

void Grade::confirmaEdicao()
{
    if (!editando())
        return;
    const int linha = m_linhaEditada, coluna = m_colunaEditada;
    const int tipo = m_editaveis.value(coluna);
    formata_campo(m_editor, tipo);
    const QString texto = m_editor->text();
    // an amount that is not money stays in the box, as the notice asked, to be corrected
    if (tipo == CampoDinheiro && !Dinheiro::leTexto(texto)) {
        m_editor->setFocus(Qt::OtherFocusReason);
        m_editor->selectAll();
        return;
    }
    if (m_regra && !m_regra(linha, coluna, texto)) {
        m_editor->setFocus(Qt::OtherFocusReason);
        m_editor->selectAll();
        return;
    }
    m_linhaEditada = m_colunaEditada = -1; // leaving the box no longer discards
    m_editor->hide();
    if (!texto.isEmpty() || tipo == 0) // a plain text may be emptied
        defineValor(linha, coluna, texto);
    setFocus(Qt::OtherFocusReason);
    emit celulaEditada(linha, coluna);
}

void Grade::cancelaEdicao()
{
    if (!m_editor || m_linhaEditada < 0)
        return;
    m_linhaEditada = m_colunaEditada = -1;
    const bool tinhaFoco = m_editor->hasFocus();
    m_editor->hide();
    if (tinhaFoco)
        setFocus(Qt::OtherFocusReason);
}

void Grade::mouseDoubleClickEvent(QMouseEvent* e)
{
    m_pontoDuploClique = e->globalPosition().toPoint();
    QTableView::mouseDoubleClickEvent(e);
}

void Grade::keyPressEvent(QKeyEvent* e)
{
    if (!m_editaveis.isEmpty()) {
        // Enter and F2 edit like a double click; elsewhere they do nothing
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_F2) {
            iniciaEdicao();
            e->accept();
            return;
        }
        // a key typed on an editable cell replaces its text, starting with that key
        if (tecla_de_texto(e) && editavel(linhaAtual(), colunaAtual())) {
            iniciaEdicao();
            QKeyEvent tecla(QEvent::KeyPress, e->key(), e->modifiers(), e->text(), e->isAutoRepeat(), ushort(e->count()));
            QCoreApplication::sendEvent(m_editor, &tecla);
            e->accept();
            return;
        }
    }
    if (e->key() == Qt::Key_End && !(e->modifiers() & (Qt::ShiftModifier | Qt::AltModifier))) {
        emit fimPedido();
        // in a list of rows End goes to the last row, as Ctrl+End does
        if (selectionBehavior() == QAbstractItemView::SelectRows && linhas() > 0) {
            defineLinhaAtual(linhas() - 1);
            e->accept();
            return;
        }
    }
    QTableView::keyPressEvent(e);
}

bool Grade::eventFilter(QObject* alvo, QEvent* e)
{
    if (alvo != m_editor)
        return QTableView::eventFilter(alvo, e);
    // a notice over the form takes the focus for a moment: the edit stays
    if (saiu_do_campo(e) && m_linhaEditada >= 0) {
        cancelaEdicao();
        return false;
    }
    if (m_pontoAbertura) {
        switch (e->type()) {
        case QEvent::KeyPress:
            m_pontoAbertura.reset(); // the text is being changed: the mouse acts as usual
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
            if (doGestoDeAbertura(e)) {
                if (e->type() != QEvent::MouseMove)
                    m_editor->selectAll();
                return true;
            }
            if (e->type() == QEvent::MouseButtonPress)
                m_pontoAbertura.reset();
            break;
        default:
            break;
        }
    }
    if (e->type() != QEvent::KeyPress)
        return false;
    auto* k = static_cast<QKeyEvent*>(e);
    switch (k->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        confirmaEdicao();
        return true;
    case Qt::Key_Escape:
        cancelaEdicao();
        return true;
    default:
        break;
    }
    return descarta_tecla(k, m_editor, m_editaveis.value(m_colunaEditada));
}

bool Grade::doGestoDeAbertura(const QEvent* e) const
{
    const QPoint ponto = static_cast<const QMouseEvent*>(e)->globalPosition().toPoint();
    return m_pontoAbertura && (ponto - *m_pontoAbertura).manhattanLength() < QApplication::startDragDistance();
}

Grade::Carga::Carga(Grade& g) : m_grade(g) { ++m_grade.m_carregando; }
Grade::Carga::~Carga()
{
    if (--m_grade.m_carregando == 0)
        m_grade.m_modelo.avisaTudo();
}

Dinheiro soma_coluna(const Grade& grade, int coluna)
{
    Dinheiro total;
    for (int linha = 0; linha < grade.linhas(); ++linha) {
        const QString t = grade.texto(linha, coluna);
        if (t.isEmpty())
            break;
        const auto valor = grade.dinheiro(linha, coluna);
        if (!valor) // a total that left a value out would be wrong
            throw std::invalid_argument(mensagem_valor_invalido(t).toStdString());
        total += *valor;
    }
    return total;
}

QVariant coluna_moeda(const Recordset& rs, int campo) { return QVariant::fromValue(rs.dinheiro(campo)); }

QVariantList celulas_do_registro(const Recordset& rs, const QList<ColunaGrade>& colunas)
{
    QVariantList celulas;
    celulas.reserve(colunas.size());
    for (const ColunaGrade& c : colunas) {
        const int i = c.campo.isEmpty() ? -1 : rs.indice(c.campo);
        if (i < 0)
            celulas << QVariant();
        else
            celulas << (c.leitura ? c.leitura(rs, i) : valor_lido(rs, i));
    }
    return celulas;
}

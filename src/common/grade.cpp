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

QVariant ModeloGrade::data(const QModelIndex& i, int papel) const
{
    if (!i.isValid()) return {};
    if (papel == Qt::DisplayRole || papel == Qt::EditRole || papel == Qt::AccessibleTextRole)
        return texto(i.row(), i.column());
    if (papel == PapelValor)
        return valor(i.row(), i.column());
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
    if (linha < 0 || linha >= m_linhas || m_avisos.value(linha) == aviso)
        return;
    if (aviso.isEmpty())
        m_avisos.remove(linha);
    else
        m_avisos.insert(linha, aviso);
    emit dataChanged(index(linha, 0), index(linha, m_colunas - 1));
}

QVariant ModeloGrade::headerData(int secao, Qt::Orientation o, int papel) const
{
    if (o == Qt::Horizontal && (papel == Qt::DisplayRole || papel == Qt::AccessibleTextRole))
        return m_cabecalho.value(secao);
    if (o == Qt::Horizontal && papel == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return {};
}

void ModeloGrade::redimensiona(int linhas, int colunas)
{
    linhas = std::max(0, linhas);
    colunas = std::max(0, colunas);
    beginResetModel();
    if (colunas == m_colunas) {
        m_celulas.resize(qsizetype(linhas) * colunas);
    } else {
        QVector<QString> novas(qsizetype(linhas) * colunas);
        for (int l = 0; l < std::min(linhas, m_linhas); ++l)
            for (int c = 0; c < std::min(colunas, m_colunas); ++c)
                novas[qsizetype(l) * colunas + c] = std::move(m_celulas[qsizetype(l) * m_colunas + c]);
        m_celulas = std::move(novas);
    }
    for (auto a = m_avisos.begin(); a != m_avisos.end();)
        a = a.key() >= linhas ? m_avisos.erase(a) : std::next(a);
    for (auto v = m_valores.begin(); v != m_valores.end();) {
        if (v.key() >= colunas) {
            v = m_valores.erase(v);
            continue;
        }
        v->resize(linhas);
        ++v;
    }
    m_linhas = linhas;
    m_colunas = colunas;
    m_cabecalho.resize(colunas);
    m_alinhamentos.resize(colunas, Qt::AlignLeft);
    endResetModel();
}

void ModeloGrade::acrescenta(int n)
{
    if (n <= 0)
        return;
    beginInsertRows({}, m_linhas, m_linhas + n - 1);
    m_celulas.resize(qsizetype(m_linhas + n) * m_colunas);
    for (QVector<QVariant>& v : m_valores)
        v.resize(m_linhas + n);
    m_linhas += n;
    endInsertRows();
}

const QString& ModeloGrade::texto(int linha, int coluna) const
{
    static const QString vazio;
    if (linha < 0 || linha >= m_linhas || coluna < 0 || coluna >= m_colunas) return vazio;
    return m_celulas[qsizetype(linha) * m_colunas + coluna];
}

QVariant ModeloGrade::valor(int linha, int coluna) const
{
    const auto v = m_valores.constFind(coluna);
    return v == m_valores.cend() ? QVariant() : v->value(linha);
}

void ModeloGrade::defineCelula(int linha, int coluna, const QVariant& conteudo, bool avisa)
{
    if (conteudo.typeId() == QMetaType::QString || !conteudo.isValid()) {
        defineTexto(linha, coluna, conteudo.toString(), avisa);
        return;
    }
    if (linha < 0 || linha >= m_linhas || coluna < 0 || coluna >= m_colunas) return;
    QVector<QVariant>& valores = m_valores[coluna];
    valores.resize(m_linhas);
    valores[linha] = conteudo;
    const QString texto = conteudo.metaType() == QMetaType::fromType<Dinheiro>() ? conteudo.value<Dinheiro>().moeda()
                                                                                 : Recordset::comoTexto(conteudo);
    escreveTexto(linha, coluna, texto, avisa);
}

void ModeloGrade::defineTexto(int linha, int coluna, const QString& t, bool avisa)
{
    if (linha < 0 || linha >= m_linhas || coluna < 0 || coluna >= m_colunas) return;
    if (const auto v = m_valores.find(coluna); v != m_valores.end())
        (*v)[linha] = QVariant();
    escreveTexto(linha, coluna, t, avisa);
}

void ModeloGrade::escreveTexto(int linha, int coluna, const QString& t, bool avisa)
{
    m_celulas[qsizetype(linha) * m_colunas + coluna] = t;
    if (avisa) {
        const QModelIndex i = index(linha, coluna);
        emit dataChanged(i, i, {Qt::DisplayRole, PapelValor});
    }
}

void ModeloGrade::defineCabecalho(int coluna, const QString& t)
{
    if (coluna < 0 || coluna >= m_colunas) return;
    m_cabecalho[coluna] = t;
    emit headerDataChanged(Qt::Horizontal, coluna, coluna);
}

void ModeloGrade::defineAlinhamento(int coluna, Qt::Alignment a)
{
    if (coluna < 0 || coluna >= m_colunas) return;
    m_alinhamentos[coluna] = a & Qt::AlignHorizontal_Mask;
    if (m_linhas > 0) emit dataChanged(index(0, coluna), index(m_linhas - 1, coluna));
}

void ModeloGrade::avisaTudo()
{
    if (m_linhas > 0 && m_colunas > 0)
        emit dataChanged(index(0, 0), index(m_linhas - 1, m_colunas - 1));
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
            [this](const QModelIndex& atual) { emit linhaAtualMudou(atual.isValid() ? atual.row() + m_fixas : m_fixas - 1); });
    connect(&m_modelo, &QAbstractItemModel::modelReset, this, [this] {
        // selection model survives a reset; keep the current row on the first data row like a list grid
        if (m_modelo.rowCount() > 0 && m_modelo.columnCount() > 0)
            selectionModel()->setCurrentIndex(m_modelo.index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    });
}

void Grade::setRows(int n) { m_modelo.redimensiona(std::max(m_fixas, n) - m_fixas, m_modelo.columnCount()); }

void Grade::setFixedRows(int n)
{
    m_fixas = n > 0 ? 1 : 0;
    horizontalHeader()->setVisible(m_fixas == 1);
}
void Grade::setCols(int n) { m_modelo.redimensiona(m_modelo.rowCount(), n); }

QString Grade::textMatrix(int linha, int coluna) const
{
    if (linha < m_fixas) return m_modelo.cabecalho(coluna);
    return m_modelo.texto(linha - m_fixas, coluna);
}

void Grade::setTextMatrix(int linha, int coluna, const QString& t)
{
    if (linha < m_fixas) m_modelo.defineCabecalho(coluna, t);
    else m_modelo.defineTexto(linha - m_fixas, coluna, t, m_carregando == 0);
    agenda_ajuste();
}

void Grade::defineCelula(int linha, int coluna, const QVariant& conteudo)
{
    if (linha < m_fixas)
        return;
    m_modelo.defineCelula(linha - m_fixas, coluna, conteudo, m_carregando == 0);
    agenda_ajuste();
}

std::optional<Dinheiro> Grade::dinheiro(int linha, int coluna) const
{
    const QVariant v = valor(linha, coluna);
    if (v.metaType() == QMetaType::fromType<Dinheiro>())
        return v.value<Dinheiro>();
    return Dinheiro::leTexto(textMatrix(linha, coluna));
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
    for (int c = 0; c < cols(); ++c) {
        if (isColumnHidden(c))
            continue;
        int largura = 0;
        if (!horizontalHeader()->isHidden())
            largura = horizontalHeader()->fontMetrics().horizontalAdvance(m_modelo.cabecalho(c))
                      + 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader()) + folga / 2;
        // the widest text is among the longest: a list of years of data is
        // measured in a few dozen strings, not in all of them
        std::vector<std::pair<qsizetype, int>> longos; // length, row
        longos.reserve(m_modelo.rowCount());
        for (int l = 0; l < m_modelo.rowCount(); ++l)
            if (const qsizetype n = m_modelo.texto(l, c).size(); n > 0)
                longos.emplace_back(n, l);
        constexpr std::size_t MEDIDOS = 48;
        if (longos.size() > MEDIDOS)
            std::nth_element(longos.begin(), longos.begin() + MEDIDOS, longos.end(), std::greater<>());
        for (std::size_t i = 0; i < std::min(MEDIDOS, longos.size()); ++i)
            largura = std::max(largura, fm.horizontalAdvance(m_modelo.texto(longos[i].second, c)) + folga);
        if (largura > columnWidth(c))
            setColumnWidth(c, largura);
    }
}

void Grade::setColWidth(int coluna, int twips)
{
    const int px = twips <= 0 ? 0 : std::max(1, (twips * logicalDpiX() + 720) / 1440);
    if (px == 0) setColumnHidden(coluna, true);
    else { setColumnHidden(coluna, false); setColumnWidth(coluna, px); }
}

int Grade::colWidth(int coluna) const
{
    if (isColumnHidden(coluna)) return 0;
    return columnWidth(coluna) * 1440 / std::max(1, logicalDpiX());
}

void Grade::setColAlignment(int coluna, Qt::Alignment a) { m_modelo.defineAlinhamento(coluna, a); }

void Grade::defineColunas(const QList<ColunaGrade>& colunas)
{
    setCols(int(colunas.size()));
    for (int c = 0; c < colunas.size(); ++c) {
        setTextMatrix(0, c, colunas[c].titulo);
        setColWidth(c, colunas[c].largura);
        if (colunas[c].alinhamento)
            setColAlignment(c, colunas[c].alinhamento);
    }
}

int Grade::larguraDe(const QList<ColunaGrade>& colunas)
{
    int largura = 40;
    for (const ColunaGrade& c : colunas)
        largura += c.largura / 15;
    return largura;
}

int Grade::row() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() + m_fixas : m_fixas - 1;
}

void Grade::setRow(int linha)
{
    if (linha < m_fixas || linha >= rows()) return;
    const int c = std::max(0, currentIndex().column());
    setCurrentIndex(m_modelo.index(linha - m_fixas, c));
}

int Grade::col() const { return std::max(0, currentIndex().column()); }

void Grade::setCol(int coluna)
{
    if (coluna < 0 || coluna >= cols() || m_modelo.rowCount() < 1) return;
    const int l = std::max(0, currentIndex().row());
    setCurrentIndex(m_modelo.index(l, coluna));
}

QRect Grade::cellGeometry(int linha, int coluna) const
{
    if (linha < m_fixas) return {};
    const QRect r = visualRect(m_modelo.index(linha - m_fixas, coluna));
    return QRect(viewport()->mapTo(this, r.topLeft()), r.size());
}

void Grade::limpa(int linhas)
{
    const int c = m_modelo.columnCount();
    m_modelo.redimensiona(0, c);
    m_modelo.redimensiona(std::max(0, linhas), c);
}

void Grade::preenche(Recordset& rs, const QStringList& campos, int minimo)
{
    limpa(rs.recordCount());
    QVector<int> indices; // each column's field found once, not per row
    for (const QString& campo : campos)
        indices << (campo.isEmpty() ? -1 : rs.indice(campo));
    {
        Carga carga(*this);
        for (int linha = m_fixas; !rs.eof(); ++linha, rs.moveNext())
            for (int c = 0; c < indices.size(); ++c)
                if (indices[c] >= 0)
                    setTextMatrix(linha, c, rs.texto(indices[c]));
    }
    if (rows() < minimo)
        setRows(minimo);
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
    m_editor->setObjectName(QStringLiteral("Text1"));
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
    if (!m_editor || !m_editaveis.contains(coluna) || linha < m_fixas || linha >= rows())
        return false;
    return !textMatrix(linha, m_colunaDaLinha >= 0 ? m_colunaDaLinha : coluna).isEmpty();
}

bool Grade::iniciaEdicao()
{
    const int linha = row(), coluna = col();
    m_pontoAbertura.reset();
    if (!editavel(linha, coluna))
        return false;
    cancelaEdicao();
    const QModelIndex celula = m_modelo.index(linha - m_fixas, coluna);
    scrollTo(celula);
    m_linhaEditada = linha;
    m_colunaEditada = coluna;
    const QString cabecalho = m_modelo.cabecalho(coluna);
    m_editor->setAccessibleName(cabecalho.isEmpty() ? QStringLiteral("Edição da célula") : cabecalho);
    m_editor->setAlignment(celula.data(Qt::TextAlignmentRole).value<Qt::Alignment>());
    m_editor->setGeometry(cellGeometry(linha, coluna));
    m_editor->setText(textMatrix(linha, coluna));
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
        setTextMatrix(linha, coluna, texto);
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
        if (tecla_de_texto(e) && editavel(row(), col())) {
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
        if (selectionBehavior() == QAbstractItemView::SelectRows && rows() > m_fixas) {
            setRow(rows() - 1);
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
    for (int linha = 1; linha < grade.rows(); ++linha) {
        const QString t = grade.textMatrix(linha, coluna);
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
            celulas << QString();
        else
            celulas << (c.leitura ? c.leitura(rs, i) : QVariant(rs.texto(i)));
    }
    return celulas;
}

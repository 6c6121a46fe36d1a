#include "campos.h"
#include "formatos.h"

#include <QDateEdit>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

QLineEdit* nova_caixa(QWidget* pai, const QString& nome, int maximo)
{
    auto* e = new QLineEdit(pai);
    e->setObjectName(nome);
    if (maximo > 0)
        e->setMaxLength(maximo);
    return e;
}

QLabel* novo_rotulo(const QString& texto, QWidget* buddy, QWidget* pai)
{
    auto* l = new QLabel(texto, pai);
    if (buddy) {
        l->setBuddy(buddy);
        QString nome = texto;
        buddy->setAccessibleName(nome.remove(QLatin1Char('&')));
    }
    return l;
}

QPushButton* novo_botao(const QString& caption, const QString& nome, QWidget* pai)
{
    auto* b = new QPushButton(caption, pai);
    b->setObjectName(nome);
    b->setAutoDefault(false);
    return b;
}

QLabel* novo_titulo(const QString& texto, const QString& nome, QWidget* pai)
{
    auto* l = new QLabel(texto, pai);
    l->setObjectName(nome);
    QFont f = l->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    l->setFont(f);
    return l;
}

QLabel* asterisco(QWidget* pai)
{
    auto* l = new QLabel(QStringLiteral("*"), pai);
    l->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    l->setToolTip(QStringLiteral("Campo obrigatório"));
    return l;
}

QHBoxLayout* linha_de_botoes(std::initializer_list<QPushButton*> botoes)
{
    auto* h = new QHBoxLayout;
    h->addStretch();
    for (QPushButton* b : botoes)
        h->addWidget(b);
    return h;
}

QLabel* faixa_titulo(const QString& texto, const QString& nome, QWidget* pai)
{
    auto* l = new QLabel(texto, pai);
    l->setObjectName(nome);
    l->setAlignment(Qt::AlignCenter);
    l->setMargin(6);
    l->setStyleSheet(QStringLiteral("background: #1f3b5a; color: white; font-size: 14pt; font-weight: bold;"));
    return l;
}

QDateEdit* novo_seletor_data(QWidget* pai, const QString& nome)
{
    auto* d = new QDateEdit(pai);
    d->setObjectName(nome);
    d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    d->setCalendarPopup(true);
    return d;
}

QPlainTextEdit* nova_caixa_texto(QWidget* pai, const QString& nome, int maximo)
{
    auto* e = new QPlainTextEdit(pai);
    e->setObjectName(nome);
    e->setTabChangesFocus(true);
    QObject::connect(e, &QPlainTextEdit::textChanged, e, [e, maximo] {
        const QString t = e->toPlainText();
        if (t.size() <= maximo)
            return;
        QTextCursor c = e->textCursor();
        const int pos = std::min(int(c.position()), maximo);
        e->setPlainText(t.left(maximo));
        c = e->textCursor();
        c.setPosition(pos);
        e->setTextCursor(c);
    });
    return e;
}

void destaca_valor(QLineEdit* caixa)
{
    caixa->setStyleSheet(QStringLiteral("QLineEdit { background: #ffff80; font-weight: bold; }"));
    QFont negrito = caixa->font();
    negrito.setBold(true);
    const QString maior = Dinheiro::deCentavos(999999999999999).moeda(); // "R$ 9.999.999.999.999,99"
    const QMargins m = caixa->textMargins();
    // the text, its margins and the frame's (a line edit keeps about 4 pixels each side)
    const int largura = QFontMetrics(negrito).horizontalAdvance(maior) + m.left() + m.right() + 12;
    caixa->setMinimumWidth(largura);
    caixa->setMaximumWidth(std::max(caixa->maximumWidth(), largura));
}

QLineEdit* linha_campo(QGridLayout* g, int linha, int coluna, const QString& rotulo, const QString& nome,
                       int maximo, bool obrigatorio, int largura)
{
    QWidget* pai = g->parentWidget();
    QLineEdit* e = nova_caixa(pai, nome, maximo);
    g->addWidget(novo_rotulo(rotulo, e, pai), linha, coluna);
    // the box, its "*" right beside it, and room to the right when the box is short
    auto* celula = new QHBoxLayout;
    celula->setSpacing(4);
    celula->addWidget(e, 1);
    if (obrigatorio) {
        marca_obrigatorio(e);
        celula->addWidget(asterisco(pai));
    }
    celula->addStretch(0);
    g->addLayout(celula, linha, coluna + 1, 1, largura);
    return e;
}

namespace {
class SelecionaAoEntrar : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* alvo, QEvent* e) override
    {
        if (e->type() == QEvent::FocusIn)
            if (auto* c = qobject_cast<QLineEdit*>(alvo))
                QTimer::singleShot(0, c, [c] { c->selectAll(); });
        return false;
    }
};
} // namespace

void seleciona_ao_entrar(QLineEdit* caixa) { caixa->installEventFilter(new SelecionaAoEntrar(caixa)); }

bool saiu_do_campo(const QEvent* e)
{
    if (e->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason r = static_cast<const QFocusEvent*>(e)->reason();
    return r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason;
}

qint64 valor_numerico(const QString& texto)
{
    qint64 v = 0;
    bool negativo = false, inicio = true;
    for (QChar c : texto) {
        if (c.isSpace()) continue;
        if (inicio && (c == QLatin1Char('-') || c == QLatin1Char('+'))) { negativo = c == QLatin1Char('-'); inicio = false; continue; }
        if (!c.isDigit() || c.unicode() > 127) break;
        inicio = false;
        if (v > 99999999999999LL) break; // beyond any code; stop before overflowing
        v = v * 10 + c.digitValue();
    }
    return negativo ? -v : v;
}

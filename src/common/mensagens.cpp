#include "mensagens.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {

QString tituloOuPadrao(const QString& t)
{
    return t.isEmpty() ? QGuiApplication::applicationDisplayName() : t;
}

QMessageBox::Icon icone(Mensagens::Icone i)
{
    switch (i) {
    case Mensagens::Icone::Informacao: return QMessageBox::Information;
    case Mensagens::Icone::Erro: return QMessageBox::Critical;
    default: return QMessageBox::NoIcon;
    }
}

class MensagensQt final : public Mensagens {
public:
    void aviso(const QString& texto, Icone i, const QString& titulo) override
    {
        QMessageBox box(icone(i), tituloOuPadrao(titulo), texto, QMessageBox::Ok, QApplication::activeWindow());
        box.exec();
    }
    bool pergunta(const QString& texto, const QString& titulo, Icone i) override
    {
        QMessageBox box(icone(i), tituloOuPadrao(titulo), texto, QMessageBox::Yes | QMessageBox::No,
                        QApplication::activeWindow());
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Sim"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&Não"));
        return box.exec() == QMessageBox::Yes;
    }
    std::optional<QString> entrada(const QString& prompt, const QString& titulo, const QString& padrao) override
    {
        QInputDialog dlg(QApplication::activeWindow());
        dlg.setWindowTitle(tituloOuPadrao(titulo));
        dlg.setLabelText(prompt);
        dlg.setTextValue(padrao);
        dlg.setOkButtonText(QStringLiteral("OK"));
        dlg.setCancelButtonText(QStringLiteral("Cancelar"));
        // The apostrophe is refused here as in every other field (typed or
        // pasted); Enter accepts the box.
        if (auto* caixa = dlg.findChild<QLineEdit*>())
            caixa->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^']*")), caixa));
        if (dlg.exec() != QDialog::Accepted)
            return std::nullopt;
        return dlg.textValue();
    }
};

MensagensQt g_qt;
Mensagens* g_atual = nullptr;

} // namespace

Mensagens& mensagens() { return g_atual ? *g_atual : static_cast<Mensagens&>(g_qt); }
void instala_mensagens(Mensagens* m) { g_atual = m; }

bool confirma_exclusao(const QString& oque, const QString& nome)
{
    return mensagens().pergunta(QStringLiteral("Confirma a exclusão ") + oque + QLatin1Char(' ') + nome + QLatin1Char('?'));
}

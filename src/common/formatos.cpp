#include "formatos.h"
#include "datas.h"
#include "mensagens.h"
#include "valoresnegativos.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextEdit>
#include <QWidget>

void filtra_apostrofo(int& keyAscii)
{
    if (keyAscii == 39)
        keyAscii = 0;
}

void registro_nao_localizado(QLineEdit* caixa)
{
    informa(QStringLiteral("Registro não localizado!"));
    if (!caixa) return;
    caixa->setFocus(Qt::OtherFocusReason);
    caixa->home(false);
    caixa->end(true);
}

void formata_campo(QLineEdit* caixa, int tipo)
{
    const QString t = caixa->text();
    switch (tipo) {
    case CampoData:
        if (!t.isEmpty()) {
            const QDate d = le_data(t);
            caixa->setText(d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : QString());
        }
        break;
    case CampoDinheiro:
        // text that is not an amount, or an amount below zero (pasted: the
        // keys never type a minus), stays as typed for the user to correct;
        // it never turns into zero or a debt unnoticed
        if (const auto valor = Dinheiro::leTexto(t)) {
            if (confere_nao_negativo(caixa))
                caixa->setText(valor->moeda());
        } else if (!t.trimmed().isEmpty()) {
            informa(mensagem_valor_invalido(t));
        } else {
            caixa->setText(Dinheiro().moeda());
        }
        break;
    case CampoInteiro:
        if (!Dinheiro::leTexto(t))
            caixa->clear();
        break;
    default:
        break;
    }
}

void filtra_tecla(QLineEdit* caixa, int tipo, int& keyAscii)
{
    if (keyAscii == 8)
        return;
    const bool digito = keyAscii >= 48 && keyAscii <= 57;
    switch (tipo) {
    case CampoData:
        if (!digito) { keyAscii = 0; return; }
        if (caixa->text().size() == 2) { caixa->setText(caixa->text() + QLatin1Char('/')); caixa->end(false); }
        if (caixa->text().size() == 5) { caixa->setText(caixa->text() + QLatin1Char('/')); caixa->end(false); }
        break;
    case CampoDinheiro:
        // the point too: the numeric keypad's decimal key types it, and
        // dropping it would turn 12.50 into 1250
        if (!digito && keyAscii != 44 && keyAscii != 46) keyAscii = 0;
        break;
    case CampoInteiro:
        if (!digito) keyAscii = 0;
        break;
    case CampoDecimal:
        if (!digito && keyAscii != 44 && keyAscii != 45) keyAscii = 0;
        break;
    default:
        break;
    }
}

void limpa_campos(QWidget* form)
{
    for (QLineEdit* e : form->findChildren<QLineEdit*>()) {
        // the editors inside spin boxes, combo boxes and date pickers are not text boxes
        if (qobject_cast<QLineEdit*>(e) && e->parentWidget() && e->parentWidget()->inherits("QAbstractSpinBox"))
            continue;
        if (e->parentWidget() && e->parentWidget()->inherits("QComboBox"))
            continue;
        e->clear();
    }
    for (QPlainTextEdit* e : form->findChildren<QPlainTextEdit*>()) e->clear();
    for (QTextEdit* e : form->findChildren<QTextEdit*>()) e->clear();
}

void marca_obrigatorio(QWidget* caixa, bool obrigatorio)
{
    caixa->setProperty("Tag", obrigatorio ? QStringLiteral("*") : QString());
}

bool verifica_obrigatorios(QWidget* form)
{
    for (QLineEdit* e : form->findChildren<QLineEdit*>()) {
        if (e->property("Tag").toString() == QLatin1String("*") && e->text().isEmpty()) {
            informa(QStringLiteral("Verifique se os campos obrigatórios foram preenchidos corretamente!"));
            return false;
        }
    }
    return true;
}

void centraliza_form(QWidget* form)
{
    const QScreen* tela = form->screen() ? form->screen() : QGuiApplication::primaryScreen();
    if (!tela) return;
    const QRect area = tela->availableGeometry();
    const QSize tamanho = form->frameGeometry().size().isValid() ? form->frameGeometry().size() : form->sizeHint();
    form->move(area.left() + (area.width() - tamanho.width()) / 2, area.top() + (area.height() - tamanho.height()) / 2);
}

QString mensagem_valor_invalido(const QString& texto)
{
    return QStringLiteral("O valor \"%1\" não é válido. Informe-o como 1.234,50.").arg(texto.trimmed());
}

bool confere_nao_negativo(QLineEdit* caixa)
{
    const auto valor = Dinheiro::leTexto(caixa->text());
    if (!valor || *valor >= Dinheiro())
        return true;
    informa(mensagem_valor_negativo(caixa->text()));
    return false;
}

std::optional<Dinheiro> le_valor_campo(QLineEdit* caixa)
{
    formata_campo(caixa, CampoDinheiro);
    const auto valor = Dinheiro::leTexto(caixa->text());
    if (!valor || *valor < Dinheiro())
        return std::nullopt;
    return valor;
}

QString nome_proprio(const QString& texto)
{
    QString r = texto.toLower();
    bool inicio = true;
    for (QChar& c : r) {
        if (c.isLetter() || c.isDigit()) {
            if (inicio) c = c.toUpper();
            inicio = false;
        } else {
            inicio = c.isSpace();
        }
    }
    return r;
}

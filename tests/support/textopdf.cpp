#include "textopdf.h"
#include "formularios.h"
#include "frmrelatorio.h"

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace apoio {

namespace {

// pdftotext's output for the file with the options given (empty, and the
// test failed, when it fails).
QString pdftotext(const QString& caminho, const QStringList& opcoes)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), opcoes + QStringList{QStringLiteral("-enc"), QStringLiteral("UTF-8"), caminho, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        QTest::qFail(qPrintable(QStringLiteral("pdftotext falhou em %1: %2").arg(caminho, QString::fromUtf8(p.readAllStandardError()))),
                     __FILE__, __LINE__);
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

QStringList paginas_pdf(const QString& caminho, bool linhas)
{
    QString texto = pdftotext(caminho, linhas ? QStringList{QStringLiteral("-layout")} : QStringList());
    texto.replace(QChar(0x00A0), QLatin1Char(' '));
    static const QRegularExpression brancos(QStringLiteral("[ \\t]+"));
    texto.replace(brancos, QStringLiteral(" "));
    QStringList paginas = texto.split(QChar(0x0C)); // form feed between pages
    if (!paginas.isEmpty() && paginas.last().trimmed().isEmpty())
        paginas.removeLast();
    return paginas;
}

QList<PalavraPdf> palavras_pdf(const QString& caminho)
{
    static const QRegularExpression palavra(
        QStringLiteral("<word xMin=\"([-0-9.]+)\" yMin=\"([-0-9.]+)\" xMax=\"([-0-9.]+)\" yMax=\"([-0-9.]+)\">([^<]*)</word>"));
    QList<PalavraPdf> r;
    for (const auto& m : palavra.globalMatch(pdftotext(caminho, {QStringLiteral("-bbox")}))) {
        QString t = m.captured(5);
        t.replace(QStringLiteral("&lt;"), QStringLiteral("<")).replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\"")).replace(QStringLiteral("&apos;"), QStringLiteral("'"))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        r.append({t, QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                            QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return r;
}

QString texto_pdf(const QString& caminho) { return paginas_pdf(caminho).join(QLatin1Char('\n')); }

QString plano(QString texto)
{
    static const QRegularExpression brancos(QStringLiteral("\\s+"));
    return texto.replace(brancos, QStringLiteral(" "));
}

void confere_textos(const QString& texto, const QStringList& frases)
{
    for (const QString& f : frases)
        if (!texto.contains(f))
            QTest::qFail(qPrintable(f + QStringLiteral(" não está em: ") + texto), __FILE__, __LINE__);
}

void fecha_previas()
{
    for (FrmRelatorio* f : previas_abertas())
        delete f;
}

void ao_abrir_previa(std::function<void(FrmRelatorio&)> acao)
{
    ao_abrir_janela([acao = std::move(acao)](QWidget& janela) {
        auto* previa = qobject_cast<FrmRelatorio*>(&janela);
        if (!previa) {
            janela.close();
            QTest::qFail(qPrintable(QStringLiteral("esperada uma prévia, abriu-se ") + QString::fromLatin1(janela.metaObject()->className())),
                         __FILE__, __LINE__);
            return;
        }
        if (acao)
            acao(*previa);
        previa->close();
    });
}

QString texto_da_previa(FrmRelatorio& previa, const QString& pasta)
{
    const QString pdf = pasta + QStringLiteral("/documento.pdf");
    return previa.salvaPdf(pdf) ? plano(texto_pdf(pdf)) : QString();
}

QList<FrmRelatorio*> previas_abertas()
{
    QList<FrmRelatorio*> r;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<FrmRelatorio*>(w); f && f->isVisible())
            r.append(f);
    return r;
}

} // namespace apoio

#include "datas.h"
#include "relogio.h"

#include <QRegularExpression>

QDate le_data(const QString& texto)
{
    const QString t = texto.trimmed();
    static const QRegularExpression dmy(QStringLiteral("^(\\d{1,2})[/.-](\\d{1,2})[/.-](\\d{2}|\\d{4})$"));
    static const QRegularExpression ymd(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
    auto m = ymd.match(t);
    if (m.hasMatch())
        return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    m = dmy.match(t);
    if (!m.hasMatch())
        return QDate();
    int ano = m.captured(3).toInt();
    if (m.captured(3).size() == 2) {
        // a sliding window around this year: up to 20 years ahead (due
        // dates, guarantees), otherwise the past
        const int atual = Relogio::hoje().year();
        ano += atual - atual % 100;
        if (ano > atual + 20)
            ano -= 100;
        else if (ano <= atual - 80)
            ano += 100;
    }
    return QDate(ano, m.captured(2).toInt(), m.captured(1).toInt());
}

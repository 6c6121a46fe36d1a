#include "camposformula.h"
#include "errorelatorio.h"

#include <QRegularExpression>

QHash<QString, QString> le_campos_formula(const std::array<QString, 10>& formulas)
{
    static const QRegularExpression atribuicao(QStringLiteral("^\\s*([A-Za-z_][A-Za-z0-9_]*)\\s*=\\s*(.*)$"),
                                               QRegularExpression::DotMatchesEverythingOption);
    QHash<QString, QString> campos;
    for (const QString& f : formulas) {
        if (f.trimmed().isEmpty())
            continue;
        const auto m = atribuicao.match(f);
        if (!m.hasMatch())
            throw ErroRelatorio(QStringLiteral("Campo de fórmula inválido: %1 (esperado Nome='valor')").arg(f));
        QString valor = m.captured(2);
        const QChar aspa = valor.isEmpty() ? QChar() : valor.front();
        if (aspa == QLatin1Char('\'') || aspa == QLatin1Char('"')) {
            while (valor.size() > 1 && valor.back().isSpace())
                valor.chop(1);
            const qsizetype fim = valor.lastIndexOf(aspa);
            valor = fim > 0 ? valor.mid(1, fim - 1) : valor.mid(1);
        } else {
            valor = valor.trimmed();
        }
        campos.insert(m.captured(1).toLower(), valor);
    }
    return campos;
}

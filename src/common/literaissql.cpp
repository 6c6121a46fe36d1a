#include "literaissql.h"
#include "datas.h"
#include "dinheiro.h"

#include <stdexcept>

QString data_sql(const QString& data)
{
    if (data.isEmpty()) return QString();
    const QDate d = le_data(data);
    return d.isValid() ? d.toString(QStringLiteral("yyyy-MM-dd")) : QString();
}

QString valor_sql(const QString& valor)
{
    const auto d = Dinheiro::leTexto(valor);
    if (!d)
        throw std::invalid_argument("valor_sql: texto não é um valor em dinheiro");
    return d->sql();
}

QString texto_sql(const QString& texto)
{
    QString t = texto;
    return t.replace(QLatin1Char('\''), QStringLiteral("''"));
}

#include "parcelas.h"
#include "datas.h"

#include <QStringList>

std::optional<QVector<Parcela>> calcula_parcelas(const QString& regra, const QString& total, const QString& dataBase,
                                                 const QDate& hoje)
{
    const auto valor = Dinheiro::leTexto(total);
    const QDate base = le_data(dataBase);
    if (regra.isEmpty() || !valor || !base.isValid())
        return std::nullopt;

    const QStringList itens = regra.split(QLatin1Char('\\'));
    const int n = int(itens.size());
    if (regra == QLatin1String("A vista"))
        return *valor == Dinheiro() ? QVector<Parcela>{} : QVector<Parcela>{{QStringLiteral("1/1"), hoje, *valor}};

    const Dinheiro cada = valor->divididoPor(n);
    const Dinheiro primeira = *valor - Dinheiro::deCentavos(cada.centavos() * (n - 1));
    QVector<Parcela> plano;
    plano.reserve(n);
    for (int i = 0; i < n; ++i) {
        const QString item = itens[i].trimmed();
        QDate vencimento;
        if (item == QLatin1String("Entrada")) {
            vencimento = hoje;
        } else {
            // a number of days; a fraction is rounded to whole days, half away from zero
            const auto dias = Dinheiro::leTexto(item);
            if (!dias || item.contains(QStringLiteral("R$")))
                return std::nullopt;
            const qint64 c = dias->centavos();
            const qint64 inteiros = c >= 0 ? (c + 50) / 100 : -((-c + 50) / 100);
            vencimento = base.addDays(inteiros);
        }
        const Dinheiro parte = i == 0 ? primeira : cada;
        if (parte != Dinheiro())
            plano.append({QString(), vencimento, parte});
    }
    for (int i = 0; i < plano.size(); ++i)
        plano[i].rotulo = QStringLiteral("%1/%2").arg(i + 1).arg(plano.size());
    return plano;
}

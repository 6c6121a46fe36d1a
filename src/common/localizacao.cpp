#include "localizacao.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void configura_locale()
{
    const QLocale brasil(QLocale::Portuguese, QLocale::Brazil);
    QLocale::setDefault(brasil);
    auto* app = QCoreApplication::instance();
    const QString nome = QStringLiteral("qtbase_pt_BR");
    if (!app || app->findChild<QTranslator*>(nome, Qt::FindDirectChildrenOnly))
        return;
    auto* traducao = new QTranslator(app); // lives as long as the application
    traducao->setObjectName(nome);
    if (traducao->load(brasil, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traducao);
}

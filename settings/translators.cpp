#include "translators.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString builtIn = QStringLiteral(":/i18n");

// Installs the translator when its file loads; it belongs to the application either way.
void install(QTranslator *translator, bool loaded)
{
    if (loaded)
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void installTranslators(const QLocale &locale)
{
    QCoreApplication *app = QCoreApplication::instance();
    // Installed first, so searched last. The locale's languages are its uiLanguages(): LANGUAGE,
    // then LC_ALL, LC_MESSAGES and LANG, as other programs read them.
    auto *english = new QTranslator(app);
    install(english, english->load(QStringLiteral("quorlane_en"), builtIn));
    auto *qt = new QTranslator(app);
    install(qt,
            qt->load(locale,
                     QStringLiteral("qtbase"),
                     QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    auto *own = new QTranslator(app);
    install(own, own->load(locale, QStringLiteral("quorlane"), QStringLiteral("_"), builtIn));
}

#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

QString loadOwn(QTranslator& translator, const QLocale& locale, const QString& folder) {
    // QTranslator walks uiLanguages() ("de-AT", "de") and the names made
    // shorter at each "_" (gridmason_de_AT.qm, gridmason_de.qm).
    if (!translator.load(locale, QStringLiteral("gridmason"), QStringLiteral("_"), folder))
        return {};
    return translator.language();
}

} // namespace

QString Translations::Install(const QLocale& locale, const QString& folder) {
    auto* own = new QTranslator(QCoreApplication::instance());
    const QString language = loadOwn(*own, locale, folder);
    if (language.isEmpty()) {
        delete own;
        return {};
    }
    QCoreApplication::installTranslator(own);
    // Qt's texts in the language of ours, never in another: a language the
    // program has no translation for keeps the whole window English rather
    // than mixing English menus with translated buttons.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return language;
}

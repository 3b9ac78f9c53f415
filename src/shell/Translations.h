#pragma once

#include <QLocale>
#include <QString>

// The program's texts in the user's language: gridmason_<language>.qm from
// the program's translations folder, and with it Qt's own texts (standard
// buttons, file dialogs) for the same language.
class Translations {
public:
    // Installs into the running application the translations of the first
    // language of `locale`'s uiLanguages() that `folder` holds, with Qt's
    // for that language when Qt's folder has them. Returns the language
    // installed ("de_DE", "de"), or an empty text when none was: then every
    // text stays English, Qt's included.
    static QString Install(const QLocale& locale, const QString& folder);
};

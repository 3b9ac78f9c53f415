#pragma once

#include "IoResult.h"

#include <QTextBrowser>

// Help, User Guide: the guide's Markdown and its pictures in a window of
// their own. Local files are read as every input file is, bounded, so a
// damaged or strange guide folder cannot hang or flood the program.
class UserGuideBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit UserGuideBrowser(QWidget* parent = nullptr);

    // Shows the guide `guideFile` (Markdown); why not when it cannot be
    // read, leaving what was shown before.
    IoResult ShowGuide(const QString& guideFile);

protected:
    QVariant loadResource(int type, const QUrl& name) override;
};

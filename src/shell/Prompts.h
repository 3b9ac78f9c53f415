#pragma once

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

// Every message box, modal dialog and file dialog of the program goes
// through the installed Prompts. The program installs one that shows real
// windows; tests install a scripted one that records what was asked and
// answers it, so that no test ever waits on a modal window.
class Prompts {
public:
    enum class Icon { None, Critical, Question, Exclamation, Information };
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    // A file dialog request. `filters` are Qt name filters such as
    // "All Levels (Level??.ck?)"; `filterIndex` is 1-based, in and out.
    struct FileRequest {
        bool save = false;
        QString caption;
        QString initialDir;
        QString fileName;
        QStringList filters;
        int filterIndex = 1;
        bool fileMustExist = false;
        bool overwritePrompt = false;
        QWidget* owner = nullptr;
    };

    virtual ~Prompts() = default;

    // A modal message box. An empty title means the program's title.
    virtual Answer Message(QWidget* owner, const QString& text, const QString& title,
                           Buttons buttons, Icon icon) = 0;
    // Shows `dialog` modally and returns once it has been hidden.
    virtual void RunModal(QDialog& dialog) = 0;
    // A file dialog: true with the chosen full path in `chosen` (and the
    // final filter in request.filterIndex), false when cancelled.
    virtual bool ChooseFile(FileRequest& request, QString& chosen) = 0;

    // The installed implementation (the real windows when none is set).
    static Prompts& Current();
    // Installs `prompts` (not owned); nullptr goes back to the real windows.
    static void Install(Prompts* prompts);
};

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
    // SaveDiscardCancel: the platform's own Save, Discard (Don't Save,
    // Close Without Saving) and Cancel. OverwriteSaveAsCancel: "Overwrite",
    // "Save As" and Cancel, for a file another program changed.
    // SaveAllDiscardAllCancel: "Save All" (Save), "Discard All" (Discard)
    // and Cancel, asked once for several levels.
    enum class Buttons {
        Ok,
        YesNo,
        YesNoCancel,
        SaveDiscardCancel,
        OverwriteSaveAsCancel,
        SaveAllDiscardAllCancel
    };
    enum class Answer { Ok, Yes, No, Cancel, Save, Discard, Overwrite, SaveAs };

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
        // Several existing files may be chosen at once (open only).
        bool multiSelect = false;
        QWidget* owner = nullptr;
    };

    virtual ~Prompts() = default;

    // A modal message box. An empty title means the program's title.
    virtual Answer Message(QWidget* owner, const QString& text, const QString& title,
                           Buttons buttons, Icon icon) = 0;
    // Shows `dialog` modally and returns once it has been hidden.
    virtual void RunModal(QDialog& dialog) = 0;
    // A file dialog: true with the chosen full paths in `chosen` (one,
    // unless request.multiSelect) and the final filter in
    // request.filterIndex; false when cancelled.
    virtual bool ChooseFile(FileRequest& request, QStringList& chosen) = 0;

    // Whether the platform's own file dialogs are used: unless the settings
    // file says "[Options] NativeDialogs=false" (or no, off, 0).
    static bool NativeDialogsWanted();
    // The same rule for the setting's text.
    static bool NativeDialogsWanted(const QString& setting);
    // Name filters whose patterns match file names in any letter case in a
    // dialog that matches them case-sensitively (GTK's): each pattern
    // followed by its upper-case and lower-case forms where they differ.
    // "Keen 1 Levels (Level??.ck1)" gives
    // "Keen 1 Levels (Level??.ck1 LEVEL??.CK1 level??.ck1)".
    static QStringList AnyCaseFilters(const QStringList& filters);

    // The installed implementation (the real windows when none is set).
    static Prompts& Current();
    // Installs `prompts` (not owned); nullptr goes back to the real windows.
    static void Install(Prompts* prompts);
};

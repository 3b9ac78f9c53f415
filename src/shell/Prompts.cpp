#include "Prompts.h"

#include "Settings.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace {

const QString ProgramTitle = QStringLiteral("Gridmason");

QMessageBox::Icon toQtIcon(Prompts::Icon icon) {
    switch (icon) {
    case Prompts::Icon::None:
        return QMessageBox::NoIcon;
    case Prompts::Icon::Critical:
        return QMessageBox::Critical;
    case Prompts::Icon::Question:
        return QMessageBox::Question;
    case Prompts::Icon::Exclamation:
        return QMessageBox::Warning;
    case Prompts::Icon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

Prompts::Answer toAnswer(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return Prompts::Answer::Yes;
    case QMessageBox::No:
        return Prompts::Answer::No;
    case QMessageBox::Cancel:
        return Prompts::Answer::Cancel;
    case QMessageBox::Save:
        return Prompts::Answer::Save;
    case QMessageBox::Discard:
        return Prompts::Answer::Discard;
    default:
        return Prompts::Answer::Ok;
    }
}

// The real windows: Qt message boxes and the platform's file dialogs (or
// Qt's own, when the settings file asks for it).
class WindowPrompts : public Prompts {
public:
    Answer Message(QWidget* owner, const QString& text, const QString& title, Buttons buttons,
                   Icon icon) override {
        QMessageBox box(owner);
        box.setWindowTitle(title.isEmpty() ? ProgramTitle : title);
        box.setIcon(toQtIcon(icon));
        box.setTextFormat(Qt::PlainText);
        // Messages break their lines with CR LF; a label wants plain LF.
        box.setText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
        if (buttons == Buttons::OverwriteSaveAsCancel)
            return askOverwriteSaveAsCancel(box);
        if (buttons == Buttons::SaveAllDiscardAllCancel)
            return askSaveAllDiscardAllCancel(box);
        setButtons(box, buttons);
        const int result = box.exec();
        // A box closed without a button (Escape with Yes/No) counts as its
        // escape button's answer, which Qt has already mapped.
        return toAnswer(result);
    }

    void RunModal(QDialog& dialog) override { dialog.exec(); }

    bool ChooseFile(FileRequest& request, QStringList& chosen) override {
        QFileDialog dialog(request.owner, request.caption, request.initialDir);
        // Qt's own dialog matches name filters in any letter case; the
        // platform's may not, so it is given each pattern in both cases.
        const bool native = NativeDialogsWanted();
        const QStringList filters = native ? AnyCaseFilters(request.filters) : request.filters;
        dialog.setOption(QFileDialog::DontUseNativeDialog, !native);
        // Where the platform has no dialog of its own Qt's stands in: it
        // names the filters without their list of patterns in both cases.
        dialog.setOption(QFileDialog::HideNameFilterDetails, native);
        dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(request.save            ? QFileDialog::AnyFile
                           : request.multiSelect   ? QFileDialog::ExistingFiles
                           : request.fileMustExist ? QFileDialog::ExistingFile
                                                   : QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite,
                         !(request.save && request.overwritePrompt));
        if (!filters.isEmpty()) {
            dialog.setNameFilters(filters);
            const int index = request.filterIndex - 1;
            if (index >= 0 && index < filters.size())
                dialog.selectNameFilter(filters.at(index));
        }
        if (!request.fileName.isEmpty())
            dialog.selectFile(request.fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return false;
        chosen = dialog.selectedFiles();
        if (!request.multiSelect)
            chosen = chosen.mid(0, 1);
        const int selected = filterIndex(filters, dialog.selectedNameFilter());
        if (selected >= 0)
            request.filterIndex = selected + 1;
        return true;
    }

private:
    // The filter the dialog names `selected`: with its details hidden the
    // dialog names it by its description alone.
    static int filterIndex(const QStringList& filters, const QString& selected) {
        for (int i = 0; i < filters.size(); ++i) {
            const QString& filter = filters.at(i);
            if (filter == selected ||
                filter.left(filter.lastIndexOf(QLatin1String(" ("))) == selected)
                return i;
        }
        return -1;
    }

    static void setButtons(QMessageBox& box, Buttons buttons) {
        switch (buttons) {
        case Buttons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            box.setDefaultButton(QMessageBox::Ok);
            break;
        case Buttons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            break;
        case Buttons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
        case Buttons::SaveDiscardCancel:
            box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Save);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
        case Buttons::OverwriteSaveAsCancel:
        case Buttons::SaveAllDiscardAllCancel:
            break; // buttons of their own, below
        }
    }

    // Save As is the default: it keeps both the other program's file and
    // the level being edited.
    static Answer askOverwriteSaveAsCancel(QMessageBox& box) {
        QPushButton* overwrite = box.addButton(QCoreApplication::translate("Prompts", "&Overwrite"),
                                               QMessageBox::DestructiveRole);
        QPushButton* saveAs = box.addButton(QCoreApplication::translate("Prompts", "Save &As"),
                                            QMessageBox::AcceptRole);
        QPushButton* cancel = box.addButton(QMessageBox::Cancel);
        overwrite->setObjectName(QStringLiteral("overwriteButton"));
        saveAs->setObjectName(QStringLiteral("saveAsButton"));
        box.setDefaultButton(saveAs);
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == overwrite)
            return Answer::Overwrite;
        if (box.clickedButton() == saveAs)
            return Answer::SaveAs;
        return Answer::Cancel;
    }

    static Answer askSaveAllDiscardAllCancel(QMessageBox& box) {
        QPushButton* save = box.addButton(QCoreApplication::translate("Prompts", "&Save All"),
                                          QMessageBox::AcceptRole);
        QPushButton* discard = box.addButton(QCoreApplication::translate("Prompts", "&Discard All"),
                                             QMessageBox::DestructiveRole);
        QPushButton* cancel = box.addButton(QMessageBox::Cancel);
        save->setObjectName(QStringLiteral("saveAllButton"));
        discard->setObjectName(QStringLiteral("discardAllButton"));
        box.setDefaultButton(save);
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == save)
            return Answer::Save;
        if (box.clickedButton() == discard)
            return Answer::Discard;
        return Answer::Cancel;
    }
};

Prompts* g_Installed = nullptr;

const QString OptionsSection = QStringLiteral("Options");
const QString NativeDialogsKey = QStringLiteral("NativeDialogs");

// A pattern's forms in the other letter cases, after it, once each.
QString anyCasePatterns(const QString& patterns) {
    QStringList forms;
    for (const QString& pattern : patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        for (const QString& form : {pattern, pattern.toUpper(), pattern.toLower()}) {
            if (!forms.contains(form))
                forms << form;
        }
    }
    return forms.join(QLatin1Char(' '));
}

} // namespace

bool Prompts::NativeDialogsWanted() {
    return NativeDialogsWanted(Settings::Read(OptionsSection, NativeDialogsKey));
}

bool Prompts::NativeDialogsWanted(const QString& setting) {
    static const QStringList off = {QStringLiteral("false"), QStringLiteral("no"),
                                    QStringLiteral("off"), QStringLiteral("0")};
    return !off.contains(setting.trimmed(), Qt::CaseInsensitive);
}

QStringList Prompts::AnyCaseFilters(const QStringList& filters) {
    // "Description (patterns)", the form QFileDialog takes.
    static const QRegularExpression form(QStringLiteral("^(.*\\()([^()]*)(\\))$"));
    QStringList result;
    for (const QString& filter : filters) {
        const QRegularExpressionMatch match = form.match(filter);
        result << (match.hasMatch()
                       ? match.captured(1) + anyCasePatterns(match.captured(2)) + match.captured(3)
                       : filter);
    }
    return result;
}

Prompts& Prompts::Current() {
    static WindowPrompts windows;
    return g_Installed ? *g_Installed : windows;
}

void Prompts::Install(Prompts* prompts) {
    g_Installed = prompts;
}

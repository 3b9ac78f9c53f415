#include "Prompts.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

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
    default:
        return Prompts::Answer::Ok;
    }
}

// The real windows: Qt message boxes and Qt's own file dialog, the same on
// every desktop.
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
        setButtons(box, buttons);
        const int result = box.exec();
        // A box closed without a button (Escape with Yes/No) counts as its
        // escape button's answer, which Qt has already mapped.
        return toAnswer(result);
    }

    void RunModal(QDialog& dialog) override { dialog.exec(); }

    bool ChooseFile(FileRequest& request, QString& chosen) override {
        QFileDialog dialog(request.owner, request.caption, request.initialDir);
        // Qt's own dialog: the same on every desktop, and its name filters
        // match file names in any letter case.
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile
                                                 : QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite,
                         !(request.save && request.overwritePrompt));
        if (!request.filters.isEmpty()) {
            dialog.setNameFilters(request.filters);
            const int index = request.filterIndex - 1;
            if (index >= 0 && index < request.filters.size())
                dialog.selectNameFilter(request.filters.at(index));
        }
        if (!request.fileName.isEmpty())
            dialog.selectFile(request.fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return false;
        chosen = dialog.selectedFiles().constFirst();
        const qsizetype selected = request.filters.indexOf(dialog.selectedNameFilter());
        if (selected >= 0)
            request.filterIndex = int(selected) + 1;
        return true;
    }

private:
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
        }
    }
};

Prompts* g_Installed = nullptr;

} // namespace

Prompts& Prompts::Current() {
    static WindowPrompts windows;
    return g_Installed ? *g_Installed : windows;
}

void Prompts::Install(Prompts* prompts) {
    g_Installed = prompts;
}

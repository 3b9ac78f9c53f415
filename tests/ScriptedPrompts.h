#pragma once

// A Prompts implementation for tests: it records every message box, modal
// dialog and file dialog the program asks for and answers them from queues,
// so that no test ever waits on a modal window.
//
//   ScriptedPrompts prompts;
//   ScopedPrompts installed(prompts);
//   prompts.answers.push_back(Prompts::Answer::Cancel);
//   prompts.dialogs.push_back([](QDialog& d) { ScriptedPrompts::click(d, "OK"); });
//   prompts.files.push_back(ScriptedPrompts::File::Choose("/tmp/LEVEL01.CK1"));
//   prompts.files.push_back(ScriptedPrompts::File::ChooseAll({"/tmp/A.CK1", "/tmp/B.CK1"}));

#include "Prompts.h"

#include <QAbstractButton>
#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

class ScriptedPrompts : public Prompts {
public:
    // One message box as it was asked for.
    struct MessageRecord {
        QWidget* owner = nullptr;
        QString text;
        QString title; // as given; empty means the program's title
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
    };

    // One modal dialog as it was shown.
    struct Dialog {
        QString className;
        QString title;
    };

    // The answer to one file dialog.
    struct File {
        bool accept = false;
        QStringList paths;
        int filterIndex = 0; // 0 leaves the request's index as it was

        static File Choose(const QString& path, int filterIndex = 0) {
            return {true, {path}, filterIndex};
        }
        static File ChooseAll(const QStringList& paths) { return {true, paths, 0}; }
        static File Cancel() { return {}; }
    };

    // ---- What was asked ----
    std::vector<MessageRecord> messages;
    std::vector<Dialog> shownDialogs;
    std::vector<FileRequest> fileRequests;

    // ---- The answers, taken from the front ----
    std::deque<Answer> answers;
    // Called with the dialog shown (not modal); it may fill fields, send
    // keys and click buttons. The dialog is hidden afterwards if the
    // callback left it visible, which counts as closing it (a cancel).
    std::deque<std::function<void(QDialog&)>> dialogs;
    std::deque<File> files;

    // Answers used when `answers` is empty, per button set.
    Answer defaultOk = Answer::Ok;
    Answer defaultYesNo = Answer::No;
    Answer defaultYesNoCancel = Answer::Cancel;
    Answer defaultSaveDiscardCancel = Answer::Cancel;
    Answer defaultOverwriteSaveAsCancel = Answer::Cancel;
    Answer defaultSaveAllDiscardAllCancel = Answer::Cancel;

    Answer Message(QWidget* owner, const QString& text, const QString& title, Buttons buttons,
                   Icon icon) override {
        messages.push_back({owner, text, title, buttons, icon});
        if (!answers.empty()) {
            Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        switch (buttons) {
        case Buttons::Ok:
            return defaultOk;
        case Buttons::YesNo:
            return defaultYesNo;
        case Buttons::YesNoCancel:
            return defaultYesNoCancel;
        case Buttons::SaveDiscardCancel:
            return defaultSaveDiscardCancel;
        case Buttons::OverwriteSaveAsCancel:
            return defaultOverwriteSaveAsCancel;
        case Buttons::SaveAllDiscardAllCancel:
            return defaultSaveAllDiscardAllCancel;
        }
        return defaultOk;
    }

    void RunModal(QDialog& dialog) override {
        shownDialogs.push_back(
            {QString::fromLatin1(dialog.metaObject()->className()), dialog.windowTitle()});
        // Shown so that the default button, Enter and Escape behave as on
        // screen; the offscreen platform draws nothing.
        dialog.show();
        if (!dialogs.empty()) {
            auto handler = std::move(dialogs.front());
            dialogs.pop_front();
            handler(dialog);
        }
        if (dialog.isVisible())
            dialog.hide();
    }

    bool ChooseFile(FileRequest& request, QStringList& chosen) override {
        fileRequests.push_back(request);
        if (files.empty())
            return false;
        File f = files.front();
        files.pop_front();
        if (!f.accept)
            return false;
        chosen = f.paths;
        if (f.filterIndex > 0)
            request.filterIndex = f.filterIndex;
        return true;
    }

    // Clicks the button of `parent` whose text, without "&", is `text`.
    // Returns false when there is none.
    static bool click(QWidget& parent, const QString& text) {
        const QList<QAbstractButton*> buttons = parent.findChildren<QAbstractButton*>();
        for (QAbstractButton* b : buttons) {
            if (QString(b->text()).remove(QLatin1Char('&')) == text) {
                b->click();
                return true;
            }
        }
        return false;
    }

    // The last message, or nothing.
    std::optional<MessageRecord> lastMessage() const {
        if (messages.empty())
            return std::nullopt;
        return messages.back();
    }
};

// Installs a Prompts for the lifetime of the object, then returns to the
// real windows.
class ScopedPrompts {
public:
    explicit ScopedPrompts(Prompts& prompts) { Prompts::Install(&prompts); }
    ~ScopedPrompts() { Prompts::Install(nullptr); }
    ScopedPrompts(const ScopedPrompts&) = delete;
    ScopedPrompts& operator=(const ScopedPrompts&) = delete;
};

#pragma once

#include "CheckFinding.h"

#include <QSet>
#include <QString>
#include <vector>

class QWidget;

// Questions asked before a level is saved ("save anyway?"), kept per
// window. A No cancels that save only; the next save asks again.
class SaveQuestions {
public:
    // True when saving may go on. `key` names the question (one per kind
    // of concern); `text` is what the user is asked. Once answered Yes, the
    // question is not asked again.
    bool Confirm(QWidget* owner, const QString& key, const QString& text);

    // The errors among `errors` that are not among those the user accepted
    // at the last Yes to ConfirmErrors.
    std::vector<Finding> Unaccepted(const std::vector<Finding>& errors) const;
    // True when saving may go on: every one of `errors` was accepted at the
    // last Yes, or the user answers `text` with Yes, which makes `errors`
    // the accepted ones. An error made after a Yes is asked about again.
    bool ConfirmErrors(QWidget* owner, const std::vector<Finding>& errors, const QString& text);

private:
    bool Ask(QWidget* owner, const QString& text) const;

    QSet<QString> m_Confirmed;
    QSet<Finding> m_AcceptedErrors;
};

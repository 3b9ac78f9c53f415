#include "SaveQuestions.h"

#include "Prompts.h"

#include <QCoreApplication>

bool SaveQuestions::Confirm(QWidget* owner, const QString& key, const QString& text) {
    if (m_Confirmed.contains(key))
        return true;
    if (!Ask(owner, text))
        return false;
    m_Confirmed.insert(key);
    return true;
}

std::vector<Finding> SaveQuestions::Unaccepted(const std::vector<Finding>& errors) const {
    std::vector<Finding> fresh;
    for (const Finding& error : errors)
        if (!m_AcceptedErrors.contains(error))
            fresh.push_back(error);
    return fresh;
}

bool SaveQuestions::ConfirmErrors(QWidget* owner, const std::vector<Finding>& errors,
                                  const QString& text) {
    if (Unaccepted(errors).empty())
        return true;
    if (!Ask(owner, text))
        return false;
    m_AcceptedErrors = QSet<Finding>(errors.begin(), errors.end());
    return true;
}

bool SaveQuestions::Ask(QWidget* owner, const QString& text) const {
    return Prompts::Current().Message(
               owner, text, QCoreApplication::translate("SaveQuestions", "Warning"),
               Prompts::Buttons::YesNo, Prompts::Icon::Exclamation) == Prompts::Answer::Yes;
}

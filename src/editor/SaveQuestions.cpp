#include "SaveQuestions.h"

#include "Prompts.h"

bool SaveQuestions::Confirm(QWidget* owner, const QString& key, const QString& text) {
    if (m_Confirmed.contains(key))
        return true;
    const Prompts::Answer answer =
        Prompts::Current().Message(owner, text, QStringLiteral("Warning"), Prompts::Buttons::YesNo,
                                   Prompts::Icon::Exclamation);
    if (answer != Prompts::Answer::Yes)
        return false;
    m_Confirmed.insert(key);
    return true;
}

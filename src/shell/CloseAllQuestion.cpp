#include "CloseAllQuestion.h"

#include "Prompts.h"

CloseAllQuestion::Outcome CloseAllQuestion::Ask(QWidget* owner, const QStringList& modified) {
    if (modified.isEmpty())
        return Outcome::Close;
    switch (Prompts::Current().Message(owner, Text(modified), tr("Close All"),
                                       Prompts::Buttons::SaveAllDiscardAllCancel,
                                       Prompts::Icon::Question)) {
    case Prompts::Answer::Save:
        return Outcome::Save;
    case Prompts::Answer::Discard:
        return Outcome::Close;
    default:
        return Outcome::Cancel;
    }
}

QString CloseAllQuestion::Text(const QStringList& modified) {
    return tr("These levels have changed since they were last saved:") +
           QStringLiteral("\r\n\r\n") + modified.join(QStringLiteral("\r\n")) +
           QStringLiteral("\r\n\r\n") + tr("Do you want to save them?");
}

bool CloseAllQuestion::SaveEach(const std::vector<bool>& modified,
                                const std::function<bool(int)>& save) {
    for (size_t i = 0; i < modified.size(); ++i) {
        if (modified[i] && !save(int(i)))
            return false;
    }
    return true;
}

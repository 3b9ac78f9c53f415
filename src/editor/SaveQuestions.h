#pragma once

#include <QSet>
#include <QString>

class QWidget;

// Questions asked before a level is saved ("save anyway?"), each at most
// once per window: once the user has answered Yes to a question, later
// saves of the same window go ahead without it. A No cancels that save
// only; the next save asks again.
class SaveQuestions {
public:
    // True when saving may go on. `key` names the question (one per kind
    // of concern); `text` is what the user is asked.
    bool Confirm(QWidget* owner, const QString& key, const QString& text);

private:
    QSet<QString> m_Confirmed;
};

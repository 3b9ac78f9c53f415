#include "ShortcutList.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>

namespace {

bool standsForADocument(const QAction* action) {
    return action->data().isValid() ||
           (action->actionGroup() != nullptr && action->actionGroup()->isExclusive());
}

QString keysOf(const QAction* action) {
    QStringList keys;
    for (const QKeySequence& sequence : action->shortcuts())
        keys << sequence.toString(QKeySequence::NativeText);
    return keys.join(QStringLiteral(", "));
}

void collectMenu(const QMenu* menu, const QString& path, QList<ShortcutEntry>& entries) {
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator() || !action->isVisible() || standsForADocument(action))
            continue;
        const QString text = ShortcutList::PlainText(action->text());
        if (action->menu() != nullptr)
            collectMenu(action->menu(), path + QStringLiteral(" > ") + text, entries);
        else if (!text.isEmpty())
            entries.push_back({path, text, keysOf(action)});
    }
}

} // namespace

QList<ShortcutEntry> ShortcutList::Collect(const QList<QAction*>& menuBar) {
    QList<ShortcutEntry> entries;
    for (const QAction* action : menuBar) {
        if (action->menu() != nullptr && action->isVisible())
            collectMenu(action->menu(), PlainText(action->text()), entries);
    }
    return entries;
}

QString ShortcutList::PlainText(const QString& text) {
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i; // the mark itself; "&&" keeps the second "&"
        plain += text[i];
    }
    // Qt lets an item's text carry its shortcut after a tab.
    return plain.section(QLatin1Char('\t'), 0, 0);
}

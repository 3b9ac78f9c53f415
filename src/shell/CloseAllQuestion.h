#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QWidget;

// File, Close All and File, Save All over the open levels: Close All asks
// once for all modified levels (Save All, Discard All or Cancel) instead of
// once a window; Save All saves each modified level in turn and stops at
// the first that is not saved (a failure, or a Save As cancelled), so that
// nothing is closed or taken as saved that was not.
class CloseAllQuestion {
    Q_DECLARE_TR_FUNCTIONS(CloseAllQuestion)
public:
    enum class Outcome {
        Close,  // nothing is modified, or the user chose Discard All
        Save,   // save every modified level, then close
        Cancel, // keep every window as it is
    };

    // `modified` names the modified levels in the order they are asked
    // for. No question when none is modified.
    static Outcome Ask(QWidget* owner, const QStringList& modified);
    static QString Text(const QStringList& modified);

    // Saves with `save(i)` every level i whose `modified[i]` is set, in
    // order; true when each was saved, false at the first that was not.
    static bool SaveEach(const std::vector<bool>& modified, const std::function<bool(int)>& save);
};

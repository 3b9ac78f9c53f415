#pragma once

#include "RecoveryStore.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class LevelDocument;
class QLockFile;

// Keeps a recovery copy of one document while it is modified: a few
// seconds after the last change (a burst of changes gives one write, and
// steady editing still writes at least every half minute) the level goes
// to the store under this keeper's entry, whose lock it holds. The copy is
// removed when the document becomes unmodified (saved, or undone back to
// what was saved) and when its changes are discarded. A keeper that ends
// with its document still modified leaves the copy for the next start.
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr int QuietMs = 3000;
    static constexpr int LongestWaitMs = 30000;

    // Keeps a new entry of `document` in `store`.
    RecoveryKeeper(LevelDocument& document, const RecoveryStore& store, QObject* parent = nullptr);
    // Takes over `adopted`, a claimed entry that holds the document's level
    // (one just restored from it).
    RecoveryKeeper(LevelDocument& document, const RecoveryStore& store, RecoveryEntry adopted,
                   QObject* parent = nullptr);
    ~RecoveryKeeper() override;

    // Waits after the last change and at most after the first unwritten one.
    void SetDelays(int quietMs, int longestWaitMs);
    // The document's changes were thrown away: its copy goes.
    void Discard();
    QString EntryId() const { return m_Id; }

signals:
    // A copy could not be written or removed; `message` says why.
    void failed(const QString& message);

private:
    void Connect();
    void DocumentChanged();
    void ModifiedChanged(bool modified);
    void WriteCopy();
    void RemoveCopy();
    // The document's name in messages.
    QString LevelName() const;

    LevelDocument& m_Document;
    RecoveryStore m_Store;
    QString m_Id;
    std::shared_ptr<QLockFile> m_Lock;
    bool m_HasCopy = false;
    QTimer m_Timer;
    // Runs from the first change not yet written.
    QElapsedTimer m_Pending;
    int m_QuietMs = QuietMs;
    int m_LongestWaitMs = LongestWaitMs;
};

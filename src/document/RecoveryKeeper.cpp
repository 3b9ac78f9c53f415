#include "RecoveryKeeper.h"

#include "LevelDocument.h"

#include <QFileInfo>
#include <QLockFile>

#include <algorithm>

RecoveryKeeper::RecoveryKeeper(LevelDocument& document, const RecoveryStore& store, QObject* parent)
    : QObject(parent), m_Document(document), m_Store(store), m_Id(RecoveryStore::NewId()) {
    Connect();
    if (m_Document.isModified())
        DocumentChanged();
}

RecoveryKeeper::RecoveryKeeper(LevelDocument& document, const RecoveryStore& store,
                               RecoveryEntry adopted, QObject* parent)
    : QObject(parent), m_Document(document), m_Store(store), m_Id(adopted.id),
      m_Lock(std::move(adopted.lock)), m_HasCopy(true) {
    Connect();
}

// The lock goes with the keeper; a copy still there is then offered at the
// next start.
RecoveryKeeper::~RecoveryKeeper() = default;

void RecoveryKeeper::Connect() {
    m_Timer.setSingleShot(true);
    connect(&m_Timer, &QTimer::timeout, this, &RecoveryKeeper::WriteCopy);
    connect(&m_Document, &LevelDocument::cellsChanged, this, &RecoveryKeeper::DocumentChanged);
    connect(&m_Document, &LevelDocument::levelReplaced, this, &RecoveryKeeper::DocumentChanged);
    connect(&m_Document, &LevelDocument::fileNameChanged, this, &RecoveryKeeper::DocumentChanged);
    connect(&m_Document, &LevelDocument::modifiedChanged, this, &RecoveryKeeper::ModifiedChanged);
}

void RecoveryKeeper::SetDelays(int quietMs, int longestWaitMs) {
    m_QuietMs = quietMs;
    m_LongestWaitMs = longestWaitMs;
}

void RecoveryKeeper::DocumentChanged() {
    if (!m_Document.isModified())
        return;
    if (!m_Pending.isValid())
        m_Pending.start();
    const qint64 left = std::max<qint64>(0, m_LongestWaitMs - m_Pending.elapsed());
    m_Timer.start(int(std::min<qint64>(m_QuietMs, left)));
}

void RecoveryKeeper::ModifiedChanged(bool modified) {
    if (modified) {
        DocumentChanged();
        return;
    }
    m_Timer.stop();
    m_Pending.invalidate();
    RemoveCopy();
}

void RecoveryKeeper::Discard() {
    m_Timer.stop();
    m_Pending.invalidate();
    RemoveCopy();
}

void RecoveryKeeper::WriteCopy() {
    if (!m_Document.isModified()) {
        RemoveCopy();
        return;
    }
    IoResult result = IoResult::success();
    if (!m_Lock)
        result = m_Store.Claim(m_Id, m_Lock);
    if (result)
        result = m_Store.Write(m_Id, m_Document.level(), m_Document.fileName());
    if (result) {
        m_HasCopy = true;
        m_Pending.invalidate();
        return;
    }
    // Tried again after the longest wait, sooner when the level changes.
    m_Pending.start();
    m_Timer.start(m_LongestWaitMs);
    emit failed(
        tr("The recovery copy of %1 could not be written. %2").arg(LevelName(), result.error));
}

void RecoveryKeeper::RemoveCopy() {
    if (m_HasCopy) {
        const IoResult removed = m_Store.Remove(m_Id);
        if (!removed) {
            // Kept locked: a copy of a level that no longer needs it must not
            // be offered while this program runs.
            emit failed(tr("The recovery copy of %1 could not be removed. %2")
                            .arg(LevelName(), removed.error));
            return;
        }
        m_HasCopy = false;
    }
    m_Lock.reset();
}

QString RecoveryKeeper::LevelName() const {
    return m_Document.fileName().isEmpty() ? tr("Untitled")
                                           : QFileInfo(m_Document.fileName()).fileName();
}

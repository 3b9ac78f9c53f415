#pragma once

#include <QString>

// Outcome of an operation that touches a file: success, or a failure with a
// message that names the file and the reason, ready to show to the user.
struct IoResult {
    bool ok = true;
    QString error;

    static IoResult success() { return {}; }
    static IoResult failure(const QString& message) { return {false, message}; }
    explicit operator bool() const { return ok; }
};

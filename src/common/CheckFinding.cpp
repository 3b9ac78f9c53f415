#include "CheckFinding.h"

#include <QCoreApplication>

QString SeverityText(Severity severity) {
    switch (severity) {
    case Severity::Error:
        return QCoreApplication::translate("CheckFinding", "error");
    case Severity::Warning:
        return QCoreApplication::translate("CheckFinding", "warning");
    case Severity::Note:
        break;
    }
    return QCoreApplication::translate("CheckFinding", "note");
}

#pragma once

class QDialog;
class QPushButton;

// The OK and Cancel buttons every dialog of the program has: OK the default
// (Enter), Cancel never taken by Enter, found by their objectNames
// "okButton" and "cancelButton", accepting and rejecting the dialog. The
// dialog lays them out where it wants them.
struct DialogButtons {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;

    static DialogButtons Make(QDialog& dialog);
};

#pragma once

// Finding the controls of a window or dialog by their objectName and
// working them with real key events, as a user would.
//
//   QLineEdit& width = controls::find<QLineEdit>(dialog, "widthEdit");
//   controls::retype(width, "40");
//   QTest::mouseClick(&controls::find<QPushButton>(dialog, "okButton"), Qt::LeftButton);

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QObject>
#include <QString>
#include <QTest>

namespace controls {

// The child of `parent` of type T named `name`. A missing control ends the
// test program naming it: no test can go on without it.
template <class T> T& find(const QObject& parent, const QString& name) {
    T* found = parent.findChild<T*>(name);
    if (found == nullptr)
        qFatal("No %s named \"%s\" in %s", T::staticMetaObject.className(), qPrintable(name),
               parent.metaObject()->className());
    return *found;
}

// Selects what a box holds, deletes it and types `text`, key by key.
inline void retype(QLineEdit& box, const QString& text) {
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClicks(&box, text);
}

// Chooses entry `index` of a list with the keyboard: Home, then Down.
inline void choose(QComboBox& list, int index) {
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(&list, Qt::Key_Down);
}

// Ticks or unticks a box with the space bar.
inline void setTicked(QCheckBox& box, bool ticked) {
    if (box.isChecked() != ticked)
        QTest::keyClick(&box, Qt::Key_Space);
}

} // namespace controls

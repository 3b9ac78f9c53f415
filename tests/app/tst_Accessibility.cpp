// Every control of the main window, its editor windows and its docks has a
// name an assistive tool can read out: its own text, a label's, or one given
// to it. A control added without one fails here, named by its path.

#include "DemoGraphics.h"
#include "MainWindowFixture.h"
#include "TestMain.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

// Qt's own parts of a widget (a scroll area's bars, a combo box's edit
// field, a dock's title buttons) are named by Qt; ours are not "qt_".
bool isQtPart(const QWidget* widget) {
    for (const QObject* o = widget; o != nullptr; o = o->parent()) {
        if (o->objectName().startsWith(QLatin1String("qt_")))
            return true;
    }
    return false;
}

bool isControl(const QWidget* widget) {
    return qobject_cast<const QAbstractButton*>(widget) ||
           qobject_cast<const QAbstractSlider*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) || widget->focusPolicy() != Qt::NoFocus ||
           widget->inherits("PictureBox") || widget->inherits("OverviewPane");
}

QString pathOf(const QWidget* widget) {
    QStringList names;
    for (const QObject* o = widget; o != nullptr; o = o->parent())
        names.prepend(o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className())
                                                : o->objectName());
    return names.join(QLatin1Char('/'));
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_F.MakeDemo()); }
    void init() { QVERIFY(m_F.Begin()); }
    void cleanup() { m_F.End(); }

    void everyControlHasAName();

private:
    MainWindowFixture m_F;
};

void AccessibilityTest::everyControlHasAName() {
    auto window = m_F.StartedWindow(QSize(1400, 900));
    QVERIFY(window);
    LevelEditorWindow* editor = window->OpenLevelFile(m_F.demoLevel("LEVEL01.CK1"));
    QVERIFY(editor);
    QVERIFY(window->ShowEpisode(DemoGraphics::LevelsFolder(m_F.demo.path())).ok);
    window->ShowFind(*editor);
    window->ShowLevelCheck(*editor);
    QStringList unnamed;
    int controls = 0;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window.get()) || isQtPart(widget) || !isControl(widget))
            continue;
        ++controls;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        if (face == nullptr || face->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << pathOf(widget);
    }
    // The canvas, strip, pickers, selectors, tool bar, the docks' fields...
    QVERIFY2(controls > 30, qPrintable(QString::number(controls)));
    for (const QString& path : unnamed)
        qWarning("no accessible name: %s", qPrintable(path));
    QVERIFY(unnamed.isEmpty());
}

GM_TEST_MAIN(AccessibilityTest)
#include "tst_Accessibility.moc"

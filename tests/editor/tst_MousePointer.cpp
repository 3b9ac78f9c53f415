#include "MousePointer.h"
#include "TestMain.h"

#include <QCursor>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <memory>

namespace {

// A window whose client area is at (120, 80) of the screen, with a control
// at (30, 40) in it.
std::unique_ptr<QWidget> shownWindowWithControl() {
    auto window = std::make_unique<QWidget>();
    window->setGeometry(120, 80, 300, 200);
    (new QWidget(window.get()))->setGeometry(30, 40, 50, 60);
    window->show();
    return QTest::qWaitForWindowExposed(window.get()) ? std::move(window) : nullptr;
}

} // namespace

class MousePointerTest : public QObject {
    Q_OBJECT

private slots:
    void placesThePointerOnTheWindowFrame();
    void keepsThePointerOnTheScreen_data();
    void keepsThePointerOnTheScreen();
};

// A window counts from its frame; no control leaves the pointer alone.
void MousePointerTest::placesThePointerOnTheWindowFrame() {
    const auto window = shownWindowWithControl();
    QVERIFY(window);
    MousePointer::MoveTo(window.get(), 5, 7);
    QCOMPARE(QCursor::pos(), window->frameGeometry().topLeft() + QPoint(5, 7));
    MousePointer::MoveTo(nullptr, 1, 1);
    QCOMPARE(QCursor::pos(), window->frameGeometry().topLeft() + QPoint(5, 7));
}

void MousePointerTest::keepsThePointerOnTheScreen_data() {
    QTest::addColumn<QPoint>("offset");   // from the control's top-left corner
    QTest::addColumn<QPoint>("expected"); // -1: the screen's last column or row
    QTest::newRow("on the screen") << QPoint(3, 4) << QPoint(153, 124);
    QTest::newRow("below: a sprite value as a selection") << QPoint(100, 53822) << QPoint(250, -1);
    QTest::newRow("right") << QPoint(50000, 4) << QPoint(-1, 124);
    QTest::newRow("above and left") << QPoint(-1000, -400) << QPoint(0, 0);
    QTest::newRow("beyond 32 bits") << QPoint(2147483647, 2147483647) << QPoint(-1, -1);
}

void MousePointerTest::keepsThePointerOnTheScreen() {
    QFETCH(QPoint, offset);
    QFETCH(QPoint, expected);
    const auto window = shownWindowWithControl();
    QVERIFY(window);
    const QRect screen = window->screen()->geometry();
    QCOMPARE(screen.topLeft(), QPoint(0, 0));
    QVERIFY(screen.width() < 50000 && screen.height() < 50000);
    MousePointer::MoveTo(window->findChild<QWidget*>(), offset.x(), offset.y());
    QCOMPARE(QCursor::pos(), QPoint(expected.x() < 0 ? screen.right() : expected.x(),
                                    expected.y() < 0 ? screen.bottom() : expected.y()));
}

GM_TEST_MAIN(MousePointerTest)
#include "tst_MousePointer.moc"

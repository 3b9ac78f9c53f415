// The program's icon, compiled in, and what the desktop knows the program
// by: the desktop entry's name and the icon each window shows.
#include "MainWindowFixture.h"
#include "ProgramIdentity.h"
#include "TestMain.h"
#include "TestPaths.h"

#include <QApplication>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTest>

namespace {

QImage argb(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

class ProgramIdentityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_F.MakeDemo()); }
    void init() { QVERIFY(m_F.Begin()); }
    void cleanup() { m_F.End(); }

    void iconIsTheInstalledOneAtEachSize_data();
    void iconIsTheInstalledOneAtEachSize();
    void desktopEntryIsTheOneInstalled();
    void editorFramesShowTheIcon();

private:
    MainWindowFixture m_F;
};

// The pictures the program shows are those installed for the desktop.
void ProgramIdentityTest::iconIsTheInstalledOneAtEachSize_data() {
    QTest::addColumn<int>("size");
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        QTest::addRow("%d pixels", size) << size;
}

void ProgramIdentityTest::iconIsTheInstalledOneAtEachSize() {
    QFETCH(int, size);
    const QImage installed(
        QStringLiteral(GM_SOURCE_DIR "/dist/icons/hicolor/%1x%1/apps/gridmason.png").arg(size));
    QCOMPARE(installed.size(), QSize(size, size));
    QCOMPARE(argb(ProgramIdentity::Icon().pixmap(QSize(size, size)).toImage()), argb(installed));
}

// The compositor finds the program's name and icon through the desktop
// entry the program names.
void ProgramIdentityTest::desktopEntryIsTheOneInstalled() {
    ProgramIdentity::Apply();
    const QString entry = QGuiApplication::desktopFileName();
    QVERIFY(!entry.isEmpty());
    QVERIFY2(QFileInfo::exists(QStringLiteral(GM_SOURCE_DIR "/dist/") + entry + ".desktop"),
             qPrintable(entry));
}

// Each editor window's frame draws the program's icon in its title bar, not
// the style's stand-in.
void ProgramIdentityTest::editorFramesShowTheIcon() {
    ProgramIdentity::Apply();
    auto window = m_F.StartedWindow(QSize(900, 700));
    QVERIFY(window);
    QVERIFY(m_F.NewLevel(*window, 30, 20, 0));
    QMdiSubWindow* frame = mainwindow::area(*window).activeSubWindow();
    QVERIFY(frame);

    QStyleOptionTitleBar option;
    option.initFrom(frame);
    option.rect = QRect(0, 0, frame->width(),
                        frame->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, frame));
    option.titleBarFlags = frame->windowFlags();
    option.subControls = QStyle::SC_All;
    const QRect iconRect = frame->style()->subControlRect(QStyle::CC_TitleBar, &option,
                                                          QStyle::SC_TitleBarSysMenu, frame);
    QVERIFY(!iconRect.isEmpty());
    const QImage shown = argb(frame->grab(iconRect).toImage());

    // Where the icon is opaque the title bar shows its pixels exactly; the
    // icon is drawn centred in its place.
    const QImage icon = argb(ProgramIdentity::Icon().pixmap(iconRect.size()).toImage());
    const QPoint offset((shown.width() - icon.width()) / 2, (shown.height() - icon.height()) / 2);
    int opaque = 0;
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            if (qAlpha(icon.pixel(x, y)) != 255)
                continue;
            ++opaque;
            QCOMPARE(QColor(shown.pixel(offset + QPoint(x, y))), QColor(icon.pixel(x, y)));
        }
    }
    QVERIFY(opaque > icon.width() * icon.height() / 2);
}

GM_TEST_MAIN(ProgramIdentityTest)
#include "tst_ProgramIdentity.moc"

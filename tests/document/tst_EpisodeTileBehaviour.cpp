// Each episode's tile behaviour as the editor keeps it: read from the game
// folder's program or the graphics folder's table, named tile by tile, and
// read again only when its folders change or it is asked to.

#include "EpisodeTileBehaviour.h"
#include "TestData.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "TileBehaviourOverlay.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const QString DemoGraphics = QStringLiteral(GM_BINARY_DIR "/graphics/keen1");

} // namespace

class tst_EpisodeTileBehaviour : public QObject {
    Q_OBJECT

private slots:
    // What the tile strip, the selector and the status bar say of a tile,
    // from the shareware game's table, the demo graphics' and none.
    void describe_data() {
        QTest::addColumn<QString>("folder"); // "game", "demo" or "none"
        QTest::addColumn<int>("tile");
        QTest::addColumn<QString>("text");
        QTest::newRow("game: exit") << "game" << 159 << "Tile 159: exit";
        QTest::newRow("game: lava")
            << "game" << 208 << "Tile 208: kills, solid on top, animated (4 tiles)";
        QTest::newRow("game: door") << "game" << 173 << "Tile 173: door 1, solid on top and bottom";
        QTest::newRow("game: key") << "game" << 191 << "Tile 191: key 2";
        QTest::newRow("game: in front") << "game" << 301 << "Tile 301: foreground";
        QTest::newRow("game: smooth floor") << "game" << 388 << "Tile 388: smooth on top";
        QTest::newRow("game: ice") << "game" << 394 << "Tile 394: solid, icy on top";
        QTest::newRow("game: teleporter")
            << "game" << 481 << "Tile 481: teleporter, animated (4 tiles)";
        QTest::newRow("game: past the table")
            << "game" << 611 << "Tile 611: not in the game's table of 611 tiles";
        QTest::newRow("demo: lava") << "demo" << 201 << "Tile 201: kills, animated (4 tiles)";
        QTest::newRow("demo: door") << "demo" << 204 << "Tile 204: door 1, solid";
        QTest::newRow("demo: grille") << "demo" << 206 << "Tile 206: foreground";
        QTest::newRow("demo: platform") << "demo" << 161 << "Tile 161: solid on top";
        QTest::newRow("no table") << "none" << 159 << "Tile 159";
    }

    void describe() {
        QFETCH(QString, folder);
        QFETCH(int, tile);
        QFETCH(QString, text);
        if (folder == "game")
            GM_REQUIRE_REAL_DATA();
        QTemporaryDir empty;
        EpisodeTileBehaviour tables;
        // The game folder's program comes before the graphics folder's
        // table.
        tables.Update(1, folder == "game" ? realDataDir() : QString(),
                      folder == "none" ? empty.path() : DemoGraphics);
        QCOMPARE(tables.Describe(1, tile), text);
        QCOMPARE(tables.Table(1) != nullptr, folder != "none");
        QCOMPARE(tables.Overlay(1) != nullptr, folder != "none");
    }

    // Read once per pair of folders; a change of the file is read when
    // asked; a folder without a table leaves the reason.
    void readsWhenTheFoldersChange() {
        QTemporaryDir graphics;
        EpisodeTileBehaviour tables;
        QVERIFY(tables.Update(2, QString(), graphics.path()));
        QVERIFY(!tables.Table(2));
        QVERIFY2(tables.Reason(2).startsWith("There is no tile behaviour for episode 2: the "
                                             "folder"),
                 qPrintable(tables.Reason(2)));
        QVERIFY(!tables.Update(2, QString(), graphics.path()));

        const QString file = graphics.filePath("TILEINFO.CK2");
        QVERIFY(writeFile(file, fileBytes(DemoGraphics + "/TILEINFO.CK1")));
        QVERIFY(!tables.Update(2, QString(), graphics.path()));
        QVERIFY(!tables.Table(2));
        QVERIFY(tables.Reload(2));
        QVERIFY(tables.Table(2));
        QCOMPARE(tables.Source(2), QString("TILEINFO.CK2"));
        QCOMPARE(tables.Reason(2), QString());
        QVERIFY(!tables.Reload(2));

        QVERIFY(writeFile(file, "damaged"));
        QVERIFY(tables.Reload(2));
        QVERIFY(!tables.Table(2));
        QVERIFY2(tables.Reason(2).contains("it is 7 bytes long"), qPrintable(tables.Reason(2)));
        QVERIFY(!tables.Update(4, QString(), graphics.path()));
        QCOMPARE(tables.Describe(4, 7), QString("Tile 7"));
    }
};

GM_TEST_GUILESS_MAIN(tst_EpisodeTileBehaviour)
#include "tst_EpisodeTileBehaviour.moc"

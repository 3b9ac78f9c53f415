// Reading an episode's tile behaviour from a folder as the game would run:
// the program, the patch scripts beside it, or a table file alone.

#include "GameTestFiles.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "TileBehaviourLoader.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

using Files = QMap<QString, QByteArray>;

// An unpacked episode-1 program with a table at 0x130F8 (tile 5 behaves 3).
QByteArray program() {
    return plainProgram(QByteArray(0x130F8, char(0xEE)) + sampleTable(611));
}

// The same table with tile 5 an exit, as a patch file.
QByteArray exitAtFive() {
    QByteArray table = sampleTable(611);
    putWord(table, (611 + 5) * 2, 17);
    return table;
}

const QByteArray TilesScript = "%ext ck1\n%version 1.31\n%patchfile $130F8 TILES.TLI # all\n%end\n";

} // namespace

class tst_TileBehaviourLoader : public QObject {
    Q_OBJECT

private slots:
    void load_data() {
        QTest::addColumn<Files>("files");
        QTest::addColumn<QString>("expected"); // the source, or the start of the message (DIR
                                               // for the folder)
        QTest::addColumn<int>("tileFive");     // tile 5's behaviour when read
        const QByteArray exe = program();
        QTest::newRow("program") << Files{{"KEEN1.EXE", exe}} << "KEEN1.EXE, table at 0x130F8" << 3;
        QTest::newRow("lower-case names")
            << Files{{"keen1.exe", exe}, {"mod.pat", TilesScript}, {"tiles.tli", exitAtFive()}}
            << "keen1.exe patched by mod.pat, table at 0x130F8" << 17;
        // A word written as two values over two lines.
        QTest::newRow("%patch") << Files{{"KEEN1.EXE", exe},
                                         {"MOD.PAT", "%ext CK1\n%patch $135C8 $11\n 0"}}
                                << "KEEN1.EXE patched by MOD.PAT, table at 0x130F8" << 17;
        QTest::newRow("%patch of a word")
            << Files{{"KEEN1.EXE", exe}, {"MOD.PAT", "%ext ck1 %patch 0x135C8 $FFFEW \"\""}}
            << "KEEN1.EXE patched by MOD.PAT" << -2;
        QTest::newRow("past the program's end")
            << Files{{"KEEN1.EXE", exe}, {"MOD.PAT", "%ext ck1\n%patch $14D9C $11 $22 $33\n"}}
            << "KEEN1.EXE patched by MOD.PAT" << 3;
        QTest::newRow("script for episode 2")
            << Files{{"KEEN1.EXE", exe}, {"K2.PAT", "%ext ck2\n%patchfile $17828 GONE.TLI\n"}}
            << "KEEN1.EXE, table at 0x130F8" << 3;
        QTest::newRow("scripts that agree") << Files{{"KEEN1.EXE", exe},
                                                     {"A.PAT", TilesScript},
                                                     {"B.PAT", TilesScript},
                                                     {"TILES.TLI", exitAtFive()}}
                                            << "KEEN1.EXE patched by A.PAT" << 17;
        QTest::newRow("scripts that differ") << Files{{"KEEN1.EXE", exe},
                                                      {"A.PAT", TilesScript},
                                                      {"B.PAT", "%ext ck1"},
                                                      {"TILES.TLI", exitAtFive()}}
                                             << "The patch scripts A.PAT and B.PAT in" << 0;
        QTest::newRow("patch that breaks the table")
            << Files{{"KEEN1.EXE", exe}, {"MOD.PAT", "%ext ck1\n%patch $130F8 3"}}
            << "The tile behaviour of episode 1 cannot be read from KEEN1.EXE patched by MOD.PAT "
               "in"
            << 0;
        QTest::newRow("no file name")
            << Files{{"KEEN1.EXE", exe}, {"MOD.PAT", "%ext ck1\n%patchfile $130F8\n"}}
            << "The patch script \"MOD.PAT\" cannot be used: line 2: %patchfile needs an offset "
               "and one file name."
            << 0;
        QTest::newRow("missing patch file")
            << Files{{"KEEN1.EXE", exe}, {"MOD.PAT", TilesScript}}
            << "The patch script \"MOD.PAT\" cannot be used: line 3: the file \"TILES.TLI\" it "
               "loads is not in the folder"
            << 0;
        QTest::newRow("open quotation mark")
            << Files{{"KEEN1.EXE", exe}, {"MOD.PAT", "%ext ck1\n%patch $10 \"abc\n\"\n"}}
            << "The patch script \"MOD.PAT\" cannot be used: line 2: a quotation mark" << 0;
        QTest::newRow("byte too large")
            << Files{{"KEEN1.EXE", exe}, {"MOD.PAT", "%ext ck1\n%patch $10 $100\n"}}
            << "The patch script \"MOD.PAT\" cannot be used: line 2: $100 is too large for 8 bits"
            << 0;
        QTest::newRow("damaged program")
            << Files{{"KEEN1.EXE", "MZ"}, {"TILEINFO.CK1", sampleTable(20)}} << "The program" << 0;
        QTest::newRow("table file")
            << Files{{"tileinfo.ck1", sampleTable(20)}} << "tileinfo.ck1" << 3;
        QTest::newRow("table file of odd length")
            << Files{{"TILEINFO.CK1", "13 bytes long"}}
            << "The tile behaviour file \"DIR/TILEINFO.CK1\" cannot be used: it is 13 bytes long, "
               "not six planes of two bytes a tile (a multiple of 12)."
            << 0;
        QTest::newRow("table file with animation 0")
            << Files{{"TILEINFO.CK1", QByteArray(24, '\0')}}
            << "The tile behaviour file \"DIR/TILEINFO.CK1\" cannot be used: tile 0 has the "
               "animation value 0, which the game does not know."
            << 0;
        QTest::newRow("nothing") << Files{{"LEVEL01.CK1", "level"}}
                                 << "There is no tile behaviour for episode 1" << 0;
    }

    void load() {
        QFETCH(Files, files);
        QFETCH(QString, expected);
        QFETCH(int, tileFive);
        QTemporaryDir dir;
        for (auto it = files.begin(); it != files.end(); ++it)
            QVERIFY(writeFile(dir.filePath(it.key()), it.value()));
        TileBehaviour table;
        QString source = "unchanged";
        const IoResult result = TileBehaviourLoader::Load(dir.path(), 1, table, source);
        expected.replace("DIR", dir.path());
        QCOMPARE((result.ok ? source : result.error).left(expected.size()), expected);
        QCOMPARE(table.At(5).behaviour, qint16(result.ok ? tileFive : 0));
        QCOMPARE(source == "unchanged", !result.ok);
    }

    // The game folder wins when it holds the program; otherwise the
    // graphics folder serves, as the demo graphics' table file does.
    void gameOrGraphicsFolder() {
        QTemporaryDir game, graphics;
        QVERIFY(writeFile(graphics.filePath("TILEINFO.CK1"), sampleTable(20)));
        TileBehaviour table;
        QString source;
        QVERIFY(TileBehaviourLoader::LoadFor(1, game.path(), graphics.path(), table, source).ok);
        QCOMPARE(source, QString("TILEINFO.CK1"));
        QVERIFY(writeFile(game.filePath("KEEN1.EXE"), program()));
        QVERIFY(TileBehaviourLoader::LoadFor(1, game.path(), graphics.path(), table, source).ok);
        QCOMPARE(table.Count(), 611);
    }
};

GM_TEST_GUILESS_MAIN(tst_TileBehaviourLoader)
#include "tst_TileBehaviourLoader.moc"

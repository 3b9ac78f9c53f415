// The load module of a DOS program, packed by LZEXE or not: streams written
// token by token, damaged programs, and the game's own packed program.

#include "DosProgram.h"
#include "GameTestFiles.h"
#include "TestData.h"
#include "TestMain.h"

#include <QCryptographicHash>
#include <QTest>

class tst_LzexeUnpacker : public QObject {
    Q_OBJECT

private slots:
    void modules_data() {
        QTest::addColumn<QByteArray>("program");
        QTest::addColumn<QByteArray>("module"); // empty when refused
        QTest::addColumn<QString>("reason");
        const QByteArray none;
        QTest::newRow("literals") << packedProgram(LzexeStream().literal("Keen").end().bytes())
                                  << QByteArray("Keen") << "";
        // Copies overlap what they write; a far copy's length may sit in a
        // third byte; a segment mark copies nothing.
        QTest::newRow("near, far and long copies") << packedProgram(LzexeStream()
                                                                        .literal("ab")
                                                                        .near(2, 5)
                                                                        .segment()
                                                                        .far(7, 9)
                                                                        .far(3, 12)
                                                                        .literal("z")
                                                                        .end()
                                                                        .bytes())
                                                   << QByteArray("abababa"
                                                                 "abababaab"
                                                                 "aabaabaabaab"
                                                                 "z")
                                                   << "";
        QTest::newRow("many control words")
            << packedProgram(LzexeStream().literal(QByteArray(40, 'x')).near(1, 5).end().bytes())
            << QByteArray(45, 'x') << "";
        QTest::newRow("unpacked program")
            << plainProgram("module bytes") << QByteArray("module bytes") << "";
        QTest::newRow("copy before the start")
            << packedProgram(LzexeStream().literal("a").near(2, 2).end().bytes()) << none
            << "reaches 2 bytes back, before the start of the program";
        // Fourteen literals fill a paragraph exactly: nothing follows.
        QTest::newRow("no end mark")
            << packedProgram(LzexeStream().literal("fourteen bytes").bytes()) << none
            << "its packed data ends at byte 48 before its end mark";
        QTest::newRow("longer than the header allows")
            << packedProgram(LzexeStream().literal("a").far(1, 200).end().bytes(), 0) << none
            << "more than the 16 bytes its header allows";
        QTest::newRow("packed size past the start")
            << packedProgram(LzexeStream().literal("a").end().bytes(), 0, 40) << none
            << "claims 640 bytes of packed data, more than the 16";
        QTest::newRow("cut short")
            << packedProgram(LzexeStream().literal("a").end().bytes()).chopped(10) << none
            << "its unpacker's header at byte 48 lies past its end (54 bytes)";
        QTest::newRow("unpacked, cut short")
            << plainProgram("module").chopped(1) << none << "but its header declares 38";
        QTest::newRow("not a program") << QByteArray(64, 'x') << none << "not a DOS program";
        QTest::newRow("header only") << QByteArray("MZ") << none << "shorter than a DOS program";
    }

    void modules() {
        QFETCH(QByteArray, program);
        QFETCH(QByteArray, module);
        QFETCH(QString, reason);
        QByteArray out = "untouched";
        const IoResult result = DosProgram::LoadModule(program, "GAME.EXE", out);
        QVERIFY2(result.ok == reason.isEmpty(), qPrintable(result.error));
        QCOMPARE(out, result.ok ? module : QByteArray("untouched"));
        if (!result.ok)
            QVERIFY2(result.error.startsWith("The program \"GAME.EXE\" cannot be read: ") &&
                         result.error.contains(reason),
                     qPrintable(result.error));
    }

    // Checked against an unpacker written apart from this one: the length,
    // the start-up code's first instruction (mov dx, 1305h: the data
    // segment, where the tile table lies), a file name and a digest.
    void realProgram() {
        GM_REQUIRE_REAL_DATA();
        QByteArray module;
        const IoResult result = DosProgram::LoadModuleFile(realDataDir() + "/KEEN1.EXE", module);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(module.size(), 99972);
        QCOMPARE(module.left(3).toHex(), QByteArray("ba0513"));
        QCOMPARE(module.mid(0x158C1, 7), QByteArray("EGAHEAD"));
        QCOMPARE(QCryptographicHash::hash(module, QCryptographicHash::Md5).toHex(),
                 QByteArray("7f1df2cc4c487a18a52d19c97d53786f"));
    }
};

GM_TEST_GUILESS_MAIN(tst_LzexeUnpacker)
#include "tst_LzexeUnpacker.moc"

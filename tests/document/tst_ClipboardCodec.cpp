// The clipboard's forms of a block of cells: exact bytes and text, round
// trips of real blocks, spreadsheet text, and damaged input rejected with a
// message naming the reason while the block is left as it was.
#include "CellBlock.h"
#include "ClipboardCodec.h"
#include "Level.h"
#include "TestData.h"

#include "TestMain.h"
#include <QMimeData>

#include <QTest>

namespace {

// A 3 x 2 block of literal values, episode 2.
CellBlock smallBlock() {
    CellBlock block(3, 2, 2, true);
    const qint16 tiles[] = {1, 2, 3, 4, 5, -6};
    const qint16 infos[] = {0, 255, 0, 7, 0, -1};
    for (int i = 0; i < 6; ++i) {
        block.SetTile(i % 3, i / 3, tiles[i]);
        block.SetInfo(i % 3, i / 3, infos[i]);
    }
    return block;
}

// What a failed read must leave behind: the block it was given.
CellBlock sentinel() {
    CellBlock block(1, 1, 3, true);
    block.SetTile(0, 0, 77);
    return block;
}

QByteArray header(const char* magic, int version, int episode, int w, int h, int flags) {
    QByteArray b(magic, 4);
    for (int v : {version, episode, w, h})
        b.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
    return b.append(char(flags));
}

} // namespace

class tst_ClipboardCodec : public QObject {
    Q_OBJECT

private slots:
    void exactForms();
    void roundTrips_data();
    void roundTrips();
    void spreadsheetText_data();
    void spreadsheetText();
    void largestBlockTextIsRead();
    void damaged_data();
    void damaged();
    void mimeDataPrefersThePrivateForm();
};

void tst_ClipboardCodec::exactForms() {
    QCOMPARE(ClipboardCodec::ToText(smallBlock()),
             QStringLiteral("1,2,3\n4,5,-6\n\n0,255,0\n7,0,-1\n"));
    const QByteArray expected =
        header("GMCB", 1, 2, 3, 2, 1) +
        QByteArray::fromHex("01000200030004000500faff0000ff00000007000000ffff");
    QCOMPARE(ClipboardCodec::ToBytes(smallBlock()).toHex(), expected.toHex());
    CellBlock tilesOnly(2, 1, 1, false);
    tilesOnly.SetTile(1, 0, 300);
    QCOMPARE(ClipboardCodec::ToText(tilesOnly), QStringLiteral("0,300\n"));
    QCOMPARE(ClipboardCodec::ToBytes(tilesOnly).toHex(),
             (header("GMCB", 1, 1, 2, 1, 0) + QByteArray::fromHex("00002c01")).toHex());
}

void tst_ClipboardCodec::roundTrips_data() {
    QTest::addColumn<QString>("file"); // empty: the small literal block
    QTest::addColumn<QRect>("area");
    QTest::newRow("literal") << QString() << QRect();
    QTest::newRow("a whole level with sprites") << "LEVEL01.CK1" << QRect(0, 0, 120, 21);
    QTest::newRow("part of the world map") << "LEVEL80.CK1" << QRect(5, 7, 40, 33);
    QTest::newRow("one cell") << "LEVEL02.CK1" << QRect(3, 3, 1, 1);
}

void tst_ClipboardCodec::roundTrips() {
    QFETCH(QString, file);
    QFETCH(QRect, area);
    CellBlock block = smallBlock();
    if (!file.isEmpty()) {
        GM_REQUIRE_REAL_DATA();
        Level level;
        QVERIFY(level.Load(realDataDir() + QLatin1Char('/') + file));
        block = CellBlock::Copy(level, area);
        QCOMPARE(block.Width(), area.width());
    }
    CellBlock fromBytes;
    QVERIFY(ClipboardCodec::FromBytes(ClipboardCodec::ToBytes(block), fromBytes));
    QCOMPARE(fromBytes, block);
    // Text knows no episode.
    CellBlock fromText;
    const IoResult read = ClipboardCodec::FromText(ClipboardCodec::ToText(block), fromText);
    QVERIFY2(read, qPrintable(read.error));
    block.SetEpisode(0);
    QCOMPARE(fromText, block);
}

// Text from a spreadsheet or typed by hand, read as the block whose text
// (its exact form checked above) is `canonical`.
void tst_ClipboardCodec::spreadsheetText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("canonical");
    QTest::newRow("tabs, CR LF") << "1\t2\t3\r\n4\t5\t6\r\n"
                                 << "1,2,3\n4,5,6\n";
    QTest::newRow("tabs with an info block") << "1\t2\n3\t4\n\n0\t255\n9\t0\n"
                                             << "1,2\n3,4\n\n0,255\n9,0\n";
    QTest::newRow("spaces and blank lines around") << "\n\n 143 , 144\n-1,+2 \n\n\n"
                                                   << "143,144\n-1,2\n";
    QTest::newRow("one column, CR only") << "7\r8\r9"
                                         << "7\n8\n9\n";
    QTest::newRow("CR LF, an info block") << "1,2\r\n\r\n3,4\r\n"
                                          << "1,2\n\n3,4\n";
    QTest::newRow("largest values") << "32767,-32768"
                                    << "32767,-32768\n";
}

void tst_ClipboardCodec::spreadsheetText() {
    QFETCH(QString, text);
    CellBlock block;
    const IoResult read = ClipboardCodec::FromText(text, block);
    QVERIFY2(read, qPrintable(read.error));
    QCOMPARE(block.Episode(), qint16(0));
    QTEST(ClipboardCodec::ToText(block), "canonical");
}

// The longest text a level's block can take: 182 x 180 cells of "-32768"
// in both planes, ", " between values, CR LF after rows and between blocks.
void tst_ClipboardCodec::largestBlockTextIsRead() {
    const QString row = QStringList(182, "-32768").join(", ") + "\r\n";
    const QString text = row.repeated(180) + "\r\n" + row.repeated(180);
    QCOMPARE(text.size(), 524162);
    CellBlock block;
    const IoResult read = ClipboardCodec::FromText(text, block);
    QVERIFY2(read, qPrintable(read.error));
    QCOMPARE(block.Width(), 182);
    QCOMPARE(block.Height(), 180);
    QVERIFY(block.HasInfo());
    QCOMPARE(block.Info(181, 179), qint16(-32768));
    QVERIFY(!ClipboardCodec::FromText(text + " ", block));
}

void tst_ClipboardCodec::damaged_data() {
    QTest::addColumn<bool>("isText");
    QTest::addColumn<QByteArray>("input"); // text in UTF-8
    QTest::addColumn<QString>("reason");
    const auto text = [](const char* row, const QString& input, const char* reason) {
        QTest::newRow(row) << true << input.toUtf8() << QString(reason);
    };
    const auto bytes = [](const char* row, const QByteArray& input, const char* reason) {
        QTest::newRow(row) << false << input << QString(reason);
    };
    text("ragged rows", "1,2,3\n4,5\n", "line 2 has 2 values where the lines before it have 3");
    text("ragged info block", "1,2\n3,4\n\n0,0\n0\n",
         "line 5 has 1 values where the lines before it have 2");
    text("a word", "1,2\n3,wall\n", "value 2 on line 2 is not a whole number: \"wall\"");
    text("an empty cell", "1\t\t3\n", "value 2 on line 1 is not a whole number: \"\"");
    text("a fraction", "1.5", "not a whole number: \"1.5\"");
    text("prose", "Hello, world", "value 1 on line 1 is not a whole number: \"Hello\"");
    text("too large a value", "1,40000", "value 2 on line 1, 40000, is outside");
    text("a huge row", QString("0,").repeated(40000) + "0", "more than 32,760 cells");
    text("huge rows", QString("0,").repeated(199).append("0\n").repeated(200),
         "more than 32,760 cells");
    // The largest block's text is 2 x 32,760 values of 6 characters, each
    // with a separator of up to 2, and a blank line of 2 between the blocks.
    text("longer than the largest block", QString("0\r\n").repeated(200000),
         "it is 600,000 characters long, more than the 524,162 of the largest block");
    text("three blocks", "1\n\n2\n\n3\n", "more than two blocks of numbers (line 5)");
    text("blocks of two sizes", "1,2\n3,4\n\n0,0\n",
         "the info values are 2 by 1 cells, the tiles 2 by 2");
    text("nothing", " \n\t\n", "holds no numbers");

    const QByteArray good = ClipboardCodec::ToBytes(smallBlock());
    bytes("empty", QByteArray(), "do not start with the mark");
    bytes("another mark", QByteArray("GMCX").append(good.mid(4)), "do not start with the mark");
    bytes("cut short", good.left(good.size() - 1),
          "they are 36 bytes long where a block of 3 by 2 takes 37");
    bytes("one byte too many", good + '\0', "38 bytes long");
    bytes("newer version", header("GMCB", 2, 1, 1, 1, 0) + QByteArray(2, 0), "another version");
    bytes("episode 9", header("GMCB", 1, 9, 1, 1, 0) + QByteArray(2, 0),
          "episode 9 is not one of 1 to 3");
    bytes("no cells", header("GMCB", 1, 1, 0, 5, 0), "the block has no cells");
    bytes("huge size", header("GMCB", 1, 1, 65535, 65535, 1), "more than 32,760 cells");
    bytes("just too many cells", header("GMCB", 1, 1, 181, 181, 0) + QByteArray(181 * 181 * 2, 0),
          "more than 32,760 cells");
    bytes("unknown flags", header("GMCB", 1, 1, 1, 1, 6) + QByteArray(2, 0), "unknown flags 6");
    bytes("a cell neither held nor left out",
          header("GMCB", 1, 1, 2, 1, 2) + QByteArray(4, 0) + QByteArray("\1\7", 2),
          "cell 1,0 is marked 7, neither held nor left out");
}

// Damaged text or bytes: refused with the reason, the block left as it was.
void tst_ClipboardCodec::damaged() {
    QFETCH(bool, isText);
    QFETCH(QByteArray, input);
    QFETCH(QString, reason);
    CellBlock block = sentinel();
    const IoResult read = isText ? ClipboardCodec::FromText(QString::fromUtf8(input), block)
                                 : ClipboardCodec::FromBytes(input, block);
    QVERIFY(!read);
    if (isText)
        QVERIFY2(read.error.startsWith("The clipboard text is not a block of cells: "),
                 qPrintable(read.error));
    QVERIFY2(read.error.contains(reason), qPrintable(read.error));
    QCOMPARE(block, sentinel());
}

void tst_ClipboardCodec::mimeDataPrefersThePrivateForm() {
    QMimeData data;
    ClipboardCodec::Store(smallBlock(), data);
    QCOMPARE(data.text(), ClipboardCodec::ToText(smallBlock()));
    CellBlock block;
    QVERIFY(ClipboardCodec::Read(data, block));
    QCOMPARE(block, smallBlock()); // with its episode
    QMimeData textOnly;
    textOnly.setText("5\t6");
    QVERIFY(ClipboardCodec::Read(textOnly, block));
    QCOMPARE(block.Tiles(), (std::vector<qint16>{5, 6}));
    QMimeData image;
    image.setData("image/png", "x");
    const IoResult none = ClipboardCodec::Read(image, block);
    QVERIFY(!none);
    QVERIFY(none.error.contains("no cells"));
    QCOMPARE(block.Tiles(), (std::vector<qint16>{5, 6}));
}

GM_TEST_APPLESS_MAIN(tst_ClipboardCodec)
#include "tst_ClipboardCodec.moc"

// File names as the system stores them: every byte string becomes text and
// back unchanged, and a folder named in Latin-1 is listed.
#include "NativePath.h"
#include "TestFiles.h"
#include "TestMain.h"

#include <QTemporaryDir>
#include <QTest>

#include <random>
#include <sys/stat.h>

class tst_NativePath : public QObject {
    Q_OBJECT

private slots:
    void decodesEveryByteString_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<int>>("units"); // UTF-16 code units
        QTest::newRow("ASCII") << QByteArray("LEV1.CK1")
                               << QList<int>{'L', 'E', 'V', '1', '.', 'C', 'K', '1'};
        QTest::newRow("UTF-8 e acute")
            << QByteArray("caf\xc3\xa9") << QList<int>{'c', 'a', 'f', 0xE9};
        QTest::newRow("UTF-8 beyond 16 bits")
            << QByteArray("\xf0\x9f\x98\x80") << QList<int>{0xD83D, 0xDE00};
        QTest::newRow("Latin-1 e acute")
            << QByteArray("caf\xe9") << QList<int>{'c', 'a', 'f', 0xDCE9};
        QTest::newRow("stray continuation byte") << QByteArray("\x80") << QList<int>{0xDC80};
        QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << QList<int>{0xDCC0, 0xDCAF};
        QTest::newRow("encoded surrogate")
            << QByteArray("\xed\xa0\x80") << QList<int>{0xDCED, 0xDCA0, 0xDC80};
        QTest::newRow("above U+10FFFF")
            << QByteArray("\xf4\x90\x80\x80") << QList<int>{0xDCF4, 0xDC90, 0xDC80, 0xDC80};
        QTest::newRow("sequence cut off at the end")
            << QByteArray("a\xe2\x82") << QList<int>{'a', 0xDCE2, 0xDC82};
    }

    void decodesEveryByteString() {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<int>, units);
        QString expected;
        for (int unit : units)
            expected += QChar(char16_t(unit));
        QCOMPARE(NativePath::Decode(bytes), expected);
        QCOMPARE(NativePath::Encode(expected), bytes);
        // Valid UTF-8 reads as Qt reads it.
        if (QStringView(expected).isValidUtf16())
            QCOMPARE(expected, QString::fromUtf8(bytes));
    }

    void randomBytesRoundTrip() {
        std::mt19937 random(20240611);
        for (int i = 0; i < 5000; ++i) {
            QByteArray bytes(int(random() % 12), '\0');
            for (char& byte : bytes)
                byte = char(1 + random() % 255);
            QCOMPARE(NativePath::Encode(NativePath::Decode(bytes)), bytes);
        }
    }

    // Qt's own listings leave such a name out.
    void listsNamesThatAreNotUtf8() {
        QTemporaryDir temporary;
        const RemovedAtEnd removed(temporary.path());
        const QByteArray folder = QFile::encodeName(temporary.path()) + "/caf\xe9";
        QVERIFY(::mkdir(folder.constData(), 0755) == 0);
        const QStringList names = NativePath::Entries(temporary.path());
        QCOMPARE(names, QStringList{NativePath::Decode("caf\xe9")});
        QVERIFY(NativePath::IsFolder(temporary.path() + "/" + names.front()));
    }
};

GM_TEST_APPLESS_MAIN(tst_NativePath)
#include "tst_NativePath.moc"

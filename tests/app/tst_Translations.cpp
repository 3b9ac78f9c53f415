#include "MainWindowFixture.h"
#include "TestMain.h"
#include "TestPaths.h"
#include "Translations.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <memory>
#include <set>

namespace {

const QString BuiltTranslations = QStringLiteral(GM_BINARY_DIR "/translations");

void removeTranslators() {
    for (QTranslator* translator :
         qApp->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

// A text as a user reads it: without mnemonics and the shortcut after a tab.
QString plain(QString text) {
    text = text.section(QLatin1Char('\t'), 0, 0);
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// The texts each language keeps as they are: names, the game's own episode
// titles and words German shares with English.
bool mayStayEnglish(const QString& text) {
    static const std::set<QString> same = {"OK",
                                           "Gridmason",
                                           "Level",
                                           "Episode:",
                                           "Zoom 100%",
                                           "1 - Marooned on Mars",
                                           "2 - The Earth Explodes",
                                           "3 - Keen Must Die!"};
    return same.count(text) > 0 || !text.contains(QRegularExpression(QStringLiteral("[A-Za-z]")));
}

// The numbers in a message, "%1" ... "%n", sorted.
QStringList placeholders(const QString& text) {
    QStringList found;
    for (const auto& match : QRegularExpression(QStringLiteral("%(\\d+|n)")).globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

// What one message of a .ts file says, read with its translation.
struct Message {
    QString context, source;
    QStringList translations; // one, or one a plural form
    bool unfinished = false;
};

QList<Message> readTs(const QString& path) {
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    bool numerus = false;
    const auto text = [&xml] {
        return xml.readElementText(QXmlStreamReader::IncludeChildElements);
    };
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto type = xml.attributes().value(QLatin1String("type"));
        if (xml.name() == QLatin1String("name")) {
            context = text();
        } else if (xml.name() == QLatin1String("message")) {
            messages.append({context, {}, {}, false});
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (xml.name() == QLatin1String("source")) {
            messages.last().source = text();
        } else if (xml.name() == QLatin1String("translation")) {
            messages.last().unfinished = type == QLatin1String("unfinished");
            if (!numerus)
                messages.last().translations << text();
        } else if (xml.name() == QLatin1String("numerusform")) {
            messages.last().translations << text();
        }
    }
    return messages;
}

} // namespace

// The program shows its windows in the system's language when it has a
// translation for it, and the German one leaves nothing out.
class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_F.MakeDemo()); }
    void init() { QVERIFY(m_F.Begin()); }
    void cleanup() {
        removeTranslators();
        m_F.End();
    }

    void installsTheLanguageOfTheLocale_data();
    void installsTheLanguageOfTheLocale();
    void everySourceTextIsTranslated_data();
    void everySourceTextIsTranslated();
    void menusAndDialogsShowNoEnglish();

private:
    QList<QPair<QString, QString>> shownTexts();

    MainWindowFixture m_F;
};

void TranslationsTest::installsTheLanguageOfTheLocale_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("fileMenu");
    QTest::addColumn<QString>("ctrlKey"); // Qt's own name of the key
    QTest::newRow("German") << "de_DE"
                            << "de_DE"
                            << "&Datei"
                            << "Strg";
    QTest::newRow("Austrian German takes German") << "de_AT"
                                                  << "de_DE"
                                                  << "&Datei"
                                                  << "Strg";
    QTest::newRow("French: none, Qt's buttons stay English") << "fr_FR"
                                                             << ""
                                                             << "&File"
                                                             << "Ctrl";
    QTest::newRow("English") << "en_US"
                             << ""
                             << "&File"
                             << "Ctrl";
}

void TranslationsTest::installsTheLanguageOfTheLocale() {
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QFETCH(QString, fileMenu);
    QFETCH(QString, ctrlKey);
    QCOMPARE(Translations::Install(QLocale(locale), BuiltTranslations), language);
    QCOMPARE(QCoreApplication::translate("MainWindow", "&File"), fileMenu);
    const QString qtGerman =
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
    if (QFile::exists(qtGerman))
        QCOMPARE(QKeySequence(Qt::CTRL | Qt::Key_S).toString(QKeySequence::NativeText),
                 ctrlKey + QStringLiteral("+S"));
}

void TranslationsTest::everySourceTextIsTranslated_data() {
    QTest::addColumn<QString>("ts");
    const QDir folder(QStringLiteral(GM_SOURCE_DIR "/translations"));
    const QStringList files = folder.entryList({QStringLiteral("gridmason_*.ts")}, QDir::Files);
    QVERIFY(!files.isEmpty());
    for (const QString& file : files)
        QTest::newRow(qPrintable(file)) << folder.filePath(file);
}

// lupdate over today's sources, into a copy of the file: a text added to
// the program without its translation fails here, not only in the next
// update of the file.
void TranslationsTest::everySourceTextIsTranslated() {
    QFETCH(QString, ts);
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString copy = work.filePath(QFileInfo(ts).fileName());
    QVERIFY(QFile::copy(ts, copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    QProcess lupdate;
    lupdate.start(QStringLiteral(GM_LUPDATE), {"-no-obsolete", "-locations", "none", "-silent",
                                               QStringLiteral(GM_SOURCE_DIR "/src"), "-ts", copy});
    QVERIFY(lupdate.waitForFinished(120000));
    QCOMPARE(lupdate.exitCode(), 0);

    const QList<Message> messages = readTs(copy);
    QVERIFY(messages.size() > 100);
    QStringList faults;
    for (const Message& m : messages) {
        const QString where = m.context + QStringLiteral(": ") + m.source;
        if (m.unfinished || m.translations.isEmpty())
            faults << QStringLiteral("untranslated: ") + where;
        for (const QString& translation : m.translations) {
            if (translation.isEmpty())
                faults << QStringLiteral("empty: ") + where;
            else if (placeholders(translation) != placeholders(m.source))
                faults << QStringLiteral("other placeholders: ") + where;
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

// Every text of the menus, the tool bar, the editor's controls and the
// main dialogs, in the order the windows hold them, each with where it is.
QList<QPair<QString, QString>> TranslationsTest::shownTexts() {
    QList<QPair<QString, QString>> texts;
    const auto add = [&](const QString& where, const QString& text) {
        if (!plain(text).trimmed().isEmpty())
            texts.append({where, plain(text)});
    };
    const auto addWidgets = [&](const QWidget& top) {
        add(top.objectName() + QStringLiteral(" title"), top.windowTitle());
        for (const QWidget* w : top.findChildren<QWidget*>()) {
            const QString where = QString::fromLatin1(w->metaObject()->className()) +
                                  QLatin1Char(' ') + w->objectName();
            add(where + QStringLiteral(" tooltip"), w->toolTip());
            if (const auto* label = qobject_cast<const QLabel*>(w))
                add(where, label->text());
            if (const auto* button = qobject_cast<const QAbstractButton*>(w))
                add(where, button->text());
            if (const auto* list = qobject_cast<const QComboBox*>(w))
                for (int i = 0; i < list->count(); ++i)
                    add(where, list->itemText(i));
            if (const auto* dock = qobject_cast<const QDockWidget*>(w))
                add(where, dock->windowTitle());
            if (const auto* table = qobject_cast<const QTableWidget*>(w))
                for (int row = 0; row < table->rowCount(); ++row)
                    for (int column = 0; column < 2; ++column) // the keys are Qt's
                        add(where, table->item(row, column)->text());
        }
    };
    const auto collectDialog = [&](QDialog& dialog) { addWidgets(dialog); };

    auto window = m_F.StartedWindow(QSize(1000, 700));
    if (!window)
        return texts;
    // File, New with its dialog, answered with its starting values.
    m_F.prompts().dialogs.push_back([&](QDialog& dialog) {
        collectDialog(dialog);
        QTest::mouseClick(&controls::find<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    });
    window->newLevel();
    for (const char* action :
         {"propertiesAction", "setPathsAction", "aboutAction", "shortcutsAction"}) {
        m_F.prompts().dialogs.push_back(collectDialog);
        controls::find<QAction>(*window, action).trigger();
    }
    // The check dock, shown.
    controls::find<QAction>(*window, "checkLevelAction").trigger();
    for (const QMenu* menu : window->findChildren<QMenu*>()) {
        add(QStringLiteral("menu ") + menu->objectName(), menu->title());
        for (const QAction* action : menu->actions()) {
            const QString where = menu->objectName() + QLatin1Char(' ') + action->objectName();
            add(where, action->text());
            add(where + QStringLiteral(" tooltip"), action->toolTip());
        }
    }
    addWidgets(*window);
    return texts;
}

// The same windows in English and then in German: a text that reads the
// same in both, beyond the few a German desktop shares with English, was
// left out of the translation.
void TranslationsTest::menusAndDialogsShowNoEnglish() {
    const auto english = shownTexts();
    m_F.End();
    QVERIFY(m_F.Begin());
    QVERIFY(!Translations::Install(QLocale(QLocale::German, QLocale::Germany), BuiltTranslations)
                 .isEmpty());
    const auto german = shownTexts();
    QVERIFY(english.size() > 100);
    QCOMPARE(german.size(), english.size());
    QStringList faults;
    for (qsizetype i = 0; i < english.size(); ++i) {
        if (german[i].second == english[i].second && !mayStayEnglish(english[i].second))
            faults << english[i].first + QStringLiteral(": ") + english[i].second;
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    // Each menu's mnemonics stay one key an item.
    QStringList clashes;
    auto window = m_F.StartedWindow();
    QVERIFY(window);
    m_F.NewLevel(*window, 20, 10, 0);
    for (const QMenu* menu : window->findChildren<QMenu*>()) {
        std::set<QChar> keys;
        for (const QAction* action : menu->actions()) {
            const QRegularExpressionMatch m =
                QRegularExpression(QStringLiteral("(?<!&)&([^&])")).match(action->text());
            if (m.hasMatch() && !keys.insert(m.captured(1).at(0).toLower()).second)
                clashes << menu->title() + QStringLiteral(": ") + action->text();
        }
    }
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1Char('\n'))));
}

GM_TEST_MAIN(TranslationsTest)
#include "tst_Translations.moc"

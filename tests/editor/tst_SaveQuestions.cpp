// The question before a level with errors is saved: asked whenever the
// level holds an error that was not among those accepted at the last Yes.

#include "SaveQuestions.h"
#include "ScriptedPrompts.h"
#include "TestMain.h"

#include <QTest>

namespace {

// Errors named by letters: "ab" is two errors, at cells a and b.
std::vector<Finding> errors(const QString& names) {
    std::vector<Finding> out;
    for (QChar name : names)
        out.push_back({Severity::Error, FindingKind::UnknownTile, name.unicode() - 'a', 0,
                       QStringLiteral("tile 700 is unknown")});
    return out;
}

// One save: the level's errors and the answer given if asked ("y" or "n").
struct Save {
    QString errors;
    char answer;
};

} // namespace

Q_DECLARE_METATYPE(std::vector<Save>)

class tst_SaveQuestions : public QObject {
    Q_OBJECT

private slots:
    void errorsAskedUntilAccepted_data() {
        QTest::addColumn<std::vector<Save>>("saves");
        // Per save: "-" not asked, "y" asked and saved, "n" asked and not.
        QTest::addColumn<QString>("expected");
        QTest::newRow("no errors") << std::vector<Save>{{"", 'n'}, {"", 'n'}} << "--";
        QTest::newRow("No asks again") << std::vector<Save>{{"a", 'n'}, {"a", 'y'}} << "ny";
        QTest::newRow("accepted errors") << std::vector<Save>{{"ab", 'y'}, {"ab", 'n'}} << "y-";
        QTest::newRow("fewer errors") << std::vector<Save>{{"ab", 'y'}, {"b", 'n'}} << "y-";
        QTest::newRow("a new error")
            << std::vector<Save>{{"a", 'y'}, {"ab", 'n'}, {"ab", 'y'}, {"ab", 'n'}} << "yny-";
        // What was accepted is the set of the last Yes: an error fixed and
        // made again is new once more.
        QTest::newRow("made again")
            << std::vector<Save>{{"a", 'y'}, {"b", 'y'}, {"a", 'n'}, {"b", 'n'}} << "yyn-";
    }

    void errorsAskedUntilAccepted() {
        QFETCH(std::vector<Save>, saves);
        QFETCH(QString, expected);
        ScriptedPrompts prompts;
        ScopedPrompts installed(prompts);
        SaveQuestions questions;
        QString got;
        for (const Save& save : saves) {
            const size_t asked = prompts.messages.size();
            prompts.answers = {save.answer == 'y' ? Prompts::Answer::Yes : Prompts::Answer::No};
            const bool saved = questions.ConfirmErrors(nullptr, errors(save.errors), "Save?");
            if (prompts.messages.size() == asked)
                got += saved ? QChar('-') : QChar('!');
            else
                got += saved ? QChar('y') : QChar('n');
        }
        QCOMPARE(got, expected);
    }
};

GM_TEST_MAIN(tst_SaveQuestions)
#include "tst_SaveQuestions.moc"

// File, Close All asks once for all modified levels, and Save All stops at
// the first level that is not saved.

#include "CloseAllQuestion.h"
#include "ScriptedPrompts.h"
#include "TestMain.h"

#include <QTest>

Q_DECLARE_METATYPE(CloseAllQuestion::Outcome)
Q_DECLARE_METATYPE(Prompts::Answer)

class tst_CloseAllQuestion : public QObject {
    Q_OBJECT

private slots:
    void ask_data() {
        using O = CloseAllQuestion::Outcome;
        using A = Prompts::Answer;
        QTest::addColumn<QStringList>("modified");
        QTest::addColumn<A>("answer");
        QTest::addColumn<O>("outcome");
        QTest::addColumn<bool>("asked");
        QTest::newRow("nothing modified: no question")
            << QStringList{} << A::Cancel << O::Close << false;
        QTest::newRow("Save All") << QStringList{"LEVEL01.CK1", "Untitled"} << A::Save << O::Save
                                  << true;
        QTest::newRow("Discard All")
            << QStringList{"LEVEL80.CK1"} << A::Discard << O::Close << true;
        QTest::newRow("Cancel") << QStringList{"LEVEL80.CK1"} << A::Cancel << O::Cancel << true;
    }

    void ask() {
        QFETCH(QStringList, modified);
        QFETCH(Prompts::Answer, answer);
        ScriptedPrompts prompts;
        ScopedPrompts installed(prompts);
        prompts.answers.push_back(answer);
        QTEST(CloseAllQuestion::Ask(nullptr, modified), "outcome");
        QFETCH(bool, asked);
        QCOMPARE(prompts.messages.size(), size_t(asked ? 1 : 0));
        if (!asked)
            return;
        const auto& question = prompts.messages.front();
        QCOMPARE(question.buttons, Prompts::Buttons::SaveAllDiscardAllCancel);
        // One question names every modified level.
        for (const QString& name : modified)
            QVERIFY2(question.text.contains(name), qPrintable(question.text));
    }

    void saveEach_data() {
        QTest::addColumn<QList<bool>>("modified");
        QTest::addColumn<QList<bool>>("saves"); // what each save call reports, in order
        QTest::addColumn<QList<int>>("saved");  // the levels asked to save
        QTest::addColumn<bool>("all");
        QTest::newRow("only the modified") << QList<bool>{false, true, false, true}
                                           << QList<bool>{true, true} << QList<int>{1, 3} << true;
        QTest::newRow("stops at a failure")
            << QList<bool>{true, true, true} << QList<bool>{true, false} << QList<int>{0, 1}
            << false;
        QTest::newRow("nothing to save")
            << QList<bool>{false} << QList<bool>{} << QList<int>{} << true;
    }

    void saveEach() {
        QFETCH(QList<bool>, modified);
        QFETCH(QList<bool>, saves);
        QList<int> saved;
        const bool all = CloseAllQuestion::SaveEach(
            std::vector<bool>(modified.begin(), modified.end()), [&](int i) {
                const bool result = saves.value(int(saved.size()), true);
                saved << i;
                return result;
            });
        QTEST(saved, "saved");
        QTEST(all, "all");
    }
};

GM_TEST_APPLESS_MAIN(tst_CloseAllQuestion)
#include "tst_CloseAllQuestion.moc"

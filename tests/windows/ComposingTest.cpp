// An input method composing in the search box: the list follows the text as
// it would stand if the composition were committed now, committing changes
// nothing further, cancelling returns to the committed text, and the
// on-screen keyboard commits a composition before its own letter.
#include "ActiveMainWindow.h"
#include "WindowTestSupport.h"

#include "windows/Form1.h"
#include "windows/Form2.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace testing_support;

namespace {

// What an input method sends: a composition shown, or text committed.
void Compose(windows::Form1& main, const QString& preedit) {
    QInputMethodEvent event(preedit, {});
    QCoreApplication::sendEvent(main.Text1.editor(), &event);
}

void Commit(windows::Form1& main, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(main.Text1.editor(), &event);
}

// The row the list shows once `text` is typed into an empty box.
int RowFor(const QString& text) {
    Program program;
    windows::Form1& main = OpenActiveMain(program);
    Commit(main, text);
    return main.List1.ListIndex();
}

struct ComposeCase {
    const char* what;
    QString committed;  // already in the box
    std::vector<QString> steps;  // compositions shown, one after another
};

TEST(Composing, TheListFollowsTheCompositionAsIfItWereCommitted) {
    const ComposeCase cases[] = {
        {"glyph codes", QString(), {QStringLiteral("K"), QStringLiteral("Ki")}},
        {"Unicode, with a sign that joins the next letter", QString(),
         {QStringLiteral("ক"), QStringLiteral("কল"), QStringLiteral("কল্")}},
        {"after committed text", QStringLiteral("K"), {QStringLiteral("j"), QStringLiteral("j-")}},
    };
    for (const ComposeCase& c : cases) {
        Program program;
        windows::Form1& main = OpenActiveMain(program);
        Commit(main, c.committed);
        const int before = main.List1.ListIndex();
        bool moved = false;
        for (const QString& step : c.steps) {
            Compose(main, step);
            EXPECT_EQ(main.List1.ListIndex(), RowFor(c.committed + step)) << c.what << ": " << step.toStdString();
            EXPECT_EQ(main.Text1.Text(), c.committed) << c.what;
            moved = moved || main.List1.ListIndex() != before;
        }
        EXPECT_TRUE(moved) << c.what;
        const int composed = main.List1.ListIndex();

        Program cancelled;  // the same composition, then given up
        windows::Form1& other = OpenActiveMain(cancelled);
        Commit(other, c.committed);
        for (const QString& step : c.steps) Compose(other, step);
        Compose(other, QString());
        EXPECT_EQ(other.List1.ListIndex(), before) << c.what << ": cancelled";

        Commit(main, c.steps.back());
        EXPECT_EQ(main.Text1.Text(), c.committed + c.steps.back()) << c.what;
        EXPECT_EQ(main.List1.ListIndex(), composed) << c.what << ": committed";
    }
}

TEST(Composing, TheKeyboardWindowCommitsTheCompositionBeforeItsLetterAndNeverTakesTheFocus) {
    const int expected = RowFor(QStringLiteral("Ki"));
    Program program;
    windows::Form1& main = OpenActiveMain(program);
    platform::Form& keys = program.forms.form2();
    keys.Show();
    EXPECT_EQ(QApplication::activeWindow(), &main);
    Compose(main, QStringLiteral("K"));
    Click(keys.image("Image25"));  // i
    EXPECT_EQ(main.Text1.Text(), QStringLiteral("Ki"));
    EXPECT_EQ(main.Text1.ComposedText(), QStringLiteral("Ki"));
    EXPECT_EQ(main.List1.ListIndex(), expected);
    // IBus commits a composition again when the box resets it: once is kept.
    Commit(main, QStringLiteral("K"));
    EXPECT_EQ(main.Text1.Text(), QStringLiteral("Ki"));
    Commit(main, QStringLiteral("K"));  // typed: a commit like any other
    EXPECT_EQ(main.Text1.Text(), QStringLiteral("KiK"));
    EXPECT_EQ(QApplication::activeWindow(), &main);
    EXPECT_TRUE(main.Text1.editor()->hasFocus());
    EXPECT_TRUE(keys.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));

    Compose(main, QStringLiteral("j"));
    Click(keys.image("Image51"));  // clear: the composition goes with the rest
    EXPECT_EQ(main.Text1.ComposedText(), QString());
    EXPECT_EQ(main.List1.ListIndex(), -1);
}

}  // namespace

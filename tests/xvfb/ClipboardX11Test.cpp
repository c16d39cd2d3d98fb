// The clipboard and the primary selection on a real X server, as another
// program (xclip) sees them and fills them: Unicode Bengali as text, the
// exact glyph codes under the program's own type, and pastes back.
#include "core/WordTable.h"
#include "platform/GlyphClipboard.h"
#include "platform/GlyphText.h"
#include "windows/Form1.h"
#include "windows/Form7.h"
#include "windows/Forms.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

using namespace Qt::StringLiterals;

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
QT_END_NAMESPACE

namespace {

using platform::glyphText;

constexpr int kWaitMs = 10000;  // only a broken X server takes this long

struct Program {
    windows::Forms forms{platform::DesktopShell(), [] {}};
    windows::Form1& main;
    Program() : main(StartUp(forms)) {}
    ~Program() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    static windows::Form1& StartUp(windows::Forms& forms) {
        forms.form7().Show();
        forms.form7().timer("Timer1").fire();
        return forms.form1();
    }
};

// What another program reads from a selection ("clipboard" or "primary").
QByteArray ReadAsAnotherProgram(const QString& selection, const QString& target = {}) {
    QProcess xclip;
    QStringList args{u"-o"_s, u"-selection"_s, selection};
    if (!target.isEmpty()) args << u"-t"_s << target;
    xclip.start(u"xclip"_s, args);
    // This program serves the request, so its events must keep running.
    EXPECT_TRUE(QTest::qWaitFor([&] { return xclip.state() == QProcess::NotRunning; }, kWaitMs));
    return xclip.readAllStandardOutput();
}

// Another program owning a selection with one target, until destroyed.
class ForeignOwner {
public:
    ForeignOwner(QClipboard::Mode mode, const QString& target, const QByteArray& data) {
        const QString selection = mode == QClipboard::Selection ? u"primary"_s : u"clipboard"_s;
        xclip_.start(u"xclip"_s, {u"-i"_s, u"-quiet"_s, u"-selection"_s, selection, u"-t"_s, target});
        xclip_.write(data);
        xclip_.closeWriteChannel();
        QClipboard* clipboard = QGuiApplication::clipboard();
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                const QMimeData* held = clipboard->mimeData(mode);
                return !(mode == QClipboard::Selection ? clipboard->ownsSelection() : clipboard->ownsClipboard()) &&
                       held && held->hasFormat(target == u"UTF8_STRING"_s ? u"text/plain"_s : target);
            },
            kWaitMs));
    }
    ~ForeignOwner() {
        xclip_.kill();
        xclip_.waitForFinished();
    }

private:
    QProcess xclip_;
};

const QString kCodesType = QString::fromLatin1(platform::kGlyphCodesMimeType);

}  // namespace

TEST(X11Clipboard, CopiedMeaningReachesOtherProgramsAsUnicodeAndCodes) {
    Program program;
    program.main.List1.setListIndex(4);
    QLineEdit& meaning = *program.main.Text2.lineEdit();
    meaning.selectAll();
    QTest::keySequence(&meaning, QKeySequence::Copy);
    EXPECT_EQ(QString::fromUtf8(ReadAsAnotherProgram(u"clipboard"_s)), u"এসেছি"_s);
    EXPECT_EQ(ReadAsAnotherProgram(u"clipboard"_s, kCodesType), QByteArray("G\x87mwQ"));
}

// Selecting in the search box is enough for a middle-button paste elsewhere.
TEST(X11Clipboard, SelectionBecomesThePrimarySelectionInUnicode) {
    Program program;
    QLineEdit& search = *program.main.Text1.lineEdit();
    search.setText(glyphText(core::Headword(15)));
    QTest::keySequence(&search, QKeySequence::SelectAll);
    EXPECT_EQ(QString::fromUtf8(ReadAsAnotherProgram(u"primary"_s)), u"জোহা"_s);
    EXPECT_EQ(ReadAsAnotherProgram(u"primary"_s, kCodesType), QByteArray(core::Headword(15).data()));
}

// Copy out, another program takes the codes over, paste back: the exact
// codes return and the search runs on them.
TEST(X11Clipboard, CodesFromAnotherProgramPasteBackExactly) {
    Program program;
    QLineEdit& search = *program.main.Text1.lineEdit();
    search.setText(glyphText(core::Headword(64)));
    search.selectAll();
    QTest::keySequence(&search, QKeySequence::Cut);
    ASSERT_TRUE(search.text().isEmpty());
    const QByteArray codes = ReadAsAnotherProgram(u"clipboard"_s, kCodesType);
    ASSERT_EQ(codes, QByteArray(core::Headword(64).data()));
    ForeignOwner owner(QClipboard::Clipboard, kCodesType, codes);
    QTest::keySequence(&search, QKeySequence::Paste);
    EXPECT_EQ(search.text(), glyphText(core::Headword(64)));
    EXPECT_EQ(program.main.List1.ListIndex(), 64);
}

TEST(X11Clipboard, UnicodeFromAnotherProgramSearches) {
    Program program;
    ForeignOwner owner(QClipboard::Clipboard, u"UTF8_STRING"_s, u"জোহা"_s.toUtf8());
    QLineEdit& search = *program.main.Text1.lineEdit();
    QTest::keySequence(&search, QKeySequence::Paste);
    EXPECT_EQ(search.text(), u"জোহা"_s);
    EXPECT_EQ(program.main.List1.ListIndex(), 15);
}

TEST(X11Clipboard, MiddleButtonPastesThePrimarySelectionsCodes) {
    Program program;
    ForeignOwner owner(QClipboard::Selection, kCodesType, QByteArray("\x87Rvnv"));
    QLineEdit& search = *program.main.Text1.lineEdit();
    QTest::mouseClick(&search, Qt::MiddleButton, Qt::NoModifier, search.rect().center());
    EXPECT_EQ(search.text(), glyphText("\x87Rvnv"));
    EXPECT_EQ(program.main.List1.ListIndex(), 15);
}

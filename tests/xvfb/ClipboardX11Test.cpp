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
    QStringList args{u"-o"_qs, u"-selection"_qs, selection};
    if (!target.isEmpty()) args << u"-t"_qs << target;
    xclip.start(u"xclip"_qs, args);
    // This program serves the request, so its events must keep running.
    EXPECT_TRUE(QTest::qWaitFor([&] { return xclip.state() == QProcess::NotRunning; }, kWaitMs));
    return xclip.readAllStandardOutput();
}

// Another program owning a selection with one target, until destroyed.
class ForeignOwner {
public:
    ForeignOwner(QClipboard::Mode mode, const QString& target, const QByteArray& data) {
        const QString selection = mode == QClipboard::Selection ? u"primary"_qs : u"clipboard"_qs;
        xclip_.start(u"xclip"_qs, {u"-i"_qs, u"-quiet"_qs, u"-selection"_qs, selection, u"-t"_qs, target});
        xclip_.write(data);
        xclip_.closeWriteChannel();
        QClipboard* clipboard = QGuiApplication::clipboard();
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                const QMimeData* held = clipboard->mimeData(mode);
                return !(mode == QClipboard::Selection ? clipboard->ownsSelection() : clipboard->ownsClipboard()) &&
                       held && held->hasFormat(target == u"UTF8_STRING"_qs ? u"text/plain"_qs : target);
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
    EXPECT_EQ(QString::fromUtf8(ReadAsAnotherProgram(u"clipboard"_qs)), u"এসেছি"_qs);
    EXPECT_EQ(ReadAsAnotherProgram(u"clipboard"_qs, kCodesType), QByteArray("G\x87mwQ"));
}

// Selecting in the search box is enough for a middle-button paste elsewhere.
TEST(X11Clipboard, SelectionBecomesThePrimarySelectionInUnicode) {
    Program program;
    QLineEdit& search = *program.main.Text1.lineEdit();
    search.setText(glyphText(core::Headword(15)));
    QTest::keySequence(&search, QKeySequence::SelectAll);
    EXPECT_EQ(QString::fromUtf8(ReadAsAnotherProgram(u"primary"_qs)), u"জোহা"_qs);
    EXPECT_EQ(ReadAsAnotherProgram(u"primary"_qs, kCodesType), QByteArray(core::Headword(15).data()));
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
    const QByteArray codes = ReadAsAnotherProgram(u"clipboard"_qs, kCodesType);
    ASSERT_EQ(codes, QByteArray(core::Headword(64).data()));
    ForeignOwner owner(QClipboard::Clipboard, kCodesType, codes);
    QTest::keySequence(&search, QKeySequence::Paste);
    EXPECT_EQ(search.text(), glyphText(core::Headword(64)));
    EXPECT_EQ(program.main.List1.ListIndex(), 64);
}

TEST(X11Clipboard, UnicodeFromAnotherProgramSearches) {
    Program program;
    ForeignOwner owner(QClipboard::Clipboard, u"UTF8_STRING"_qs, u"জোহা"_qs.toUtf8());
    QLineEdit& search = *program.main.Text1.lineEdit();
    QTest::keySequence(&search, QKeySequence::Paste);
    EXPECT_EQ(search.text(), u"জোহা"_qs);
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

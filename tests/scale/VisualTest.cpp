// Each window, grabbed offscreen at the screen's pixel ratio (the tests run
// once with QT_SCALE_FACTOR=1 and once with 2), against a reference image in
// references/: a moved label, a lost frame, a wrong fill or a list that no
// longer scrolls fails, and the test writes a difference image. Outside the
// outline the grab is transparent, so the outline is compared too.
// With UPDATE_REFERENCES=1 the tests write the references instead
// (tests/scale/update-references).
//
// The images in references/ are drawn by the Qt version that qt-version
// there names. Where another Qt version's own drawing differs beyond the
// tolerance (it rasterises glyphs differently, lays the plain text box's
// lines out with other font metrics, draws other scroll bar arrows: nothing
// the program sizes or places), that version keeps its own image of the
// window in references/qt<major>.<minor>/.
#include "platform/Application.h"
#include "tests/scale/WindowImages.h"
#include "tests/scale/WindowStates.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>

#include <cstdlib>

namespace {

using testing_support::Compare;
using testing_support::Grab;
using testing_support::WindowState;

// A channel that differs by no more than this is the same pixel.
constexpr int kChannelTolerance = 32;
// Pixels that may differ beyond it: far fewer than the edge of the smallest
// label moved by one pixel (see ToleranceCatchesALabelMovedByOnePixel).
constexpr long kDifferingPixelsAllowed = 16;

class Window : public testing::TestWithParam<WindowState> {};

bool Differs(const QImage& expected, const QImage& actual) {
    return expected.size() != actual.size() ||
           Compare(expected, actual, kChannelTolerance).differing > kDifferingPixelsAllowed;
}

// This Qt version's own references, and whether references/ is drawn by it.
QDir OwnReferences() {
    return QDir(QStringLiteral(DICT_VISUAL_REFERENCES "/qt%1.%2").arg(QT_VERSION_MAJOR).arg(QT_VERSION_MINOR));
}
bool DrawsTheCommonReferences() {
    QFile named(QStringLiteral(DICT_VISUAL_REFERENCES "/qt-version"));
    return named.open(QIODevice::ReadOnly) &&
           named.readAll().trimmed() == QByteArray::number(QT_VERSION_MAJOR) + '.' + QByteArray::number(QT_VERSION_MINOR);
}

// Writes the reference: the common one, or, on another Qt version, its own
// where it differs from the common one (and none where it does not).
void UpdateReference(const QString& file, const QImage& actual) {
    const QDir common(QStringLiteral(DICT_VISUAL_REFERENCES));
    if (DrawsTheCommonReferences()) {
        ASSERT_TRUE(actual.save(common.filePath(file), "png", 0)) << file.toStdString();
        return;
    }
    QDir own = OwnReferences();
    if (!Differs(QImage(common.filePath(file)), actual)) {
        own.remove(file);
        own.rmdir(QStringLiteral("."));
        return;
    }
    own.mkpath(QStringLiteral("."));
    ASSERT_TRUE(actual.save(own.filePath(file), "png", 0)) << file.toStdString();
}

TEST_P(Window, LooksAsItsReference) {
    windows::Forms forms;
    platform::Form& form = GetParam().show(forms);
    QCoreApplication::processEvents();
    const QImage actual = Grab(form);
    const QString file = QStringLiteral("%1@%2x.png").arg(QLatin1String(GetParam().name)).arg(actual.devicePixelRatio());

    if (qEnvironmentVariableIsSet("UPDATE_REFERENCES")) {
        UpdateReference(file, actual);
        return;
    }
    const QDir references = OwnReferences().exists(file) ? OwnReferences() : QDir(QStringLiteral(DICT_VISUAL_REFERENCES));
    const QImage expected(references.filePath(file));
    ASSERT_FALSE(expected.isNull()) << "no reference " << file.toStdString()
                                    << " (tests/scale/update-references writes it)";
    ASSERT_EQ(actual.size(), expected.size()) << file.toStdString();
    const testing_support::Comparison comparison = Compare(expected, actual, kChannelTolerance);
    if (comparison.differing > kDifferingPixelsAllowed) {
        const QDir out(QStringLiteral(DICT_VISUAL_FAILURES));
        out.mkpath(QStringLiteral("."));
        const QString difference = out.filePath(QStringLiteral("difference-") + file);
        actual.save(out.filePath(QStringLiteral("actual-") + file));
        comparison.picture.save(difference);
        ADD_FAILURE() << comparison.differing << " pixels differ from " << references.filePath(file).toStdString() << " ("
                      << kDifferingPixelsAllowed << " allowed); differences in red: " << difference.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(AtTheScreensRatio, Window, testing::ValuesIn(testing_support::WindowStates()),
                         [](const auto& info) { return testing_support::TestName(info.param); });

// The tolerance is tight enough to see the smallest menu label move by one
// pixel.
TEST(Tolerance, CatchesALabelMovedByOnePixel) {
    windows::Forms forms;
    windows::Form1& main = forms.form1();
    main.Show();
    QCoreApplication::processEvents();
    const QImage before = Grab(main);
    QWidget& label = main.label("Label2");  // "x", the smallest
    label.move(label.pos() + QPoint(1, 0));
    const QImage after = Grab(main);
    EXPECT_GT(Compare(before, after, kChannelTolerance).differing, kDifferingPixelsAllowed);
}

}  // namespace

int main(int argc, char** argv) {
    platform::UseOffscreenPlatform();
    setenv("FONTCONFIG_FILE", DICT_SCALE_FONTS, 1);
    testing_support::TestApplication app(argc, argv);
    QApplication::setCursorFlashTime(0);  // a steady caret: the same in every grab
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Each window, grabbed offscreen at the screen's pixel ratio (the tests run
// once with QT_SCALE_FACTOR=1 and once with 2), against a reference image in
// references/: a moved label, a lost frame, a wrong fill or a list that no
// longer scrolls fails, and the test writes a difference image. Outside the
// outline the grab is transparent, so the outline is compared too.
// With UPDATE_REFERENCES=1 the tests write the references instead
// (tests/scale/update-references).
#include "platform/Application.h"
#include "platform/Fonts.h"
#include "windows/Form1.h"
#include "windows/Form10.h"
#include "windows/Form2.h"
#include "windows/Form3.h"
#include "windows/Form4.h"
#include "windows/Form5.h"
#include "windows/Form7.h"
#include "windows/Form9.h"
#include "windows/Forms.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <string>

namespace {

// A channel that differs by no more than this is the same pixel.
constexpr int kChannelTolerance = 32;
// Pixels that may differ beyond it: far fewer than the edge of the smallest
// label moved by one pixel (see ToleranceCatchesALabelMovedByOnePixel).
constexpr long kDifferingPixelsAllowed = 16;

// The pixels that differ between two grabs of one size, and an image of them:
// differing pixels in red over a pale copy of the reference.
struct Comparison {
    long differing = 0;
    QImage picture;
};

Comparison Compare(const QImage& expected, const QImage& actual) {
    const QImage a = expected.convertToFormat(QImage::Format_ARGB32);
    const QImage b = actual.convertToFormat(QImage::Format_ARGB32);
    Comparison result;
    result.picture = QImage(a.size(), QImage::Format_RGB32);
    for (int y = 0; y < a.height(); ++y) {
        const auto* lineA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* lineB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(result.picture.scanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = lineA[x];
            const QRgb q = lineB[x];
            const int most = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                       std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            if (most > kChannelTolerance) {
                ++result.differing;
                out[x] = qRgb(255, 0, 0);
            } else {
                // transparent (outside the outline) shows as white
                const int grey = 255 - qAlpha(p) * (255 - (160 + qGray(p) * 95 / 255)) / 255;
                out[x] = qRgb(grey, grey, grey);
            }
        }
    }
    return result;
}

// The window as the screen shows it, transparent outside its outline, in
// device pixels.
QImage Grab(QWidget& window) {
    const QImage image = window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    if (window.mask().isEmpty()) return image;
    QImage cut(image.size(), QImage::Format_ARGB32);
    cut.setDevicePixelRatio(image.devicePixelRatio());
    cut.fill(Qt::transparent);
    QPainter painter(&cut);
    painter.setClipRegion(window.mask());
    painter.drawImage(0, 0, image);
    painter.end();
    return cut;
}

struct Case {
    const char* name;
    // Shows the window in its state and returns it.
    std::function<platform::Form&(windows::Forms&)> show;

    friend void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }
};

template <typename T>
platform::Form& Shown(T& form) {
    form.Show();
    return form;
}

const Case kCases[] = {
    {"splash", [](windows::Forms& f) -> platform::Form& { return Shown(f.form7()); }},
    {"main", [](windows::Forms& f) -> platform::Form& { return Shown(f.form1()); }},
    // A search for a headword near the end: the list selects it and scrolls
    // to it, and the meaning and origin show.
    {"main-searched",
     [](windows::Forms& f) -> platform::Form& {
         windows::Form1& main = f.form1();
         main.Show();
         main.Text1.setText(main.List1.item(main.List1.count() - 4)->text());
         return main;
     }},
    {"keyboard", [](windows::Forms& f) -> platform::Form& { return Shown(f.form2()); }},
    {"who-we-are", [](windows::Forms& f) -> platform::Form& { return Shown(f.form3()); }},
    {"help", [](windows::Forms& f) -> platform::Form& { return Shown(f.form4()); }},
    {"terms", [](windows::Forms& f) -> platform::Form& { return Shown(f.form5()); }},
    {"exit", [](windows::Forms& f) -> platform::Form& { return Shown(f.form9()); }},
    {"magnifier",
     [](windows::Forms& f) -> platform::Form& {
         windows::Form1& main = f.form1();
         main.Show();
         main.List1.setListIndex(38);
         main.image("Image2").Click();
         return f.form10();
     }},
};

class Window : public testing::TestWithParam<Case> {};

TEST_P(Window, LooksAsItsReference) {
    windows::Forms forms;
    platform::Form& form = GetParam().show(forms);
    QCoreApplication::processEvents();
    const QImage actual = Grab(form);
    const QString file = QStringLiteral("%1@%2x.png").arg(QLatin1String(GetParam().name)).arg(actual.devicePixelRatio());
    const QDir references(QStringLiteral(DICT_VISUAL_REFERENCES));

    if (qEnvironmentVariableIsSet("UPDATE_REFERENCES")) {
        ASSERT_TRUE(actual.save(references.filePath(file), "png", 0)) << file.toStdString();
        return;
    }
    const QImage expected(references.filePath(file));
    ASSERT_FALSE(expected.isNull()) << "no reference " << file.toStdString()
                                    << " (tests/scale/update-references writes it)";
    ASSERT_EQ(actual.size(), expected.size()) << file.toStdString();
    const Comparison comparison = Compare(expected, actual);
    if (comparison.differing > kDifferingPixelsAllowed) {
        const QDir out(QStringLiteral(DICT_VISUAL_FAILURES));
        out.mkpath(QStringLiteral("."));
        const QString difference = out.filePath(QStringLiteral("difference-") + file);
        actual.save(out.filePath(QStringLiteral("actual-") + file));
        comparison.picture.save(difference);
        ADD_FAILURE() << comparison.differing << " pixels differ from " << file.toStdString() << " ("
                      << kDifferingPixelsAllowed << " allowed); differences in red: " << difference.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(AtTheScreensRatio, Window, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

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
    EXPECT_GT(Compare(before, after).differing, kDifferingPixelsAllowed);
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("FONTCONFIG_FILE", DICT_SCALE_FONTS, 1);
    platform::Application app(argc, argv);
    platform::RegisterBundledFonts();
    QApplication::setCursorFlashTime(0);  // a steady caret: the same in every grab
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

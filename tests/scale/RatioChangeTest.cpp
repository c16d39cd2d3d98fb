// Windows moved, while shown, between screens of different pixel ratios (the
// offscreen platform's screens of screens.json): each window repaints for the
// ratio of the screen it is on, every picture it paints is the build's
// drawing for that ratio (or, for a ratio the build does not draw, fills the
// same place), the window keeps its size and outline in device-independent
// pixels, and outlines, text and pictures stay where they are at ratio 1.
#include "layouts/Assets.h"
#include "platform/Application.h"
#include "platform/Fonts.h"
#include "platform/RatioPicture.h"
#include "tests/scale/WindowImages.h"
#include "tests/scale/WindowStates.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

using testing_support::Compare;
using testing_support::Grab;
using testing_support::WindowState;

struct Screen {
    const char* name;
    qreal ratio;
};

// The order a window is moved in: up, down, to the odd ratios and back. Every
// screen of screens.json is here.
const Screen kMoves[] = {
    {"ratio-2", 2}, {"ratio-0.5", 0.5}, {"ratio-4", 4}, {"ratio-1.25", 1.25}, {"ratio-1.5", 1.5}, {"ratio-1", 1},
};

QScreen* ScreenNamed(const char* name) {
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->name() == QLatin1String(name)) return screen;
    return nullptr;
}

void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

// The pixel ratio of each paint a window receives.
class PaintRatios : public QObject {
public:
    explicit PaintRatios(QWidget& window) : window_(window) { window.installEventFilter(this); }
    std::vector<qreal> ratios;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (object == &window_ && event->type() == QEvent::Paint) ratios.push_back(window_.devicePixelRatioF());
        return false;
    }

private:
    QWidget& window_;
};

// A widget painted alone (without its children) at its window's ratio.
QImage PaintedAlone(QWidget& widget) {
    const qreal ratio = widget.devicePixelRatioF();
    QImage image(platform::RatioDeviceSize(widget.size(), ratio), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::IgnoreMask);
    return image;
}

// An image averaged over blocks of a few pixels: a change of ratio changes
// edges (antialiasing, hinting), not where things are.
QImage Coarse(const QImage& image, QSize size) {
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Checks that `painted` shows the picture of `resource` (its ratio-1 name) at
// `ratio` from its top-left corner: at a ratio the build draws, that drawing
// itself, pixel for pixel (not one scaled from another ratio); at another,
// the same picture in the same place, seen at ratio 1.
void ExpectPicture(const QImage& painted, const QString& resource, const Screen& screen) {
    SCOPED_TRACE(resource.toStdString());
    const QImage atOne(resource);
    ASSERT_FALSE(atOne.isNull());
    const QSize device = platform::RatioDeviceSize(atOne.size(), screen.ratio);
    ASSERT_TRUE(QRect(QPoint(), painted.size()).contains(QRect(QPoint(), device)))
        << "the control is smaller than its picture";
    const QImage shown = painted.copy(QRect(QPoint(), device));
    const std::vector<qreal> drawnRatios = platform::DrawnRatios(resource);
    if (std::find(drawnRatios.begin(), drawnRatios.end(), screen.ratio) != drawnRatios.end()) {
        const QImage drawn(platform::RatioResource(resource, screen.ratio));
        ASSERT_EQ(drawn.size(), device);
        EXPECT_EQ(Compare(drawn, shown, 2).differing, 0);
    } else {
        const QSize coarse = atOne.size() / 4;
        const long differing = Compare(Coarse(atOne, coarse), Coarse(shown, coarse), 24).differing;
        EXPECT_LE(differing, 2 + coarse.width() * coarse.height() / 50);
    }
}

class MovedWindow : public testing::TestWithParam<WindowState> {};

TEST_P(MovedWindow, RepaintsForEachScreensRatio) {
    windows::Forms forms;
    platform::Form& window = GetParam().show(forms);
    window.setScreen(ScreenNamed("ratio-1"));
    Settle();
    ASSERT_EQ(window.devicePixelRatioF(), 1);
    const QSize size = window.size();
    const QRegion outline = window.mask();
    const QImage atOne = Grab(window);
    PaintRatios paints(window);

    for (const Screen& move : kMoves) {
        SCOPED_TRACE(move.name);
        QScreen* screen = ScreenNamed(move.name);
        ASSERT_NE(screen, nullptr) << "the platform lacks the screen (screens.json)";
        paints.ratios.clear();
        window.setScreen(screen);
        window.move(screen->geometry().topLeft() + QPoint(40, 40));
        Settle();

        ASSERT_EQ(window.screen(), screen);
        EXPECT_EQ(window.devicePixelRatioF(), move.ratio);
        ASSERT_FALSE(paints.ratios.empty()) << "not repainted";
        EXPECT_EQ(paints.ratios.back(), move.ratio);
        EXPECT_EQ(window.size(), size);
        EXPECT_EQ(window.mask(), outline);

        // Below ratio 1 Qt 6.4 paints widgets at no less than one device pixel
        // per pixel, so text and pictures alike fill only the top-left corner
        // of the window's smaller buffer: nothing of the window's own to
        // compare. It must survive the move and keep its size and outline.
        if (move.ratio < 1) continue;

        // Its pictures, each painted alone: the background, then every
        // picture control (without the focus mark).
        ExpectPicture(PaintedAlone(window),
                      QString::fromStdString(std::string(layouts::pictureAsset(window.layout().background).resource)),
                      move);
        QWidget* focused = window.focusWidget();
        if (focused) focused->clearFocus();
        for (const layouts::ControlLayout& control : window.layout().controls) {
            if (control.kind != layouts::ControlKind::Image) continue;
            const std::string resource = layouts::pictureResource(control);
            platform::Image& image = window.image(control.name);
            if (resource.empty() || !image.isVisible()) continue;
            ExpectPicture(PaintedAlone(image), QString::fromStdString(resource), move);
        }
        if (focused) focused->setFocus();

        // The whole window, seen at ratio 1: outlines, text and pictures where
        // they were.
        const QImage shown = Grab(window);
        EXPECT_LE(std::abs(shown.deviceIndependentSize().width() - size.width()), 1.0);
        EXPECT_LE(std::abs(shown.deviceIndependentSize().height() - size.height()), 1.0);
        const QSize coarse = size / 4;
        const testing_support::Comparison moved = Compare(Coarse(atOne, coarse), Coarse(shown, coarse), 64);
        EXPECT_LE(moved.differing, coarse.width() * coarse.height() / 50);
    }
}

INSTANTIATE_TEST_SUITE_P(AcrossScreens, MovedWindow, testing::ValuesIn(testing_support::WindowStates()),
                         [](const auto& info) { return testing_support::TestName(info.param); });

// Each screen's pixel ratio is Qt's scale factor for that screen, which Qt
// gives every window on it (the offscreen platform's own "dpr" reaches the
// screens but, from Qt 6.6 on, not their windows). Qt takes no screen factor
// below 1, so every screen's factor is doubled and the whole program's is 0.5:
// a window's ratio is the product.
void SetScreenRatios() {
    constexpr qreal kProgramFactor = 0.5;
    QStringList factors;
    for (const Screen& screen : kMoves)
        factors << QStringLiteral("%1=%2").arg(QLatin1String(screen.name)).arg(screen.ratio / kProgramFactor);
    qputenv("QT_SCREEN_SCALE_FACTORS", factors.join(u';').toUtf8());
    qputenv("QT_SCALE_FACTOR", QByteArray::number(kProgramFactor));
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen:configfile=" DICT_SCALE_SCREENS, 1);
    setenv("FONTCONFIG_FILE", DICT_SCALE_FONTS, 1);
    SetScreenRatios();
    testing_support::TestApplication app(argc, argv);
    QApplication::setCursorFlashTime(0);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// What every window of the program shares: it cuts itself to the outline of
// its border shapes before anything else of its load, the user moves it by
// pressing on its background, and the desktop's close request does what the
// window's own close control does.
#pragma once

#include "platform/Form.h"
#include "platform/QtRegions.h"
#include "shell/BuildBorderRegion.h"

#include <QRegion>

namespace shell {

class BorderlessWindow : public platform::Form {
    Q_OBJECT
public:
    explicit BorderlessWindow(const layouts::WindowLayout& layout);

signals:
    // A move of the window with the pointer has started.
    void DragStarted();

protected:
    // The outline comes first in every window's load.
    void PrepareLoad() override;
    // Any mouse button pressed on the background starts a move.
    void Form_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) override;
    // Close requests from the desktop unload the window, as its close picture
    // does; windows without a close picture decide for themselves.
    void DesktopCloseRequested() override;

    // Starts moving the window with the pointer while a button is held;
    // `at` is the pointer in window coordinates.
    void DragStart(Qt::MouseButtons held, QPoint at);

private:
    // The outline made from this window's `shpborder` set, in window pixels,
    // held in regions_ until the window takes it.
    platform::RegionHandle BuildBorderRegion(std::int16_t xOffset, std::int16_t yOffset);

    platform::QtRegionApi regions_;
};

}  // namespace shell

#include "shell/BorderlessWindow.h"

#include "platform/Screen.h"
#include "platform/WindowMove.h"

#include <map>
#include <string>

namespace shell {
namespace {

class ShapeMember final : public BorderShape {
public:
    explicit ShapeMember(platform::ShapeControl& shape) : shape_(shape) {}
    std::int16_t Shape() const override { return shape_.Shape(); }
    void setShape(std::int16_t kind) override { shape_.setShape(kind); }
    float Left() const override { return shape_.Left(); }
    float Top() const override { return shape_.Top(); }
    float Width() const override { return shape_.Width(); }
    float Height() const override { return shape_.Height(); }

private:
    platform::ShapeControl& shape_;
};

// A window's `shpborder` control array as the outline builder reads it.
class ShapeArray final : public BorderShapeSet {
public:
    explicit ShapeArray(const std::vector<platform::ShapeControl*>& shapes) {
        for (auto* shape : shapes) members_.emplace(shape->Index(), ShapeMember(*shape));
    }
    std::int16_t LBound() const override {
        return members_.empty() ? 0 : static_cast<std::int16_t>(members_.begin()->first);
    }
    std::int16_t UBound() const override {
        return members_.empty() ? -1 : static_cast<std::int16_t>(members_.rbegin()->first);
    }
    BorderShape* member(std::int16_t index) override {
        const auto it = members_.find(index);
        return it == members_.end() ? nullptr : &it->second;
    }

private:
    std::map<int, ShapeMember> members_;
};

}  // namespace

BorderlessWindow::BorderlessWindow(const layouts::WindowLayout& layout) : platform::Form(layout) {}

platform::RegionHandle BorderlessWindow::BuildBorderRegion(std::int16_t xOffset, std::int16_t yOffset) {
    ShapeArray shapes(controlArray("shpborder"));
    return shell::BuildBorderRegion(shapes, platform::ScreenTwipsPerPixel(), regions_, xOffset, yOffset);
}

void BorderlessWindow::PrepareLoad() {
    const platform::RegionHandle outline = BuildBorderRegion(0, 0);
    setMask(regions_.takeRegion(outline));  // the window now owns its outline
}

void BorderlessWindow::Form_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
    DragStart(button, QPoint(x, y));
}

void BorderlessWindow::DesktopCloseRequested() { Unload(); }

void BorderlessWindow::DragStart(Qt::MouseButtons held, QPoint at) {
    if (platform::StartWindowMove(*this, held, mapToGlobal(at))) emit DragStarted();
}

}  // namespace shell

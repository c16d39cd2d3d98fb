// A shape control: an outline drawn on the window's surface (rectangles and
// rounded rectangles here), or, for the members of `shpborder`, an invisible
// description of a piece of the window's outline. Shapes take no mouse
// events: a press on one is a press on the background.
#pragma once

#include "layouts/Layout.h"

#include <QWidget>

#include <cstdint>

namespace platform {

class ShapeControl : public QWidget {
public:
    ShapeControl(const layouts::ControlLayout& layout, const QFont& font, QWidget* parent);

    std::int16_t Shape() const { return shape_; }
    void setShape(std::int16_t kind);
    int Index() const { return index_; }
    // The box in twips, as the layout gives it.
    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    bool IsVisible() const { return visible_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::int16_t shape_;
    int index_;
    float left_, top_, width_, height_;
    bool visible_;
    std::uint32_t borderColor_;
    int borderWidth_;
};

}  // namespace platform

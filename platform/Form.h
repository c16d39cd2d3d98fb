// A window created from its layout: borderless, painted by its background
// picture at the top-left, at the size the screen factor gives it (as its
// controls' boxes) and for the screen's pixel ratio, its controls created in
// list order.
// A form exists at most once at a time; its owner creates it, runs Load()
// once, and unloading destroys it (see FormSlot).
#pragma once

#include "layouts/Layout.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/ListBox.h"
#include "platform/RatioPicture.h"
#include "platform/ShapeControl.h"
#include "platform/TextBox.h"
#include "platform/Timer.h"

#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace platform {

inline constexpr int kMousePointerDefault = 0;
inline constexpr int kMousePointerHourglass = 11;
inline constexpr int kWindowStateNormal = 0;
inline constexpr int kWindowStateMinimized = 1;

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(const layouts::WindowLayout& layout);
    ~Form() override;

    const layouts::WindowLayout& layout() const { return layout_; }

    // Controls by name. Asking for a control the layout does not have is a
    // programming error and throws std::logic_error.
    Label& label(std::string_view name) const;
    TextBox& textBox(std::string_view name) const;
    ListBox& listBox(std::string_view name) const;
    Image& image(std::string_view name) const;
    Timer& timer(std::string_view name) const;
    // The members of a control array, by index (only `shpborder` here).
    const std::vector<ShapeControl*>& controlArray(std::string_view name) const;

    // Runs the window's load: the keyboard set-up, PrepareLoad, then
    // Form_Load. Called once, after the window's handlers are connected.
    void Load();

    // A key (without Ctrl, Alt or Meta) that no control takes runs `action`.
    void BindKey(Qt::Key key, std::function<void()> action);
    // The key presses the control, exactly as a click does.
    void BindKey(Qt::Key key, ClickableControl& control);

    // Visible = true: shows the window modeless; centred on its screen the
    // first time. A window already shown comes to the front where it is.
    void Show();
    // Unload: hides the window at once and destroys it with its controls.
    void Unload();
    bool isUnloaded() const { return unloaded_; }

    int WindowState() const;
    void setWindowState(int state);
    int MousePointer() const { return mousePointer_; }
    void setMousePointer(int pointer);

protected:
    // Runs before Form_Load (the window shell applies the outline there).
    virtual void PrepareLoad() {}
    virtual void Form_Load() {}
    virtual void Form_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
    virtual void Form_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, int, int) {}
    // The desktop asked to close the window (Alt+F4, the taskbar's close).
    virtual void DesktopCloseRequested() {}

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    template <typename T>
    T& control(std::string_view name) const;
    void CreateControl(const layouts::ControlLayout& entry);
    // Every control with a click handler becomes a button for the keyboard:
    // Tab reaches it after the text and list boxes, in reading order.
    void EnableKeyboard();

    const layouts::WindowLayout& layout_;
    // The colour of the middle of the background picture's bottom edge,
    // read on first use.
    QColor EdgeColour();

    RatioPicture background_;
    QColor edgeColour_;
    std::unordered_map<std::string, QObject*> controls_;
    std::unordered_map<std::string, std::vector<ShapeControl*>> arrays_;
    std::vector<QWidget*> tabOrder_;
    std::map<int, std::function<void()>> keys_;
    bool shownBefore_ = false;
    bool iconRequested_ = false;
    bool unloaded_ = false;
    int mousePointer_ = kMousePointerDefault;
};

}  // namespace platform

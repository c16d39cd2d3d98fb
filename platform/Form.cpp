#include "platform/Form.h"

#include "layouts/Assets.h"
#include "platform/Accessibility.h"
#include "platform/Application.h"
#include "platform/ControlSetup.h"
#include "platform/Fonts.h"
#include "platform/Screen.h"
#include "platform/NativeWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <stdexcept>

namespace platform {
namespace {

RatioPicture LoadPicture(layouts::Picture picture) {
    return RatioPicture(ToQString(layouts::pictureAsset(picture).resource));
}

// Whether the desktop cuts a window to its mask. On Wayland a mask only
// limits where clicks land, and the X servers of some Wayland compositors
// ignore the X shape; there the window draws its outline itself.
bool DesktopCutsToMask() {
    return !OnWayland() && !OnXWayland();
}

}  // namespace

Form::Form(const layouts::WindowLayout& layout) : QWidget(nullptr), layout_(layout) {
    InstallAccessibility();
    setObjectName(ToQString(layout.name));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(ToQString(layout.caption));
    setAttribute(Qt::WA_AlwaysShowToolTips);
    // A translucent surface whose pixels outside the outline stay clear.
    if (!DesktopCutsToMask()) setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);  // Form_MouseMove runs without a button held
    const QRect box = TwipsBoxToPixels(0, 0, layout.clientWidth, layout.clientHeight, ScreenTwipsPerPixel());
    setFixedSize(box.size());
    background_ = LoadPicture(layout.background);
    setFont(MakeFont(layout.font));

    // Text and list boxes lie above labels, pictures and shapes, and take the
    // focus in the order of their tab positions.
    std::vector<std::pair<int, QWidget*>> focusable;
    for (const auto& entry : layout.controls) {
        CreateControl(entry);
        if (entry.kind == layouts::ControlKind::TextBox || entry.kind == layouts::ControlKind::ListBox) {
            focusable.emplace_back(entry.tabIndex, static_cast<QWidget*>(controls_.at(std::string(entry.name))));
        }
    }
    for (auto& entry : focusable) entry.second->raise();
    std::stable_sort(focusable.begin(), focusable.end(), [](auto& a, auto& b) { return a.first < b.first; });
    for (auto& entry : focusable) tabOrder_.push_back(entry.second);
    for (std::size_t i = 1; i < tabOrder_.size(); ++i) setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
    if (!tabOrder_.empty()) tabOrder_.front()->setFocus(Qt::OtherFocusReason);
}

Form::~Form() = default;

void Form::CreateControl(const layouts::ControlLayout& entry) {
    const QFont font = entry.font ? MakeFont(*entry.font) : this->font();
    QObject* object = nullptr;
    switch (entry.kind) {
        case layouts::ControlKind::Label: object = new Label(entry, font, this); break;
        case layouts::ControlKind::TextBox: object = new TextBox(entry, font, this); break;
        case layouts::ControlKind::ListBox: object = new ListBox(entry, font, this); break;
        case layouts::ControlKind::Image: object = new Image(entry, font, this); break;
        case layouts::ControlKind::Timer: object = new Timer(entry, this); break;
        case layouts::ControlKind::Shape: {
            auto* shape = new ShapeControl(entry, font, this);
            if (entry.index >= 0) {
                arrays_[std::string(entry.name)].push_back(shape);
                return;
            }
            object = shape;
            break;
        }
    }
    controls_[std::string(entry.name)] = object;
}

template <typename T>
T& Form::control(std::string_view name) const {
    const auto it = controls_.find(std::string(name));
    T* typed = it == controls_.end() ? nullptr : qobject_cast<T*>(it->second);
    if (!typed)
        throw std::logic_error("window " + objectName().toStdString() + " has no control " + std::string(name) +
                               " of that kind");
    return *typed;
}

Label& Form::label(std::string_view name) const { return control<Label>(name); }
TextBox& Form::textBox(std::string_view name) const { return control<TextBox>(name); }
ListBox& Form::listBox(std::string_view name) const { return control<ListBox>(name); }
Image& Form::image(std::string_view name) const { return control<Image>(name); }
Timer& Form::timer(std::string_view name) const { return control<Timer>(name); }

const std::vector<ShapeControl*>& Form::controlArray(std::string_view name) const {
    static const std::vector<ShapeControl*> none;
    const auto it = arrays_.find(std::string(name));
    return it == arrays_.end() ? none : it->second;
}

void Form::Load() {
    EnableKeyboard();
    PrepareLoad();
    Form_Load();
}

void Form::EnableKeyboard() {
    std::vector<ClickableControl*> buttons;
    for (auto* control : findChildren<ClickableControl*>(Qt::FindDirectChildrenOnly))
        if (control->isClickable()) buttons.push_back(control);
    // Reading order: rows of controls whose heights overlap, top to bottom,
    // each row from left to right.
    std::stable_sort(buttons.begin(), buttons.end(), [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    std::vector<std::pair<int, ClickableControl*>> rows;  // (row, control)
    int row = -1, rowBottom = 0;
    for (auto* button : buttons) {
        if (row < 0 || button->y() > rowBottom) {
            ++row;
            rowBottom = button->geometry().bottom();
        } else {
            rowBottom = std::max(rowBottom, button->geometry().bottom());
        }
        rows.emplace_back(row, button);
    }
    std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        return std::pair(a.first, a.second->x()) < std::pair(b.first, b.second->x());
    });
    const QColor edge = rows.empty() ? QColor() : EdgeColour();  // the splash reads no picture here
    const QColor mark = edge.isValid() ? edge.darker(150) : QColor(Qt::black);
    for (auto& [ignored, button] : rows) {
        button->setFocusPolicy(Qt::TabFocus);  // a mouse click leaves the focus where it is
        button->setFocusMarkColour(mark);
        if (!tabOrder_.empty()) setTabOrder(tabOrder_.back(), button);
        tabOrder_.push_back(button);
    }
    // A window without boxes opens with its first button focused.
    if (!tabOrder_.empty() && !focusWidget()) tabOrder_.front()->setFocus(Qt::OtherFocusReason);
}

// Tab and Shift+Tab go round the window's own order; Qt's focus chain loses
// its way backwards past boxes whose editors are focus proxies.
bool Form::focusNextPrevChild(bool next) {
    const int count = static_cast<int>(tabOrder_.size());
    QWidget* focus = focusWidget();
    int at = -1;
    for (int i = 0; i < count && focus; ++i)
        if (tabOrder_[i] == focus || tabOrder_[i]->isAncestorOf(focus)) at = i;
    for (int step = 1; step <= count; ++step) {
        const int i = at < 0 ? (next ? step - 1 : count - step) : ((at + (next ? step : -step)) % count + count) % count;
        QWidget* candidate = tabOrder_[i];
        if (candidate->isVisibleTo(this) && candidate->isEnabled() && (candidate->focusPolicy() & Qt::TabFocus)) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return QWidget::focusNextPrevChild(next);
}

void Form::BindKey(Qt::Key key, std::function<void()> action) { keys_[key] = std::move(action); }

void Form::BindKey(Qt::Key key, ClickableControl& control) {
    BindKey(key, [&control] { control.Press(); });
}

void Form::keyPressEvent(QKeyEvent* event) {
    const auto it = keys_.find(event->key());
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (it == keys_.end() || !plain || unloaded_) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat()) it->second();
}

void Form::Show() {
    if (unloaded_) return;
    if (!shownBefore_) {
        shownBefore_ = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
        if (!layout_.showInTaskbar) native::SetSkipTaskbar(*this);
    }
    if (isMinimized()) showNormal();
    show();
    raise();
    if (!windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus)) activateWindow();
}

void Form::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    hide();
    deleteLater();
}

int Form::WindowState() const { return isMinimized() ? kWindowStateMinimized : kWindowStateNormal; }

void Form::setWindowState(int state) {
    if (state == kWindowStateMinimized) showMinimized();
    else if (isMinimized()) showNormal();
}

void Form::setMousePointer(int pointer) {
    mousePointer_ = pointer;
    if (pointer == kMousePointerHourglass) setCursor(Qt::WaitCursor);
    else unsetCursor();
}

QColor Form::EdgeColour() {
    if (!edgeColour_.isValid()) {
        RatioPicture atOne = background_;  // leaves the picture shown at its own ratio
        const QImage image = atOne.at(1).toImage();
        if (!image.isNull()) edgeColour_ = image.pixelColor(image.width() / 2, image.height() - 1);
    }
    return edgeColour_;
}

void Form::paintEvent(QPaintEvent*) {
    if (!iconRequested_) {
        // Read once the window is on screen: the first paint waits for nothing
        // it does not show.
        iconRequested_ = true;
        QTimer::singleShot(0, this, [this] {
            if (RatioPicture icon = LoadPicture(layout_.icon); !icon.at(1).isNull())
                setWindowIcon(QIcon(icon.at(1)));
        });
    }
    if (background_.isNull()) return;
    QPainter painter(this);
    if (testAttribute(Qt::WA_TranslucentBackground) && !mask().isEmpty()) painter.setClipRegion(mask());
    const qreal scale = PictureScale();
    const QPixmap& picture = background_.at(painter.device()->devicePixelRatioF() * scale);
    if (picture.isNull()) return;
    // The outline leaves a sliver of the window beyond its picture; it takes
    // the colour of the picture's edge rather than a foreign grey.
    const QSizeF covered = picture.deviceIndependentSize() * scale;
    if (covered.width() < width() || covered.height() < height()) painter.fillRect(rect(), EdgeColour());
    painter.drawPixmap(QRectF(QPointF(), covered), picture, QRectF(picture.rect()));
}

void Form::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    Form_MouseDown(event->button(), event->modifiers(), at.x(), at.y());
}

void Form::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    Form_MouseMove(event->buttons(), event->modifiers(), at.x(), at.y());
}

void Form::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The window is its layout's size in device-independent pixels on every
    // screen. A platform that keeps a window's device pixels when it moves to
    // a screen of another scale factor (Qt's offscreen one does) shrinks or
    // grows it: the layout's size is set again.
    if (size() != minimumSize()) resize(minimumSize());
}

void Form::closeEvent(QCloseEvent* event) {
    // The program itself never closes a window (it unloads it), so a close
    // request comes from the desktop.
    if (unloaded_) {
        event->accept();
        return;
    }
    event->ignore();
    DesktopCloseRequested();
}

}  // namespace platform

// Driving the real windows offscreen, as a user would.
#pragma once

#include "platform/Form.h"
#include "platform/Shell.h"
#include "windows/Forms.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

#include <ostream>
#include <string>
#include <vector>

// Readable failure messages for Qt strings and points.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QPoint& p, std::ostream* out) { *out << '(' << p.x() << ", " << p.y() << ')'; }
QT_END_NAMESPACE

namespace testing_support {

// Counts the addresses handed to the desktop instead of starting a browser.
class CountingShell final : public platform::Shell {
public:
    void Open(std::string_view address) override { opened.emplace_back(address); }
    std::vector<std::string> opened;
};

// Unloaded windows are destroyed once control returns to the event loop.
inline void DestroyUnloaded() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// One run of the program: its windows, a shell that records, and a quit
// that is counted instead of leaving an event loop.
struct Program {
    CountingShell shell;
    int quits = 0;
    windows::Forms forms{shell, [this] { ++quits; }};

    ~Program() { DestroyUnloaded(); }
};

inline void Click(QWidget& widget, QPoint at = {}) {
    if (at.isNull()) at = widget.rect().center();
    QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, at);
}

// A move over a widget with no button held (Form_MouseMove, label light-up).
inline void MoveOver(QWidget& widget, QPoint at = {}, Qt::MouseButtons held = Qt::NoButton) {
    if (at.isNull()) at = widget.rect().center();
    QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &move);
}

// Types text into a line edit; characters outside ASCII ("‡", "…") go
// as key events carrying their text.
inline void Type(QLineEdit& edit, const QString& text) {
    for (QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(&edit, ch.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::KeyAction::Click, &edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }
}

}  // namespace testing_support

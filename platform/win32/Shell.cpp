// The Windows shell opens a web address with the verb "open", which starts
// the user's default browser.
#include "platform/Shell.h"

#include <QApplication>
#include <QGuiApplication>
#include <QString>
#include <QWidget>

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace platform {
namespace {

class WindowsShell final : public Shell {
public:
    void Open(std::string_view address) override {
        // The window the link was clicked in owns any message the shell shows.
        QWidget* active = QApplication::activeWindow();
        HWND owner = active && QGuiApplication::platformName() == QLatin1String("windows")
                         ? reinterpret_cast<HWND>(active->winId())
                         : nullptr;
        const std::wstring file =
            QString::fromLatin1(address.data(), static_cast<qsizetype>(address.size())).toStdWString();
        ShellExecuteW(owner, L"open", file.c_str(), L"", L"", SW_SHOW);
    }
};

}  // namespace

Shell& DesktopShell() {
    static WindowsShell shell;
    return shell;
}

}  // namespace platform

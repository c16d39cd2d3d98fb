#include "platform/Shell.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace platform {
namespace {

class QtDesktopShell final : public Shell {
public:
    void Open(std::string_view address) override {
        const QUrl url(QString::fromLatin1(address.data(), static_cast<qsizetype>(address.size())),
                       QUrl::TolerantMode);
        QDesktopServices::openUrl(url);
    }
};

}  // namespace

Shell& DesktopShell() {
    static QtDesktopShell shell;
    return shell;
}

}  // namespace platform

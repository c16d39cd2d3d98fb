// Handing a web address to the desktop, which opens it in the default browser.
#pragma once

#include <string_view>

namespace platform {

class Shell {
public:
    virtual ~Shell() = default;
    // Opens `address` as it is. Whether the desktop manages is not reported:
    // no browser or no network changes nothing here.
    virtual void Open(std::string_view address) = 0;
};

// The real desktop shell (QDesktopServices).
Shell& DesktopShell();

}  // namespace platform

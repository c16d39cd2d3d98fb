// Web addresses shown in or opened from the program's windows. They are all
// on the maker's site; the help window hands the two link addresses to the
// desktop shell as they are.
#pragma once

#include <string_view>

namespace layouts {

// Opened by the help window's "* Click to Check Update" link.
inline constexpr std::string_view kProductUpdateAddress =
    "https://www.quillmoor.example/PebblesproductUpdate";

// Opened by the help window's "* Quillmoor Software Online Terms" link.
inline constexpr std::string_view kOnlineTermsAddress = "https://www.quillmoor.example/terms";

}  // namespace layouts

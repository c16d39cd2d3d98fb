// The program's pictures, embedded as Qt resources under ":/assets/" by the
// dict_assets library. Linking dict_assets is all it takes to have them.
#pragma once

#include <string>
#include <vector>

namespace assets {

// The resources of the picture catalogue, and the key faces of the keyboard
// window, that are not present. Empty when every picture is there.
std::vector<std::string> missingPictures();

}  // namespace assets

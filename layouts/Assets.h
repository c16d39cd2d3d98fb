// The catalogue of picture assets: for every Picture the Qt resource that holds
// it and its exact size in pixels. The pictures are drawn at build time by the
// asset generator (assets/) and embedded under ":/assets/" as PNG files.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "layouts/Layout.h"

namespace layouts {

inline constexpr std::string_view kAssetResourcePrefix = ":/assets/";

struct PictureAsset {
    Picture picture = Picture::None;
    // ":/assets/<name>.png". Empty for None, and for KeyFace, whose resource
    // depends on the key's glyph code (keyFaceResource).
    std::string_view resource;
    int width = 0;   // pixels
    int height = 0;  // pixels
};

// Every picture but None, in the order of the Picture enumeration.
std::span<const PictureAsset> pictureCatalogue();

// The catalogue entry of one picture. None, and any value outside the
// enumeration, give an entry with an empty resource and a size of 0 x 0.
PictureAsset pictureAsset(Picture picture);

// The resource of the key face for a glyph code: the name is built from the
// code's bytes in lower-case hex, e.g. "Av" (0x41 0x76) -> ":/assets/key-41-76.png".
// An empty code has no face and gives an empty string.
std::string keyFaceResource(std::string_view glyphCode);

// The resource an image control shows: its picture's, or for a key face the
// face of its own glyph code. Empty when the control shows no picture.
std::string pictureResource(const ControlLayout& control);

}  // namespace layouts

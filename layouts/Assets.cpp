#include "layouts/Assets.h"

#include <array>

namespace layouts {
namespace {

constexpr std::array kCatalogue{
    PictureAsset{.picture = Picture::MainBackground, .resource = ":/assets/main-background.png", .width = 560, .height = 529},
    PictureAsset{.picture = Picture::KeyboardBackground, .resource = ":/assets/keyboard-background.png", .width = 370, .height = 500},
    PictureAsset{.picture = Picture::WhoWeAreBackground, .resource = ":/assets/who-we-are-background.png", .width = 370, .height = 500},
    PictureAsset{.picture = Picture::HelpBackground, .resource = ":/assets/help-background.png", .width = 370, .height = 500},
    PictureAsset{.picture = Picture::TermsBackground, .resource = ":/assets/terms-background.png", .width = 370, .height = 500},
    PictureAsset{.picture = Picture::SplashBackground, .resource = ":/assets/splash-background.png", .width = 285, .height = 220},
    PictureAsset{.picture = Picture::ExitBackground, .resource = ":/assets/exit-background.png", .width = 264, .height = 207},
    PictureAsset{.picture = Picture::MagnifierBackground, .resource = ":/assets/magnifier-background.png", .width = 313, .height = 282},
    PictureAsset{.picture = Picture::ProductIcon, .resource = ":/assets/product-icon.png", .width = 64, .height = 64},
    PictureAsset{.picture = Picture::KeyboardIcon, .resource = ":/assets/keyboard-icon.png", .width = 64, .height = 64},
    PictureAsset{.picture = Picture::WhoWeAreIcon, .resource = ":/assets/who-we-are-icon.png", .width = 64, .height = 64},
    PictureAsset{.picture = Picture::HelpIcon, .resource = ":/assets/help-icon.png", .width = 64, .height = 64},
    PictureAsset{.picture = Picture::TermsIcon, .resource = ":/assets/terms-icon.png", .width = 64, .height = 64},
    PictureAsset{.picture = Picture::MagnifierButton, .resource = ":/assets/magnifier-button.png", .width = 38, .height = 34},
    PictureAsset{.picture = Picture::CloseButton, .resource = ":/assets/close-button.png", .width = 40, .height = 40},
    PictureAsset{.picture = Picture::ClearKey, .resource = ":/assets/clear-key.png", .width = 40, .height = 40},
    PictureAsset{.picture = Picture::YesButton, .resource = ":/assets/yes-button.png", .width = 68, .height = 22},
    PictureAsset{.picture = Picture::NoButton, .resource = ":/assets/no-button.png", .width = 68, .height = 22},
    PictureAsset{.picture = Picture::MagnifierCloseButton, .resource = ":/assets/magnifier-close-button.png", .width = 38, .height = 34},
    PictureAsset{.picture = Picture::SmallerTextButton, .resource = ":/assets/smaller-text-button.png", .width = 20, .height = 20},
    PictureAsset{.picture = Picture::LargerTextButton, .resource = ":/assets/larger-text-button.png", .width = 20, .height = 20},
    PictureAsset{.picture = Picture::KeyFace, .resource = "", .width = 40, .height = 40},
};

// The catalogue follows the enumeration, so Picture n sits at n - 1.
constexpr bool followsEnumeration() {
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        if (static_cast<std::size_t>(kCatalogue[i].picture) != i + 1) return false;
    }
    return true;
}
static_assert(followsEnumeration());
static_assert(kCatalogue.back().picture == Picture::KeyFace);

}  // namespace

std::span<const PictureAsset> pictureCatalogue() { return kCatalogue; }

PictureAsset pictureAsset(Picture picture) {
    const auto n = static_cast<long long>(picture);
    if (n < 1 || n > static_cast<long long>(kCatalogue.size())) return {};
    return kCatalogue[static_cast<std::size_t>(n - 1)];
}

std::string keyFaceResource(std::string_view glyphCode) {
    if (glyphCode.empty()) return {};
    static constexpr char kHex[] = "0123456789abcdef";
    std::string resource(kAssetResourcePrefix);
    resource += "key";
    for (const char c : glyphCode) {
        const auto byte = static_cast<unsigned char>(c);
        resource += '-';
        resource += kHex[byte >> 4];
        resource += kHex[byte & 0x0F];
    }
    resource += ".png";
    return resource;
}

std::string pictureResource(const ControlLayout& control) {
    if (control.picture == Picture::KeyFace) return keyFaceResource(control.glyphCode);
    return std::string(pictureAsset(control.picture).resource);
}

}  // namespace layouts

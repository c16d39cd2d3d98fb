#include "layouts/Assets.h"
#include "layouts/WindowLayouts.h"
#include "platform/RatioPicture.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

using namespace layouts;

namespace {

QImage loadResource(std::string_view resource) {
    return QImage(QString::fromUtf8(resource.data(), static_cast<qsizetype>(resource.size())));
}

bool isIcon(Picture picture) {
    return picture == Picture::ProductIcon || picture == Picture::KeyboardIcon ||
           picture == Picture::WhoWeAreIcon || picture == Picture::HelpIcon ||
           picture == Picture::TermsIcon;
}

}  // namespace

// Linking dict_assets alone registers the pictures: no call is made first.
// Every picture of the catalogue and every key face is there at every ratio
// the build draws, covering its size in device-independent pixels.
TEST(EmbeddedPictures, NoneIsMissingAtAnyRatio) {
    std::vector<std::pair<std::string, QSize>> pictures;
    for (const PictureAsset& asset : pictureCatalogue()) {
        if (!asset.resource.empty()) pictures.emplace_back(asset.resource, QSize(asset.width, asset.height));
    }
    const PictureAsset face = pictureAsset(Picture::KeyFace);
    for (const ControlLayout& key : form2Layout().controls) {
        if (key.picture == Picture::KeyFace)
            pictures.emplace_back(keyFaceResource(key.glyphCode), QSize(face.width, face.height));
    }
    const std::vector<qreal> ratios = platform::DrawnRatios(QStringLiteral(":/assets/splash-background.png"));
    for (const qreal wanted : std::initializer_list<qreal>{DICT_DRAWN_RATIOS})  // the build's ASSET_RATIOS
        EXPECT_NE(std::find(ratios.begin(), ratios.end(), wanted), ratios.end()) << "no pictures at " << wanted;

    for (const auto& [resource, size] : pictures) {
        const QString name = QString::fromStdString(resource);
        EXPECT_EQ(platform::DrawnRatios(name), ratios) << resource;
        for (const qreal ratio : ratios) {
            const QString drawn = platform::RatioResource(name, ratio);
            EXPECT_EQ(QImage(drawn).size(), platform::RatioDeviceSize(size, ratio)) << drawn.toStdString();
        }
    }
}

TEST(EmbeddedPictures, EveryCataloguePictureHasItsExactSize) {
    for (const PictureAsset& asset : pictureCatalogue()) {
        if (asset.resource.empty()) continue;  // key faces below
        const QImage image = loadResource(asset.resource);
        ASSERT_FALSE(image.isNull()) << asset.resource;
        EXPECT_EQ(image.width(), asset.width) << asset.resource;
        EXPECT_EQ(image.height(), asset.height) << asset.resource;
    }
}

TEST(EmbeddedPictures, IconsAreTransparentAroundTheirSquareAndOtherPicturesOpaque) {
    for (const PictureAsset& asset : pictureCatalogue()) {
        if (asset.resource.empty()) continue;
        const QImage image = loadResource(asset.resource);
        ASSERT_FALSE(image.isNull()) << asset.resource;
        if (isIcon(asset.picture)) {
            EXPECT_TRUE(image.hasAlphaChannel()) << asset.resource;
            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << asset.resource;
            EXPECT_EQ(qAlpha(image.pixel(32, 32)), 255) << asset.resource;
        } else {
            EXPECT_FALSE(image.hasAlphaChannel()) << asset.resource;
        }
    }
}

TEST(EmbeddedPictures, EveryKeyHasItsOwnFace) {
    const PictureAsset face = pictureAsset(Picture::KeyFace);
    std::vector<QImage> faces;
    for (const ControlLayout& key : form2Layout().controls) {
        if (key.picture != Picture::KeyFace) continue;
        const std::string resource = keyFaceResource(key.glyphCode);
        const QImage image = loadResource(resource);
        ASSERT_FALSE(image.isNull()) << key.name << " " << resource;
        EXPECT_EQ(image.width(), face.width) << resource;
        EXPECT_EQ(image.height(), face.height) << resource;
        faces.push_back(image);
    }
    ASSERT_EQ(faces.size(), 50u);
    // each face shows its own letter: no two are the same picture
    for (std::size_t i = 0; i < faces.size(); ++i)
        for (std::size_t j = i + 1; j < faces.size(); ++j)
            EXPECT_NE(faces[i], faces[j]) << "faces " << i << " and " << j << " are identical";
}

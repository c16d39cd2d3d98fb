#include "AssetResources.h"

#include <QFile>
#include <QString>

#include "layouts/Assets.h"
#include "layouts/WindowLayouts.h"

namespace assets {

std::vector<std::string> missingPictures() {
    std::vector<std::string> resources;
    for (const layouts::PictureAsset& asset : layouts::pictureCatalogue()) {
        if (!asset.resource.empty()) resources.emplace_back(asset.resource);
    }
    for (const layouts::ControlLayout& control : layouts::form2Layout().controls) {
        if (control.picture == layouts::Picture::KeyFace) {
            resources.push_back(layouts::keyFaceResource(control.glyphCode));
        }
    }
    std::vector<std::string> missing;
    for (const std::string& resource : resources) {
        if (!QFile::exists(QString::fromStdString(resource))) missing.push_back(resource);
    }
    return missing;
}

}  // namespace assets

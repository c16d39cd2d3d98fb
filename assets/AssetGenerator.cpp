// asset_generator: draws every picture of the catalogue (layouts/Assets.h) at
// its exact size, once for each pixel ratio asked for, and writes them as PNG
// files, named after their resources, into one folder ("x.png" at ratio 1,
// "x@1.5x.png" at 1.5). The key faces are drawn with the glyph font.
//
// Usage: asset_generator --output DIR [--glyph-font FILE] [--ratios 1,1.5,...]
//                        [NAME.png ...]
// The names, when given, are the files the build expects; the run fails when
// they differ from the catalogue's, so the two lists cannot drift apart.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "Pictures.h"
#include "layouts/Assets.h"
#include "layouts/WindowLayouts.h"
#include "platform/Application.h"
#include "platform/Fonts.h"
#include "platform/GlyphText.h"
#include "platform/RatioPicture.h"

namespace {

struct Job {
    QString fileName;  // at ratio 1
    layouts::Picture picture = layouts::Picture::None;
    std::string glyphCode;  // key faces only
    QSize size;
};

QString fileNameOf(std::string_view resource) {
    resource.remove_prefix(layouts::kAssetResourcePrefix.size());
    return QString::fromUtf8(resource.data(), static_cast<qsizetype>(resource.size()));
}

std::vector<Job> catalogueJobs() {
    std::vector<Job> jobs;
    for (const layouts::PictureAsset& asset : layouts::pictureCatalogue()) {
        if (asset.resource.empty()) continue;  // key faces follow, one per key
        jobs.push_back({fileNameOf(asset.resource), asset.picture, {}, QSize(asset.width, asset.height)});
    }
    const layouts::PictureAsset face = layouts::pictureAsset(layouts::Picture::KeyFace);
    std::set<std::string> codes;
    for (const layouts::ControlLayout& control : layouts::form2Layout().controls) {
        if (control.picture != layouts::Picture::KeyFace) continue;
        if (!codes.insert(std::string(control.glyphCode)).second) continue;
        jobs.push_back({fileNameOf(layouts::keyFaceResource(control.glyphCode)), layouts::Picture::KeyFace,
                        std::string(control.glyphCode), QSize(face.width, face.height)});
    }
    return jobs;
}

// Registers the glyph font; the family it brings, or empty with a warning.
QString loadGlyphFont(const QString& path) {
    if (path.isEmpty()) {
        std::fprintf(stderr,
                     "asset_generator: warning: no glyph font given; key faces show their codes "
                     "in a Latin font\n");
        return {};
    }
    const QString family = platform::AddFontFile(path);
    if (family.isEmpty()) {
        std::fprintf(stderr,
                     "asset_generator: warning: the glyph font %s could not be loaded; key faces "
                     "show their codes in a Latin font\n",
                     qPrintable(path));
        return {};
    }
    return family;
}

bool writePng(const QImage& image, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (!image.save(&file, "PNG")) return false;
    return file.commit();
}

int usage() {
    std::fprintf(stderr,
                 "usage: asset_generator --output DIR [--glyph-font FILE] [--ratios 1,1.5,...] [NAME.png ...]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // Pictures are drawn off screen; no display is needed or used.
    platform::UseOffscreenPlatform(/*always=*/true);
    QGuiApplication app(argc, argv);

    QString outputDir;
    QString glyphFontPath;
    QStringList expected;
    std::vector<qreal> ratios{1};
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--output") && i + 1 < args.size()) {
            outputDir = args[++i];
        } else if (args[i] == QLatin1String("--glyph-font") && i + 1 < args.size()) {
            glyphFontPath = args[++i];
        } else if (args[i] == QLatin1String("--ratios") && i + 1 < args.size()) {
            ratios.clear();
            for (const QString& text : args[++i].split(QLatin1Char(','))) {
                bool ok = false;
                const qreal ratio = text.toDouble(&ok);
                if (!ok || !(ratio > 0) || ratio > 8) return usage();
                ratios.push_back(ratio);
            }
        } else if (args[i].startsWith(QLatin1String("--"))) {
            return usage();
        } else {
            expected << args[i];
        }
    }
    if (outputDir.isEmpty()) return usage();

    const std::vector<Job> jobs = catalogueJobs();
    if (!expected.isEmpty()) {
        QStringList produced;
        for (const Job& job : jobs)
            for (const qreal ratio : ratios) produced << platform::RatioResource(job.fileName, ratio);
        QStringList missing;  // expected by the build, not in the catalogue
        QStringList extra;    // in the catalogue, not expected by the build
        for (const QString& name : expected)
            if (!produced.contains(name)) missing << name;
        for (const QString& name : produced)
            if (!expected.contains(name)) extra << name;
        if (!missing.isEmpty() || !extra.isEmpty()) {
            std::fprintf(stderr,
                         "asset_generator: the build's list of pictures differs from the catalogue\n"
                         "  listed but not in the catalogue: %s\n"
                         "  in the catalogue but not listed: %s\n",
                         qPrintable(missing.join(QLatin1Char(' '))), qPrintable(extra.join(QLatin1Char(' '))));
            return 1;
        }
    }

    if (!QDir().mkpath(outputDir)) {
        std::fprintf(stderr, "asset_generator: cannot create %s\n", qPrintable(outputDir));
        return 1;
    }

    assets::PictureFonts fonts = assets::resolvePictureFonts();
    fonts.glyph = loadGlyphFont(glyphFontPath);

    for (const Job& job : jobs) {
        for (const qreal ratio : ratios) {
            const QString fileName = platform::RatioResource(job.fileName, ratio);
            const QImage image =
                job.picture == layouts::Picture::KeyFace
                    ? assets::drawKeyFace(platform::glyphText(job.glyphCode), job.size, fonts, ratio)
                    : assets::drawPicture(job.picture, job.size, fonts, ratio);
            const QSize expectedSize = platform::RatioDeviceSize(job.size, ratio);
            if (image.size() != expectedSize) {
                std::fprintf(stderr, "asset_generator: %s drawn at %dx%d instead of %dx%d\n",
                             qPrintable(fileName), image.width(), image.height(), expectedSize.width(),
                             expectedSize.height());
                return 1;
            }
            const QString path = QDir(outputDir).filePath(fileName);
            if (!writePng(image, path)) {
                std::fprintf(stderr, "asset_generator: cannot write %s\n", qPrintable(path));
                return 1;
            }
        }
    }
    std::printf("asset_generator: %zu pictures at %zu ratios written to %s\n", jobs.size(), ratios.size(),
                qPrintable(outputDir));
    return 0;
}

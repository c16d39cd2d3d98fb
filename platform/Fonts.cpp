#include "platform/Fonts.h"


#include <QFontDatabase>
#include <QRawFont>
#include <QStringList>

#include <cstdio>

namespace platform {
namespace {

QString& glyphFamily() {
    static QString family;
    return family;
}

// The Latin faces of the layouts and their free look-alikes. Cheap: the font
// database is not read until a font is used.
void InsertLatinSubstitutions() {
    static const bool inserted = [] {
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                                   {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
        return true;
    }();
    (void)inserted;
}

}  // namespace

QString CodesNotDrawn(const QString& family, QStringView codes) {
    QFont font(family);
    font.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid() || raw.familyName().compare(family, Qt::CaseInsensitive) != 0) return codes.toString();
    QString missing;
    for (const QChar code : codes)
        if (!raw.supportsCharacter(code)) missing += code;
    return missing;
}

QString AddFontFile(const QString& path) {
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = id == -1 ? QStringList{} : QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.front();
}

QString RegisterBundledFonts(QStringView shownCodes) {
    QString& family = glyphFamily();
    if (!family.isEmpty()) return family;

    InsertLatinSubstitutions();

    const QString installed = QString::fromLatin1(kGlyphFace);
    if (!shownCodes.isEmpty() && QFontDatabase::hasFamily(installed)) {
        // A font of that name from elsewhere may lack codes the dictionary
        // shows, which would then draw as boxes: use it only when it has all.
        const QStringView codes = shownCodes;
        const QString missing = CodesNotDrawn(installed, codes);
        if (missing.isEmpty()) {
            family = installed;
            return family;
        }
        QString listed;
        for (const QChar code : missing.left(8))
            listed += QStringLiteral(" U+") + QString::number(code.unicode(), 16).toUpper().rightJustified(4, u'0');
        std::fprintf(stderr,
                     "warning: the installed font %s lacks %d of the %d glyph codes the dictionary shows (%s%s);"
                     " using the bundled glyph font\n",
                     kGlyphFace, static_cast<int>(missing.size()), static_cast<int>(codes.size()),
                     qPrintable(listed.trimmed()), missing.size() > 8 ? " ..." : "");
    }
    family = AddFontFile(QString::fromLatin1(kBundledGlyphFontResource));
    if (family.isEmpty()) {
        std::fprintf(stderr, "warning: the bundled glyph font did not load; Bengali text will not read\n");
        family = QString::fromLatin1(kGlyphFace);
    }
    return family;
}

QString GlyphFamily() { return RegisterBundledFonts({}); }

QFont MakeFont(const layouts::FontSpec& spec) {
    InsertLatinSubstitutions();
    QFont font;
    const bool glyph = spec.face == kGlyphFace;
    font.setFamily(glyph ? GlyphFamily()
                         : QString::fromLatin1(spec.face.data(), static_cast<qsizetype>(spec.face.size())));
    font.setPointSizeF(spec.points);
    font.setWeight(spec.weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStrikeOut(spec.strikeout);
    if (glyph) font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

}  // namespace platform

#include "platform/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <cstdio>

namespace platform {
namespace {

QString& glyphFamily() {
    static QString family;
    return family;
}

}  // namespace

QString RegisterBundledFonts() {
    QString& family = glyphFamily();
    if (!family.isEmpty()) return family;

    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});

    if (QFontDatabase::hasFamily(QString::fromLatin1(kGlyphFace))) {
        family = QString::fromLatin1(kGlyphFace);
        return family;
    }
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(kBundledGlyphFontResource));
    const QStringList families = id == -1 ? QStringList{} : QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        std::fprintf(stderr, "warning: the bundled glyph font did not load; Bengali text will not read\n");
        family = QString::fromLatin1(kGlyphFace);
    } else {
        family = families.front();
    }
    return family;
}

QString GlyphFamily() { return RegisterBundledFonts(); }

bool IsGlyphFace(std::string_view face) { return face == kGlyphFace; }

QFont MakeFont(const layouts::FontSpec& spec) {
    QFont font;
    const bool glyph = IsGlyphFace(spec.face);
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

#include "platform/FontLines.h"

#include <QByteArray>
#include <QFontMetricsF>
#include <QRawFont>

namespace platform {
namespace {

struct Lines {
    qreal height;
    qreal gap;
};

qint16 BigEndian16(const QByteArray& table, int at) {
    return static_cast<qint16>((static_cast<quint8>(table[at]) << 8) | static_cast<quint8>(table[at + 1]));
}

Lines FontLines(const QFont& font) {
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray hhea = raw.isValid() ? raw.fontTable("hhea") : QByteArray();
    if (hhea.size() < 10 || raw.unitsPerEm() <= 0) {  // no such table: what Qt says
        const QFontMetricsF metrics(font);
        return {metrics.height(), metrics.leading()};
    }
    const qreal scale = raw.pixelSize() / raw.unitsPerEm();
    const qreal ascender = BigEndian16(hhea, 4) * scale;
    const qreal descender = -BigEndian16(hhea, 6) * scale;
    const qreal gap = BigEndian16(hhea, 8) * scale;
    return {ascender + descender, gap > 0 ? gap : 0};
}

}  // namespace

qreal FontLineHeight(const QFont& font) { return FontLines(font).height; }

qreal FontLineSpacing(const QFont& font) {
    const Lines lines = FontLines(font);
    return lines.height + lines.gap;
}

}  // namespace platform

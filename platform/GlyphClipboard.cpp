#include "platform/GlyphClipboard.h"

#include "platform/GlyphText.h"
#include "platform/UnicodeText.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QMimeData>

namespace platform {

QMimeData* glyphMimeData(QStringView glyphText) {
    auto* data = new QMimeData;
    QString unicode = unicodeText(glyphText);
    unicode.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    data->setText(unicode);
    if (const auto codes = glyphBytes(glyphText))
        data->setData(QString::fromLatin1(kGlyphCodesMimeType), QByteArray::fromStdString(*codes));
    return data;
}

QString pastedGlyphText(const QMimeData* data) {
    if (!data) return {};
    const QString codesType = QString::fromLatin1(kGlyphCodesMimeType);
    if (data->hasFormat(codesType)) {
        const QByteArray codes = data->data(codesType);
        return glyphText(std::string_view(codes.constData(), static_cast<std::size_t>(codes.size())));
    }
    return data->text();
}

void copyGlyphText(QStringView glyphText, QClipboard::Mode mode) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (mode == QClipboard::Selection && !clipboard->supportsSelection()) return;
    clipboard->setMimeData(glyphMimeData(glyphText), mode);
}

QString pastedGlyphText(QClipboard::Mode mode) {
    return pastedGlyphText(QGuiApplication::clipboard()->mimeData(mode));
}

}  // namespace platform

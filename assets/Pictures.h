// Drawing of the program's pictures: window backgrounds, icons, buttons and
// key faces, each at its own size and for a screen's pixel ratio, in the
// green colour scheme.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include "layouts/Layout.h"

class QPainter;

namespace assets {

// Fonts the pictures are drawn with. Families are resolved once; a family the
// machine lacks is replaced by a neighbour and reported as a warning.
struct PictureFonts {
    QString sans;     // Latin text
    QString serif;    // the script-like "Pebble's" title
    QString bengali;  // Unicode Bengali letters of the keyboard icon
    QString glyph;    // the glyph font of the key faces; empty: not available
};

// Resolves the Latin and Bengali families and prints a warning for each that
// is missing. The glyph family is left empty.
PictureFonts resolvePictureFonts();

// Draws one picture of the catalogue at the given size in device-independent
// pixels, for a screen of the given pixel ratio (the image has
// platform::RatioDeviceSize pixels and that devicePixelRatio). Opaque pictures have
// no alpha channel; icons are transparent outside their rounded square.
// KeyFace and None give a null image (key faces are drawn by drawKeyFace).
QImage drawPicture(layouts::Picture picture, QSize size, const PictureFonts& fonts, qreal ratio = 1);

// Paints the product icon in its 64 x 64 design on any device: scale the
// painter for a larger picture, or paint on a vector device for a scalable one.
void paintProductIcon(QPainter& painter, const PictureFonts& fonts);

// Draws the face of a letter key: the white glyph of `text` on a green
// square. With no glyph family the text is drawn in the sans family instead.
QImage drawKeyFace(const QString& text, QSize size, const PictureFonts& fonts, qreal ratio = 1);

}  // namespace assets

// Drawing of the program's pictures: window backgrounds, icons, buttons and
// key faces, each at its own pixel size, in the green colour scheme.
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

// Draws one picture of the catalogue at the given size. Opaque pictures have
// no alpha channel; icons are transparent outside their rounded square.
// KeyFace and None give a null image (key faces are drawn by drawKeyFace).
QImage drawPicture(layouts::Picture picture, QSize size, const PictureFonts& fonts);

// Paints the product icon in its 64 x 64 design on any device: scale the
// painter for a larger picture, or paint on a vector device for a scalable one.
void paintProductIcon(QPainter& painter, const PictureFonts& fonts);

// Draws the face of a letter key: the white glyph of `text` on a green
// square. With no glyph family the text is drawn in the sans family instead.
QImage drawKeyFace(const QString& text, QSize size, const PictureFonts& fonts);

}  // namespace assets

#pragma once
// The program's own pictures, drawn in code so they stay crisp at any scale.
#include <QIcon>
#include <QPixmap>

namespace strumbly {

// 480 x 300 logical pixels: a fretboard with the program's name.
QPixmap SplashPicture(qreal devicePixelRatio = 1.0);
// A guitar pick with strings behind it, size x size logical pixels.
QPixmap PickPicture(int size, qreal devicePixelRatio = 1.0);

// The step buttons' glyphs, two triangles pointing back or forward, in one
// colour; their icons take the desktop palette's button text colour.
QPixmap StepPixmap(bool forward, QSize size, qreal devicePixelRatio, const QColor& ink);
QIcon StepIcon(bool forward);

}  // namespace strumbly

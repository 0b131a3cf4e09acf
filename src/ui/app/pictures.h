#pragma once
// The program's own pictures, drawn in code so they stay crisp at any scale.
#include <QPixmap>

namespace strumbly {

// 480 x 300 logical pixels: a fretboard with the program's name.
QPixmap SplashPicture(qreal devicePixelRatio = 1.0);
// A guitar pick with strings behind it, size x size logical pixels.
QPixmap PickPicture(int size, qreal devicePixelRatio = 1.0);

}  // namespace strumbly

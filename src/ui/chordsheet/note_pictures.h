#pragma once
// Pictures for the buttons that set a chord's duration (note values from the
// whole note to the sixty-fourth) and for the transpose buttons (arrows).
// Their icons are drawn in the button text colour of the desktop's current
// palette whenever they are shown, so they follow a change of theme and
// stay visible on dark themes.
#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <functional>

namespace strumbly {

enum class NoteValue { Whole, Half, Quarter, Eighth, Sixteenth, ThirtySecond, SixtyFourth };
inline constexpr int kNoteValueCount = 7;

// Number of flags on the note's stem (0 for whole, half and quarter notes).
int NoteFlagCount(NoteValue value);

// The note drawn in a picture of the given logical size at the given ratio.
QPixmap NotePixmap(NoteValue value, QSize size, qreal dpr, const QColor& ink = Qt::black);
// A picture drawn in a logical size at a pixel ratio in one colour.
using InkPicture = std::function<QPixmap(QSize size, qreal dpr, const QColor& ink)>;
// An icon that draws the picture, at the pixel ratio it is shown at, in the
// palette's button text colour (its disabled one for a disabled button).
QIcon InkIcon(InkPicture picture);
// The colour an icon of this kind is drawn in for the mode.
QColor IconInk(QIcon::Mode mode);

// The icons draw at whatever size a button shows them; the size named is the
// one they are designed for.
QIcon NoteIcon(NoteValue value, QSize size = QSize(16, 24));

enum class ArrowDirection { Left, Right };
QPixmap ArrowPixmap(ArrowDirection direction, QSize size, qreal dpr, const QColor& ink = Qt::black);
QIcon ArrowIcon(ArrowDirection direction, QSize size = QSize(20, 16));

}  // namespace strumbly

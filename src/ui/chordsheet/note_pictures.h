#pragma once
// Pictures for the buttons that set a chord's duration (note values from the
// whole note to the sixty-fourth) and for the transpose buttons (arrows).
#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace strumbly {

enum class NoteValue { Whole, Half, Quarter, Eighth, Sixteenth, ThirtySecond, SixtyFourth };
inline constexpr int kNoteValueCount = 7;

// Number of flags on the note's stem (0 for whole, half and quarter notes).
int NoteFlagCount(NoteValue value);

// The note drawn in a picture of the given logical size at the given ratio.
QPixmap NotePixmap(NoteValue value, QSize size, qreal dpr, const QColor& ink = Qt::black);
// An icon carrying the picture at pixel ratios 1 and 2.
QIcon NoteIcon(NoteValue value, QSize size = QSize(16, 24));

enum class ArrowDirection { Left, Right };
QPixmap ArrowPixmap(ArrowDirection direction, QSize size, qreal dpr, const QColor& ink = Qt::black);
QIcon ArrowIcon(ArrowDirection direction, QSize size = QSize(20, 16));

}  // namespace strumbly

#pragma once
// Fitting a picture into a rectangle, keeping its aspect ratio.

#include <QRect>
#include <QSize>
#include <span>

namespace kit {

// The smallest of the values; 0 for none.
double MinValue(std::span<const double> values);

// The source's size times the smaller of the two scales that fit it into the
// target, rounded, at the target's top-left corner. An empty source gives an
// empty rectangle there.
QRect FitRect(QSize source, const QRect& target);

}  // namespace kit

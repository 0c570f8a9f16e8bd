#include "KitGeometry.h"

#include <algorithm>
#include <cmath>

namespace kit {

double MinValue(std::span<const double> values) {
  if (values.empty()) return 0;
  return *std::min_element(values.begin(), values.end());
}

QRect FitRect(QSize source, const QRect& target) {
  if (source.width() <= 0 || source.height() <= 0) return QRect(target.topLeft(), QSize(0, 0));
  const double scales[] = {static_cast<double>(target.width()) / source.width(),
                           static_cast<double>(target.height()) / source.height()};
  const double scale = MinValue(scales);
  return QRect(target.left(), target.top(), static_cast<int>(std::lround(source.width() * scale)),
               static_cast<int>(std::lround(source.height() * scale)));
}

}  // namespace kit

#pragma once
// The picture of the add-in's splash and about form.

#include <QColor>
#include <QPixmap>

namespace wordaddin {

// The form's colour, which is also its transparent colour key.
inline const QColor kSplashKeyColor{0, 0, 255};

// A 536 x 280 picture on the key colour: what is left of the key shows through.
QPixmap PaintSplashPicture();

}  // namespace wordaddin

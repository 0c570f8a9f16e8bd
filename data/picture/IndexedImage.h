#pragma once
// A Qt image as an indexed picture for the GIF writer: pixels less than half
// opaque become the transparent colour (index 0), the others keep their colour
// without alpha. When the image has more than 255 colours, the channels lose
// their lowest bits until it does not. The palette is sorted by colour, so the
// same image always gives the same file.

#include "GifWriter.h"

class QImage;

namespace data::picture {

IndexedPicture IndexedImage(const QImage& image);

}  // namespace data::picture

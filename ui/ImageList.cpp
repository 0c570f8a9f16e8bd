#include "ImageList.h"

namespace ui {

ImageList::ImageList(QSize size, QVector<QPixmap> images) : size_(size), images_(std::move(images)) {}

QPixmap ImageList::Pixmap(int index) const { return Has(index) ? images_[index] : QPixmap(); }

QIcon ImageList::Icon(int image, int selected) const {
  if (!Has(image) && !Has(selected)) return {};
  const auto key = std::make_pair(image, selected);
  if (auto found = icons_.find(key); found != icons_.end()) return found->second;

  QPixmap blank(size_);
  blank.fill(Qt::transparent);
  // Both states get a picture of their own: without one, Qt would draw the
  // other state's picture, or tint the normal one when the node is selected.
  QIcon icon;
  icon.addPixmap(Has(image) ? images_[image] : blank, QIcon::Normal);
  icon.addPixmap(Has(selected) ? images_[selected] : blank, QIcon::Selected);
  icons_.emplace(key, icon);
  return icon;
}

}  // namespace ui

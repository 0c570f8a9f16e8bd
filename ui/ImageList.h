#pragma once
// A list of same-sized pictures addressed by index, as tree nodes and list items
// use them: a node shows the picture of its image index, and the picture of its
// selected index while it is selected. A value type; copies share the pixmaps.

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QVector>
#include <map>
#include <utility>

namespace ui {

class ImageList {
 public:
  ImageList() = default;
  ImageList(QSize size, QVector<QPixmap> images);

  QSize Size() const { return size_; }
  int Count() const { return static_cast<int>(images_.size()); }
  bool Has(int index) const { return index >= 0 && index < Count(); }
  // The picture at index; a null pixmap for an index out of range.
  QPixmap Pixmap(int index) const;

  // An icon that shows image when drawn normally and selected when drawn
  // selected; an index out of range shows nothing in that state. A null icon
  // when neither index is in range.
  QIcon Icon(int image, int selected) const;
  QIcon Icon(int image) const { return Icon(image, image); }

 private:
  QSize size_;
  QVector<QPixmap> images_;
  mutable std::map<std::pair<int, int>, QIcon> icons_;
};

}  // namespace ui

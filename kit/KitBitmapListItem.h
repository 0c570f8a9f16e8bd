#pragma once
// An item of a bitmap list: one bitmap. Its body in a stream is the bitmap as
// item data, present when flag bit 3 says so (a non-empty bitmap).
//
// An empty bitmap is fetched when it is asked for at run time, by the
// container's BitmapSource: 1 the item numbered Ident of the bitmap list file
// FileName in the container's prefix folder; 4 the bitmap file
// <folder><first three letters of FileName><Ident>.bmp (for ppFixed the
// folder of FileName); 0, 2 and 3 (a program or library resource, which this
// system has none of) nothing.

#include <QImage>

#include "KitDib.h"
#include "KitListItem.h"

namespace kit {

class TKitBitmapListItem : public TKitListItem {
 public:
  TKitBitmapListItem();

  // May fetch the bitmap (see above); a source that fails raises its error.
  const QImage& Bitmap();
  void SetBitmap(const QImage& bitmap);
  // The bitmap (fetched as Bitmap does) to paint on; painting there
  // notifies no one.
  QImage& Canvas();
  TKitSavePixelFormat PixelFormat = TKitSavePixelFormat::spfDefault;

  void Clear() override;
  bool IsEmpty() const override { return bitmap_.isNull(); }
  std::uint8_t ItemFlags() const override;
  void AssignItem(const TKitListItem& source) override;

 protected:
  void ReadBody(QIODevice& in, std::uint8_t flags) override;
  void WriteBody(QIODevice& out) const override;

 private:
  void Fetch();

  QImage bitmap_;
};

}  // namespace kit

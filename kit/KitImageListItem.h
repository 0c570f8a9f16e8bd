#pragma once
// An item of an image list: images of Width x Height side by side in one
// strip bitmap, with an optional monochrome mask strip (white shows what is
// behind the image).
//
// Body in a stream: Height, Width, AllocBy (32 bits each), Masked (1 byte),
// the image count (32 bits); with images the strip (count x Width wide), and
// with Masked the mask strip, each as item data (KitItemData.h).

#include <QColor>
#include <QImage>
#include <QPainter>
#include <vector>

#include "KitDib.h"
#include "KitListItem.h"

namespace kit {

class TKitImageListItem : public TKitListItem {
 public:
  static constexpr int kLongestStrip = 32768;

  struct ImageRecord {
    int offset;  // x in the strip
    bool masked;
  };

  TKitImageListItem();

  int AllocBy = 4;
  bool Masked() const { return masked_; }
  // Rebuilds the image records and the mask strip, and notifies.
  void SetMasked(bool value);
  int Height() const { return height_; }
  int Width() const { return width_; }
  // A different positive size clears the images and notifies.
  void SetHeight(int value);
  void SetWidth(int value);
  TKitSavePixelFormat PixelFormat = TKitSavePixelFormat::spfDefault;
  // The disabled look: drawn on the background colour, every other pixel
  // then shaded (an invalid shade colour shades nothing).
  QColor BackgroundColor = Qt::white;
  QColor ShadeColor{128, 128, 128};

  int ImageCount() const { return static_cast<int>(records_.size()); }
  const std::vector<ImageRecord>& Records() const { return records_; }
  const QImage& Strip() const { return strip_; }
  // The strip to paint on; painting there notifies no one.
  QImage& Canvas() { return strip_; }
  const QImage& MaskStrip() const { return mask_; }
  // An image that is not there raises EListError.
  QRect ImageRect(int image) const;
  QImage Image(int image) const;
  QImage ImageMask(int image) const;

  // Takes count images from the strip (and, when given, their mask).
  void LoadStrip(const QImage& strip, int count, const QImage& mask = QImage());
  // Appends the other item's images (or this item's own once more); sizes
  // must match ("Invalid image size") and the strip may not pass 32768
  // pixels ("Too many images").
  void AddImages(const TKitImageListItem& source);

  void Draw(QPainter& canvas, int image, QPoint at, bool enabled) const;

  void Clear() override;
  bool IsEmpty() const override { return records_.empty(); }
  std::uint8_t ItemFlags() const override;
  void AssignItem(const TKitListItem& source) override;

 protected:
  void ReadBody(QIODevice& in, std::uint8_t flags) override;
  void WriteBody(QIODevice& out) const override;

 private:
  // The pixels across the strip that its images take.
  int UsedWidth() const { return ImageCount() * width_; }
  void ClearImages();
  void Grow(QImage& strip, int width, QImage::Format format) const;

  bool masked_ = false;
  int height_ = 16;
  int width_ = 16;
  QImage strip_;
  QImage mask_;
  std::vector<ImageRecord> records_;
};

// The pixel format in the flag bits 4-7 of an image or bitmap item, and back.
std::uint8_t PixelFormatFlags(TKitSavePixelFormat format);
TKitSavePixelFormat PixelFormatFromFlags(std::uint8_t flags);

}  // namespace kit

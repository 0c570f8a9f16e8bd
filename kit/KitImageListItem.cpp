#include "KitImageListItem.h"

#include <algorithm>

#include "KitDraw.h"
#include "KitErrors.h"
#include "KitItemData.h"
#include "KitStreams.h"

namespace kit {

namespace {

QImage MonoStrip(int width, int height) {
  QImage mask(width, height, QImage::Format_Mono);
  mask.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
  mask.fill(0);
  return mask;
}

// A mask in the kit's form: index 1 (white) where the picture is light.
QImage ToMask(const QImage& picture, int width, int height) {
  QImage mask = MonoStrip(width, height);
  for (int y = 0; y < std::min(height, picture.height()); ++y)
    for (int x = 0; x < std::min(width, picture.width()); ++x)
      if (qGray(picture.pixel(x, y)) >= 128) mask.setPixel(x, y, 1);
  return mask;
}

}  // namespace

std::uint8_t PixelFormatFlags(TKitSavePixelFormat format) {
  switch (format) {
    case TKitSavePixelFormat::spfDefault:
      return 0;
    case TKitSavePixelFormat::spfMono:
      return 0x10;
    case TKitSavePixelFormat::spf4bit:
      return 0x20;
    case TKitSavePixelFormat::spf8bit:
      return 0x40;
    case TKitSavePixelFormat::spf16bit:
      return 0x80;
  }
  return 0;
}

TKitSavePixelFormat PixelFormatFromFlags(std::uint8_t flags) {
  if (flags & 0x10) return TKitSavePixelFormat::spfMono;
  if (flags & 0x20) return TKitSavePixelFormat::spf4bit;
  if (flags & 0x40) return TKitSavePixelFormat::spf8bit;
  if (flags & 0x80) return TKitSavePixelFormat::spf16bit;
  return TKitSavePixelFormat::spfDefault;
}

TKitImageListItem::TKitImageListItem() = default;

void TKitImageListItem::SetMasked(bool value) {
  if (value == masked_) return;
  masked_ = value;
  mask_ = value ? MonoStrip(strip_.width(), height_) : QImage();
  for (auto& record : records_) record.masked = value;
  NotifyChange();
}

void TKitImageListItem::SetHeight(int value) {
  if (value == height_ || value <= 0) return;
  height_ = value;
  ClearImages();
  NotifyChange();
}

void TKitImageListItem::SetWidth(int value) {
  if (value == width_ || value <= 0) return;
  width_ = value;
  ClearImages();
  NotifyChange();
}

QRect TKitImageListItem::ImageRect(int image) const {
  if (image < 0 || image >= ImageCount()) throw EListError(ListIndexMessage(image));
  return QRect(records_[static_cast<std::size_t>(image)].offset, 0, width_, height_);
}

QImage TKitImageListItem::Image(int image) const { return strip_.copy(ImageRect(image)); }

QImage TKitImageListItem::ImageMask(int image) const {
  const QRect rect = ImageRect(image);
  if (!records_[static_cast<std::size_t>(image)].masked || mask_.isNull()) return QImage();
  return mask_.copy(rect);
}

void TKitImageListItem::LoadStrip(const QImage& strip, int count, const QImage& mask) {
  if (count < 0 || static_cast<long long>(count) * width_ > kLongestStrip)
    throw EInvalidGraphicOperation("Too many images");
  if (count > 0 && (strip.width() < count * width_ || strip.height() < height_))
    throw EInvalidGraphicOperation("Invalid image size");
  ClearImages();
  const int used = count * width_;
  strip_ = count > 0 ? strip.copy(0, 0, used, height_).convertToFormat(QImage::Format_RGB32) : QImage();
  if (masked_) mask_ = ToMask(mask, used, height_);
  for (int i = 0; i < count; ++i) records_.push_back({i * width_, masked_});
  NotifyChange();
}

void TKitImageListItem::Grow(QImage& strip, int width, QImage::Format format) const {
  if (!strip.isNull() && strip.width() >= width) return;
  // AllocBy images at a time, whatever the stream said it is: counted wide
  // enough that a large step cannot overflow.
  const long long step = static_cast<long long>(std::max(1, AllocBy)) * width_;
  const auto grown = static_cast<int>(std::min<long long>(kLongestStrip, (width + step - 1) / step * step));
  QImage larger = format == QImage::Format_Mono ? MonoStrip(grown, height_) : QImage(grown, height_, format);
  if (format != QImage::Format_Mono) larger.fill(Qt::black);
  if (!strip.isNull()) {
    QPainter painter(&larger);
    painter.drawImage(0, 0, strip);
  }
  strip = larger;
}

void TKitImageListItem::AddImages(const TKitImageListItem& source) {
  if (&source == this) {
    // The strips and records grow while they are read: add from a copy.
    TKitImageListItem copy;
    copy.AssignItem(*this);
    AddImages(copy);
    return;
  }
  if (source.width_ != width_ || source.height_ != height_) throw EInvalidGraphicOperation("Invalid image size");
  if (source.IsEmpty()) return;
  const int used = UsedWidth();
  const int adding = source.UsedWidth();
  if (used + adding > kLongestStrip) throw EInvalidGraphicOperation("Too many images");
  const ChangesLock lock(*this, true);
  Grow(strip_, used + adding, QImage::Format_RGB32);
  {
    QPainter painter(&strip_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(used, 0, source.strip_, 0, 0, adding, height_);
  }
  if (masked_ && source.masked_) {
    Grow(mask_, used + adding, QImage::Format_Mono);
    const QImage added = ToMask(source.mask_, adding, height_);
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < adding; ++x) mask_.setPixel(used + x, y, added.pixelIndex(x, y));
  }
  for (const ImageRecord& record : source.records_) records_.push_back({ImageCount() * width_, record.masked});
}

void TKitImageListItem::Draw(QPainter& canvas, int image, QPoint at, bool enabled) const {
  const QImage picture = Image(image);
  const QImage mask = ImageMask(image);
  const unsigned flags = mask.isNull() ? 0u : unsigned{dfMask};
  if (enabled) {
    DrawBitmap(canvas, picture, QRect(at, picture.size()), flags, QColor(), &mask);
    return;
  }
  QImage offscreen = SolidBitmap(picture.size(), BackgroundColor);
  {
    QPainter painter(&offscreen);
    DrawBitmap(painter, picture, offscreen.rect(), flags, QColor(), &mask);
  }
  ShadeDisabled(offscreen, ShadeColor, 0, false);
  canvas.drawImage(at, offscreen);
}

void TKitImageListItem::ClearImages() {
  strip_ = QImage();
  mask_ = QImage();
  records_.clear();
}

void TKitImageListItem::Clear() {
  ClearImages();
  NotifyChange();
}

std::uint8_t TKitImageListItem::ItemFlags() const { return PixelFormatFlags(PixelFormat); }

void TKitImageListItem::AssignItem(const TKitListItem& source) {
  const auto& images = SameKind<TKitImageListItem>(source);
  const ChangesLock lock(*this, true);
  TKitListItem::AssignItem(source);
  AllocBy = images.AllocBy;
  masked_ = images.masked_;
  height_ = images.height_;
  width_ = images.width_;
  PixelFormat = images.PixelFormat;
  BackgroundColor = images.BackgroundColor;
  ShadeColor = images.ShadeColor;
  strip_ = images.strip_;
  mask_ = images.mask_;
  records_ = images.records_;
}

void TKitImageListItem::ReadBody(QIODevice& in, std::uint8_t flags) {
  PixelFormat = PixelFormatFromFlags(flags);
  const auto height = static_cast<int>(ReadUInt32(in));
  const auto width = static_cast<int>(ReadUInt32(in));
  const auto allocBy = static_cast<int>(ReadUInt32(in));
  const bool masked = ReadByte(in) != 0;
  const std::uint32_t count = ReadUInt32(in);
  if (height <= 0 || width <= 0 || height > kLongestStrip || width > kLongestStrip ||
      static_cast<long long>(count) * width > kLongestStrip)
    throw EReadError("Image list data out of range");
  ClearImages();
  height_ = height;
  width_ = width;
  AllocBy = allocBy;
  masked_ = masked;
  QImage strip, mask;
  if (count > 0) {
    strip = ReadBitmapData(in, Compressed);
    if (masked) mask = ReadBitmapData(in, Compressed);
  }
  LoadStrip(strip, static_cast<int>(count), mask);
}

void TKitImageListItem::WriteBody(QIODevice& out) const {
  WriteUInt32(out, static_cast<std::uint32_t>(height_));
  WriteUInt32(out, static_cast<std::uint32_t>(width_));
  WriteUInt32(out, static_cast<std::uint32_t>(AllocBy));
  WriteByte(out, masked_ ? 1 : 0);
  WriteUInt32(out, static_cast<std::uint32_t>(ImageCount()));
  if (IsEmpty()) return;
  const int across = UsedWidth();
  WriteBitmapData(out, strip_.copy(0, 0, across, height_), PixelFormatCode(PixelFormat), Compressed);
  if (masked_) {
    const QImage mask = mask_.isNull() ? MonoStrip(across, height_) : mask_.copy(0, 0, across, height_);
    WriteBitmapData(out, mask, PixelFormatCode(TKitSavePixelFormat::spfDefault), Compressed);
  }
}

}  // namespace kit

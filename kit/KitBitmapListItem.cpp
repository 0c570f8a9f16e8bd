#include "KitBitmapListItem.h"

#include <QFile>
#include <string>

#include "KitBitmapList.h"
#include "KitDib.h"
#include "KitErrors.h"
#include "KitItemData.h"
#include "KitImageListItem.h"
#include "KitListFile.h"
#include "platform/Paths.h"

namespace kit {

TKitBitmapListItem::TKitBitmapListItem() = default;

const QImage& TKitBitmapListItem::Bitmap() {
  if (bitmap_.isNull() && !IsDesigning() && !IsLoading()) Fetch();
  return bitmap_;
}

QImage& TKitBitmapListItem::Canvas() {
  Bitmap();
  return bitmap_;
}

void TKitBitmapListItem::SetBitmap(const QImage& bitmap) {
  bitmap_ = bitmap;
  NotifyChange();
}

void TKitBitmapListItem::Fetch() {
  const auto* list = dynamic_cast<const TKitBitmapList*>(Container());
  if (list == nullptr) return;
  // Filled without a change notification.
  const bool wasLocked = ChangesLocked();
  LockChanges();
  struct Unlock {
    TKitBitmapListItem& item;
    bool wasLocked;
    ~Unlock() {
      if (!wasLocked) item.UnlockChanges(false);
    }
  } unlock{*this, wasLocked};

  const std::string prefix = MakePathPrefix(list->PathPrefix, true);
  switch (list->BitmapSource) {
    case TKitBitmapSource::bsListFile: {
      TKitBitmapListItem fetched;
      ReadListFileItem(prefix + list->FileName, TKitListType::ltBitmapList, Ident, fetched);
      bitmap_ = fetched.bitmap_;
      break;
    }
    case TKitBitmapSource::bsFile: {
      const std::string folder =
          list->PathPrefix == TKitPathPrefix::ppFixed ? platform::ExtractFilePath(list->FileName) : prefix;
      const std::string path =
          folder + platform::ExtractFileName(list->FileName).substr(0, 3) + std::to_string(Ident) + ".bmp";
      QFile file(QString::fromStdString(path));
      if (!file.open(QIODevice::ReadOnly)) throw EFOpenError(CannotOpenFileMessage(path));
      bitmap_ = ReadBitmapFile(file.readAll());
      break;
    }
    case TKitBitmapSource::bsNone:
    case TKitBitmapSource::bsProgram:
    case TKitBitmapSource::bsLibrary:
      break;
  }
}

void TKitBitmapListItem::Clear() {
  bitmap_ = QImage();
  NotifyChange();
}

std::uint8_t TKitBitmapListItem::ItemFlags() const {
  return static_cast<std::uint8_t>(PixelFormatFlags(PixelFormat) | (IsEmpty() ? 0 : kItemData));
}

void TKitBitmapListItem::AssignItem(const TKitListItem& source) {
  const auto& bitmaps = SameKind<TKitBitmapListItem>(source);
  const ChangesLock lock(*this, true);
  TKitListItem::AssignItem(source);
  PixelFormat = bitmaps.PixelFormat;
  bitmap_ = bitmaps.bitmap_;
}

void TKitBitmapListItem::ReadBody(QIODevice& in, std::uint8_t flags) {
  PixelFormat = PixelFormatFromFlags(flags);
  bitmap_ = (flags & kItemData) ? ReadBitmapData(in, Compressed) : QImage();
}

void TKitBitmapListItem::WriteBody(QIODevice& out) const {
  if (!IsEmpty()) WriteBitmapData(out, bitmap_, PixelFormatCode(PixelFormat), Compressed);
}

}  // namespace kit

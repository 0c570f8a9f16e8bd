// The kit's stream loaders: list items of every kind, the containers' item
// streams (plain and indexed) and list files read item by item.
//
// Input: a byte saying what to read (bits 0-1 the item kind: strings,
// images, bitmaps, waves; bits 2-3: 0 one item, 1 a container's stream, 2 an
// indexed container stream, 3 a list file), then the bytes read.
//
// Properties: a damaged stream raises one of the kit's errors and nothing
// else; what was read writes out, and what is written reads back and writes
// out the same bytes again; a list file item is read only from a file of its
// own list type.

#include <QBuffer>
#include <QByteArray>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "FuzzCheck.h"
#include "TempFolder.h"
#include "kit/KitBitmapList.h"
#include "kit/KitBitmapListItem.h"
#include "kit/KitErrors.h"
#include "kit/KitImageList.h"
#include "kit/KitImageListItem.h"
#include "kit/KitListFile.h"
#include "kit/KitStringList.h"
#include "kit/KitStringListItem.h"
#include "kit/KitWaveList.h"
#include "kit/KitWaveListItem.h"

namespace {

using kit::TKitListType;

enum class Kind { Strings, Images, Bitmaps, Waves };

std::unique_ptr<kit::TKitListItem> NewItem(Kind kind) {
  switch (kind) {
    case Kind::Strings: return std::make_unique<kit::TKitStringListItem>();
    case Kind::Images: return std::make_unique<kit::TKitImageListItem>();
    case Kind::Bitmaps: return std::make_unique<kit::TKitBitmapListItem>();
    case Kind::Waves: break;
  }
  return std::make_unique<kit::TKitWaveListItem>();
}

std::unique_ptr<kit::TKitCustomContainer> NewContainer(Kind kind) {
  switch (kind) {
    case Kind::Strings: return std::make_unique<kit::TKitStringList>(nullptr);
    case Kind::Images: return std::make_unique<kit::TKitImageList>(nullptr);
    case Kind::Bitmaps: return std::make_unique<kit::TKitBitmapList>(nullptr);
    case Kind::Waves: break;
  }
  return std::make_unique<kit::TKitWaveList>(nullptr);
}

TKitListType ListTypeOf(Kind kind) {
  switch (kind) {
    case Kind::Strings: return TKitListType::ltStringList;
    case Kind::Images: return TKitListType::ltImageList;
    case Kind::Bitmaps: return TKitListType::ltBitmapList;
    case Kind::Waves: break;
  }
  return TKitListType::ltWaveList;
}

QByteArray Written(const std::function<void(QIODevice&)>& write) {
  QByteArray bytes;
  QBuffer out(&bytes);
  out.open(QIODevice::WriteOnly);
  write(out);
  return bytes;
}

// Reads the bytes; false when the kit refused them with one of its errors.
bool ReadAll(const QByteArray& bytes, const std::function<void(QIODevice&)>& read) {
  QBuffer in;
  in.setData(bytes);
  in.open(QIODevice::ReadOnly);
  try {
    read(in);
  } catch (const kit::EKitError&) {
    return false;
  }
  return true;
}

void CheckItem(Kind kind, const QByteArray& bytes) {
  const auto item = NewItem(kind);
  if (!ReadAll(bytes, [&](QIODevice& in) { item->ReadItem(in); })) return;
  const QByteArray written = Written([&](QIODevice& out) { item->WriteItem(out); });
  const auto again = NewItem(kind);
  FUZZ_CHECK(ReadAll(written, [&](QIODevice& in) { again->ReadItem(in); }));
  FUZZ_CHECK(Written([&](QIODevice& out) { again->WriteItem(out); }) == written);
}

void CheckContainer(Kind kind, const QByteArray& bytes, bool indexed) {
  const auto container = NewContainer(kind);
  if (!ReadAll(bytes, [&](QIODevice& in) { container->LoadItems(in, indexed); })) return;
  const QByteArray written = Written([&](QIODevice& out) { container->SaveItems(out, indexed); });
  const auto again = NewContainer(kind);
  FUZZ_CHECK(ReadAll(written, [&](QIODevice& in) { again->LoadItems(in, indexed); }));
  FUZZ_CHECK(again->Count() == container->Count());
  FUZZ_CHECK(Written([&](QIODevice& out) { again->SaveItems(out, indexed); }) == written);
}

void CheckListFile(Kind kind, const QByteArray& bytes) {
  static const testing_support::TempFolder folder;
  const std::string file = folder.File("list");
  FUZZ_CHECK(testing_support::WriteFileBytes(file, bytes.toStdString()));
  const TKitListType type = kit::ListFileType(file);
  for (int index = 0; index < 4; ++index) {
    const auto item = NewItem(kind);
    try {
      kit::ReadListFileItem(file, ListTypeOf(kind), index, *item);
    } catch (const kit::EKitError&) {
      continue;
    }
    FUZZ_CHECK(type == ListTypeOf(kind));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto kind = static_cast<Kind>(data[0] & 3);
  const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
  switch ((data[0] >> 2) & 3) {
    case 0: CheckItem(kind, bytes); break;
    case 1: CheckContainer(kind, bytes, false); break;
    case 2: CheckContainer(kind, bytes, true); break;
    default: CheckListFile(kind, bytes); break;
  }
  return 0;
}

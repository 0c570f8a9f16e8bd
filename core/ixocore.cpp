// The process-wide state of the data-file library and its nine exports.

#include "core/ixocore.h"

#include <array>
#include <cstdio>

#include "core/IxoFormat.h"
#include "core/LibraryViews.h"
#include "core/MapClass.h"

namespace ixo {
namespace {

// Constructed when the library is loaded, in this order; closed by their
// destructors when it is unloaded.
MapClass<TextRecordSize> TextMap;
MapClass<EnglishRecordSize> EnglishMap;
MapClass<LemmaRecordSize> LemmaMap;
MapClass<StatusRecordSize> StatusMap;

using PathBuffer = std::array<char, 1024>;
PathBuffer TextPath{};
PathBuffer EnglishPath{};
PathBuffer LemmaPath{};
PathBuffer StatusPath{};

// The status file's record count, taken from the text at the first status map.
int StatusRecordCount = -1;

// Fixes a map's path from the first prefix whose path fits the buffer.
// False while the buffer stays empty.
bool FixPath(PathBuffer& buffer, const char* prefix, const char* fileName) {
  if (buffer[0] != '\0') return true;
  const int length = std::snprintf(buffer.data(), buffer.size(), "%s%s", prefix, fileName);
  if (length < 0 || static_cast<std::size_t>(length) >= buffer.size()) {
    buffer[0] = '\0';
    return false;
  }
  return true;
}

template <std::size_t RecordSize>
void* MapReadOnly(MapClass<RecordSize>& map, PathBuffer& buffer, const char* prefix,
                  const char* fileName) {
  if (prefix) {
    if (!FixPath(buffer, prefix, fileName)) return nullptr;
    map.Open(buffer.data(), false, true, 0, nullptr, nullptr, nullptr);
  }
  return map.GetBase();
}

int CountOf(std::size_t count) { return static_cast<int>(count); }

}  // namespace

std::optional<std::size_t> EnglishViewSize(const void* data) {
  if (!data || data != EnglishMap.GetBase()) return std::nullopt;
  return EnglishMap.GetByteCnt();
}

}  // namespace ixo

using namespace ixo;

extern "C" {

void* IxoMapText(const char* prefix) { return MapReadOnly(TextMap, TextPath, prefix, TextFileName); }

void* IxoMapEnglish(const char* prefix) {
  return MapReadOnly(EnglishMap, EnglishPath, prefix, EnglishFileName);
}

void* IxoMapLemma(const char* prefix) {
  return MapReadOnly(LemmaMap, LemmaPath, prefix, LemmaFileName);
}

void* IxoMapStatus(const char* prefix) {
  if (prefix) {
    if (!FixPath(StatusPath, prefix, StatusFileName)) return nullptr;
    if (StatusRecordCount == -1) StatusRecordCount = CountOf(TextMap.GetRecordCnt());
    const MapClass<StatusRecordSize>::Record zero{};
    StatusMap.Open(StatusPath.data(), true, true, StatusRecordCount, &zero, nullptr, nullptr);
  }
  return StatusMap.GetBase();
}

int IxoMapTextCnt() { return CountOf(TextMap.GetRecordCnt()); }
int IxoMapEnglishCnt() { return CountOf(EnglishMap.GetByteCnt()); }
int IxoMapLemmaCnt() { return CountOf(LemmaMap.GetRecordCnt()); }
int IxoMapStatusCnt() { return CountOf(StatusMap.GetRecordCnt()); }

int IxoMapReleaseAll() {
  TextMap.Close();
  EnglishMap.Close();
  LemmaMap.Close();
  StatusMap.Close();
  return 1;
}

}  // extern "C"

#pragma once
// The nine exports of the data-file library "2011.ixocore". Programs load the
// library by path and bind these by name; the types below are what they bind.
//
// A map export takes a folder ending in a separator. The first call with a
// non-null folder fixes the file's path for the life of the process (later
// folders are ignored) and opens the file; every call returns the view's
// base, or null. A folder whose path would not fit the library's 1,024-byte
// path buffer is refused: null, and the path stays unfixed.
//
// IxoMapStatus creates (or replaces) the status file in its folder with one
// zero u32 per text record, taking the text's record count at its first
// call, and maps it shared read/write.
//
// The count exports return the sizes measured at the last successful open (0 for a file
// never opened): records of the text, bytes of the word list, records of the
// lemma file, records of the status file. IxoMapReleaseAll closes all four
// views; the paths stay, so a later map call with a folder reopens the same
// files (and fills the status file again).

#include "core/IxoExport.h"

extern "C" {

IXOCORE_API void* IxoMapText(const char* prefix);
IXOCORE_API void* IxoMapEnglish(const char* prefix);
IXOCORE_API void* IxoMapLemma(const char* prefix);
IXOCORE_API void* IxoMapStatus(const char* prefix);
IXOCORE_API int IxoMapTextCnt();
IXOCORE_API int IxoMapEnglishCnt();
IXOCORE_API int IxoMapLemmaCnt();
IXOCORE_API int IxoMapStatusCnt();
IXOCORE_API int IxoMapReleaseAll();

}  // extern "C"

namespace ixo {

using MapFunction = void*(const char* prefix);
using CountFunction = int();
using ReleaseAllFunction = int();

}  // namespace ixo

#include "EngineLibrary.h"

namespace wordaddin {

EngineEntries EngineEntries::Bind(const platform::SharedLibrary& library) {
  EngineEntries entries;
  entries.GetBookMatch = library.Bind<entry::GetBookMatch>(entry::GetBookMatchName);
  entries.engWordKey = library.Bind<entry::WordKey>(entry::WordKeyName);
  entries.engWordChr = library.Bind<entry::WordChr>(entry::WordChrName);
  entries.engWordCase = library.Bind<entry::WordCase>(entry::WordCaseName);
  entries.engWordPunc = library.Bind<entry::WordPunc>(entry::WordPuncName);
  entries.engGetStrongsObject = library.Bind<entry::GetStrongsObject>(entry::GetStrongsObjectName);
  entries.engGetKeyMax = library.Bind<entry::GetKeyMax>(entry::GetKeyMaxName);
  return entries;
}

bool EngineEntries::Complete() const {
  return GetBookMatch && engWordKey && engWordChr && engWordCase && engWordPunc && engGetStrongsObject &&
         engGetKeyMax;
}

}  // namespace wordaddin

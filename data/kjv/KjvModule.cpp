#include "data/kjv/KjvModule.h"

#include <swmgr.h>
#include <swmodule.h>
#include <versekey.h>

#include <memory>

#include "core/IxoFormat.h"
#include "data/kjv/KjvCorrections.h"
#include "data/kjv/OsisVerse.h"

namespace data::kjv {

SourceText ReadKjvModule(const std::string& swordFolder) {
  // Only the given folder: no ~/.sword, no system configuration, no render filters.
  sword::SWMgr manager(swordFolder.c_str(), true, nullptr, false, false);
  sword::SWModule* module = manager.getModule(KjvModuleName);
  if (!module) throw KjvModuleError(std::string("the module ") + KjvModuleName + " is not in " + swordFolder);

  std::unique_ptr<sword::VerseKey> key(dynamic_cast<sword::VerseKey*>(module->createKey()));
  if (!key) throw KjvModuleError(std::string("the module ") + KjvModuleName + " is not a Bible");
  key->setIntros(false);
  key->setAutoNormalize(false);

  SourceText text;
  KjvCorrector corrector;
  for (int testament = 1; testament <= 2; ++testament) {
    key->setTestament(static_cast<char>(testament));
    OsisVerseState state{testament == 1 ? 'H' : 'G'};
    for (int book = 1; book <= key->getBookMax(); ++book) {
      key->setBook(static_cast<char>(book));
      SourceBook& sourceBook = text.books.emplace_back();
      sourceBook.greek = testament == 2;
      for (int chapter = 1; chapter <= key->getChapterMax(); ++chapter) {
        key->setChapter(chapter);
        SourceChapter& sourceChapter = sourceBook.chapters.emplace_back();
        for (int verse = 1; verse <= key->getVerseMax(); ++verse) {
          key->setVerse(verse);
          module->setKey(*key);
          const std::string where =
              std::string(key->getBookName()) + " " + std::to_string(chapter) + ":" + std::to_string(verse);
          try {
            const std::string raw = corrector.Correct(key->getOSISRef(), module->getRawEntry());
            SourceVerse& sourceVerse = sourceChapter.verses.emplace_back();
            sourceVerse.words = ParseOsisVerse(raw, state);
            if (sourceVerse.words.empty()) throw OsisError("the verse has no words");
          } catch (const OsisError& error) {
            throw KjvModuleError(where + ": " + error.what());
          }
        }
      }
      if (state.inParenthesis) throw KjvModuleError(std::string(key->getBookName()) + ": a \"(\" is never closed");
    }
  }
  try {
    corrector.CheckAllApplied();
  } catch (const OsisError& error) {
    throw KjvModuleError(error.what());
  }
  if (text.books.size() != ixo::BookCount)
    throw KjvModuleError("the versification has " + std::to_string(text.books.size()) + " books, not 66");
  return text;
}

}  // namespace data::kjv

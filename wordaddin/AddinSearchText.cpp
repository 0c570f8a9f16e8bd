#include "AddinSearchText.h"

#include "StrongsLists.h"
#include "WordCursor.h"
#include "ixoObject.h"

namespace wordaddin {

std::uint16_t AddinSearchText::WordKey(std::string_view word) const { return engine_.WordKey(word); }
std::vector<std::uint16_t> AddinSearchText::WordKeys(std::string_view word) const {
  return engine_.KeysForWord(word);
}
std::string AddinSearchText::WordText(std::uint16_t key) const { return engine_.WordText(key); }
std::string AddinSearchText::DisplayWord(const ixo::IxoWritten& record) const { return engine_.DisplayText(record); }

void AddinSearchText::MarkWord(int condition, std::uint16_t key, char kind) { engine_.MarkWord(condition, key, kind); }
void AddinSearchText::ClearCondition(int condition) { engine_.Marks.ClearCondition(condition); }
void AddinSearchText::ClearAllMarks() { engine_.Marks.ClearAllMarks(); }
const engine::SearchMarks& AddinSearchText::Marks() const { return engine_.Marks; }

std::string AddinSearchText::BookName(int book) const { return engine_.BookNames.at(book); }
const engine::TBookInfoRec& AddinSearchText::BookInfo(int book) const { return engine_.BookInfo.at(book); }
int AddinSearchText::FindBookByName(std::string_view name) const { return engine_.FindBookByName(name); }

bool AddinSearchText::SeekVerse(int book, int chapter, int verse, engine::TWordCursor& cursor) const {
  TWordCursor placed;
  const bool found = engine_.SeekVerse(book, chapter, verse, placed);
  cursor = placed.Text;
  return found;
}

std::span<const std::uint32_t> AddinSearchText::ChapterOpenings(int book) const {
  return engine_.ChapterOpenings(book);
}

platform::TStringList AddinSearchText::StrongsNumbersForWord(std::string_view word) const {
  return wordaddin::StrongsNumbersForWord(engine_, word);
}

platform::TStringList AddinSearchText::WordsForStrongsNumber(std::string_view token) const {
  return wordaddin::WordsForStrongsNumber(engine_, token);
}

platform::TStringList AddinSearchText::RelatedWords(const platform::TStringList& tokens) const {
  platform::TStringList words = platform::TStringList::SortedUnique();
  for (const std::string& token : tokens) wordaddin::WordsForStrongsNumber(engine_, token, words);
  return words;
}

int AddinSearchText::Sensitivity() const { return engine_.Sensitivity; }
std::string AddinSearchText::InstallDir() const { return engine_.InstallDir; }
std::string AddinSearchText::HistoryFolder() const {
  return engine_.InstallDir.empty() ? std::string() : engine_.InstallDir + HistorySubfolder;
}

}  // namespace wordaddin

#include "DesktopText.h"

#include <array>
#include <optional>
#include <set>
#include <string>

#include "engine/SearchTokens.h"
#include "engine/TextIndex.h"
#include "engine/ixoObject.h"
#include "engine/ixoutils.h"
#include "publish/BookNames.h"

namespace search {
namespace {

class EngineText final : public SearchText {
 public:
  std::uint16_t WordKey(std::string_view word) const override { return engine::EnglishWordToKey(word); }
  std::vector<std::uint16_t> WordKeys(std::string_view word) const override { return engine::KeysForWord(word); }
  std::string WordText(std::uint16_t key) const override { return engine::KeyToEnglishWord(key); }
  std::string DisplayWord(const ixo::IxoWritten& record) const override {
    return engine::KeyToDisplayWord(record.key);
  }

  void MarkWord(int condition, std::uint16_t key, char kind) override {
    engine::Engine().MarkWord(condition, key, kind);
  }
  void ClearCondition(int condition) override { engine::Engine().Marks.ClearCondition(condition); }
  void ClearAllMarks() override { engine::Engine().Marks.ClearAllMarks(); }
  const engine::SearchMarks& Marks() const override { return engine::Engine().Marks; }

  std::string BookName(int book) const override { return engine::Engine().BookNames.at(book); }
  const engine::TBookInfoRec& BookInfo(int book) const override { return engine::Engine().BookInfo.at(book); }
  int FindBookByName(std::string_view name) const override { return publish::FindBookByName(name); }
  bool SeekVerse(int book, int chapter, int verse, engine::TWordCursor& cursor) const override {
    return engine::Engine().SeekVerse(book, chapter, verse, cursor);
  }
  std::span<const std::uint32_t> ChapterOpenings(int book) const override {
    return engine::Engine().ChapterOpenings(book);
  }

  platform::TStringList StrongsNumbersForWord(std::string_view word) const override {
    return engine::StrongsNumbersForWord(word);
  }
  platform::TStringList WordsForStrongsNumber(std::string_view token) const override {
    return engine::WordsForStrongsNumber(token);
  }
  platform::TStringList RelatedWords(const platform::TStringList& tokens) const override {
    return SynonymList(tokens);
  }

  int Sensitivity() const override { return engine::Engine().Sensitivity; }
  std::string InstallDir() const override { return engine::Engine().InstallDir; }
  std::string HistoryFolder() const override { return engine::Engine().UserDataDir + "History/"; }
};

}  // namespace

SearchText& DesktopText() {
  static EngineText text;
  return text;
}

platform::TStringList SynonymList(const platform::TStringList& strongsList) {
  platform::TStringList words = platform::TStringList::SortedUnique();
  SynonymList(strongsList, words);
  return words;
}

void SynonymList(const platform::TStringList& strongsList, platform::TStringList& words) {
  engine::TextIndex& index = engine::Engine().WordIndex();
  std::set<std::uint16_t> keys;
  std::array<std::uint16_t, engine::KeyNumberCount> found;  // the first of them are set
  for (const std::string& entry : strongsList) {
    if (entry.empty() || (entry[0] != 'H' && entry[0] != 'G')) continue;
    const std::optional<std::uint16_t> number = engine::StrongsNumberOf(entry);
    if (!number) continue;
    // Every lemma slot counts, in the books of the number's language.
    for (const std::uint16_t key : index.KeysWithStrongs(entry[0] == 'G', *number, ixo::LemmaSlotCount, found))
      keys.insert(key);
  }
  for (const std::uint16_t key : keys) {
    const std::string word = engine::KeyToEnglishWord(key);
    if (!word.empty()) words.Add(word);
  }
}

}  // namespace search

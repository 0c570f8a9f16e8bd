#pragma once
// The text of the add-in's search form: the add-in's own engine, whose words,
// display case and Strong's numbers come from its engine library, and its
// installation folder, under which the studies lie ("history/" for the dated
// history studies and "current.ixolc"). A word carries at most one Strong's
// number here, so a Strong's condition marks one number per word, and the
// related words of a word are the words of its numbers in the library's table.

#include "search/SearchText.h"

namespace wordaddin {

class TixoEngine;

// The folder of the history studies below the installation folder.
inline constexpr char HistorySubfolder[] = "history/";

class AddinSearchText final : public search::SearchText {
 public:
  // The engine lives longer than this text.
  explicit AddinSearchText(TixoEngine& engine) : engine_(engine) {}

  std::uint16_t WordKey(std::string_view word) const override;
  std::vector<std::uint16_t> WordKeys(std::string_view word) const override;
  std::string WordText(std::uint16_t key) const override;
  std::string DisplayWord(const ixo::IxoWritten& record) const override;

  void MarkWord(int condition, std::uint16_t key, char kind) override;
  void ClearCondition(int condition) override;
  void ClearAllMarks() override;
  const engine::SearchMarks& Marks() const override;

  std::string BookName(int book) const override;
  const engine::TBookInfoRec& BookInfo(int book) const override;
  int FindBookByName(std::string_view name) const override;
  bool SeekVerse(int book, int chapter, int verse, engine::TWordCursor& cursor) const override;
  std::span<const std::uint32_t> ChapterOpenings(int book) const override;

  platform::TStringList StrongsNumbersForWord(std::string_view word) const override;
  platform::TStringList WordsForStrongsNumber(std::string_view token) const override;
  platform::TStringList RelatedWords(const platform::TStringList& tokens) const override;

  int Sensitivity() const override;
  std::string InstallDir() const override;
  std::string HistoryFolder() const override;

 private:
  TixoEngine& engine_;
};

}  // namespace wordaddin

#include "SearchFixture.h"

#include "engine/SearchMarks.h"
#include "engine/TextIndex.h"
#include "engine/ixoutils.h"

namespace search_testing {

SearchFixture::SearchFixture(std::string_view description)
    : dataHome_("XDG_DATA_HOME", temp_.File("data").c_str()), text_(description) {
  engine_ = &text_.Load();
}

std::string SearchFixture::WordAt(std::uint32_t wordNumber) {
  engine::TextIndex& index = engine_->WordIndex();
  const int book = index.BookOfWord(wordNumber);
  if (book == 0) return {};
  return engine::KeyToEnglishWord(index.Record(book, wordNumber).key);
}

std::vector<std::string> SearchFixture::MarkedWords(int condition) {
  std::vector<std::string> words;
  const std::uint16_t bit = engine::ConditionMask(condition);
  const std::vector<std::uint16_t>& marks = engine_->Marks.WordMarks;
  for (std::uint32_t w = 1; w < marks.size(); ++w)
    if (marks[w] & bit) words.push_back(WordAt(w));
  return words;
}

std::string Outline(const search::SearchResult& result) {
  std::string outline;
  for (const search::ResultBook& book : result.Books) {
    for (const search::ResultChapter& chapter : book.Chapters) {
      if (!outline.empty()) outline += ';';
      outline += book.DisplayName + "/" + std::to_string(chapter.Chapter) + "/";
      for (std::size_t i = 0; i < chapter.Verses.size(); ++i)
        outline += (i ? " " : "") + std::to_string(chapter.Verses[i].Verse);
    }
  }
  return outline;
}

}  // namespace search_testing

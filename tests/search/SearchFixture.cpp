#include "SearchFixture.h"

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

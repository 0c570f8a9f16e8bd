#include "BookIndex.h"

#include <algorithm>
#include <string>
#include <utility>

#include "TextRecords.h"
#include "platform/Dialogs.h"

namespace engine {
namespace {

// Fills the chapter starts and openings of book from its words, in one walk:
// both lie where the verse byte changes, which it does about once in 25 words.
void FindChapterBeginnings(std::span<const ixo::IxoWritten> words, BookWords& book) {
  for (std::size_t i = 1; i < words.size(); ++i) {
    const std::uint8_t verse = words[i].verse;
    const std::uint8_t previous = words[i - 1].verse;
    if (verse == previous) continue;
    if (verse < previous) book.chapterStarts.push_back(static_cast<std::uint32_t>(i));
    if (verse == 1) book.chapterOpenings.push_back(static_cast<std::uint32_t>(i));
  }
}

}  // namespace

std::uint32_t CountBook(TBookInfoRec& info, const TBookInfoRec* previous,
                        std::span<const ixo::IxoWritten> fromSeparator) {
  const std::uint32_t stored =
      fromSeparator.empty() ? 0 : ixo::SeparatorWordCount(fromSeparator.front());
  const std::span<const ixo::IxoWritten> after =
      fromSeparator.empty() ? fromSeparator : fromSeparator.subspan(1);

  info = TBookInfoRec{};
  info.WordCount = std::min<std::uint32_t>(stored, static_cast<std::uint32_t>(after.size()));
  if (previous) {
    info.Ordinal = static_cast<std::uint8_t>(previous->Ordinal + 1);
    info.ChapterBase = static_cast<std::uint16_t>(previous->ChapterBase + previous->ChapterCount);
    info.VerseBase = static_cast<std::uint16_t>(previous->VerseBase + previous->VerseSteps);
    info.WordBase = previous->WordBase + previous->WordCount;
    info.Reserved1 = static_cast<std::uint16_t>(previous->Reserved1 + previous->Reserved2);
  }

  std::uint32_t words = 0;
  int chapters = 1;
  int verseSteps = 1;
  for (std::size_t i = 0; i < after.size() && IsWord(&after[i]); ++i, ++words) {
    if (i == 0 || after[i].verse == after[i - 1].verse) continue;
    if (after[i].verse == after[i - 1].verse + 1) ++verseSteps;
    if (after[i].verse == 1) ++chapters;
  }
  info.ChapterCount = static_cast<std::uint16_t>(chapters);
  info.VerseSteps = static_cast<std::uint16_t>(verseSteps);

  if (words != stored) {
    platform::MessageBox("WordCnt Error: (" + std::to_string(words) + " <> " +
                             std::to_string(stored) + ")",
                         "Ixo Bible Critial Error", platform::DialogButtons::OK,
                         platform::DialogType::Error);
  }
  return words;
}

BookWords IndexBook(TBookInfoRec& info, const TBookInfoRec* previous,
                    std::span<const ixo::IxoWritten> fromSeparator,
                    std::span<const ixo::TLemmaRec> lemmasFromSeparator) {
  const std::uint32_t walked = CountBook(info, previous, fromSeparator);
  BookWords book;
  book.info = &info;
  book.count = std::min(walked, info.WordCount);
  book.firstWordNumber = info.WordBase + 1;
  book.greek = info.Ordinal + 1 >= ixo::FirstGreekBook;
  if (fromSeparator.empty()) return book;

  book.words = fromSeparator.data() + 1;
  if (std::size_t{book.count} + 1 <= lemmasFromSeparator.size()) book.lemmas = lemmasFromSeparator.data() + 1;
  FindChapterBeginnings(std::span(book.words, book.count), book);
  return book;
}

int ChapterVerseCount(std::span<const ixo::IxoWritten> chapter) {
  if (chapter.empty() || WordVerse(&chapter[0]) != 1) return 0;
  std::size_t i = 0;
  while (i < chapter.size() && WordVerse(&chapter[i]) == 1) ++i;
  // A chapter of one verse: the book ends or the next chapter begins.
  if (i == chapter.size() || WordVerse(&chapter[i]) <= 1) return 1;
  if (WordVerse(&chapter[i]) != 2) return 0;

  int verses = 1;
  std::uint8_t current = 1;
  for (; i < chapter.size(); ++i) {
    const std::uint8_t verse = WordVerse(&chapter[i]);
    if (verse <= 1) break;
    if (verse != current) {
      ++verses;
      current = verse;
    }
  }
  return verses;
}

std::vector<std::uint32_t> ChapterOpenings(std::span<const ixo::IxoWritten> words) {
  BookWords book;
  FindChapterBeginnings(words, book);
  return std::move(book.chapterOpenings);
}

}  // namespace engine

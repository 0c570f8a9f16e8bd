#include "BookIndex.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <optional>
#include <string>
#include <utility>

#include "TextRecords.h"
#include "platform/Dialogs.h"

namespace engine {
namespace {

// Four records read as numbers, each in a lane: its verse byte the highest,
// its key the lowest two (the records are laid out so on the little-endian
// machines this runs on).
using RecordLanes = std::uint32_t __attribute__((vector_size(16)));

RecordLanes LanesAt(const ixo::IxoWritten* records) {
  RecordLanes lanes;
  std::memcpy(&lanes, records, sizeof lanes);
  return lanes;
}

// All ones in the lane of each of four records (the first not the first of
// the text) that is a separator or whose verse byte differs from the record
// before it.
RecordLanes ChangesAt(const ixo::IxoWritten* records) {
  const RecordLanes current = LanesAt(records);
  const RecordLanes previous = LanesAt(records - 1);
  return reinterpret_cast<RecordLanes>(((current ^ previous) >> 24 != 0) | ((current & 0xFFFFu) == 0));
}

// The first record from i (above 0) on that is a separator or whose verse
// byte differs from the record before; after.size() when there is none. The
// verse byte changes about once in 25 words: eight records are looked at at
// once, in the lanes of two vectors, without a branch.
std::size_t NextChange(std::span<const ixo::IxoWritten> after, std::size_t i) {
  constexpr std::size_t Block = 8;
  for (; i + Block <= after.size(); i += Block) {
    const ixo::IxoWritten* const records = after.data() + i;
    const RecordLanes bits =
        (ChangesAt(records) & RecordLanes{1, 2, 4, 8}) | (ChangesAt(records + 4) & RecordLanes{16, 32, 64, 128});
    const std::uint32_t changes = bits[0] | bits[1] | bits[2] | bits[3];
    if (changes != 0) return i + static_cast<std::size_t>(std::countr_zero(changes));
  }
  for (; i < after.size(); ++i)
    if (ixo::IsSeparator(after[i]) || after[i].verse != after[i - 1].verse) return i;
  return after.size();
}

// One walk over the words of a book up to the next separator: fills the
// counts of info and, when book is given, its chapter starts and openings
// among its first info.WordCount words. Returns the words walked.
std::uint32_t WalkBook(TBookInfoRec& info, std::span<const ixo::IxoWritten> after, BookWords* book) {
  int chapters = 1;
  int verseSteps = 1;
  std::size_t i = after.empty() || !IsWord(&after[0]) ? 0 : NextChange(after, 1);
  for (; i < after.size() && IsWord(&after[i]); i = NextChange(after, i + 1)) {
    const std::uint8_t verse = after[i].verse;
    const std::uint8_t previous = after[i - 1].verse;
    if (verse == previous + 1) ++verseSteps;
    if (verse == 1) ++chapters;
    if (!book || i >= info.WordCount) continue;
    const auto offset = static_cast<std::uint32_t>(i);
    if (verse < previous) book->chapterStarts.push_back(offset);
    if (verse == 1) book->chapterOpenings.push_back(offset);
  }
  info.ChapterCount = static_cast<std::uint16_t>(chapters);
  info.VerseSteps = static_cast<std::uint16_t>(verseSteps);
  return static_cast<std::uint32_t>(i);
}

// Fills the fields of info that the book's separator and the books before
// give: its ordinal, the running sums and its word count (cut to the records
// there); the counts of its own chapters and verses are left 0. Returns the
// count the separator stores.
std::uint32_t PlaceInfo(TBookInfoRec& info, const TBookInfoRec* previous,
                        std::span<const ixo::IxoWritten> fromSeparator) {
  const std::uint32_t stored = fromSeparator.empty() ? 0 : ixo::SeparatorWordCount(fromSeparator.front());
  info = TBookInfoRec{};
  const std::size_t after = fromSeparator.empty() ? 0 : fromSeparator.size() - 1;  // the records after the separator
  info.WordCount = std::min<std::uint32_t>(stored, static_cast<std::uint32_t>(after));
  if (previous) {
    info.Ordinal = static_cast<std::uint8_t>(previous->Ordinal + 1);
    info.ChapterBase = static_cast<std::uint16_t>(previous->ChapterBase + previous->ChapterCount);
    info.VerseBase = static_cast<std::uint16_t>(previous->VerseBase + previous->VerseSteps);
    info.WordBase = previous->WordBase + previous->WordCount;
    info.Reserved1 = static_cast<std::uint16_t>(previous->Reserved1 + previous->Reserved2);
  }
  return stored;
}

// Fills info from the book whose separator is the first record of
// fromSeparator (CountBook), and book's chapter beginnings when it is given.
// Returns the words walked; problem is set when they are not the count the
// separator stores.
std::uint32_t CountBook(TBookInfoRec& info, const TBookInfoRec* previous,
                        std::span<const ixo::IxoWritten> fromSeparator, BookWords* book,
                        std::optional<WordCountProblem>& problem) {
  const std::uint32_t stored = PlaceInfo(info, previous, fromSeparator);
  const std::span<const ixo::IxoWritten> after =
      fromSeparator.empty() ? fromSeparator : fromSeparator.subspan(1);
  const std::uint32_t words = WalkBook(info, after, book);
  problem.reset();
  if (words != stored) problem = WordCountProblem{words, stored};
  return words;
}

// The book of info (its word base and ordinal) with count words, whose
// separator is the first record of fromSeparator.
BookWords BookOf(const TBookInfoRec& info, std::uint32_t count, std::span<const ixo::IxoWritten> fromSeparator,
                 std::span<const ixo::TLemmaRec> lemmasFromSeparator) {
  BookWords book;
  book.info = &info;
  book.count = count;
  book.firstWordNumber = info.WordBase + 1;
  book.greek = info.Ordinal + 1 >= ixo::FirstGreekBook;
  if (fromSeparator.empty()) return book;
  book.words = fromSeparator.data() + 1;
  if (std::size_t{book.count} + 1 <= lemmasFromSeparator.size()) book.lemmas = lemmasFromSeparator.data() + 1;
  return book;
}

}  // namespace

void ReportWordCount(const WordCountProblem& problem) {
  platform::MessageBox("WordCnt Error: (" + std::to_string(problem.walked) + " <> " + std::to_string(problem.stored) +
                           ")",
                       "Ixo Bible Critial Error", platform::DialogButtons::OK, platform::DialogType::Error);
}

std::uint32_t CountBook(TBookInfoRec& info, const TBookInfoRec* previous,
                        std::span<const ixo::IxoWritten> fromSeparator) {
  std::optional<WordCountProblem> problem;
  const std::uint32_t words = CountBook(info, previous, fromSeparator, nullptr, problem);
  if (problem) ReportWordCount(*problem);
  return words;
}

BookWords IndexBook(TBookInfoRec& info, const TBookInfoRec* previous,
                    std::span<const ixo::IxoWritten> fromSeparator,
                    std::span<const ixo::TLemmaRec> lemmasFromSeparator) {
  std::optional<WordCountProblem> problem;
  BookWords book = IndexBook(info, previous, fromSeparator, lemmasFromSeparator, problem);
  if (problem) ReportWordCount(*problem);
  return book;
}

BookWords IndexBook(TBookInfoRec& info, const TBookInfoRec* previous,
                    std::span<const ixo::IxoWritten> fromSeparator,
                    std::span<const ixo::TLemmaRec> lemmasFromSeparator, std::optional<WordCountProblem>& problem) {
  BookWords walked;
  const std::uint32_t words = CountBook(info, previous, fromSeparator, &walked, problem);
  BookWords book = BookOf(info, std::min(words, info.WordCount), fromSeparator, lemmasFromSeparator);
  book.chapterStarts = std::move(walked.chapterStarts);
  book.chapterOpenings = std::move(walked.chapterOpenings);
  return book;
}

BookWords PlaceBook(TBookInfoRec& info, const TBookInfoRec* previous, std::span<const ixo::IxoWritten> fromSeparator,
                    std::span<const ixo::TLemmaRec> lemmasFromSeparator) {
  PlaceInfo(info, previous, fromSeparator);
  return BookOf(info, info.WordCount, fromSeparator, lemmasFromSeparator);
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

}  // namespace engine

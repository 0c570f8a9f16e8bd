#pragma once
// The per-book index record, the book as the engines index it, and the counts
// taken over a book's records: the book's chapters, verses and words
// (CountBook) and the verses of one chapter (ChapterVerseCount). They read
// records in place and never look past the span they are given.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/IxoFormat.h"

namespace engine {

struct TBookInfoRec {
  std::uint8_t Ordinal = 0;         // book number - 1
  std::uint16_t ChapterBase = 0;    // chapters of all earlier books
  std::uint16_t ChapterCount = 0;   // chapters of the book
  std::uint16_t Reserved1 = 0;      // always 0
  std::uint16_t Reserved2 = 0;      // always 0
  std::uint16_t VerseBase = 0;      // VerseSteps of all earlier books
  std::uint16_t VerseSteps = 0;     // 1 + verses of the book - chapters of the book
  std::uint32_t WordBase = 0;       // words of all earlier books
  std::uint32_t WordCount = 0;      // words of the book, from its separator
};

// One book of a text as the engines index it: where its words and lemma
// records lie, how many words a cursor walks, and where its chapters begin.
// Its index record (TBookInfoRec) stays in the engine's table of them, whose
// entries the program hands out by address; the book points to its entry.
// The word count of the index record is the one its separator stores (cut to
// the records there): it places the following books. count is the words that
// are there up to the next separator, at most that many.
struct BookWords {
  const ixo::IxoWritten* words = nullptr;
  const ixo::TLemmaRec* lemmas = nullptr;  // null when the lemma file does not cover the book
  std::uint32_t firstWordNumber = 0;       // the book's WordBase + 1
  std::uint32_t count = 0;                 // its words, up to the first separator
  bool greek = false;                      // its Strong's numbers are Greek
  const TBookInfoRec* info = nullptr;      // its index record
  // The offsets of the words whose verse byte is lower than the previous
  // word's: where chapters 2, 3, ... begin for SeekVerse.
  std::vector<std::uint32_t> chapterStarts{};
  // Where chapters begin as the search counts them: the offsets of the words
  // whose verse byte is 1 after a word whose verse byte is not.
  std::vector<std::uint32_t> chapterOpenings{};
};

// Indexes the book whose separator is the first record of fromSeparator (the
// span runs at most to the end of the text): fills info (CountBook) and
// gives the book, pointing to info. lemmasFromSeparator holds the lemma
// records of the same records; the book has lemmas when it covers all its
// words.
BookWords IndexBook(TBookInfoRec& info, const TBookInfoRec* previous,
                    std::span<const ixo::IxoWritten> fromSeparator,
                    std::span<const ixo::TLemmaRec> lemmasFromSeparator);

// The words walked of a book and the count its separator stores, when they
// differ.
struct WordCountProblem {
  std::uint32_t walked = 0;
  std::uint32_t stored = 0;
};

// Says that a book's words are not the count its separator stores, in a
// message box.
void ReportWordCount(const WordCountProblem& problem);

// As IndexBook, but a count that differs is given in problem (reset when
// none) instead of shown, so that books can be walked off the thread that
// shows messages.
BookWords IndexBook(TBookInfoRec& info, const TBookInfoRec* previous,
                    std::span<const ixo::IxoWritten> fromSeparator,
                    std::span<const ixo::TLemmaRec> lemmasFromSeparator, std::optional<WordCountProblem>& problem);

// The book as its separator places it, without a walk of its words: info
// gets the ordinal, the word base and the word count (the running sums of
// chapters and verses take the previous book's counts, which only a walk
// gives), and the book that many words and no chapters. It is the book
// IndexBook gives, but for the chapters, unless its words end before that
// count (a damaged text).
BookWords PlaceBook(TBookInfoRec& info, const TBookInfoRec* previous, std::span<const ixo::IxoWritten> fromSeparator,
                    std::span<const ixo::TLemmaRec> lemmasFromSeparator);

// Fills info for the book whose separator is the first record of
// fromSeparator (the span runs to the end of the text). The running sums come
// from previous (none for the first book). The words are walked up to the next
// separator; when their number differs from the separator's count, a message
// box says so and the stored count is kept. A count that runs past the end of
// the text is cut to the records that are there. Returns the words walked.
std::uint32_t CountBook(TBookInfoRec& info, const TBookInfoRec* previous,
                        std::span<const ixo::IxoWritten> fromSeparator);

// The verses of the chapter that starts at the first record of chapter (the
// span runs to the end of the book's words): 0 when it does not start with
// verse 1, or when verse 1 is followed by a verse other than 2 within the
// chapter; else the runs of equal verse bytes up to the next chapter's first
// word or the book's end.
int ChapterVerseCount(std::span<const ixo::IxoWritten> chapter);

}  // namespace engine

#include "data/TextBuilder.h"

#include <cstdint>
#include <vector>

#include "core/IxoFormat.h"
#include "data/TextDescription.h"
#include "data/WordList.h"
#include "data/WrittenWord.h"
#include "platform/Paths.h"
#include "platform/WholeFile.h"

namespace data {
namespace {

std::string Where(std::size_t book, std::size_t chapter = 0, std::size_t verse = 0,
                  std::size_t word = 0) {
  std::string where = "book " + std::to_string(book);
  if (chapter) where += " chapter " + std::to_string(chapter);
  if (verse) where += " verse " + std::to_string(verse);
  if (word) where += " word " + std::to_string(word);
  return where;
}

template <typename Record>
std::string BytesOf(const std::vector<Record>& records) {
  return std::string(reinterpret_cast<const char*>(records.data()), records.size() * sizeof(Record));
}

// Gathers the records of the text and lemma files and the word list, book by
// book; the keys are set once every word is known and numbered.
class Assembler {
 public:
  BuildResult AddBook(const SourceBook& book, std::size_t number) {
    std::size_t words = 0;
    for (const SourceChapter& chapter : book.chapters)
      for (const SourceVerse& verse : chapter.verses) words += verse.words.size();
    if (words > ixo::MaxBookWords)
      return BuildResult::Failure(Where(number) + " has " + std::to_string(words) +
                                  " words; a book holds at most 65,535");
    const bool greekPlace = number >= ixo::FirstGreekBook;
    if (words > 0 && book.greek != greekPlace)
      return BuildResult::Failure(Where(number) + " is given " + (book.greek ? "Greek" : "Hebrew") +
                                  " Strong's numbers; books 1 to 39 carry Hebrew numbers and "
                                  "books 40 to 66 Greek ones");
    AddSeparator(static_cast<std::uint16_t>(words));

    for (std::size_t c = 0; c < book.chapters.size(); ++c) {
      const SourceChapter& chapter = book.chapters[c];
      if (chapter.verses.empty()) return BuildResult::Failure(Where(number, c + 1) + " has no verses");
      if (chapter.verses.size() > ixo::MaxVerse)
        return BuildResult::Failure(Where(number, c + 1, ixo::MaxVerse + 1) +
                                    ": verse numbers go up to 255");
      if (chapter.verses.size() == 1 && c + 1 < book.chapters.size())
        return BuildResult::Failure(
            Where(number, c + 1) +
            " has one verse and another chapter follows it: a chapter's start is told by its "
            "verse numbers falling back to 1, so a chapter needs two verses unless it ends its book");
      for (std::size_t v = 0; v < chapter.verses.size(); ++v) {
        const SourceVerse& verse = chapter.verses[v];
        if (verse.words.empty())
          return BuildResult::Failure(Where(number, c + 1, v + 1) + " has no words");
        for (std::size_t w = 0; w < verse.words.size(); ++w) {
          BuildResult added = AddWord(verse.words[w], static_cast<std::uint8_t>(v + 1), book.greek);
          if (!added.ok)
            return BuildResult::Failure(Where(number, c + 1, v + 1, w + 1) + " (\"" +
                                        verse.words[w].spelling + "\"): " + added.error);
        }
      }
    }
    return {};
  }

  void AddEmptyBook() { AddSeparator(0); }

  // Closes the text with its final record and gives every word its key.
  BuildResult Finish(bool padLengths) {
    text_.push_back(ixo::IxoWritten{0, 0, 0});
    lemma_.push_back(ixo::TLemmaRec{});
    if (padLengths) words_.PadEmptyLengths();
    if (words_.Size() > ixo::MaxWordNumber)
      return BuildResult::Failure("the text has " + std::to_string(words_.Size()) +
                                  " distinct words; the word list numbers at most 16,383");
    if (const int length = words_.FirstEmptyLength())
      return BuildResult::Failure("no word of the text has " + std::to_string(length) +
                                  (length == 1 ? " letter" : " letters") +
                                  "; the word list needs a word of every length from 1 to 18");
    words_.Number();
    for (const WordRecord& word : wordRecords_)
      text_[word.record].key = static_cast<std::uint16_t>(words_.NumberOf(word.id) | word.caseBits);
    return {};
  }

  std::string TextBytes() const { return BytesOf(text_); }
  std::string LemmaBytes() const { return BytesOf(lemma_); }
  std::string ListBytes() const { return words_.Bytes(); }

 private:
  struct WordRecord {
    std::size_t record;  // in text_
    std::size_t id;      // in words_
    std::uint16_t caseBits;
  };

  void AddSeparator(std::uint16_t words) {
    text_.push_back(ixo::MakeSeparator(words));
    lemma_.push_back(ixo::TLemmaRec{});
  }

  BuildResult AddWord(const SourceWord& word, std::uint8_t verse, bool greek) {
    const EncodedWord encoded = EncodeWrittenWord(word.spelling);
    if (!encoded.error.empty()) return BuildResult::Failure(encoded.error);
    if (word.strongs.size() > ixo::LemmaSlotCount)
      return BuildResult::Failure("the word has " + std::to_string(word.strongs.size()) +
                                  " Strong's numbers; a word holds at most 4");
    ixo::TLemmaRec lemma{};
    for (std::size_t slot = 0; slot < word.strongs.size(); ++slot) {
      const std::uint16_t strongs = word.strongs[slot];
      if (strongs == 0 || strongs > ixo::MaxStrongsNumber)
        return BuildResult::Failure("the word has the Strong's number " + std::to_string(strongs) +
                                    "; numbers go from 1 to 32,767");
      lemma.slots[slot] = static_cast<std::uint16_t>(strongs | (greek ? ixo::LemmaGreekBit : 0));
    }
    wordRecords_.push_back(WordRecord{text_.size(), words_.Add(encoded.stored), encoded.caseBits});
    text_.push_back(ixo::IxoWritten{0, word.flags, verse});
    lemma_.push_back(lemma);
    return {};
  }

  std::vector<ixo::IxoWritten> text_;
  std::vector<ixo::TLemmaRec> lemma_;
  std::vector<WordRecord> wordRecords_;
  WordList words_;
};

}  // namespace

BuildResult BuildEdition(const std::string& folder, const SourceText& text,
                         const BuildOptions& options) {
  const std::size_t books = text.books.size();
  if (books > ixo::BookCount)
    return BuildResult::Failure("the text has " + std::to_string(books) +
                                " books; the files hold 66");
  if (books < ixo::BookCount && !options.padBooks)
    return BuildResult::Failure("the text has " + std::to_string(books) +
                                " books; an edition has 66");

  Assembler assembler;
  for (std::size_t b = 0; b < books; ++b) {
    BuildResult added = assembler.AddBook(text.books[b], b + 1);
    if (!added.ok) return added;
  }
  for (std::size_t b = books; b < ixo::BookCount; ++b) assembler.AddEmptyBook();
  BuildResult finished = assembler.Finish(options.padLengths);
  if (!finished.ok) return finished;

  if (!platform::ForceDirectories(folder))
    return BuildResult::Failure("cannot create the folder " + folder);
  const std::pair<const char*, std::string> files[] = {
      {ixo::TextFileName, assembler.TextBytes()},
      {ixo::LemmaFileName, assembler.LemmaBytes()},
      {ixo::EnglishFileName, assembler.ListBytes()},
  };
  for (const auto& [name, bytes] : files) {
    const std::string path = platform::JoinPath(folder, name);
    if (!platform::ReplaceFileAtomically(path, bytes)) return BuildResult::Failure("cannot write " + path);
  }
  return {};
}

BuildResult BuildFixtureEdition(const std::string& folder, const SourceText& text) {
  return BuildEdition(folder, text, BuildOptions{.padBooks = true, .padLengths = true});
}

BuildResult BuildFixtureEdition(const std::string& folder, std::string_view description) {
  SourceText text;
  BuildResult read = ReadTextDescription(description, text);
  if (!read.ok) return read;
  return BuildFixtureEdition(folder, text);
}

}  // namespace data

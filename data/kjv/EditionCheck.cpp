#include "data/kjv/EditionCheck.h"

#include <cstdint>
#include <cstring>
#include <set>
#include <span>

#include "core/IxoFormat.h"
#include "core/WholeEdition.h"
#include "platform/FileView.h"

namespace data::kjv {
namespace {

// Collects problems; after the first few the rest are only counted, as one
// fault in the text tends to bring many more after it.
class Problems {
 public:
  void Add(std::string problem) {
    if (list_.size() < Shown) list_.push_back(std::move(problem));
    ++count_;
  }
  bool Any() const { return count_ > 0; }
  std::vector<std::string> Take() {
    if (count_ > Shown) list_.push_back("and " + std::to_string(count_ - Shown) + " more problems");
    return std::move(list_);
  }

 private:
  static constexpr std::size_t Shown = 20;
  std::vector<std::string> list_;
  std::size_t count_ = 0;
};

std::string Where(const char* file, std::size_t record) {
  return std::string(file) + " record " + std::to_string(record) + ": ";
}

// What the builder expects of its own words beyond a whole list: letters
// only, no hyphen at the end of a word, no word longer than 22 characters
// when written, none listed twice in its group.
void CheckWords(const ixo::WordListCheck& list, Problems& problems) {
  for (const ixo::WordGroupView& words : list.groups) {
    const std::string group = std::string(ixo::EnglishFileName) + ": the group of length " +
                              std::to_string(words.length);
    std::set<std::string> seen;
    for (int index = 0; index < words.count; ++index) {
      const auto stored = words.words.subspan(static_cast<std::size_t>(index) * words.length, words.length);
      std::string word;
      int hyphens = 0;
      for (int i = 0; i < words.length; ++i) {
        const char letter = static_cast<char>(stored[i] & ixo::LetterMask);
        const bool hyphen = (stored[i] & ixo::HyphenBit) != 0;
        if (!((letter >= 'a' && letter <= 'z') || (letter >= 'A' && letter <= 'Z')))
          problems.Add(group + ", word " + std::to_string(index) + " holds a byte that is not a letter");
        if (hyphen && i == words.length - 1)
          problems.Add(group + ", word " + std::to_string(index) + " ends in a hyphen");
        word += static_cast<char>(letter | 0x20);
        if (hyphen) {
          word += '-';
          ++hyphens;
        }
      }
      if (words.length + hyphens > ixo::MaxWrittenWordLength)
        problems.Add(group + ": \"" + word + "\" is longer than 22 characters");
      if (!seen.insert(word).second) problems.Add(group + ": \"" + word + "\" is listed twice");
    }
  }
}

class TextCheck {
 public:
  TextCheck(std::span<const ixo::IxoWritten> text, std::span<const ixo::TLemmaRec> lemmas, int words,
            Problems& problems)
      : text_(text), lemmas_(lemmas), words_(words), problems_(problems) {}

  void Run() {
    std::size_t record = 0;
    for (int book = 1; book <= ixo::BookCount; ++book) {
      if (record >= text_.size() || !ixo::IsSeparator(text_[record])) {
        problems_.Add(Where(ixo::TextFileName, record) + "no separator before book " + std::to_string(book));
        return;
      }
      CheckEmptyLemma(record);
      const std::size_t count = ixo::SeparatorWordCount(text_[record]);
      const std::size_t first = ++record;
      while (record < text_.size() && !ixo::IsSeparator(text_[record])) ++record;
      if (record - first != count) {
        problems_.Add(Where(ixo::TextFileName, first - 1) + "book " + std::to_string(book) + " announces " +
                      std::to_string(count) + " words, " + std::to_string(record - first) + " follow");
        return;
      }
      CheckBook(book, first, record);
    }
    if (record + 1 != text_.size())
      problems_.Add(std::string(ixo::TextFileName) + ": " + std::to_string(text_.size() - record) +
                    " records after the last word of book 66, not one");
    else
      CheckEmptyLemma(record);
    if (chapters_ != KjvChapterCount)
      problems_.Add(std::string(ixo::TextFileName) + ": " + std::to_string(chapters_) + " chapters, not 1189");
    if (verses_ != KjvVerseCount)
      problems_.Add(std::string(ixo::TextFileName) + ": " + std::to_string(verses_) + " verses, not 31102");
  }

 private:
  void CheckBook(int book, std::size_t first, std::size_t end) {
    const bool greek = book >= ixo::FirstGreekBook;
    if (first == end) {
      problems_.Add(Where(ixo::TextFileName, first) + "book " + std::to_string(book) + " has no words");
      return;
    }
    int previousVerse = 0;
    for (std::size_t record = first; record < end; ++record) {
      const ixo::IxoWritten& word = text_[record];
      const int verse = word.verse;
      if (verse == 0) {
        problems_.Add(Where(ixo::TextFileName, record) + "verse 0");
      } else if (verse == 1 && previousVerse != 1) {
        ++chapters_;
        ++verses_;
      } else if (verse == previousVerse + 1) {
        ++verses_;
      } else if (verse != previousVerse) {
        problems_.Add(Where(ixo::TextFileName, record) + "verse " + std::to_string(verse) + " follows verse " +
                      std::to_string(previousVerse));
      }
      previousVerse = verse;
      const int number = ixo::KeyNumber(word.key);
      if (number < 1 || number > words_)
        problems_.Add(Where(ixo::TextFileName, record) + "the key names no word of the list");
      if (word.flags & 0x09) problems_.Add(Where(ixo::TextFileName, record) + "unused flag bits are set");
      CheckLemma(record, greek);
    }
  }

  void CheckLemma(std::size_t record, bool greek) {
    const std::uint16_t* slots = lemmas_[record].slots;
    bool ended = false;
    for (int i = 0; i < ixo::LemmaSlotCount; ++i) {
      if (slots[i] == 0) {
        ended = true;
      } else if (ended) {
        problems_.Add(Where(ixo::LemmaFileName, record) + "a number after the end of the list");
      } else if (ixo::LemmaNumber(slots[i]) == 0) {
        problems_.Add(Where(ixo::LemmaFileName, record) + "a slot without a number");
      } else if (ixo::LemmaIsGreek(slots[i]) != greek) {
        problems_.Add(Where(ixo::LemmaFileName, record) + (greek ? "a Hebrew" : "a Greek") +
                      " number in a book of " + (greek ? "Greek" : "Hebrew") + " numbers");
      }
    }
  }

  void CheckEmptyLemma(std::size_t record) {
    for (std::uint16_t slot : lemmas_[record].slots)
      if (slot != 0) {
        problems_.Add(Where(ixo::LemmaFileName, record) + "a separator with Strong's numbers");
        return;
      }
  }

  std::span<const ixo::IxoWritten> text_;
  std::span<const ixo::TLemmaRec> lemmas_;
  int words_;
  Problems& problems_;
  int chapters_ = 0;
  int verses_ = 0;
};

// The records of a mapped file whose size is a whole number of records.
template <typename Record>
std::vector<Record> ReadRecords(const platform::FileView& view) {
  std::vector<Record> records(view.Size() / sizeof(Record));
  std::memcpy(records.data(), view.Data(), records.size() * sizeof(Record));
  return records;
}

platform::FileView MapEditionFile(const std::string& folder, const char* file) {
  return platform::FileView::Map(folder + file, platform::FileView::Access::ReadOnly);
}

}  // namespace

std::vector<std::string> CheckEdition(const std::string& folder) {
  Problems problems;
  for (std::string& problem : ixo::CheckTextFiles(folder)) problems.Add(std::move(problem));
  const platform::FileView listView = MapEditionFile(folder, ixo::EnglishFileName);
  if (!listView.IsOpen()) problems.Add(folder + ixo::EnglishFileName + ": missing or empty");
  if (problems.Any()) return problems.Take();

  const ixo::WordListCheck list =
      ixo::CheckWordList({reinterpret_cast<const std::uint8_t*>(listView.Data()), listView.Size()});
  for (const std::string& problem : list.problems) problems.Add(problem);
  CheckWords(list, problems);
  const platform::FileView textView = MapEditionFile(folder, ixo::TextFileName);
  const platform::FileView lemmaView = MapEditionFile(folder, ixo::LemmaFileName);
  if (!textView.IsOpen() || !lemmaView.IsOpen()) problems.Add(folder + ": the text files cannot be read");
  if (problems.Any()) return problems.Take();
  const std::vector<ixo::IxoWritten> text = ReadRecords<ixo::IxoWritten>(textView);
  const std::vector<ixo::TLemmaRec> lemmas = ReadRecords<ixo::TLemmaRec>(lemmaView);
  TextCheck(text, lemmas, list.words, problems).Run();
  return problems.Take();
}

}  // namespace data::kjv

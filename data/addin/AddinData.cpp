#include "data/addin/AddinData.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <span>

#include "core/IxoFormat.h"
#include "engine/EnglishWordList.h"
#include "platform/Paths.h"
#include "platform/WholeFile.h"

namespace data {
namespace {

constexpr int kHebrew = 0;
constexpr int kGreek = 1;

BuildResult ReadEditionFile(const std::string& folder, const char* name, std::size_t recordSize,
                            std::string& bytes) {
  const std::string path = platform::JoinPath(folder, name);
  platform::WholeFile file = platform::ReadWholeFile(path);
  if (file.status != platform::WholeFile::Status::Read) return BuildResult::Failure("cannot read " + path);
  if (file.bytes.size() % recordSize != 0)
    return BuildResult::Failure(path + " does not hold whole records of " + std::to_string(recordSize) + " bytes");
  bytes = std::move(file.bytes);
  return {};
}

template <typename Record>
std::vector<Record> Records(const std::string& bytes) {
  std::vector<Record> records(bytes.size() / sizeof(Record));
  if (!records.empty()) std::memcpy(records.data(), bytes.data(), records.size() * sizeof(Record));
  return records;
}

void AppendRecord(std::string& bytes, const ixo::IxoWritten& record) {
  bytes += static_cast<char>(record.key & 0xFF);
  bytes += static_cast<char>(record.key >> 8);
  bytes += static_cast<char>(record.flags);
  bytes += static_cast<char>(record.verse);
}

// One book of the edition: its words from the text and lemma files.
struct EditionBook {
  std::span<const ixo::IxoWritten> words;
  std::span<const ixo::TLemmaRec> lemmas;
  int language = kHebrew;
};

BuildResult SplitBooks(std::span<const ixo::IxoWritten> text, std::span<const ixo::TLemmaRec> lemmas,
                       std::vector<EditionBook>& books) {
  if (lemmas.size() != text.size())
    return BuildResult::Failure("the lemma file does not hold one record per text record");
  std::size_t separator = 0;
  for (int b = 1; b <= ixo::BookCount; ++b) {
    const std::string book = "book " + std::to_string(b);
    if (separator >= text.size() || !ixo::IsSeparator(text[separator]))
      return BuildResult::Failure(book + " has no separator");
    const std::size_t count = ixo::SeparatorWordCount(text[separator]);
    const std::size_t first = separator + 1;
    if (first + count > text.size()) return BuildResult::Failure(book + " runs past the end of the text");
    const auto words = text.subspan(first, count);
    if (std::ranges::any_of(words, ixo::IsSeparator))
      return BuildResult::Failure(book + " holds fewer words than its separator says");
    books.push_back(EditionBook{words, lemmas.subspan(first, count), b >= ixo::FirstGreekBook ? kGreek : kHebrew});
    separator = first + count;
  }
  if (separator >= text.size() || !ixo::IsSeparator(text[separator]))
    return BuildResult::Failure("the text does not end with a separator");
  return {};
}

// The one Strong's number the add-in keeps of a word: its first; 0 for none.
std::uint16_t FirstStrongs(const ixo::TLemmaRec& lemma) { return ixo::LemmaNumber(lemma.slots[0]); }

// A key's list: its numbers by falling count, equal counts by number, at most 255.
std::vector<std::uint16_t> OrderedList(const std::map<std::uint16_t, std::uint32_t>& counts) {
  std::vector<std::pair<std::uint16_t, std::uint32_t>> entries(counts.begin(), counts.end());
  std::ranges::stable_sort(entries, [](const auto& a, const auto& b) { return a.second > b.second; });
  if (entries.size() > ixo::MaxAddinStrongsPerList) entries.resize(ixo::MaxAddinStrongsPerList);
  std::vector<std::uint16_t> list;
  for (const auto& [number, count] : entries) list.push_back(number);
  return list;
}

// The reference byte of a number in a key's list: its place from 1, or 0.
std::uint8_t ReferenceByte(const std::vector<std::uint16_t>& list, std::uint16_t number) {
  if (number == 0) return 0;
  const auto found = std::ranges::find(list, number);
  return found == list.end() ? 0 : static_cast<std::uint8_t>(found - list.begin() + 1);
}

}  // namespace

BuildResult ConvertEdition(const std::string& editionFolder, AddinData& data) {
  std::string textBytes, lemmaBytes, listBytes;
  for (BuildResult read : {ReadEditionFile(editionFolder, ixo::TextFileName, ixo::TextRecordSize, textBytes),
                           ReadEditionFile(editionFolder, ixo::LemmaFileName, ixo::LemmaRecordSize, lemmaBytes),
                           ReadEditionFile(editionFolder, ixo::EnglishFileName, 1, listBytes)}) {
    if (!read.ok) return read;
  }
  const auto text = Records<ixo::IxoWritten>(textBytes);
  const auto lemmas = Records<ixo::TLemmaRec>(lemmaBytes);

  engine::EnglishWordList list;
  if (!list.Init(std::span(reinterpret_cast<const std::uint8_t*>(listBytes.data()), listBytes.size())))
    return BuildResult::Failure("the word list is not readable");
  data = AddinData{};
  for (int length = 1; length <= ixo::MaxWordLength; ++length) {
    for (int i = 0; i < list.EnglishGroups[length].count; ++i) {
      data.words.push_back(list.KeyToWord(static_cast<std::uint16_t>(data.words.size() + 1)));
    }
  }
  if (data.words.size() > ixo::MaxWordNumber) return BuildResult::Failure("the word list holds too many words");

  std::vector<EditionBook> books;
  if (BuildResult split = SplitBooks(text, lemmas, books); !split.ok) return split;

  const std::size_t keyMax = data.words.size();
  std::vector<std::array<std::map<std::uint16_t, std::uint32_t>, 2>> counts(keyMax);
  for (const EditionBook& book : books) {
    for (std::size_t w = 0; w < book.words.size(); ++w) {
      const std::uint16_t number = ixo::KeyNumber(book.words[w].key);
      if (number == 0 || number > keyMax) return BuildResult::Failure("a word key lies outside the word list");
      if (const std::uint16_t strongs = FirstStrongs(book.lemmas[w])) ++counts[number - 1][book.language][strongs];
    }
  }
  data.strongs.resize(keyMax);
  for (std::size_t k = 0; k < keyMax; ++k) {
    for (int language : {kHebrew, kGreek}) data.strongs[k][language] = OrderedList(counts[k][language]);
  }

  for (const EditionBook& book : books) {
    const auto count = static_cast<std::uint16_t>(book.words.size());
    AppendRecord(data.bible, ixo::MakeSeparator(count));
    data.reference += '\0';
    for (std::size_t w = 0; w < book.words.size(); ++w) {
      AppendRecord(data.bible, book.words[w]);
      const auto& strongsList = data.strongs[ixo::KeyNumber(book.words[w].key) - 1][book.language];
      data.reference += static_cast<char>(ReferenceByte(strongsList, FirstStrongs(book.lemmas[w])));
    }
    AppendRecord(data.bible, ixo::AddinBookEnd);
    data.reference += '\0';
  }
  return {};
}

BuildResult WriteAddinFiles(const std::string& folder, const AddinData& data) {
  if (!platform::ForceDirectories(folder)) return BuildResult::Failure("cannot create the folder " + folder);
  const std::pair<const char*, const std::string&> files[] = {
      {ixo::AddinTextFileName, data.bible},
      {ixo::AddinReferenceFileName, data.reference},
  };
  for (const auto& [name, bytes] : files) {
    const std::string path = platform::JoinPath(folder, name);
    if (!platform::ReplaceFileAtomically(path, bytes)) return BuildResult::Failure("cannot write " + path);
  }
  return {};
}

}  // namespace data

#include "core/WholeEdition.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "core/IxoFormat.h"

namespace ixo {
namespace {

// The size of a file of records in bytes; nothing, with a problem added,
// when it is no file of whole records.
std::optional<std::uintmax_t> RecordFileSize(const std::string& path, std::size_t recordSize,
                                             std::vector<std::string>& problems) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (!std::filesystem::exists(status)) {
    problems.push_back(path + ": missing");
    return std::nullopt;
  }
  if (!std::filesystem::is_regular_file(status)) {
    problems.push_back(path + ": not a file");
    return std::nullopt;
  }
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) {
    problems.push_back(path + ": " + error.message());
    return std::nullopt;
  }
  if (size == 0) {
    problems.push_back(path + ": empty");
    return std::nullopt;
  }
  if (size % recordSize != 0) {
    problems.push_back(path + ": its size is not a whole number of records");
    return std::nullopt;
  }
  return size;
}

}  // namespace

WordListCheck CheckWordList(std::span<const std::uint8_t> list) {
  WordListCheck check;
  const std::string file = EnglishFileName;
  auto fail = [&](std::string problem) {
    check.problems.push_back(std::move(problem));
    check.groups.clear();
    check.words = 0;
    return check;
  };
  if (list.size() < EnglishHeaderSize) return fail(file + ": shorter than its header");
  if (list[0] != MaxWordLength)
    return fail(file + ": its first byte is " + std::to_string(list[0]) + ", not 18");

  std::size_t pos = EnglishHeaderSize;
  for (int length = 1; length <= MaxWordLength; ++length) {
    const std::string group = file + ": the group of length " + std::to_string(length);
    if (pos + sizeof(EnglishGroupHeader) > list.size()) return fail(group + " is missing");
    if (list[pos] != length || list[pos + 1] != 0)
      return fail(group + " gives the length " + std::to_string(ReadU16(&list[pos])));
    const int count = ReadU16(&list[pos + 2]);
    if (count == 0 || count > MaxGroupWords)
      return fail(group + " holds " + std::to_string(count) + " words");
    pos += sizeof(EnglishGroupHeader);
    const std::size_t bytes = static_cast<std::size_t>(count) * length;
    if (bytes > list.size() - pos) return fail(group + " runs past the end of the file");
    check.groups.push_back(WordGroupView{length, count, list.subspan(pos, bytes)});
    check.words += count;
    pos += bytes;
  }
  if (pos != list.size()) return fail(file + ": bytes follow the group of length 18");
  if (check.words > MaxWordNumber) return fail(file + ": more words than keys can number");
  return check;
}

std::vector<std::string> CheckTextFiles(const std::string& folder) {
  std::vector<std::string> problems;
  const auto text = RecordFileSize(folder + TextFileName, TextRecordSize, problems);
  const auto lemma = RecordFileSize(folder + LemmaFileName, LemmaRecordSize, problems);
  if (text && lemma && *text / TextRecordSize != *lemma / LemmaRecordSize)
    problems.push_back(folder + LemmaFileName + ": " + std::to_string(*lemma / LemmaRecordSize) +
                       " records for " + std::to_string(*text / TextRecordSize) + " text records");
  return problems;
}

}  // namespace ixo

// INI documents and files: parsing, rewriting and the writes of the file
// class, on a file of a temporary folder.
//
// Input: the text of the file, then operations, each "w" section TAB ident
// TAB value (write), "e" section (erase the section) or "d" section TAB ident
// (delete the key).
//
// Properties: a document written out parses to the same sections, keys and
// values and writes out the same again; a write reported as done reads back
// (through the same object and a fresh one); a refused write leaves the file
// as it was; keys written before stay as written; an erased section and a
// deleted key are gone.

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "TempFolder.h"
#include "platform/IniDocument.h"
#include "platform/IniFile.h"
#include "platform/TextUtils.h"

namespace {

using platform::IniDocument;
using platform::TIniFile;
using platform::TrimBlanks;

// A section's or key's name as the file matches it: without a leading
// byte-order mark and blanks, in either case.
std::string Folded(std::string_view text) {
  std::string folded(IniDocument::CleanName(text));
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return folded;
}

void CheckSameContent(const IniDocument& a, const IniDocument& b) {
  FUZZ_CHECK(a.Sections() == b.Sections());
  for (const std::string& section : a.Sections()) {
    FUZZ_CHECK(a.Keys(section) == b.Keys(section));
    FUZZ_CHECK(a.KeyValueLines(section) == b.KeyValueLines(section));
  }
}

void CheckDocumentRoundTrip(std::string_view text) {
  IniDocument document;
  document.Parse(text);
  const std::string written = document.Serialize();
  IniDocument again;
  again.Parse(written);
  CheckSameContent(document, again);
  FUZZ_CHECK(again.Serialize() == written);
}

// A value as the reader gives it back: trimmed, one pair of quotes removed.
std::string AsRead(std::string_view value) {
  value = TrimBlanks(value);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return std::string(value);
}

class IniRun {
 public:
  explicit IniRun(const std::string& file) : file_(file), ini_(file) {}

  void Write(std::string_view section, std::string_view ident, std::string_view value) {
    const std::string before = testing_support::ReadFileBytes(file_);
    if (!ini_.WriteString(section, ident, value)) {
      FUZZ_CHECK(testing_support::ReadFileBytes(file_) == before);
      return;
    }
    FUZZ_CHECK(ini_.ValueExists(section, ident));
    FUZZ_CHECK(ini_.SectionExists(section));
    FUZZ_CHECK(ini_.ReadString(section, ident, "") == AsRead(value));
    FUZZ_CHECK(TIniFile(file_).ReadString(section, ident, "") == AsRead(value));
    written_[{Folded(section), Folded(ident)}] = {std::string(section), std::string(ident), AsRead(value)};
  }

  void Erase(std::string_view section) {
    if (!ini_.EraseSection(section)) return;
    FUZZ_CHECK(!ini_.SectionExists(section));
    std::erase_if(written_, [&](const auto& entry) { return entry.first.first == Folded(section); });
  }

  void Delete(std::string_view section, std::string_view ident) {
    if (!ini_.DeleteKey(section, ident)) return;
    FUZZ_CHECK(!ini_.ValueExists(section, ident));
    written_.erase({Folded(section), Folded(ident)});
  }

  void CheckWrittenKeys() const {
    const TIniFile fresh(file_);
    for (const auto& [folded, key] : written_) FUZZ_CHECK(fresh.ReadString(key.section, key.ident, "") == key.value);
  }

 private:
  struct Written {
    std::string section, ident, value;
  };

  std::string file_;
  TIniFile ini_;
  std::map<std::pair<std::string, std::string>, Written> written_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const testing_support::TempFolder folder;
  const std::vector<std::string_view> parts = fuzz::SplitParts(fuzz::AsText(std::span(data, size)));
  CheckDocumentRoundTrip(parts[0]);

  const std::string file = folder.File("fuzz.ini");
  FUZZ_CHECK(testing_support::WriteFileBytes(file, std::string(parts[0])));
  IniRun run(file);
  for (std::size_t i = 1; i < parts.size(); ++i) {
    const fuzz::Operation operation = fuzz::ReadOperation(parts[i]);
    const auto [section, rest] = fuzz::SplitField(operation.argument);
    const auto [ident, value] = fuzz::SplitField(rest);
    switch (operation.code) {
      case 'w': run.Write(section, ident, value); break;
      case 'e': run.Erase(section); break;
      case 'd': run.Delete(section, rest); break;
      default: break;
    }
    run.CheckWrittenKeys();
  }
  return 0;
}

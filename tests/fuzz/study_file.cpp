// Study files, loaded as the search form's logic loads them into its
// conditions and as the Review page shows their words on summary pages.
//
// Input: the text of the study file.
//
// Properties: a loaded study marks only the words of its conditions' lists;
// the study saved from those conditions reads back equal (words and active
// conditions), and loads into conditions equal to the first; saving over the
// file keeps its other sections; each word's summary page is written under a
// plain file name and shows the word escaped.

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzConditions.h"
#include "FuzzInput.h"
#include "FuzzText.h"
#include "desktop/WordSummaryPage.h"
#include "platform/IniFile.h"
#include "platform/TextUtils.h"
#include "search/ConditionSet.h"
#include "search/FileNamePart.h"
#include "search/StudyFile.h"

namespace {

using search::ConditionCount;
using search::ConditionSet;
using search::Study;

ConditionSet Loaded(const Study& study) {
  ConditionSet conditions;
  conditions.Reset();
  search::UseStudy(conditions, study);
  conditions.ShowRowsInUse();
  return conditions;
}

void CheckSameConditions(const ConditionSet& a, const ConditionSet& b) {
  for (int n = 1; n <= ConditionCount; ++n) FUZZ_CHECK(a[n].WordList.Items() == b[n].WordList.Items());
  FUZZ_CHECK(a.ActiveMask() == b.ActiveMask());
}

// What a study file holds of conditions: the words of each condition that
// has any, and which conditions are active.
void CheckStudyOf(const Study& study, const ConditionSet& conditions) {
  for (int n = 1; n <= ConditionCount; ++n) {
    FUZZ_CHECK(study.Words[n] == conditions[n].WordList.Items());
    FUZZ_CHECK(study.Active[n] == conditions[n].Active());
  }
}

bool IsStudySection(std::string_view section) {
  if (platform::SameText(section, "Options") || platform::SameText(section, "Active")) return true;
  for (int n = 1; n <= ConditionCount; ++n)
    if (platform::TrimBlanks(section) == std::to_string(n)) return true;
  return false;
}

void CheckOtherSectionsKept(const std::string& before, const std::string& file) {
  const std::string original = fuzz::LoadedText::Get().Temp().File("original.ixolc");
  FUZZ_CHECK(testing_support::WriteFileBytes(original, before));
  const platform::TIniFile was(original);
  const platform::TIniFile now(file);
  for (const std::string& section : was.ReadSections())
    if (!IsStudySection(section)) FUZZ_CHECK(now.ReadSectionValues(section) == was.ReadSectionValues(section));
}

std::string Escaped(std::string_view word) {
  std::string escaped;
  for (const char c : word) escaped += c == '<' ? std::string("&lt;") : std::string(1, c);
  return escaped;
}

// The Review page shows each word of an active condition as a node; its
// summary page reads the caption as comma text.
void CheckSummaryPages(const Study& study) {
  for (int n = 1; n <= ConditionCount; ++n) {
    if (!study.Active[n]) continue;
    for (const std::string& caption : study.Words[n]) {
      const std::vector<std::string> words = desktop::WordListWords(caption);
      const std::string name = search::SafePageName(words);
      FUZZ_CHECK(!name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos);
      const std::string page =
          desktop::WordSummaryPage(words, fuzz::LoadedText::Get().HomeDir(), desktop::WordSummaryVariant::Review);
      for (const std::string& word : words)
        if (word.find_first_of("&>\"'") == std::string::npos) FUZZ_CHECK(page.find(Escaped(word)) != std::string::npos);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::LoadedText& text = fuzz::LoadedText::Get();
  const std::string bytes(fuzz::AsText(std::span(data, size)));
  const std::string file = text.Temp().File("fuzz.ixolc");
  FUZZ_CHECK(testing_support::WriteFileBytes(file, bytes));

  const Study study = search::ReadStudy(file);
  CheckSummaryPages(study);
  const ConditionSet conditions = Loaded(study);
  fuzz::CheckMarksOfWordLists(conditions);

  const std::string saved = text.Temp().File("saved.ixolc");
  std::remove(saved.c_str());
  FUZZ_CHECK(search::SaveStudy(saved, conditions, 7, text.HistoryDir()));
  const Study savedStudy = search::ReadStudy(saved);
  CheckStudyOf(savedStudy, conditions);
  CheckSameConditions(Loaded(savedStudy), conditions);

  if (search::SaveStudy(file, conditions, 7, text.HistoryDir())) {
    CheckStudyOf(search::ReadStudy(file), conditions);
    CheckOtherSectionsKept(bytes, file);
  }
  text.Dialogs().Clear();
  return 0;
}

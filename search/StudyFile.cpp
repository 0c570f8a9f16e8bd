#include "StudyFile.h"

#include "platform/Dialogs.h"
#include "platform/IniDocument.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/WholeFile.h"

namespace search {
namespace {

constexpr char OptionsSection[] = "Options";
constexpr char SpanKey[] = "span";
constexpr char ActiveSection[] = "Active";

void ReportUnwritable(const std::string& fileName) {
  platform::MessageDlg("Could not write the study \"" + fileName + "\".", platform::DialogType::Error);
}

// The study of the conditions written into the text of an existing file.
void WriteStudy(platform::IniDocument& ini, const ConditionSet& conditions, int span) {
  ini.Set(OptionsSection, SpanKey, std::to_string(span));
  ini.EraseSection(ActiveSection);
  for (int n = 1; n <= ConditionCount; ++n) {
    const std::string section = std::to_string(n);
    ini.EraseSection(section);
    for (const std::string& word : conditions[n].WordList) ini.Set(section, word, "1");
  }
  for (int n = 1; n <= ConditionCount; ++n) {
    const TSearchCondition& c = conditions[n];
    if (c.Active() || !c.WordList.Empty()) ini.Set(ActiveSection, std::to_string(n), c.Active() ? "1" : "0");
  }
}

}  // namespace

Study ReadStudy(const std::string& fileName) {
  const platform::TIniFile ini(fileName);
  Study study;
  for (int n = 1; n <= ConditionCount; ++n) {
    const std::string section = std::to_string(n);
    study.Words[n] = ini.ReadSection(section);
    study.Active[n] = ini.ReadInteger(ActiveSection, section, 0) != 0;
  }
  return study;
}

bool SaveStudy(const std::string& fileName, const ConditionSet& conditions, int span,
               const std::string& historyDir) {
  const platform::WholeFile existing = platform::ReadWholeFile(fileName);
  if (existing.status == platform::WholeFile::Status::Unreadable) {
    ReportUnwritable(fileName);
    return false;
  }
  platform::IniDocument ini;
  if (existing.status == platform::WholeFile::Status::Read) ini.Parse(existing.bytes);
  WriteStudy(ini, conditions, span);

  const std::string bytes = ini.Serialize();
  if (!platform::ReplaceFileAtomically(fileName, bytes)) {
    ReportUnwritable(fileName);
    return false;
  }
  // The current study is a second name of the file just written, whose bytes
  // are on the disk already; a copy where the system gives no link.
  const std::string current = platform::JoinPath(historyDir, CurrentStudyName);
  if (platform::ForceDirectories(historyDir) && !platform::ReplaceWithLinkAtomically(fileName, current))
    platform::ReplaceFileAtomically(current, bytes);
  return true;
}

void UseStudy(ConditionSet& conditions, const Study& study) {
  for (int n = 1; n <= ConditionCount; ++n) {
    TSearchCondition& c = conditions[n];
    c.AndEdit.Text.clear();
    c.AndEdit.Visible = n == 1;
    c.CheckBox.Enabled = study.Active[n];
    conditions.SetConditionChecked(n, n == 1);
    for (const std::string& word : study.Words[n]) {
      conditions.SetConditionChecked(n, true);
      // A word the text does not hold is reported and kept in the row and
      // its list, unmarked: the condition stays shown and active, so that the
      // study finds what it found when it was saved (nothing, when no other
      // word is known), and saving it again keeps the word.
      if (!conditions.AddConditionWord(word, false, n) && c.WordList.IndexOf(word) < 0) c.WordList.Add(word);
      if (!c.AndEdit.Text.empty()) c.AndEdit.Text += ' ';
      c.AndEdit.Text += word;
      c.AndEdit.Visible = true;
    }
    conditions.SetConditionChecked(n, c.AndEdit.Visible);
    c.MoreButton.Visible = c.AndEdit.Visible;
  }
}

}  // namespace search

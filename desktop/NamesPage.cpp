// The Names page of the main window: an index of the proper names of the
// text from the home folder's "names.tree". Its tree starts with the letters;
// each level is filled on its first expansion, which replaces a placeholder
// child whose one character tells what to fill:
//   "@" under a letter: the names of the letter's section;
//   "=" under a name: the entries of the name's section, then "Review Study";
//   "?" under "Review Study": the books, chapters and verses of the name,
//       searched by the search form.

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "SearchFormLink.h"
#include "engine/SearchMarks.h"
#include "engine/ixoObject.h"
#include "ixoMain.h"
#include "platform/IniFile.h"
#include "platform/StringList.h"
#include "publish/StyleSheet.h"
#include "ui/BusyCursor.h"
#include "ui/NodeKind.h"
#include "ui/TreeView.h"

namespace desktop {
namespace {

constexpr char kReviewStudy[] = "Review Study";
constexpr char kLetterPlaceholder = '@';
constexpr char kNamePlaceholder = '=';
constexpr char kStudyPlaceholder = '?';
// The one condition and the span of the search of a name.
constexpr int kNameCondition = 1;
constexpr int kNameSpan = 1;

// Takes a tree's expansion handler away for the guard's life, so that the
// nodes changed meanwhile start no expansion of their own, and gives it back
// at the end, also after an error.
class DetachedExpansion {
 public:
  explicit DetachedExpansion(ui::TreeView& tree) : tree_(tree), handler_(std::exchange(tree.OnExpanding, nullptr)) {}
  ~DetachedExpansion() { tree_.OnExpanding = std::move(handler_); }
  DetachedExpansion(const DetachedExpansion&) = delete;
  DetachedExpansion& operator=(const DetachedExpansion&) = delete;

 private:
  ui::TreeView& tree_;
  std::function<bool(ui::TreeNode*)> handler_;
};

// The value of a "key=value" line of a section: the second of exactly two
// parts of the line split at "=" (the double quote quoting); none otherwise.
// Not strict, blanks and control characters separate too, so a value with a
// blank gives more than two parts.
std::optional<std::string> LineValue(const std::string& line, bool strict) {
  platform::TStringList parts;
  parts.SetDelimiter('=');
  parts.SetQuoteChar('"');
  parts.SetStrictDelimiter(strict);
  parts.SetDelimitedText(line);
  if (parts.Count() != 2) return std::nullopt;
  return parts[1];
}

// The values of the section named by node's caption, in file order; none
// without the file or the section.
std::vector<std::string> SectionValues(const platform::TIniFile* names, const ui::TreeNode& node, bool strict) {
  std::vector<std::string> values;
  if (!names) return values;
  for (const std::string& line : names->ReadSectionValues(node.Text().toStdString()))
    if (std::optional<std::string> value = LineValue(line, strict)) values.push_back(std::move(*value));
  return values;
}

void AddNames(ui::TreeView& tree, ui::TreeNode& letter, const platform::TIniFile* names) {
  ui::TreeView::UpdateGuard hold(tree);
  tree.DeleteChildren(&letter);
  for (const std::string& value : SectionValues(names, letter, false)) {
    ui::TreeNode* name = tree.Add(&letter, QString::fromStdString(value), ui::node::kName);
    tree.Add(name, QString(kNamePlaceholder));
  }
}

void AddEntries(ui::TreeView& tree, ui::TreeNode& name, const platform::TIniFile* names) {
  ui::TreeView::UpdateGuard hold(tree);
  tree.DeleteChildren(&name);
  for (const std::string& value : SectionValues(names, name, true))
    tree.Add(&name, QString::fromStdString(value), ui::node::kNameEntry);
  ui::TreeNode* study = tree.Add(&name, kReviewStudy, ui::node::kWordList);
  tree.Add(study, QString(kStudyPlaceholder));
}

// The search form searches the name alone, word by word (a span of one), and
// builds what it finds under the study node; the style sheet then marks the
// name in the chapter pages.
void SearchName(ui::TreeView& tree, ui::TreeNode& study, SearchFormLink* form) {
  tree.DeleteChildren(&study);
  const ui::TreeNode* name = study.Parent();
  if (!form || !name) return;
  form->ResetFromCode();
  form->ShowConditionPage(kNameCondition);
  form->AddSearchWord(name->Text().toStdString(), kNameCondition);
  form->BuildResultTree(tree, &study, engine::ConditionMask(kNameCondition), kNameSpan);
  study.SetSelectedIndex(ui::node::kResultRoot);
  publish::WriteStyleSheet(form->Conditions());
}

}  // namespace

void TIxoBibleMainForm::InitNamesTree(ui::TreeView& tree) {
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    ui::TreeNode* node = tree.Add(nullptr, QString(QChar(letter)), ui::node::kFolder);
    // W, X and Y have no placeholder: they cannot be expanded.
    if (letter <= 'V' || letter == 'Z') tree.Add(node, QString(kLetterPlaceholder));
  }
  FNamesIni = std::make_unique<platform::TIniFile>(engine::Engine().HomeDir + "names.tree");
}

bool TIxoBibleMainForm::TreeNamesExpanding(ui::TreeNode* node) {
  DetachedExpansion detached(*TreeNames);
  ui::BusyCursor busy;
  const ui::TreeNode* first = node ? node->FirstChild() : nullptr;
  // Filled nodes (their first child is a name, an entry or a book) stay as
  // they are, also when "names.tree" gives that child a caption of one
  // character: a placeholder is the only child without a picture.
  if (!first || first->Text().size() != 1 || first->ImageIndex() >= 0) return true;
  switch (first->Text().front().toLatin1()) {
    case kLetterPlaceholder:
      AddNames(*TreeNames, *node, FNamesIni.get());
      break;
    case kNamePlaceholder:
      AddEntries(*TreeNames, *node, FNamesIni.get());
      break;
    case kStudyPlaceholder:
      SearchName(*TreeNames, *node, InterfaceForm);
      break;
    default:
      break;
  }
  return true;
}

void TIxoBibleMainForm::TreeNamesEditing(QObject*, ui::TreeNode* node, bool&) {
  FEditOldName = node ? node->Text() : QString();
}

// A rename would move a file named by the node's captions under a base folder
// that nothing sets, that is from the root of the drive, to a name the user
// typed: no file is moved, and the node keeps its caption.
void TIxoBibleMainForm::TreeNamesEdited(QObject*, ui::TreeNode*, QString& caption) { caption = FEditOldName; }

}  // namespace desktop

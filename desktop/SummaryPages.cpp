// The temporary pages of the main window, written into the HTML folder's
// "Temp" folder, and the word summary page of a word-list node.

#include "engine/ixoObject.h"
#include "ixoMain.h"
#include "platform/Paths.h"
#include "platform/WholeFile.h"
#include "search/FileNamePart.h"
#include "ui/PageControl.h"
#include "ui/TreeNode.h"

namespace desktop {
namespace {

constexpr char kTempFolder[] = "Temp";
constexpr char kPageExtension[] = ".html";

// A name that stays one file of the folder it is written to.
bool IsPlainFileName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." && name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

}  // namespace

bool TIxoBibleMainForm::WriteTempHtmlPage(const std::string& name, ui::Browser* browser,
                                          const std::string& content) {
  const std::string& htmlDir = engine::Engine().HtmlDir;
  if (htmlDir.empty() || !IsPlainFileName(name)) return false;
  // Written whole or not at all: a failed write leaves no part of a page.
  const std::string file = platform::JoinPath(htmlDir + kTempFolder, name + kPageExtension);
  if (!platform::ReplaceFileCreatingFolder(file, content)) return false;
  if (browser) browser->Navigate(QString::fromStdString(file));
  return true;
}

void TIxoBibleMainForm::ShowWordSummaryPage(const ui::TreeNode& node, WordSummaryVariant variant) {
  const std::vector<std::string> words = WordListWords(node.Text().toStdString());
  std::string page = WordSummaryPage(words, engine::Engine().HomeDir, variant);
  if (Mode->ActivePage() == PageNames && node.Parent()) page += SpanLine(node.Parent()->Data());
  // The words may come from a study file that anyone can edit.
  WriteTempHtmlPage(search::SafePageName(words), BrowserForPage(0), page);
}

}  // namespace desktop

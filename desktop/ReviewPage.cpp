// The Review page of the main window: the tree of the saved studies and of
// the dated search history in the user data folder, the words of a study's
// active conditions added when its entry is first expanded, and what a
// selection shows: a blank page, the study reopened in the Search page, a
// word's summary page or a folder.

#include <algorithm>
#include <filesystem>
#include <optional>
#include <vector>

#include "StudyFolders.h"
#include "engine/ixoObject.h"
#include "ixoMain.h"
#include "platform/Paths.h"
#include "platform/TextUtils.h"
#include "search/FinishSearch.h"
#include "search/StudyFile.h"
#include "ui/NodeKind.h"
#include "ui/PageControl.h"
#include "ui/TreeView.h"

namespace desktop {
namespace {

namespace fs = std::filesystem;
namespace node = ui::node;

constexpr char kDocumentsRoot[] = "Ixo Documents";
constexpr char kStudiesRoot[] = "Ixo Studies";
constexpr char kHistoryFolder[] = "History";
constexpr char kStudyExt[] = "ixolc";
constexpr char kReviewSearch[] = "Review Search";
constexpr int kFirstDeepLevel = 3;  // folders below the months

std::string StdText(const QString& text) { return text.toStdString(); }

// The names in a folder, folders and files apart, in the order of names
// without regard to case. Hidden entries are left out, and so are linked
// folders, which could lead the scan round in a circle.
struct FolderEntries {
  std::vector<std::string> folders;
  std::vector<std::string> files;
};

bool NameBefore(const std::string& a, const std::string& b) {
  const int order = platform::CompareText(a, b);
  return order != 0 ? order < 0 : a < b;
}

FolderEntries ListFolder(const std::string& path, const std::string& ext) {
  FolderEntries entries;
  const std::string suffix = ext.empty() ? std::string() : "." + ext;
  std::error_code error;
  for (fs::directory_iterator it(path, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.starts_with('.')) continue;
    std::error_code kindError;
    if (it->is_directory(kindError)) {
      if (!it->is_symlink(kindError)) entries.folders.push_back(name);
    } else if (name.size() > suffix.size() && name.ends_with(suffix)) {
      entries.files.push_back(name);
    }
  }
  std::ranges::sort(entries.folders, NameBefore);
  std::ranges::sort(entries.files, NameBefore);
  return entries;
}

// The pictures of a folder node at a depth of the scan. History years and
// months count on from the folder picture; folders below the months take the
// pictures of nested folders, which no other kind of node uses.
std::pair<int, int> FolderImagesAt(int level, int folderImage, int folderSelectedImage) {
  if (level <= 0) return {folderImage, folderSelectedImage};
  if (level < kFirstDeepLevel) return {folderImage + level, folderImage + level};
  const int deep = std::min<int>(node::kFolderDeep1 + level - kFirstDeepLevel, node::kFolderDeep3);
  return {deep, deep};
}

bool IsStudiesRoot(const ui::TreeNode* root) {
  return root && !root->Parent() && root->ImageIndex() == node::kFolder && root->Text() == kStudiesRoot;
}

const ui::TreeNode* RootOf(const ui::TreeNode* item) {
  while (item->Parent()) item = item->Parent();
  return item;
}

// The name on disk of a node: a month's folder, a history entry's file
// (without extension), or the caption.
std::string DiskName(const ui::TreeNode* item) {
  const std::string caption = StdText(item->Text());
  if (const std::optional<std::string> digits = MonthDigits(item->Data())) return *digits + " (" + caption + ")";
  if (item->ImageIndex() == node::kHistoryStudy) return HistoryFileNameOf(caption);
  return caption;
}

// Where a node of the tree is on disk: below the studies folder for the
// "Ixo Studies" root, below the history folder for the roots of its scan.
std::string DiskPathOf(const ui::TreeNode* item) {
  const ui::TreeNode* root = RootOf(item);
  std::string path = IsStudiesRoot(root) ? ScanFolderPath(engine::Engine().UserDataDir, kStudiesRoot)
                                         : platform::JoinPath(search::HistoryFolder(), DiskName(root));
  std::vector<const ui::TreeNode*> below;
  for (const ui::TreeNode* n = item; n != root; n = n->Parent()) below.push_back(n);
  for (auto n = below.rbegin(); n != below.rend(); ++n) path = platform::JoinPath(path, DiskName(*n));
  return path;
}

// Every folder and study file the tree shows, below the studies and the
// history folders, as one text: it differs once a search or a study has been
// saved, or a file removed, since the tree was built.
std::string StudyFilesListed(const std::string& userData) {
  std::vector<std::string> paths;
  for (const std::string& top : {ScanFolderPath(userData, kStudiesRoot), platform::JoinPath(userData, kHistoryFolder)}) {
    std::error_code error;
    for (fs::recursive_directory_iterator it(top, error), end; !error && it != end; it.increment(error))
      paths.push_back(it->path().string());
  }
  std::ranges::sort(paths);
  std::string listed;
  for (const std::string& path : paths) listed += path + '\n';
  return listed;
}

std::string StudyFileOf(const ui::TreeNode* study) { return DiskPathOf(study) + search::StudyExtension; }

}  // namespace

void TIxoBibleMainForm::ReviewMenuClick() {
  Mode->SetActivePage(PageHistory);
  FUrl.clear();
  const std::string& userData = engine::Engine().UserDataDir;
  // Searches finished and studies saved since the tree was built are shown:
  // the tree is built again from the folders as they are now.
  const std::string listed = userData.empty() ? std::string() : StudyFilesListed(userData);
  if (!TreeHistory->IsEmpty() && listed != FReviewFilesListed) TreeHistory->Clear();
  if (TreeHistory->IsEmpty() && !userData.empty()) {
    FReviewFilesListed = listed;
    AddTreeNode(*TreeHistory, nullptr, 0, node::kFolder, kDocumentsRoot)->SetSelectedIndex(node::kFolderOpen);
    ScanStudyFolder(*TreeHistory, nullptr, node::kStudy, node::kStudy, node::kFolder, node::kFolderOpen, userData,
                    kStudiesRoot, kStudyExt, -1);
    ScanStudyFolder(*TreeHistory, nullptr, node::kHistoryStudy, node::kHistoryStudy, node::kFolder,
                    node::kFolderOpen, userData, kHistoryFolder, kStudyExt, 0);

    // Every study and every history entry, wherever it lies, can be searched again.
    std::vector<ui::TreeNode*> entries;
    for (ui::TreeNode* n = TreeHistory->FirstNode(); n; n = n->GetNext())
      if (n->ImageIndex() == node::kStudy || n->ImageIndex() == node::kHistoryStudy) entries.push_back(n);
    ui::TreeView::UpdateGuard batch(*TreeHistory);
    for (ui::TreeNode* entry : entries) {
      if (entry->Parent()) FormatHistoryCaption(entry);
      TreeHistory->Add(entry, kReviewSearch, node::kName);
    }
  }
  UpdateTitle();
}

void TIxoBibleMainForm::ScanStudyFolder(ui::TreeView& tree, ui::TreeNode* parent, int fileImage,
                                        int fileSelectedImage, int folderImage, int folderSelectedImage,
                                        const std::string& baseDir, const std::string& folderName,
                                        const std::string& ext, int level) {
  std::optional<ui::TreeView::UpdateGuard> batch;
  if (!parent) batch.emplace(tree);

  ui::TreeNode* folderNode = parent;
  if (!folderName.empty()) {
    // A folder without a node of its own (one named "History") puts what it
    // holds at the top of the tree.
    folderNode = AddFolderNode(parent, folderName);
    if (folderNode) {
      const auto [image, selected] = FolderImagesAt(level, folderImage, folderSelectedImage);
      folderNode->SetImageIndex(image);
      folderNode->SetSelectedIndex(selected);
    }
  }
  const std::string path = platform::IncludeTrailingSeparator(
      parent ? platform::JoinPath(baseDir, folderName) : ScanFolderPath(baseDir, folderName));

  const FolderEntries entries = ListFolder(path, ext);
  const int childLevel = level >= 0 ? level + 1 : level;
  for (const std::string& folder : entries.folders)
    ScanStudyFolder(tree, folderNode, fileImage, fileSelectedImage, folderImage, folderSelectedImage, path, folder,
                    ext, childLevel);
  for (const std::string& file : entries.files) {
    const std::string caption = ext.empty() ? file : file.substr(0, file.size() - ext.size() - 1);
    tree.Add(folderNode, QString::fromStdString(caption), fileImage)->SetSelectedIndex(fileSelectedImage);
  }
}

ui::TreeNode* TIxoBibleMainForm::AddFolderNode(ui::TreeNode* parent, const std::string& folderName) {
  if (parent && parent->ImageIndex() == node::kYear)
    if (const std::optional<MonthFolder> month = ParseMonthFolder(folderName))
      return TreeHistory->Add(parent, QString::fromStdString(month->Caption), -1, MonthData(month->Digits));
  if (platform::SameText(folderName, kHistoryFolder)) return nullptr;
  return TreeHistory->Add(parent, QString::fromStdString(folderName));
}

void TIxoBibleMainForm::FormatHistoryCaption(ui::TreeNode* entry) {
  if (entry && entry->ImageIndex() == node::kHistoryStudy)
    entry->SetText(QString::fromStdString(HistoryCaption(StdText(entry->Text()))));
}

std::string TIxoBibleMainForm::NodePath(const ui::TreeNode* entry) const {
  if (!entry) return {};
  // Any other node stands for its root.
  if (entry->ImageIndex() != node::kHistoryStudy) return StdText(RootOf(entry)->Text());
  std::string path = DiskName(entry);
  for (const ui::TreeNode* ancestor = entry->Parent(); ancestor; ancestor = ancestor->Parent())
    path = DiskName(ancestor) + "/" + path;
  return path;
}

bool TIxoBibleMainForm::TreeHistoryExpanding(ui::TreeNode* entry) {
  // Only while the entry holds its "Review Search" alone: the words come once.
  if (!entry || entry->Count() != 1) return true;
  if (entry->ImageIndex() != node::kHistoryStudy && entry->ImageIndex() != node::kStudy) return true;

  // A study that is missing or cannot be read has no active condition.
  const search::Study study = search::ReadStudy(StudyFileOf(entry));
  ui::TreeView::UpdateGuard batch(*TreeHistory);
  for (int n = 1; n <= search::ConditionCount; ++n) {
    if (!study.Active[n]) continue;
    for (const std::string& word : study.Words[n])
      TreeHistory->Add(entry, QString::fromStdString(word), node::kWordList);
  }
  return true;
}

void TIxoBibleMainForm::TreeHistoryChange(QObject* sender, ui::TreeNode* selected) {
  if (!selected) return;
  const int kind = selected->ImageIndex();
  const ui::TreeNode* parent = selected->Parent();
  if (!parent) {
    if (ui::TreeNode* first = selected->FirstChild()) selected->Tree()->Select(first);
  } else if (kind == node::kMonth || kind == node::kHistoryStudy || kind == node::kStudy) {
    FUrl = FBlankPage;
    GoToURL(sender, 0);
  } else if (kind == node::kName) {
    ShowSearchForm(StudyFileOf(parent), true);
  } else if (kind == node::kWordList) {
    ShowWordSummaryPage(*selected, WordSummaryVariant::Review);
  } else if (kind <= node::kVerse || selected->Text().startsWith("Review ")) {
    treeIxoChange(sender, selected);
  } else if (Mode->ActivePage() == PageHistory) {
    // A folder: the browser shows what it holds.
    FUrl = DiskPathOf(selected);
    GoToURL(sender, 0);
  }
}

void TIxoBibleMainForm::treeHistoryClick(QObject* sender) {
  if (const ui::TreeNode* selected = TreeHistory->Selected()) FUrl = StdText(selected->Text());
  if (sender) GoToURL(sender, 0);
}

void TIxoBibleMainForm::HistoryTabBeforeNavigate(QObject* sender, const std::string& url, bool& cancel) {
  FUrl = url;
  GoToURL(sender, 0);
  cancel = true;
}

void TIxoBibleMainForm::HistoryTabNewWindow(QObject* sender, const std::string& url, bool& cancel) {
  FUrl = url;
  GoToURL(sender, 0);
  cancel = false;
}

}  // namespace desktop

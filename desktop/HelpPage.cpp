// The Help page of the main window: the tree of help topics built from the
// home folder's "help.tree" on the first visit, and each topic's page shown in
// the page's browser.

#include <QLabel>

#include "HelpTopics.h"
#include "TreeViewTarget.h"
#include "engine/db.h"
#include "engine/ixoObject.h"
#include "ixoMain.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "ui/PageControl.h"
#include "ui/TreeView.h"

namespace desktop {
namespace {

constexpr char kHelpTitle[] = "Ixo Bible Help";

}  // namespace

void TIxoBibleMainForm::BindHelpPage() {
  TreeHelp->OnChange = [this](ui::TreeNode* node) { TreeHelpChange(TreeHelp, node); };
  TreeHelp->OnChanging = [this](ui::TreeNode* node) { return TreeHelpChanging(node); };
}

void TIxoBibleMainForm::HelpMenuClick() {
  Mode->SetActivePage(PageHelp);
  FUrl.clear();
  if (TreeHelp->IsEmpty()) BuildHelpTree();
  UpdateTitle();
}

void TIxoBibleMainForm::BuildHelpTree() {
  const std::string& home = engine::Engine().HomeDir;
  engine::TDB reader;
  // Without a home folder the file name would be taken from the working folder.
  if (!home.empty() && platform::FileExists(HelpTreeFile(home))) reader.Open(HelpTreeFile(home));

  TreeHelp->SetAutoExpand(false);
  TreeViewTarget target(*TreeHelp);
  reader.BuildTree(kHelpTreeRoot, target, nullptr, true);
  // The first topic's page is the one left showing. A tree without nodes, or
  // whose first node has no child, selects what there is.
  if (ui::TreeNode* first = TreeHelp->FirstNode()) {
    if (ui::TreeNode* child = first->FirstChild()) TreeHelp->Select(child);
    TreeHelp->Select(first);
  }
  TreeHelp->SetAutoExpand(true);
}

void TIxoBibleMainForm::TreeHelpChange(QObject* sender, ui::TreeNode* node) {
  if (!node) return;
  const std::string& home = engine::Engine().HomeDir;
  const platform::TIniFile tree(HelpTreeFile(home));
  FUrl = HelpPageAddress(home, HelpTopicLink(tree, node->Text().toStdString()));

  // A sub-topic is labelled with its topic; the tree's top node with the title.
  const ui::TreeNode* named = node->Parent() ? node->Parent() : node;
  LabelBook->setText(named == TreeHelp->TopNode() ? QString(kHelpTitle) : named->Text());
  GoToURL(sender, 0);
}

bool TIxoBibleMainForm::TreeHelpChanging(ui::TreeNode*) { return true; }

void TIxoBibleMainForm::IxoHomeDblClick(QObject* sender) {
  Mode->SetActivePage(PageHelp);
  ModeChange();
  FUrl = HelpHomePage(engine::Engine().HomeDir);
  GoToURL(sender, 0);
}

}  // namespace desktop

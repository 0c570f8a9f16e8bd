// What the user sees of the main window: tree captions shown whole, the row
// under the pointer highlighted, readable edits on the Options page, and no
// control over another at any size the form allows.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>
#include <cmath>
#include <filesystem>
#include <map>

#include "DesktopFixture.h"
#include "TempFolder.h"
#include "desktop/ixoMain.h"
#include "ui/PageControl.h"
#include "ui/TreeView.h"

namespace desktop_testing {
namespace {

using desktop::TIxoBibleMainForm;
namespace fs = std::filesystem;

constexpr char kLongEntry[] = "H175: Aharon the brother of Moses, the first high priest of Israel";

// The relative luminance of a colour and the contrast ratio of two, as the
// accessibility guidelines define them.
double Luminance(QRgb rgb) {
  const auto channel = [](int value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

double Contrast(QRgb a, QRgb b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The strongest contrast of any pixel of area against the area's most common
// colour (its background): for text, the contrast of the ink.
double StrongestContrast(const QImage& image, const QRect& area) {
  std::map<QRgb, int> counts;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) ++counts[image.pixel(x, y)];
  QRgb background = 0;
  int most = 0;
  for (const auto& [rgb, count] : counts)
    if (count > most) std::tie(background, most) = std::pair(rgb, count);
  double strongest = 1;
  for (const auto& [rgb, count] : counts) strongest = std::max(strongest, Contrast(rgb, background));
  return strongest;
}

QImage Picture(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

void Click(ui::TreeView& tree, ui::TreeNode* node) {
  tree.scrollTo(node->index());
  QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualRect(node->index()).center());
}

TEST(FormLooks, LongNamesEntriesShowWholeWithAScrollBarAndTheirToolTip) {
  DesktopFixture fixture;
  fs::create_directories(fixture.InstallDir() + "ixodesk");
  ASSERT_TRUE(testing_support::WriteFileBytes(fixture.InstallDir() + "ixodesk/names.tree",
                                              std::string("[A]\n1=Aaron\n[Aaron]\n1=") + kLongEntry + "\n"));
  fixture.Run();
  TIxoBibleMainForm& form = fixture.Form();
  form.NamesMenu->trigger();
  ui::TreeView& tree = *form.TreeNames;
  Click(tree, tree.FindByCaption("A"));
  ui::TreeNode* aaron = tree.FindByCaption("Aaron");
  ASSERT_NE(aaron, nullptr);
  Click(tree, aaron);
  ui::TreeNode* entry = tree.FindByCaption(kLongEntry);
  ASSERT_NE(entry, nullptr);
  QApplication::processEvents();

  // The row holds the whole caption, wider than the tree: it scrolls.
  const QRect row = tree.visualRect(entry->index());
  EXPECT_GT(row.width(), tree.fontMetrics().horizontalAdvance(kLongEntry));
  EXPECT_EQ(tree.textElideMode(), Qt::ElideNone);
  EXPECT_GT(tree.horizontalScrollBar()->maximum(), 0);
  EXPECT_TRUE(tree.horizontalScrollBar()->isVisible());

  // Resting the pointer on the entry shows the whole caption.
  tree.scrollTo(entry->index());
  const QPoint at = tree.visualRect(entry->index()).topLeft() + QPoint(40, 5);
  QHelpEvent help(QEvent::ToolTip, at, tree.viewport()->mapToGlobal(at));
  QApplication::sendEvent(tree.viewport(), &help);
  EXPECT_EQ(QToolTip::text(), kLongEntry);
  QToolTip::hideText();
}

TEST(FormLooks, HotTrackingHighlightsTheRowUnderThePointer) {
  DesktopFixture fixture;
  fixture.Run();
  TIxoBibleMainForm& form = fixture.Form();
  form.BibleMenu->trigger();
  ui::TreeView& tree = *form.TreeIxo;
  ui::TreeNode* first = tree.FirstNode()->FirstChild();     // Genesis
  ui::TreeNode* second = first->NextSibling();              // Exodus
  tree.Expand(tree.FirstNode());
  tree.Select(second->NextSibling());  // the selection stays off the rows looked at
  QApplication::processEvents();
  const auto shade = [&](ui::TreeNode* node) {
    const QRect row = tree.visualRect(node->index());
    return Picture(*tree.viewport()).pixel(tree.viewport()->width() - 2, row.center().y());
  };
  const QRgb base = shade(first);

  QTest::mouseMove(tree.viewport(), tree.visualRect(first->index()).center());
  QApplication::processEvents();
  EXPECT_NE(shade(first), base);
  EXPECT_EQ(shade(second), base);

  QTest::mouseMove(tree.viewport(), tree.visualRect(second->index()).center());
  QApplication::processEvents();
  EXPECT_EQ(shade(first), base);
  EXPECT_NE(shade(second), base);
}

TEST(FormLooks, OptionsPageEditsAreReadableAndTheSpinBoxShowsItsArrows) {
  DesktopFixture fixture;
  fixture.Run();
  TIxoBibleMainForm& form = fixture.Form();
  form.OptionsMenu->trigger();
  QApplication::processEvents();
  for (QLineEdit* edit : {form.EditRegHTML, form.EditRegDllName}) {
    SCOPED_TRACE(edit->objectName().toStdString());
    ASSERT_FALSE(edit->text().isEmpty());
    ASSERT_FALSE(edit->isEnabled());
    const QImage picture = Picture(*edit);
    EXPECT_GE(StrongestContrast(picture, picture.rect().adjusted(4, 4, -4, -4)), 4.5);
  }
  QSpinBox& span = *form.EditRegSensitivity;
  const QImage picture = Picture(span);
  // The arrows are drawn in the buttons at the right end of the box.
  const QRect buttons(picture.width() - 18, 3, 14, picture.height() - 6);
  EXPECT_GE(StrongestContrast(picture, buttons), 4.5);
  EXPECT_GE(StrongestContrast(picture, picture.rect().adjusted(4, 4, -24, -4)), 4.5);  // the value
}

// The widgets of the form a user sees as controls: what is inside a control
// (a spin box's edit, a tree's scroll bars) belongs to it.
bool IsContainer(const QWidget* widget) {
  return widget->layout() || qobject_cast<const QSplitter*>(widget) || qobject_cast<const QTabWidget*>(widget) ||
         widget->inherits("QStackedWidget");
}

void ExpectNoOverlap(QWidget& parent, const QWidget& form) {
  std::vector<QWidget*> shown;
  for (QWidget* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (!child->isWindow() && child->isVisibleTo(&form)) shown.push_back(child);
  for (std::size_t i = 0; i < shown.size(); ++i) {
    QWidget& widget = *shown[i];
    const std::string name = widget.objectName().toStdString() + " (" + widget.metaObject()->className() + ")";
    for (std::size_t j = i + 1; j < shown.size(); ++j)
      EXPECT_FALSE(widget.geometry().intersects(shown[j]->geometry()))
          << name << " overlaps " << shown[j]->objectName().toStdString();
    if (IsContainer(&widget)) {
      ExpectNoOverlap(widget, form);
    } else {
      // A control squeezed below its least size loses its caption or its text.
      const QSize least = widget.minimumSize().expandedTo(
          QSize(widget.minimumWidth() ? 0 : widget.minimumSizeHint().width(),
                widget.minimumHeight() ? 0 : widget.minimumSizeHint().height()));
      EXPECT_GE(widget.width(), least.width()) << name;
      EXPECT_GE(widget.height(), least.height()) << name;
    }
  }
}

TEST(FormLooks, NoControlOverlapsAnotherAtAnySizeTheFormAllows) {
  DesktopFixture fixture;
  fixture.Run();
  TIxoBibleMainForm& form = fixture.Form();
  form.LabelBook->setText("III  John 3:16");
  const QSize sizes[] = {form.minimumSize(), {600, 400}, {1097, 470}};
  QAction* const pages[] = {form.BibleMenu, form.NamesMenu, form.OptionsMenu, form.HelpMenu, form.ReviewMenu};
  for (const QSize& size : sizes) {
    form.resize(size);
    for (QAction* page : pages) {
      SCOPED_TRACE(std::to_string(size.width()) + " x " + std::to_string(size.height()) + ", " +
                   page->text().toStdString());
      page->trigger();
      QApplication::processEvents();
      ASSERT_EQ(form.size(), size);
      ExpectNoOverlap(form, form);
    }
  }
}

}  // namespace
}  // namespace desktop_testing

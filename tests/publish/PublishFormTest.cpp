#include "publish/ixoPublishForm.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

#include "engine/ixoObject.h"
#include "publish/ixoPublish.h"
#include "ui/CheckBox.h"
#include "ui/RadioButton.h"

namespace {

// A writer that writes nothing: the form only sets its option flags.
class SilentWriter final : public publish::TPublishWriter {
 public:
  void WriteVerseNumber(std::string_view) override {}
  void WriteDocumentHeader() override {}
  void WriteChapterHeading(int, int) override {}
  void EndChapter(int, int) override {}
  void BeginBook(std::string_view, int, int) override {}
  void EndBook() override {}
  void SetKeepTogether(bool) override {}
  void SetFontSize(bool, int) override {}
  void SetJustification(int) override {}
  void SetItalic(bool) override {}
  void SetBold(bool) override {}
  void SetColor(int) override {}
  void SetSuperscript(bool) override {}
  void WriteText(std::string_view, int, bool) override {}
  int WriteHeaderFooter(publish::OutputFile*, std::string_view, int) override { return 0; }
};

class PublishFormTest : public testing::Test {
 protected:
  void SetUp() override {
    engine::Engine().DocumentDir = "/home/reader/Documents/Ixo Bible/";
    form = std::make_unique<publish::TFormPublishBase>(writer);
  }

  SilentWriter writer;
  std::unique_ptr<publish::TFormPublishBase> form;
};

TEST_F(PublishFormTest, OpensWithItsDefaultsAndTheDocumentFolder) {
  EXPECT_EQ(form->windowTitle(), "Publishing Form Base Class");
  EXPECT_EQ(form->EditRegText->text(), "/home/reader/Documents/Ixo Bible/");
  EXPECT_TRUE(form->RadioAllOne->isChecked());
  EXPECT_TRUE(form->CheckBoxDualColumns->isChecked());
  EXPECT_TRUE(form->CheckBoxHeadFoot->isChecked());
  EXPECT_FALSE(form->CheckBoxWordCompatible->isChecked());
  EXPECT_TRUE(form->buttonDotNative->isChecked());
  EXPECT_EQ(form->Image1->pixmap().size(), QSize(120, 120));
  EXPECT_FALSE(writer.AllInOne());  // the flags change only through the handlers
  EXPECT_FALSE(writer.HeaderEachChapter());
  EXPECT_FALSE(writer.WordCompatible());
}

TEST_F(PublishFormTest, HandlersSetTheWritersFlags) {
  form->RadioMulti->setChecked(true);
  EXPECT_FALSE(writer.AllInOne());
  form->RadioAllOne->setChecked(true);
  EXPECT_TRUE(writer.AllInOne());

  form->CheckBoxWordCompatible->setChecked(true);
  EXPECT_TRUE(writer.WordCompatible());
  EXPECT_FALSE(writer.HeaderEachChapter());
  // The two-column box's handler copies the Word-compatibility box.
  form->CheckBoxDualColumns->setChecked(false);
  EXPECT_TRUE(writer.HeaderEachChapter());
  form->CheckBoxWordCompatible->setChecked(false);
  form->CheckBoxDualColumns->setChecked(true);
  EXPECT_FALSE(writer.HeaderEachChapter());
}

TEST_F(PublishFormTest, HeadersAndFootersOffClearsAndDisablesOddEven) {
  form->CheckBoxHeadFootOddEven->setChecked(true);
  form->CheckBoxHeadFoot->setChecked(false);
  EXPECT_FALSE(form->CheckBoxHeadFootOddEven->isChecked());
  EXPECT_FALSE(form->CheckBoxHeadFootOddEven->isEnabled());
  form->CheckBoxHeadFoot->setChecked(true);
  EXPECT_TRUE(form->CheckBoxHeadFootOddEven->isEnabled());
}

}  // namespace

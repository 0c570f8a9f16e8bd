#include "publish/ixoPublishForm.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

#include "engine/ixoObject.h"
#include "publish/PublishOptions.h"
#include "ui/CheckBox.h"
#include "ui/RadioButton.h"

namespace {

class PublishFormTest : public testing::Test {
 protected:
  void SetUp() override {
    engine::Engine().DocumentDir = "/home/reader/Documents/Ixo Bible/";
    form = std::make_unique<publish::TFormPublishBase>();
  }

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
  const publish::PublishOptions options = form->RunOptions();
  EXPECT_FALSE(options.allInOne);  // the flags change only through the handlers
  EXPECT_FALSE(options.headerEachChapter);
  EXPECT_FALSE(options.wordCompatible);
}

TEST_F(PublishFormTest, HandlersSetTheOptionFlags) {
  form->RadioMulti->setChecked(true);
  EXPECT_FALSE(form->RunOptions().allInOne);
  form->RadioAllOne->setChecked(true);
  EXPECT_TRUE(form->RunOptions().allInOne);

  form->CheckBoxWordCompatible->setChecked(true);
  EXPECT_TRUE(form->RunOptions().wordCompatible);
  EXPECT_FALSE(form->RunOptions().headerEachChapter);
  // The two-column box's handler copies the Word-compatibility box.
  form->CheckBoxDualColumns->setChecked(false);
  EXPECT_TRUE(form->RunOptions().headerEachChapter);
  form->CheckBoxWordCompatible->setChecked(false);
  form->CheckBoxDualColumns->setChecked(true);
  EXPECT_FALSE(form->RunOptions().headerEachChapter);
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

#include <gtest/gtest.h>

#include "ui/ModalForm.h"
#include <QPointer>
#include <QTimer>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "FakeHost.h"
#include "QtTesting.h"
#include "platform/Dialogs.h"
#include "wordaddin/Addin.h"
#include "wordaddin/Guarded.h"
#include "wordaddin/IxoAbout.h"

namespace wordaddin {
namespace {

using testing::FakeHost;
using testing::ModalWatcher;

// What the fake text side was asked to do, kept beyond its own life.
struct TextLog {
  std::vector<std::string> calls;
  QPointer<ui::ModalForm> insertForm;
  QPointer<ui::ModalForm> searchForm;
  QPointer<TFormAbout> aboutForm;
  QWidget* insertParent = nullptr;
};

class FakeText : public AddinText {
 public:
  FakeText(TextLog& log, bool loads, bool hasSearchForm) : log_(log), loads_(loads), hasSearchForm_(hasSearchForm) {}
  // The call that throws, if any.
  std::string throwIn;
  ~FakeText() override { log_.calls.push_back("freed"); }

  bool Load() override {
    log_.calls.push_back("load");
    if (throwIn == "load") throw std::runtime_error("cannot read IxoBible.2005");
    loaded_ = loads_;
    return loaded_;
  }
  void Unload() override { log_.calls.push_back("unload"); }
  bool Loaded() const override { return loaded_; }

  std::unique_ptr<ui::ModalForm> CreateInsertForm(QWidget* parent, TFormAbout& aboutForm) override {
    auto form = std::make_unique<ui::ModalForm>(parent);
    form->setObjectName("InsertForm");
    form->resize(298, 90);
    log_.insertForm = form.get();
    log_.aboutForm = &aboutForm;
    log_.insertParent = parent;
    return form;
  }
  std::unique_ptr<QWidget> CreateSearchForm(ui::ModalForm&, TFormAbout&) override {
    if (!hasSearchForm_) return nullptr;
    auto form = std::make_unique<ui::ModalForm>();
    form->setObjectName("SearchForm");
    log_.searchForm = form.get();
    return form;
  }
  void LoadCurrentStudy(QWidget&) override {
    log_.calls.push_back("study");
    if (throwIn == "study") throw std::runtime_error("bad study");
  }

 private:
  TextLog& log_;
  bool loads_;
  bool hasSearchForm_;
  bool loaded_ = false;
};

const std::vector<std::string> kFormClosed = {"-32529", "-32495"};

class AddinCommands : public ::testing::Test {
 protected:
  FakeHost host;
  std::shared_ptr<platform::RecordingDialogService> boxes = std::make_shared<platform::RecordingDialogService>();
  platform::ScopedDialogService guard{boxes};
  TextLog text;

  Addin Make(bool hasText, bool loads = true, bool hasSearchForm = true, std::string throwIn = {}) {
    return Addin([this, hasText, loads, hasSearchForm, throwIn]() -> std::unique_ptr<AddinText> {
      if (!hasText) return nullptr;
      auto fake = std::make_unique<FakeText>(text, loads, hasSearchForm);
      fake->throwIn = throwIn;
      return fake;
    });
  }

  // The host commands sent since the last call, as "number value".
  std::vector<std::string> TakeCommands() {
    std::vector<std::string> sent;
    for (const auto& command : host.sent) {
      std::string line = std::to_string(command.id);
      if (command.args.size() == 1 && !command.args[0].text) line += " " + std::to_string(command.args[0].value);
      sent.push_back(line);
    }
    host.sent.clear();
    return sent;
  }
};

TEST_F(AddinCommands, AutoOpenShowsTheSplashThenLoadsAndRegisters) {
  Addin addin = Make(true);
  int interval = 0;
  ModalWatcher splash([&interval](QWidget& window) {
    interval = static_cast<TFormAbout&>(window).SplashTimer->interval();
  });
  addin.AutoOpen(7);
  EXPECT_EQ(splash.Count(), 1);
  EXPECT_EQ(interval, 2500);
  const std::vector<std::string> sent = TakeCommands();
  ASSERT_EQ(sent.size(), 3u + 10u);
  EXPECT_EQ(std::vector<std::string>(sent.begin(), sent.begin() + 4),
            (std::vector<std::string>{"-32529 1", "-32529 0", "-32495 1", "615"}));
  EXPECT_EQ(text.calls, std::vector<std::string>{"load"});

  addin.AutoRemove();
  EXPECT_EQ(text.calls, (std::vector<std::string>{"load", "unload", "freed"}));
}

TEST_F(AddinCommands, AboutBoxShowsForNineSeconds) {
  Addin addin = Make(false);
  int interval = 0;
  ModalWatcher about([&interval](QWidget& window) {
    interval = static_cast<TFormAbout&>(window).SplashTimer->interval();
  });
  addin.AboutBox();
  EXPECT_EQ(interval, 9000);
  EXPECT_EQ(TakeCommands(), (std::vector<std::string>{"-32529 1", "-32529 0", "-32495 1"}));
}

TEST_F(AddinCommands, WithoutTextEachCommandShowsOneErrorBox) {
  const struct {
    const char* name;
    bool hasText;
  } cases[] = {{"no engine", false}, {"engine not loaded", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Addin addin = Make(c.hasText, /*loads=*/false);
    ModalWatcher splash;
    addin.AutoOpen(7);
    host.sent.clear();
    boxes->Clear();
    addin.Insert();
    addin.Search();
    EXPECT_TRUE(host.sent.empty());
    ASSERT_EQ(boxes->Shown().size(), 2u);
    for (const auto& box : boxes->Shown()) {
      EXPECT_EQ(box.text, "Could not initialize bible text.  Please re-install the program.");
      EXPECT_EQ(box.type, platform::DialogType::Error);
    }
    EXPECT_EQ(splash.Count(), 1);  // only the splash came up
  }
}

TEST_F(AddinCommands, InsertShowsItsDialogOverTheHostAndFreesItsForms) {
  Addin addin = Make(true);
  {
    ModalWatcher splash;
    addin.AutoOpen(7);
  }
  host.sent.clear();
  QWidget hostWindow;
  hostWindow.setObjectName("OpusApp");
  hostWindow.setGeometry(0, 0, 800, 600);
  std::vector<std::string> shown;
  QPoint placedAt;
  ModalWatcher dialog([&](QWidget& window) {
    shown.push_back(window.objectName().toStdString());
    placedAt = window.pos();
    EXPECT_FALSE(text.aboutForm->isVisible());  // the dialog's About button would show it
    EXPECT_EQ(TakeCommands(), std::vector<std::string>{"-32529 1"});
  });
  addin.Insert();
  EXPECT_EQ(shown, std::vector<std::string>{"InsertForm"});
  EXPECT_EQ(placedAt, QPoint(25, 25));
  EXPECT_EQ(text.insertParent, &hostWindow);
  EXPECT_EQ(TakeCommands(), (std::vector<std::string>{"-32529 0", "-32495 1"}));
  EXPECT_TRUE(text.insertForm.isNull());
  EXPECT_TRUE(text.aboutForm.isNull());
}

TEST_F(AddinCommands, SearchLoadsTheStudyAndShowsItsForm) {
  Addin addin = Make(true);
  {
    ModalWatcher splash;
    addin.AutoOpen(7);
  }
  host.sent.clear();
  text.calls.clear();
  std::vector<std::string> shown;
  ModalWatcher form([&](QWidget& window) {
    shown.push_back(window.objectName().toStdString());
    EXPECT_EQ(text.calls, std::vector<std::string>{"study"});
  });
  addin.Search();
  EXPECT_EQ(shown, std::vector<std::string>{"SearchForm"});
  EXPECT_EQ(TakeCommands(), (std::vector<std::string>{"-32529 1", "-32529 0", "-32495 1"}));
  EXPECT_TRUE(text.searchForm.isNull());
  EXPECT_TRUE(text.insertForm.isNull());
}

TEST_F(AddinCommands, SearchWithoutASearchFormDoesNothing) {
  Addin addin = Make(true, true, /*hasSearchForm=*/false);
  {
    ModalWatcher splash;
    addin.AutoOpen(7);
  }
  host.sent.clear();
  ModalWatcher form;
  addin.Search();
  EXPECT_EQ(form.Count(), 0);
  EXPECT_TRUE(host.sent.empty());
  EXPECT_TRUE(boxes->Shown().empty());
}

TEST_F(AddinCommands, ALoadThatThrowsIsReportedAndTheMenuStillComes) {
  Addin addin = Make(true, true, true, "load");
  ModalWatcher splash;
  addin.AutoOpen(7);
  ASSERT_EQ(boxes->Shown().size(), 1u);
  EXPECT_EQ(boxes->Shown()[0].text, "cannot read IxoBible.2005");
  EXPECT_EQ(host.sent.size(), 3u + 10u);
  boxes->Clear();
  addin.Insert();  // the engine never loaded
  ASSERT_EQ(boxes->Shown().size(), 1u);
  EXPECT_EQ(boxes->Shown()[0].text, kTextNotLoaded);
}

TEST_F(AddinCommands, SearchTellsTheHostItsFormClosedWhateverHappened) {
  Addin addin = Make(true, true, true, "study");
  {
    ModalWatcher splash;
    addin.AutoOpen(7);
  }
  host.sent.clear();
  EXPECT_THROW(addin.Search(), std::runtime_error);
  EXPECT_EQ(TakeCommands(), (std::vector<std::string>{"-32529 1", "-32529 0", "-32495 1"}));
  EXPECT_TRUE(text.searchForm.isNull());
}

TEST(Guarded, NoExceptionLeavesAndTheUserIsTold) {
  auto boxes = std::make_shared<platform::RecordingDialogService>();
  platform::ScopedDialogService guard(boxes);
  bool after = false;
  Guarded([] { throw std::runtime_error("out of paper"); });
  Guarded([] { throw 42; });
  Guarded([&after] { after = true; });
  EXPECT_TRUE(after);
  ASSERT_EQ(boxes->Shown().size(), 2u);
  EXPECT_EQ(boxes->Shown()[0].text, "out of paper");
  EXPECT_EQ(boxes->Shown()[0].type, platform::DialogType::Error);
  EXPECT_EQ(boxes->Shown()[1].text, kUnexpectedError);
}

}  // namespace
}  // namespace wordaddin

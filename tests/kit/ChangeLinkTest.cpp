// Change notification from a controller to its links, and the change lock.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "kit/KitBaseController.h"
#include "kit/KitChangeLink.h"

namespace {

using kit::TKitBaseController;
using kit::TKitChangeLink;

struct Recorder {
  std::vector<std::string> calls;
  kit::TNotifyEvent Event(const std::string& name) {
    return [this, name](QObject* sender) {
      calls.push_back(name + (sender != nullptr ? "" : " without sender"));
    };
  }
};

TEST(ChangeLink, ControllerTellsItselfThenEveryLinkInRegistrationOrder) {
  Recorder recorder;
  TKitBaseController controller(nullptr);
  controller.OnChange = recorder.Event("controller");
  TKitChangeLink first, second, third;
  QObject* sender = nullptr;
  first.OnChange = [&](QObject* s) {
    sender = s;
    recorder.calls.push_back("first");
  };
  second.OnChange = recorder.Event("second");
  third.OnChange = recorder.Event("third");
  controller.RegisterChanges(&second);
  controller.RegisterChanges(&first);
  controller.RegisterChanges(&third);
  controller.RegisterChanges(nullptr);

  controller.NotifyChange();

  EXPECT_EQ(recorder.calls, (std::vector<std::string>{"controller", "second", "first", "third"}));
  EXPECT_EQ(sender, &controller);
  EXPECT_EQ(first.Controller(), &controller);
}

TEST(ChangeLink, LockAndLoadingHoldNotificationBack) {
  Recorder recorder;
  TKitBaseController controller(nullptr);
  controller.OnChange = recorder.Event("controller");
  TKitChangeLink link;
  link.OnChange = recorder.Event("link");
  controller.RegisterChanges(&link);

  controller.LockChanges();
  controller.NotifyChange();
  controller.UnlockChanges(false);
  EXPECT_TRUE(recorder.calls.empty());

  controller.LockChanges();
  controller.UnlockChanges(true);
  EXPECT_EQ(recorder.calls, (std::vector<std::string>{"controller", "link"}));

  recorder.calls.clear();
  controller.BeginLoading();
  controller.NotifyChange();
  EXPECT_TRUE(recorder.calls.empty());
  controller.Loaded();
  controller.NotifyChange();
  EXPECT_EQ(recorder.calls.size(), 2u);
}

TEST(ChangeLink, UnregisteringRemovesOneRegistrationAndIgnoresStrangers) {
  Recorder recorder;
  TKitBaseController controller(nullptr);
  TKitChangeLink link, stranger;
  link.OnChange = recorder.Event("link");
  controller.RegisterChanges(&link);
  controller.RegisterChanges(&link);

  controller.UnregisterChanges(&stranger);
  controller.UnregisterChanges(&link);
  EXPECT_EQ(link.Controller(), &controller);  // still registered once
  controller.NotifyChange();
  EXPECT_EQ(recorder.calls.size(), 1u);

  controller.UnregisterChanges(&link);
  EXPECT_EQ(link.Controller(), nullptr);
  EXPECT_TRUE(controller.Links().empty());
}

TEST(ChangeLink, NeitherSideOutlivesTheOther) {
  auto link = std::make_unique<TKitChangeLink>();
  {
    TKitBaseController controller(nullptr);
    controller.RegisterChanges(link.get());
    controller.RegisterChanges(link.get());
    auto doomed = std::make_unique<TKitChangeLink>();
    controller.RegisterChanges(doomed.get());
    doomed.reset();  // a freed link leaves the controller
    EXPECT_EQ(controller.Links(), (std::vector<TKitChangeLink*>{link.get(), link.get()}));
  }
  EXPECT_EQ(link->Controller(), nullptr);  // a freed controller leaves its links

  // Registered twice and then freed: no registration is left behind.
  TKitBaseController controller(nullptr);
  auto twice = std::make_unique<TKitChangeLink>();
  controller.RegisterChanges(twice.get());
  controller.RegisterChanges(twice.get());
  twice.reset();
  EXPECT_TRUE(controller.Links().empty());
}

TEST(ChangeLink, ALinkServesOneController) {
  TKitBaseController a(nullptr), b(nullptr);
  TKitChangeLink link;
  a.RegisterChanges(&link);
  b.RegisterChanges(&link);
  EXPECT_TRUE(a.Links().empty());
  EXPECT_EQ(link.Controller(), &b);
}

TEST(ChangeLink, AHandlerThatFreesALaterLinkStopsItsCall) {
  TKitBaseController controller(nullptr);
  TKitChangeLink first;
  auto second = std::make_unique<TKitChangeLink>();
  int secondCalls = 0;
  second->OnChange = [&](QObject*) { ++secondCalls; };
  first.OnChange = [&](QObject*) { second.reset(); };
  controller.RegisterChanges(&first);
  controller.RegisterChanges(second.get());

  controller.NotifyChange();

  EXPECT_EQ(secondCalls, 0);
  EXPECT_EQ(controller.Links().size(), 1u);
}

TEST(ChangeLink, AHandlerMayFreeTheController) {
  // Its own change event frees it: no link is told about a controller that is gone.
  auto controller = std::make_unique<TKitBaseController>(nullptr);
  TKitChangeLink link;
  int linkCalls = 0;
  link.OnChange = [&](QObject*) { ++linkCalls; };
  controller->RegisterChanges(&link);
  controller->OnChange = [&](QObject*) { controller.reset(); };
  controller->NotifyChange();
  EXPECT_EQ(linkCalls, 0);
  EXPECT_EQ(link.Controller(), nullptr);

  // A link's handler frees it: the links after it are not told.
  controller = std::make_unique<TKitBaseController>(nullptr);
  TKitChangeLink first, second;
  first.OnChange = [&](QObject*) { controller.reset(); };
  int secondCalls = 0;
  second.OnChange = [&](QObject*) { ++secondCalls; };
  controller->RegisterChanges(&first);
  controller->RegisterChanges(&second);
  controller->NotifyChange();
  EXPECT_EQ(secondCalls, 0);
  EXPECT_EQ(second.Controller(), nullptr);
}

}  // namespace

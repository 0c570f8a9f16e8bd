#pragma once
// An icon in the shell's notification area for the form that owns it. It
// turns the shell's mouse reports into events, opens its popup menu on a
// right click, hides the application's taskbar window while it is active,
// can keep the form from closing (NoClose) and can animate the icon from an
// image list.
//
// It sees the owner form's messages through the owner hook: a minimised form
// hides unless ShowMinimizedIcon (once the minimising is done, from the event
// loop), and with NoClose a close from the title bar hides the form instead.
// Either hides the form only while the notification area shows the icon, so
// that a form is never hidden without a way back. What the shell answers is
// ignored: without a notification area the icon is not shown until one comes.
//
// Needs an initialised kit from the moment it is made active (in Loaded, as
// a form that builds it calls that). Exceptions of its event handlers, which
// run from the hidden window or a timer, are reported by the application's
// exception handler; setters called by a form raise kit errors to it. A
// mouse handler may free the icon (with its form): the events that would
// follow it for that report are not fired then.

#include <QMenu>
#include <QPointer>
#include <memory>
#include <string>

#include "HiddenWindow.h"
#include "Icon.h"
#include "KitChangeLink.h"
#include "KitEvents.h"
#include "KitThreadedTimer.h"
#include "KitTimerPool.h"
#include "KitWndProcComponent.h"
#include "TrayShell.h"

namespace kit {

class TKitCustomImageList;
class TKitHiTimer;
class TKitTimer;

enum class TKitTimerMode { tmNormal, tmGlobalTimer, tmHiTimer, tmThreaded };

// The callback message of the shell's reports.
inline constexpr std::uint32_t WM_TRAYNOTIFY = WM_USER + 101;

// The number of the shell's "TaskbarCreated" message; 0 when the kit is not
// initialised.
std::uint32_t TaskbarCreatedMessage();

class TKitTrayIcon : public TKitWndProcComponent {
 public:
  static constexpr int kLongestHint = 63;

  explicit TKitTrayIcon(QObject* owner);
  ~TKitTrayIcon() override;

  // Applies Active anew, so that the icon is added once the form is built.
  void Loaded() override;
  void Notification(QObject* component, TOperation operation) override;

  bool Active() const { return active_; }
  void SetActive(bool value);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& value);
  TIcon& Icon() { return *icon_; }
  void SetIcon(const QIcon& icon) { icon_->SetPicture(icon); }
  bool NoClose = false;
  bool ShowMinimizedIcon = false;
  QMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(QMenu* menu);
  TKitCustomImageList* ImageList() const { return imageList_; }
  void SetImageList(TKitCustomImageList* list);
  // The list of the image list that animates.
  int ListIndex = 0;
  TKitTimerMode TimerMode() const { return timerMode_; }
  // A new mode on a running animation stops it until Animated or Active is
  // set again.
  void SetTimerMode(TKitTimerMode value);
  // Stored; taken when the animation starts next.
  TThreadPriority ThreadPriority() const { return threadPriority_; }
  void SetThreadPriority(TThreadPriority value) { threadPriority_ = value; }
  TKitTimerInterval Interval() const { return interval_; }
  void SetInterval(TKitTimerInterval value) { interval_ = value == 0 ? 1 : value; }
  bool Animated() const { return animated_; }
  void SetAnimated(bool value);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnPopUp;
  // Sender: the owner form.
  TNotifyEvent OnNoClose;

  // The animation timer's event: shows image Frame() of list ListIndex as the
  // icon, then moves to the next image. A list or image that is not there
  // raises EListError.
  void NextFrame();
  int Frame() const { return frame_; }

  // The hidden window the shell reports to, and the animation timer of the
  // current mode (at most one of the two exists).
  HWND Handle() const { return window_ ? window_->Handle() : 0; }
  const TKitTimer* AnimationTimer() const { return timer_.get(); }
  const TKitHiTimer* HiAnimationTimer() const { return hiTimer_.get(); }

  void OwnerMessage(TMessage& message) override;

 private:
  TNotifyIconData ShellRecord(HICON icon) const;
  void NotifyShell(std::uint32_t operation);
  void HandleTrayMessage(TMessage& message);
  void PopUp();
  void CreateAnimationTimer();
  void FreeAnimationTimer(TKitTimerMode mode);
  void SwitchAnimation(bool enable);
  void ImageListChanged(QObject* sender);
  void IconChanged(QObject* sender);
  QWidget* OwnerForm() const;
  // True while the icon is active and the notification area shows it.
  bool InNotificationArea() const;

  bool active_ = true;
  std::string hint_;
  std::unique_ptr<TIcon> icon_;
  QMenu* popupMenu_ = nullptr;
  TKitCustomImageList* imageList_ = nullptr;
  TKitTimerMode timerMode_ = TKitTimerMode::tmNormal;
  TThreadPriority threadPriority_ = TThreadPriority::tpNormal;
  TKitTimerInterval interval_ = 200;
  bool animated_ = false;
  int frame_ = 0;
  int cursorX_ = 0;
  int cursorY_ = 0;
  std::unique_ptr<HiddenWindow> window_;
  std::unique_ptr<TKitChangeLink> link_;
  std::unique_ptr<TKitTimer> timer_;
  std::unique_ptr<TKitHiTimer> hiTimer_;
};

}  // namespace kit

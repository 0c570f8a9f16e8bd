#include "KitTrayIcon.h"

#include <QCursor>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <algorithm>
#include <cstring>

#include "Application.h"
#include "KitCustomImageList.h"
#include "KitTimer.h"
#include "KitTimerObject.h"
#include "KitUnits.h"
#include "OwnerMessages.h"

namespace kit {

namespace {

constexpr int kFrameSize = 16;

bool PoolMode(TKitTimerMode mode) { return mode == TKitTimerMode::tmNormal || mode == TKitTimerMode::tmGlobalTimer; }

// An icon of the frame: white shows what is behind it, as its monochrome
// copy masks it.
QIcon FrameIcon(const QImage& frame) {
  QImage icon = frame.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < icon.height(); ++y)
    for (int x = 0; x < icon.width(); ++x)
      if ((icon.pixel(x, y) & RGB_MASK) == (qRgb(255, 255, 255) & RGB_MASK)) icon.setPixel(x, y, qRgba(0, 0, 0, 0));
  return QIcon(QPixmap::fromImage(icon));
}

}  // namespace

TKitTrayIcon::TKitTrayIcon(QObject* owner)
    : TKitWndProcComponent(owner),
      icon_(std::make_unique<TIcon>()),
      window_(std::make_unique<HiddenWindow>([this](TMessage& message) { HandleTrayMessage(message); })),
      link_(std::make_unique<TKitChangeLink>()) {
  icon_->OnChange = [this](QObject* sender) { IconChanged(sender); };
  link_->OnChange = [this](QObject* sender) { ImageListChanged(sender); };
}

TKitTrayIcon::~TKitTrayIcon() {
  FreeAnimationTimer(timerMode_);
  link_->OnChange = nullptr;
  link_.reset();
  SetHookEnabled(false);
  hint_.clear();
  NotifyShell(NIM_DELETE);
  window_.reset();
  icon_.reset();
}

void TKitTrayIcon::Loaded() {
  TKitWndProcComponent::Loaded();
  if (active_) {
    active_ = false;
    SetActive(true);
  }
}

void TKitTrayIcon::Notification(QObject* component, TOperation operation) {
  TKitWndProcComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == popupMenu_) popupMenu_ = nullptr;
  if (component == imageList_) SetImageList(nullptr);
}

void TKitTrayIcon::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (IsDesigning()) return;
  TApplication& application = Application();
  if (value) {
    SetHookEnabled(true);
    application.ShowMainForm = false;
    application.ShowWindow(SW_HIDE);
    CreateAnimationTimer();
    NotifyShell(NIM_ADD);
    SwitchAnimation(true);
  } else {
    SetHookEnabled(false);
    application.ShowMainForm = true;
    application.ShowWindow(SW_SHOWNORMAL);
    NotifyShell(NIM_DELETE);
    FreeAnimationTimer(timerMode_);
  }
}

void TKitTrayIcon::SetHint(const std::string& value) {
  if (value != hint_ || IsLoading()) hint_ = value;
  if (active_) NotifyShell(NIM_MODIFY);
}

void TKitTrayIcon::SetPopupMenu(QMenu* menu) {
  if (menu == popupMenu_) return;
  popupMenu_ = menu;
  if (menu != nullptr) FreeNotification(menu);
}

void TKitTrayIcon::SetImageList(TKitCustomImageList* list) {
  // The link knows whether its list is still there: one that is being freed
  // has let go of it already.
  if (TKitBaseController* old = link_->Controller()) old->UnregisterChanges(link_.get());
  imageList_ = list;
  if (list != nullptr) {
    list->RegisterChanges(link_.get());
    FreeNotification(list);
  }
  ImageListChanged(nullptr);
}

void TKitTrayIcon::SetTimerMode(TKitTimerMode value) {
  if (value == timerMode_) return;
  if (IsLoading()) {
    timerMode_ = value;
    return;
  }
  FreeAnimationTimer(timerMode_);
  timerMode_ = value;
  CreateAnimationTimer();
}

void TKitTrayIcon::SetAnimated(bool value) {
  if (value == animated_) return;
  animated_ = value;
  if (value) {
    CreateAnimationTimer();
    SwitchAnimation(true);
  } else {
    FreeAnimationTimer(timerMode_);
  }
}

void TKitTrayIcon::CreateAnimationTimer() {
  if (!animated_) return;
  if (PoolMode(timerMode_)) {
    if (!timer_)
      timer_ = std::make_unique<TKitTimer>(interval_, timerMode_ == TKitTimerMode::tmGlobalTimer, false,
                                           [this](QObject*) { NextFrame(); });
  } else if (!hiTimer_) {
    hiTimer_ = std::make_unique<TKitHiTimer>(this);
    hiTimer_->SetOnTimer([this](QObject*) { NextFrame(); });
    hiTimer_->SetUseThread(timerMode_ == TKitTimerMode::tmThreaded);
  }
}

void TKitTrayIcon::FreeAnimationTimer(TKitTimerMode mode) {
  if (PoolMode(mode)) {
    timer_.reset();
  } else {
    hiTimer_.reset();
  }
}

void TKitTrayIcon::SwitchAnimation(bool enable) {
  if (!animated_) return;
  frame_ = 0;
  if (PoolMode(timerMode_)) {
    if (!timer_) return;
    if (enable) timer_->SetTimerInterval(interval_);
    timer_->SetTimerEnabled(enable);
  } else {
    if (!hiTimer_) return;
    if (enable) {
      hiTimer_->SetInterval(interval_);
      hiTimer_->SetThreadPriority(threadPriority_);
    }
    hiTimer_->SetEnabled(enable);
  }
}

void TKitTrayIcon::ImageListChanged(QObject*) { TKitCustomComponent::NotifyChange(); }

void TKitTrayIcon::IconChanged(QObject*) {
  if (!IsDesigning() && active_) NotifyShell(NIM_MODIFY);
}

TNotifyIconData TKitTrayIcon::ShellRecord(HICON icon) const {
  TNotifyIconData data;
  data.hWnd = Handle();
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = WM_TRAYNOTIFY;
  data.hIcon = icon;
  const std::size_t length = std::min<std::size_t>(hint_.size(), kLongestHint);
  std::memcpy(data.szTip, hint_.data(), length);
  data.szTip[length] = '\0';
  return data;
}

void TKitTrayIcon::NotifyShell(std::uint32_t operation) {
  // Nothing reaches the shell before Loaded has applied Active.
  if (IsDesigning() || IsLoading()) return;
  if (TrayShell* shell = CurrentTrayShell()) shell->NotifyIcon(operation, ShellRecord(icon_ ? icon_->Handle() : 0));
}

void TKitTrayIcon::NextFrame() {
  if (imageList_ == nullptr || IsDesigning()) return;
  QImage bitmap(kFrameSize, kFrameSize, QImage::Format_RGB32);
  bitmap.fill(Qt::white);
  {
    QPainter canvas(&bitmap);
    imageList_->Draw(canvas, ListIndex, frame_, QPoint(0, 0));
  }
  TIcon icon;  // its handle lives as long as the shell is told of it
  icon.SetPicture(FrameIcon(bitmap));
  if (TrayShell* shell = CurrentTrayShell()) shell->NotifyIcon(NIM_MODIFY, ShellRecord(icon.Handle()));
  ++frame_;
  if (imageList_->ImageCount(ListIndex) <= frame_) frame_ = 0;
}

void TKitTrayIcon::HandleTrayMessage(TMessage& message) {
  if (message.Msg != WM_TRAYNOTIFY) return;
  const QPoint cursor = QCursor::pos();
  const int x = cursorX_ = cursor.x();
  const int y = cursorY_ = cursor.y();
  // wParam is the icon's identifier, so no mouse key is down.
  const TShiftState shift = 0;
  // A handler may free the icon: the events after it are then not fired.
  const QPointer<TKitTrayIcon> self(this);
  auto down = [&](TMouseButton button, TShiftState state) { FireEvent(OnMouseDown, this, button, state, x, y); };
  auto click = [&](TMouseButton button) {
    FireEvent(OnClick, this);
    if (self) FireEvent(OnMouseUp, this, button, shift, x, y);
  };
  auto doubleClick = [&](TMouseButton button) {
    FireEvent(OnDblClick, this);
    if (self) down(button, shift | ssDouble);
  };
  switch (message.LParam) {
    case WM_MOUSEMOVE:
      FireEvent(OnMouseMove, this, shift, x, y);
      break;
    case WM_LBUTTONDOWN:
      down(TMouseButton::mbLeft, shift);
      break;
    case WM_LBUTTONUP:
      click(TMouseButton::mbLeft);
      break;
    case WM_LBUTTONDBLCLK:
      doubleClick(TMouseButton::mbLeft);
      break;
    case WM_RBUTTONDOWN:
      down(TMouseButton::mbRight, shift);
      if (self) PopUp();
      break;
    case WM_RBUTTONUP:
      click(TMouseButton::mbRight);
      break;
    case WM_RBUTTONDBLCLK:
      doubleClick(TMouseButton::mbRight);
      break;
    case WM_MBUTTONDOWN:
      down(TMouseButton::mbMiddle, shift);
      break;
    case WM_MBUTTONUP:
      click(TMouseButton::mbMiddle);
      break;
    case WM_MBUTTONDBLCLK:
      doubleClick(TMouseButton::mbMiddle);
      break;
    default:
      break;
  }
}

void TKitTrayIcon::PopUp() {
  if (popupMenu_ == nullptr) return;
  const QPointer<TKitTrayIcon> self(this);
  FireEvent(OnPopUp, this);
  // The handler may have freed the icon or taken the menu away.
  if (self && popupMenu_ != nullptr) popupMenu_->popup(QPoint(cursorX_, cursorY_));
}

QWidget* TKitTrayIcon::OwnerForm() const { return qobject_cast<QWidget*>(Owner()); }

bool TKitTrayIcon::InNotificationArea() const {
  const TrayShell* shell = CurrentTrayShell();
  return active_ && !IsDesigning() && shell != nullptr && shell->IconShown(Handle(), 0);
}

void TKitTrayIcon::OwnerMessage(TMessage& message) {
  const std::uint32_t taskbarCreated = TaskbarCreatedMessage();
  if (taskbarCreated != 0 && message.Msg == taskbarCreated && active_) {
    // The shell started anew: the icon is added again.
    active_ = false;
    SetHookEnabled(false);
    Application().ShowWindow(SW_SHOWNORMAL);
    FreeAnimationTimer(timerMode_);
    SetActive(true);
    return;
  }
  if (message.Msg == WM_SHOWWINDOW && active_ && (message.WParam & 0xFF) != 0) {
    Application().ShowWindow(ShowMinimizedIcon ? SW_SHOW : SW_HIDE);
    PassToOwner(message);
    return;
  }
  if (message.Msg == WM_SYSCOMMAND && message.WParam == SC_MINIMIZE) {
    PassToOwner(message);
    // Once the form has minimised: hidden then, with the taskbar window, when
    // the icon is there to bring it back.
    QWidget* form = OwnerForm();
    if (!ShowMinimizedIcon && form != nullptr) {
      QMetaObject::invokeMethod(
          form,
          [form, self = QPointer<TKitTrayIcon>(this)] {
            if (!self || !self->InNotificationArea()) return;
            RunGuarded([] { Application().ShowWindow(SW_HIDE); });
            form->hide();
          },
          Qt::QueuedConnection);
    }
    return;
  }
  if (message.Msg == WM_SYSCOMMAND && message.WParam == SC_CLOSE && NoClose && active_) {
    // The form stays open; hidden only when the icon can bring it back.
    QWidget* form = OwnerForm();
    if (InNotificationArea()) {
      Application().ShowWindow(SW_HIDE);
      if (form != nullptr) form->hide();
    }
    FireEvent(OnNoClose, form);
    return;
  }
  TKitWndProcComponent::OwnerMessage(message);
}

}  // namespace kit

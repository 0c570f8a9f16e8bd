#include "KitClass.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStyle>
#include <QWidget>
#include <chrono>
#include <dlfcn.h>

#include "Application.h"
#include "KitErrors.h"
#include "KitIniCtrl.h"
#include "KitTextUtils.h"
#include "KitTimerPool.h"
#include "OwnerMessages.h"
#include "platform/Paths.h"
#include "platform/ShellFolders.h"

namespace kit {

namespace {

std::string WithExtension(const std::string& path, const std::string& extension) {
  const std::string name = platform::ExtractFileName(path);
  const auto dot = name.find_last_of('.');
  if (dot == std::string::npos) return path + extension;
  return path.substr(0, path.size() - (name.size() - dot)) + extension;
}

// Whether the kit was loaded as part of a library rather than the program.
bool InLibrary() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&InLibrary), &info) == 0 || info.dli_fname == nullptr) return false;
  return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).canonicalFilePath() !=
         QFileInfo(QString::fromStdString(platform::ProgramFile())).canonicalFilePath();
}

QSize StyleCheckBoxGlyph() {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return {13, 13};
  const QStyle* style = QApplication::style();
  return {style->pixelMetric(QStyle::PM_IndicatorWidth), style->pixelMetric(QStyle::PM_IndicatorHeight)};
}

void SendThemeChangedToChildren(QWidget& widget) {
  for (QWidget* child : widget.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    SendThemeChangedToChildren(*child);
    SendKitMessage(child, WM_THEMECHANGED);
  }
}

}  // namespace

TKitApplication::TKitApplication(bool themeLibrary)
    : TComponent(nullptr),
      themeLibrary_(themeLibrary),
      performanceFrequency_(std::chrono::steady_clock::period::den / std::chrono::steady_clock::period::num),
      checkBoxGlyph_(StyleCheckBoxGlyph()) {
  SetLogName("");
  CheckPreviousInstance();
  timerPool_ = std::make_unique<TKitTimerPool>(nullptr, kPoolMinInterval);
  iniCtrl_ = std::make_unique<TKitIniCtrl>(nullptr);
}

TKitApplication::~TKitApplication() {
  iniCtrl_.reset();
  timerPool_.reset();
  instanceLock_.reset();
}

void TKitApplication::CheckPreviousInstance() {
  if (IsDesigning() || InLibrary()) return;
  const QString name = QString::fromStdString(platform::ExtractFileName(platform::ProgramFile())).toUpper();
  instanceLock_ = std::make_unique<QLockFile>(QDir::temp().filePath(name + ".kit-instance"));
  instanceLock_->setStaleLockTime(0);
  prevInstance_ = !instanceLock_->tryLock(0);
}

std::uint16_t TKitApplication::AddPoolTimer(std::uint32_t interval, TNotifyEvent event) {
  for (int i = 0; i < kPoolSlots; ++i) {
    if (slots_[static_cast<std::size_t>(i)]) continue;
    const auto ident = static_cast<std::uint16_t>(kPoolIdentBase + i + 1);
    try {
      timerPool_->AddItem(ident, interval, std::move(event));
    } catch (const EKitError&) {
      return 0;
    }
    slots_[static_cast<std::size_t>(i)] = true;
    return ident;
  }
  return 0;
}

void TKitApplication::RemovePoolTimer(std::uint16_t ident) {
  if (ident <= kPoolIdentBase || ident > kPoolIdentBase + kPoolSlots) return;
  timerPool_->RemoveItem(ident);
  slots_[static_cast<std::size_t>(ident - kPoolIdentBase - 1)] = false;
}

TKitTimerItem* TKitApplication::PoolItem(std::uint16_t ident) const { return timerPool_->FindItem(ident); }

void TKitApplication::SetLogName(const std::string& name) {
  std::string log = name;
  if (IsBlankText(log)) {
    log = WithExtension(platform::ProgramFile(), ".LOG");
  } else if (!platform::HasFileExtension(log)) {
    log += ".LOG";
  }
  if (LogPrefix == TKitPathPrefix::ppFixed) {
    logName_ = log;
  } else {
    logName_ = MakePathPrefix(LogPrefix, true) + platform::ExtractFileName(log);
  }
}

void TKitApplication::SetThemeSupport(bool on) {
  if (on == useThemes_ || (on && !ThemesSupported())) return;
  useThemes_ = on;
  if (IsDesigning() || !themeLibrary_) return;
  Application().SendMessage(WM_THEMECHANGED);
  BroadcastThemeChange();
}

void TKitApplication::InitThemeSupport() { useThemes_ = ThemesSupported(); }

void BroadcastThemeChange() {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return;
  for (QWidget* form : QApplication::topLevelWidgets()) {
    if (!form->isVisible()) continue;
    for (QWidget* control : form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
      SendKitMessage(control, CM_KITTHEMECHANGED);
    SendThemeChangedToChildren(*form);
    SendKitMessage(form, WM_THEMECHANGED);
  }
}

}  // namespace kit

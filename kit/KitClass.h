#pragma once
// The kit's application object: the timer pool that the kit's pool timers
// share (minimum interval 50 ms, 250 slots), a settings component, whether a
// program of the same name ran already, the log file's name and the kit's
// switch for visual-theme support.

#include <QLockFile>
#include <QSize>
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "Component.h"
#include "KitEvents.h"
#include "KitPaths.h"

namespace kit {

class TKitIniCtrl;
class TKitTimerItem;
class TKitTimerPool;

class TKitApplication : public TComponent {
 public:
  static constexpr int kPoolSlots = 250;
  static constexpr std::uint16_t kPoolIdentBase = 0xFD00;
  static constexpr std::uint16_t kPoolMinInterval = 50;

  // themeLibrary: whether visual themes can be had at all (a widget
  // application exists).
  explicit TKitApplication(bool themeLibrary);
  ~TKitApplication() override;

  TKitTimerPool& TimerPool() const { return *timerPool_; }
  TKitIniCtrl& IniCtrl() const { return *iniCtrl_; }

  // Pool timers: the identifier (0xFD00 + slot) of a new item of the pool, 0
  // when no slot is free or the pool refuses the interval.
  std::uint16_t AddPoolTimer(std::uint32_t interval, TNotifyEvent event);
  // Identifiers that name no slot are ignored.
  void RemovePoolTimer(std::uint16_t ident);
  TKitTimerItem* PoolItem(std::uint16_t ident) const;

  // Whether another program of this name holds the kit's lock; only asked
  // outside libraries.
  bool PrevInstance() const { return prevInstance_; }

  TKitPathPrefix LogPrefix = TKitPathPrefix::ppProgram;
  const std::string& LogName() const { return logName_; }
  // Blank: the program's path with ".LOG" for its extension; a name without
  // an extension gets ".LOG". With ppFixed the name as it is, else the
  // prefix folder followed by the name's file part.
  void SetLogName(const std::string& name);

  bool ThemesSupported() const { return themeLibrary_; }
  bool UseThemes() const { return ThemesSupported() && useThemes_; }
  // Switching on needs support. A change tells the application window and
  // every visible form and control (BroadcastThemeChange).
  void SetThemeSupport(bool on);
  void InitThemeSupport();

  // Ticks per second of the performance counter.
  std::int64_t PerformanceFrequency() const { return performanceFrequency_; }
  // The size of one check-box glyph of the style.
  QSize CheckBoxGlyphSize() const { return checkBoxGlyph_; }

 private:
  void CheckPreviousInstance();

  std::string logName_;
  bool themeLibrary_;
  bool useThemes_ = true;
  bool prevInstance_ = false;
  std::unique_ptr<QLockFile> instanceLock_;
  std::unique_ptr<TKitTimerPool> timerPool_;
  std::unique_ptr<TKitIniCtrl> iniCtrl_;
  std::int64_t performanceFrequency_;
  QSize checkBoxGlyph_;
  std::array<bool, kPoolSlots> slots_{};
};

// Sends the kit's theme message to the controls of every visible form, then
// WM_THEMECHANGED to all their widgets and to the form.
void BroadcastThemeChange();

// The kit's application object; throws EKitError when the kit is not
// initialised.
TKitApplication& KitApplication();

}  // namespace kit

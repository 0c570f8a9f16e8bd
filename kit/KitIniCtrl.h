#pragma once
// The kit's settings component: where settings would be kept (an ini file or
// a registry key) and how their strings are turned into their stored form and
// back. Reading and writing the settings themselves is not its part.

#include <cstdint>
#include <functional>
#include <string>

#include "KitCustomComponent.h"
#include "KitPaths.h"

namespace kit {

enum class TKitRegRootKey { rpClassesRoot, rpCurrentUser, rpLocalMachine, rpUsers, rpCurrentConfig, rpDynData };
enum class TKitIniTarget { itIniFile, itRegistry, itAuto };
enum class TKitIniCryptMode { icmKey, icmTextKey, icmCustom };

using TKitIniCryptEvent = std::function<void(QObject* sender, std::string& data)>;

class TKitIniCtrl : public TKitCustomComponent {
 public:
  static constexpr std::uint16_t kDefaultEncKey = 0x6B69;
  static constexpr std::uint8_t kAlphaCounterLimit = 26;

  explicit TKitIniCtrl(QObject* owner);

  bool AlphaCounter() const { return alphaCounter_; }
  // Storing True cuts MaxEntries to 26.
  void SetAlphaCounter(bool value);
  bool Common = true;
  const std::string& IniFile() const { return iniFile_; }
  // A name without an extension gets ".INI".
  void SetIniFile(const std::string& name);
  TKitPathPrefix IniPrefix = TKitPathPrefix::ppWindows;
  std::uint8_t MaxEntries() const { return maxEntries_; }
  // Refused above 26 while AlphaCounter.
  void SetMaxEntries(std::uint8_t value);
  bool NetUser() const { return netUser_; }
  // Turning it on sets User to the current user's name.
  void SetNetUser(bool value);
  std::string User;
  std::string RegPath;
  TKitRegRootKey RegRoot = TKitRegRootKey::rpCurrentUser;
  TKitIniTarget Target() const { return target_; }
  void SetTarget(TKitIniTarget value);
  // itRegistry for itAuto, else Target.
  TKitIniTarget EffectiveTarget() const { return effectiveTarget_; }
  std::uint16_t EncKey = kDefaultEncKey;
  bool Encoded = false;
  TKitIniCryptMode CryptMode = TKitIniCryptMode::icmKey;
  TKitIniCryptEvent OnEncodeString;
  TKitIniCryptEvent OnDecodeString;

  virtual std::string CurrentUserName() const;
  // icmKey scrambles with EncKey, icmTextKey scrambles and then encodes in six
  // bits, icmCustom lets the event change the text.
  virtual std::string EncodeValue(const std::string& text);
  virtual std::string DecodeValue(const std::string& text);

 private:
  bool alphaCounter_ = false;
  std::string iniFile_;
  std::uint8_t maxEntries_ = 16;
  bool netUser_ = false;
  TKitIniTarget target_ = TKitIniTarget::itAuto;
  TKitIniTarget effectiveTarget_ = TKitIniTarget::itRegistry;
};

}  // namespace kit

#include "KitIniCtrl.h"

#include "KitSysIn.h"
#include "KitTextUtils.h"
#include "platform/Paths.h"

namespace kit {

TKitIniCtrl::TKitIniCtrl(QObject* owner) : TKitCustomComponent(owner) {}

void TKitIniCtrl::SetAlphaCounter(bool value) {
  if (value == alphaCounter_) return;
  alphaCounter_ = value;
  if (maxEntries_ > kAlphaCounterLimit) maxEntries_ = kAlphaCounterLimit;
}

void TKitIniCtrl::SetIniFile(const std::string& name) {
  iniFile_ = name;
  if (!name.empty() && !platform::HasFileExtension(name)) iniFile_ += ".INI";
}

void TKitIniCtrl::SetMaxEntries(std::uint8_t value) {
  if (alphaCounter_ && value > kAlphaCounterLimit) return;
  maxEntries_ = value;
}

void TKitIniCtrl::SetNetUser(bool value) {
  if (value == netUser_) return;
  netUser_ = value;
  if (value) User = CurrentUserName();
}

void TKitIniCtrl::SetTarget(TKitIniTarget value) {
  target_ = value;
  effectiveTarget_ = value == TKitIniTarget::itAuto ? TKitIniTarget::itRegistry : value;
}

std::string TKitIniCtrl::CurrentUserName() const { return kit::CurrentUserName(); }

std::string TKitIniCtrl::EncodeValue(const std::string& text) {
  switch (CryptMode) {
    case TKitIniCryptMode::icmKey:
      return ScrambleText(text, EncKey);
    case TKitIniCryptMode::icmTextKey:
      return EncodeSixBit(ScrambleText(text, EncKey));
    case TKitIniCryptMode::icmCustom:
      break;
  }
  std::string data = text;
  if (OnEncodeString) OnEncodeString(this, data);
  return data;
}

std::string TKitIniCtrl::DecodeValue(const std::string& text) {
  switch (CryptMode) {
    case TKitIniCryptMode::icmKey:
      return UnscrambleText(text, EncKey);
    case TKitIniCryptMode::icmTextKey:
      return UnscrambleText(DecodeSixBit(text), EncKey);
    case TKitIniCryptMode::icmCustom:
      break;
  }
  std::string data = text;
  if (OnDecodeString) OnDecodeString(this, data);
  return data;
}

}  // namespace kit

// The settings component: its defaults, setters and the stored form of strings.

#include <gtest/gtest.h>

#include <string>

#include "kit/KitIniCtrl.h"
#include "kit/KitTextUtils.h"

namespace {

using kit::TKitIniCtrl;
using kit::TKitIniCryptMode;
using kit::TKitIniTarget;

TEST(IniCtrl, Defaults) {
  TKitIniCtrl ini(nullptr);
  EXPECT_TRUE(ini.About.empty());
  EXPECT_FALSE(ini.AlphaCounter());
  EXPECT_TRUE(ini.Common);
  EXPECT_EQ(ini.IniFile(), "");
  EXPECT_EQ(ini.IniPrefix, kit::TKitPathPrefix::ppWindows);
  EXPECT_EQ(ini.MaxEntries(), 16);
  EXPECT_FALSE(ini.NetUser());
  EXPECT_EQ(ini.RegRoot, kit::TKitRegRootKey::rpCurrentUser);
  EXPECT_EQ(ini.Target(), TKitIniTarget::itAuto);
  EXPECT_EQ(ini.EffectiveTarget(), TKitIniTarget::itRegistry);
  EXPECT_EQ(ini.EncKey, TKitIniCtrl::kDefaultEncKey);
  EXPECT_FALSE(ini.Encoded);
  EXPECT_EQ(ini.CryptMode, TKitIniCryptMode::icmKey);
}

TEST(IniCtrl, IniFileGainsIniOnlyWithoutAnExtension) {
  const struct {
    std::string name, stored;
  } cases[] = {
      {"settings", "settings.INI"},
      {"settings.cfg", "settings.cfg"},
      {"settings.ini", "settings.ini"},
      {"/etc/my.folder/settings", "/etc/my.folder/settings.INI"},
      {"", ""},
  };
  TKitIniCtrl ini(nullptr);
  for (const auto& c : cases) {
    ini.SetIniFile(c.name);
    EXPECT_EQ(ini.IniFile(), c.stored) << c.name;
  }
}

TEST(IniCtrl, AlphaCounterLimitsMaxEntriesTo26) {
  TKitIniCtrl ini(nullptr);
  ini.SetMaxEntries(30);
  EXPECT_EQ(ini.MaxEntries(), 30);
  ini.SetAlphaCounter(true);
  EXPECT_EQ(ini.MaxEntries(), 26);
  ini.SetMaxEntries(40);
  EXPECT_EQ(ini.MaxEntries(), 26);
  ini.SetMaxEntries(20);
  EXPECT_EQ(ini.MaxEntries(), 20);
  ini.SetAlphaCounter(false);
  ini.SetMaxEntries(40);
  EXPECT_EQ(ini.MaxEntries(), 40);
}

TEST(IniCtrl, TargetAndNetUser) {
  TKitIniCtrl ini(nullptr);
  ini.SetTarget(TKitIniTarget::itIniFile);
  EXPECT_EQ(ini.EffectiveTarget(), TKitIniTarget::itIniFile);
  ini.SetTarget(TKitIniTarget::itAuto);
  EXPECT_EQ(ini.EffectiveTarget(), TKitIniTarget::itRegistry);

  ini.User = "someone";
  ini.SetNetUser(true);
  EXPECT_EQ(ini.User, ini.CurrentUserName());
  EXPECT_FALSE(ini.User.empty());
}

TEST(IniCtrl, EncodedValuesDecodeBackInEveryMode) {
  TKitIniCtrl ini(nullptr);
  ini.EncKey = 0x1234;
  const std::string value = "C:/Bible/Study";

  ini.CryptMode = TKitIniCryptMode::icmKey;
  EXPECT_EQ(ini.EncodeValue(value), kit::ScrambleText(value, 0x1234));
  EXPECT_EQ(ini.DecodeValue(ini.EncodeValue(value)), value);

  ini.CryptMode = TKitIniCryptMode::icmTextKey;
  const std::string text = ini.EncodeValue(value);
  EXPECT_EQ(text, kit::EncodeSixBit(kit::ScrambleText(value, 0x1234)));
  EXPECT_EQ(text.substr(0, 3), "14:");
  EXPECT_EQ(ini.DecodeValue(text), value);

  ini.CryptMode = TKitIniCryptMode::icmCustom;
  EXPECT_EQ(ini.EncodeValue(value), value);  // no handler: unchanged
  ini.OnEncodeString = [&](QObject* sender, std::string& data) {
    EXPECT_EQ(sender, &ini);
    data = "[" + data + "]";
  };
  ini.OnDecodeString = [](QObject*, std::string& data) { data = data.substr(1, data.size() - 2); };
  EXPECT_EQ(ini.EncodeValue(value), "[" + value + "]");
  EXPECT_EQ(ini.DecodeValue(ini.EncodeValue(value)), value);
}

}  // namespace

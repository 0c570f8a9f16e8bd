// Waves: the check of every new data, the wave item's stream, and the format
// a wave is played in.

#include <gtest/gtest.h>

#include "KitTesting.h"
#include "TempFolder.h"
#include "kit/KitErrors.h"
#include "kit/KitWave.h"
#include "kit/KitWaveList.h"
#include "kit/WavePlayer.h"

namespace {

using kit_testing::Bytes;
using kit_testing::Le32;

QByteArray Le16(int value) { return Bytes({value & 0xFF, (value >> 8) & 0xFF}); }

// A PCM wave: a "fmt " chunk of 16 bytes and a data chunk.
QByteArray Wave(int tag, int channels, int rate, int bits, const QByteArray& samples) {
  const int align = channels * bits / 8;
  const QByteArray format = Le16(tag) + Le16(channels) + Le32(static_cast<std::uint32_t>(rate)) +
                            Le32(static_cast<std::uint32_t>(rate * align)) + Le16(align) + Le16(bits);
  const QByteArray chunks = QByteArray("fmt ") + Le32(16) + format + "data" +
                            Le32(static_cast<std::uint32_t>(samples.size())) + samples;
  return QByteArray("RIFF") + Le32(static_cast<std::uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
}

TEST(Wave, NewDataIsCheckedAndNotified) {
  kit::TKitWave wave;
  int changes = 0;
  wave.OnChange = [&](QObject*) { ++changes; };
  const QByteArray stereo = Wave(1, 2, 22050, 16, QByteArray(8, '\x10'));
  wave.SetData(stereo);
  EXPECT_EQ(wave.Size(), stereo.size());
  EXPECT_TRUE(wave.IsPcm());
  EXPECT_TRUE(wave.IsStereo());
  EXPECT_EQ(wave.SampleRate(), 22050u);
  EXPECT_EQ(changes, 1);

  EXPECT_THROW(wave.SetData(QByteArray(60, 'x')), kit::EInvalidWave);
  EXPECT_THROW(wave.SetData("RIFF"), kit::EErrorCheckingWave);
  EXPECT_EQ(wave.Data(), stereo);  // keeps what it had
  EXPECT_EQ(changes, 1);

  kit::TKitWave copy;
  copy.Assign(&wave);
  EXPECT_EQ(copy.Data(), stereo);
  EXPECT_TRUE(copy.IsStereo());
  copy.Assign(nullptr);
  EXPECT_TRUE(copy.Empty());

  wave.SetData(Wave(1, 1, 8000, 8, "ab"));
  EXPECT_TRUE(wave.IsMono());
  wave.SetData({});
  EXPECT_TRUE(wave.Empty());
}

TEST(Wave, LoadsFromStreamsAndFiles) {
  const QByteArray mono = Wave(1, 1, 11025, 8, "abcd");
  kit::TKitWave wave;
  kit_testing::Reading in(QByteArray("xx") + mono);
  in.Stream().seek(2);
  wave.LoadFromStream(in.Stream());
  EXPECT_EQ(wave.Data(), mono);
  kit_testing::Reading cut(mono);
  EXPECT_THROW(wave.LoadFromStream(cut.Stream(), mono.size() + 10), kit::EErrorCheckingWave);

  testing_support::TempFolder folder;
  try {
    wave.LoadFromFile(folder.File("missing.wav"));
    FAIL();
  } catch (const kit::EErrorCheckingWave& error) {
    EXPECT_EQ(std::string(error.what()), "GetWaveData: Cannot open file " + folder.File("missing.wav"));
  }
}

TEST(WaveListItem, TheWaveFollowsItsDataBit) {
  kit::TKitWaveList list(nullptr);
  list.Add();
  kit::TKitWaveListItem& item = list.WaveItem(0);
  const QByteArray mono = Wave(1, 1, 8000, 8, "xyz");
  item.Wave().SetData(mono);
  const QByteArray written = kit_testing::Written([&](QIODevice& out) { item.WriteItem(out); });
  EXPECT_EQ(written, Bytes({8}) + Le32(static_cast<std::uint32_t>(mono.size())) + mono);

  kit::TKitWaveListItem read;
  kit_testing::Reading in(written);
  read.ReadItem(in.Stream());
  EXPECT_EQ(read.Wave().Data(), mono);
  kit_testing::Reading none(Bytes({0}));
  read.ReadItem(none.Stream());
  EXPECT_TRUE(read.IsEmpty());

  int listChanges = 0;
  list.OnChange = [&](QObject*) { ++listChanges; };
  item.Wave().SetData({});
  EXPECT_EQ(listChanges, 1);  // the wave's change reaches the list
}

TEST(WavePlayer, PlaysPcmOfEightSixteenOrThirtyTwoBits) {
  const auto format = kit::PlayableWaveFormat(Wave(1, 2, 44100, 16, QByteArray(40, '\0')));
  ASSERT_TRUE(format.has_value());
  EXPECT_EQ(format->channels, 2);
  EXPECT_EQ(format->sampleRate, 44100);
  EXPECT_EQ(format->bitsPerSample, 16);
  EXPECT_EQ(format->dataOffset, 44);
  EXPECT_EQ(format->dataSize, 40);

  EXPECT_FALSE(kit::PlayableWaveFormat(Wave(2, 1, 8000, 4, "ab")));  // not PCM
  EXPECT_FALSE(kit::PlayableWaveFormat(Wave(1, 1, 8000, 12, "ab")));
  EXPECT_FALSE(kit::PlayableWaveFormat(Wave(1, 1, 8000, 8, "")));
  EXPECT_FALSE(kit::PlayableWaveFormat("RIFF....WAVE"));
  // A data chunk that claims more than is there plays what is there.
  QByteArray cut = Wave(1, 1, 8000, 8, "abcdef");
  cut.chop(3);
  EXPECT_EQ(kit::PlayableWaveFormat(cut)->dataSize, 3);
}

TEST(WavePlayer, NothingPlaysWithoutTheKit) {
  kit::TKitWave wave;
  wave.SetData(Wave(1, 1, 8000, 8, "abcd"));
  EXPECT_FALSE(wave.Play());
}

}  // namespace

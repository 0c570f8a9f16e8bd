#include "KitWave.h"

#include <QFile>

#include "KitErrors.h"
#include "KitStreams.h"
#include "WavePlayer.h"

namespace kit {

namespace {

// RIFF, size, WAVE, "fmt ", chunk length, then tag, channels, rate, average
// bytes per second and 2 more bytes.
constexpr int kHeaderSize = 34;

}  // namespace

void TKitWave::LoadFromStream(QIODevice& in, qint64 count) {
  if (count < 0) count = BytesLeft(in);
  QByteArray data;
  try {
    data = ReadBytes(in, count);
  } catch (const EReadError&) {
    throw EErrorCheckingWave("GetWaveData: " + CannotOpenFileMessage("(stream)"));
  }
  TakeData(data, "(stream)");
}

void TKitWave::LoadFromFile(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) throw EErrorCheckingWave("GetWaveData: " + CannotOpenFileMessage(path));
  TakeData(file.readAll(), path);
}

void TKitWave::SetData(const QByteArray& data) { TakeData(data, "(memory)"); }

void TKitWave::Assign(const TKitWave* other) {
  if (other == this) return;
  SetData(other == nullptr ? QByteArray() : other->data_);
}

void TKitWave::SaveToStream(QIODevice& out) const { WriteBytes(out, data_); }

bool TKitWave::Play() const { return WavePlayer::Play(data_); }

void TKitWave::TakeData(const QByteArray& data, const std::string& source) {
  std::uint16_t formatTag = 0, channels = 0;
  std::uint32_t sampleRate = 0;
  if (!data.isEmpty()) {
    if (data.size() < kHeaderSize) throw EErrorCheckingWave("GetWaveData: " + CannotOpenFileMessage(source));
    if (data.left(4) != "RIFF" || data.mid(8, 4) != "WAVE" || data.mid(12, 4) != "fmt ")
      throw EInvalidWave("Not a wave sound: " + source);
    formatTag = static_cast<std::uint16_t>(LittleEndianAt(data, 20, 2));
    channels = static_cast<std::uint16_t>(LittleEndianAt(data, 22, 2));
    sampleRate = LittleEndianAt(data, 24, 4);
  }
  WavePlayer::Stop();
  data_ = data;
  formatTag_ = formatTag;
  channels_ = channels;
  sampleRate_ = sampleRate;
  NotifyChange();
}

}  // namespace kit

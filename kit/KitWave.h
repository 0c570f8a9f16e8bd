#pragma once
// A wave sound held in memory. Every new data is checked: it must begin with
// "RIFF", a 32-bit size, "WAVE", "fmt " and the chunk's length, then the
// format tag (1: PCM), the channel count and the sample rate. Data that is
// too short to say raises EErrorCheckingWave, data that is not a wave
// EInvalidWave; either way the wave keeps what it had. Empty data clears it.
// New data stops the sound that is playing, then notifies.

#include <QByteArray>
#include <QIODevice>
#include <cstdint>
#include <string>

#include "KitObject.h"

namespace kit {

class TKitWave : public TKitObject {
 public:
  TKitWave() = default;

  bool Empty() const { return data_.isEmpty(); }
  qint64 Size() const { return data_.size(); }
  const QByteArray& Data() const { return data_; }

  // What the check read from the header.
  bool IsPcm() const { return formatTag_ == 1; }
  bool IsMono() const { return channels_ == 1; }
  bool IsStereo() const { return channels_ == 2; }
  std::uint32_t SampleRate() const { return sampleRate_; }

  // The rest of the device, or count bytes of it.
  void LoadFromStream(QIODevice& in, qint64 count = -1);
  // A file that cannot be read raises EErrorCheckingWave.
  void LoadFromFile(const std::string& path);
  void SetData(const QByteArray& data);
  // A copy of the other wave's data; null clears.
  void Assign(const TKitWave* other);
  void SaveToStream(QIODevice& out) const;

  // Plays the wave in the background in place of any sound playing; false
  // when it cannot be played here (see WavePlayer.h).
  bool Play() const;

 private:
  void TakeData(const QByteArray& data, const std::string& source);

  QByteArray data_;
  std::uint16_t formatTag_ = 0;
  std::uint16_t channels_ = 0;
  std::uint32_t sampleRate_ = 0;
};

}  // namespace kit

#pragma once
// Wave sound through the system's audio output, one sound at a time as the
// system's own sound call plays them: a new sound replaces the one playing.
// The kit keeps one player while it is initialised; without it, or without
// an audio output that takes the wave's format, nothing plays.

#include <QBuffer>
#include <QByteArray>
#include <memory>
#include <optional>

class QAudioSink;

namespace kit {

// The format of a PCM wave of 8, 16 or 32 bits and where its samples lie.
struct WaveFormat {
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;
  qsizetype dataOffset = 0;
  qsizetype dataSize = 0;
};

// The playable format of a wave; none for another encoding, a wave without
// samples or bytes that are not a wave.
std::optional<WaveFormat> PlayableWaveFormat(const QByteArray& wave);

class WavePlayer {
 public:
  WavePlayer();
  ~WavePlayer();
  WavePlayer(const WavePlayer&) = delete;
  WavePlayer& operator=(const WavePlayer&) = delete;

  // Starts the wave in place of any sound playing; false when it cannot.
  static bool Play(const QByteArray& wave);
  // Stops the sound playing, if any.
  static void Stop();

 private:
  bool Start(const QByteArray& wave);
  void Halt();

  std::unique_ptr<QAudioSink> sink_;
  QBuffer buffer_;
};

// The kit's player, null when the kit is not initialised.
WavePlayer* TheWavePlayer();

}  // namespace kit

#include "WavePlayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include "KitStreams.h"

namespace kit {

std::optional<WaveFormat> PlayableWaveFormat(const QByteArray& wave) {
  if (wave.size() < 12 || wave.left(4) != "RIFF" || wave.mid(8, 4) != "WAVE") return std::nullopt;
  WaveFormat format;
  bool haveFormat = false;
  qsizetype at = 12;
  while (at + 8 <= wave.size()) {
    const QByteArray id = wave.mid(at, 4);
    const qsizetype size = LittleEndianAt(wave, at + 4, 4);
    const qsizetype body = at + 8;
    const qsizetype available = std::min<qsizetype>(size, wave.size() - body);
    if (id == "fmt " && available >= 16) {
      if (LittleEndianAt(wave, body, 2) != 1) return std::nullopt;  // PCM only
      format.channels = static_cast<int>(LittleEndianAt(wave, body + 2, 2));
      format.sampleRate = static_cast<int>(LittleEndianAt(wave, body + 4, 4));
      format.bitsPerSample = static_cast<int>(LittleEndianAt(wave, body + 14, 2));
      haveFormat = true;
    } else if (id == "data" && haveFormat) {
      format.dataOffset = body;
      format.dataSize = available;
      const bool bitsKnown = format.bitsPerSample == 8 || format.bitsPerSample == 16 || format.bitsPerSample == 32;
      if (!bitsKnown || format.channels < 1 || format.sampleRate < 1 || available <= 0) return std::nullopt;
      return format;
    }
    at = body + size + (size & 1);
  }
  return std::nullopt;
}

WavePlayer::WavePlayer() = default;

WavePlayer::~WavePlayer() { Halt(); }

bool WavePlayer::Play(const QByteArray& wave) {
  WavePlayer* player = TheWavePlayer();
  return player != nullptr && player->Start(wave);
}

void WavePlayer::Stop() {
  if (WavePlayer* player = TheWavePlayer()) player->Halt();
}

bool WavePlayer::Start(const QByteArray& wave) {
  Halt();
  const auto format = PlayableWaveFormat(wave);
  if (!format) return false;
  QAudioFormat audio;
  audio.setChannelCount(format->channels);
  audio.setSampleRate(format->sampleRate);
  audio.setSampleFormat(format->bitsPerSample == 8    ? QAudioFormat::UInt8
                        : format->bitsPerSample == 16 ? QAudioFormat::Int16
                                                      : QAudioFormat::Int32);
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull() || !device.isFormatSupported(audio)) return false;
  buffer_.setData(wave.mid(format->dataOffset, format->dataSize));
  buffer_.open(QIODevice::ReadOnly);
  sink_ = std::make_unique<QAudioSink>(device, audio);
  sink_->start(&buffer_);
  return true;
}

void WavePlayer::Halt() {
  if (sink_) {
    sink_->stop();
    sink_.reset();
  }
  buffer_.close();
}

}  // namespace kit

#pragma once
// An item of a wave list: one wave. Its body in a stream is the wave as item
// data, present when flag bit 3 says so (a non-empty wave); an item read
// without it is cleared.

#include "KitListItem.h"
#include "KitWave.h"

namespace kit {

class TKitWaveListItem : public TKitListItem {
 public:
  TKitWaveListItem();

  TKitWave& Wave() { return wave_; }
  const TKitWave& Wave() const { return wave_; }

  void Clear() override;
  bool IsEmpty() const override { return wave_.Empty(); }
  std::uint8_t ItemFlags() const override;
  void AssignItem(const TKitListItem& source) override;

 protected:
  void ReadBody(QIODevice& in, std::uint8_t flags) override;
  void WriteBody(QIODevice& out) const override;

 private:
  TKitWave wave_;
};

}  // namespace kit

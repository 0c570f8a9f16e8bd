#pragma once
// The few places where the KJV module holds what the format of the text cannot,
// and what is stored there instead. Each is applied to the verse's raw entry
// before it is read; one whose text is no longer in its verse is an error, so
// that a changed module is looked at again rather than read wrongly.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace data::kjv {

struct KjvCorrection {
  std::string_view verse;  // OSIS reference: "Gen.33.20"
  std::string_view from;   // the text in the raw entry
  std::string_view to;     // what replaces it
};

std::span<const KjvCorrection> KjvCorrections();

// Applies the corrections verse by verse and keeps count of them.
class KjvCorrector {
 public:
  // The raw entry of one verse with its corrections applied. Throws OsisError
  // when a correction's text is not in the entry.
  std::string Correct(std::string_view verse, std::string_view raw);

  // Throws OsisError unless every correction has been applied: one whose verse
  // was never read names no verse of the text.
  void CheckAllApplied() const;

 private:
  std::size_t applied_ = 0;
};

}  // namespace data::kjv

#include "data/kjv/KjvCorrections.h"

#include "data/kjv/OsisError.h"

namespace data::kjv {

std::span<const KjvCorrection> KjvCorrections() {
  static constexpr KjvCorrection corrections[] = {
      // A key carries a capital first letter or capitals throughout, none
      // inside a word.
      {"Gen.33.20", "El-elohe-Israel", "El-elohe-israel"},
      {"Deut.32.51", "Meribah-Kadesh", "Meribah-kadesh"},
      // The possessive flag prints "'" after a word ending in s and "'s"
      // after any other; the module has the other two forms in a few places.
      {"Gen.49.11", "ass’s", "ass’"},
      {"2Kgs.6.25", "ass’s", "ass’"},
      {"Job.11.12", "ass’s", "ass’"},
      {"John.12.15", "ass’s", "ass’"},
      {"Isa.11.8", "cockatrice’", "cockatrice’s"},
      {"Isa.59.5", "cockatrice’", "cockatrice’s"},
      {"Acts.24.27", "Felix’", "Felix’s"},
  };
  return corrections;
}

std::string KjvCorrector::Correct(std::string_view verse, std::string_view raw) {
  std::string corrected(raw);
  for (const KjvCorrection& correction : KjvCorrections()) {
    if (correction.verse != verse) continue;
    const std::size_t at = corrected.find(correction.from);
    if (at == std::string::npos)
      throw OsisError("the correction of \"" + std::string(correction.from) + "\" finds no such text");
    corrected.replace(at, correction.from.size(), correction.to);
    ++applied_;
  }
  return corrected;
}

void KjvCorrector::CheckAllApplied() const {
  if (applied_ != KjvCorrections().size())
    throw OsisError("only " + std::to_string(applied_) + " of the " + std::to_string(KjvCorrections().size()) +
                    " corrections were applied");
}

}  // namespace data::kjv

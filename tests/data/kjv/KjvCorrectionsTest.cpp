#include "data/kjv/KjvCorrections.h"

#include <gtest/gtest.h>

#include "data/kjv/OsisError.h"

namespace data::kjv {
namespace {

TEST(KjvCorrector, ReplacesTheTextOfItsVerseOnly) {
  KjvCorrector corrector;
  const std::string raw = R"(his <w lemma="strong:H0860">ass’s</w> colt)";
  EXPECT_EQ(corrector.Correct("Gen.49.11", raw), R"(his <w lemma="strong:H0860">ass’</w> colt)");
  EXPECT_EQ(corrector.Correct("Gen.49.12", raw), raw);
}

TEST(KjvCorrector, FailsWhenItsTextIsNotInTheVerse) {
  KjvCorrector corrector;
  EXPECT_THROW(corrector.Correct("Gen.33.20", "called it El-elohe-israel."), OsisError);
}

TEST(KjvCorrector, FailsUntilEveryCorrectionIsApplied) {
  KjvCorrector corrector;
  for (const KjvCorrection& correction : KjvCorrections()) {
    EXPECT_THROW(corrector.CheckAllApplied(), OsisError);
    corrector.Correct(correction.verse, std::string(correction.from));
  }
  EXPECT_NO_THROW(corrector.CheckAllApplied());
}

}  // namespace
}  // namespace data::kjv

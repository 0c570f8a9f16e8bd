// The dictionaries' entries reduced to definition and renderings, and the
// definition without its derivation.

#include <gtest/gtest.h>

#include "data/names/DictionaryEntry.h"

namespace data::names {
namespace {

TEST(DictionaryEntry, HebrewEntryPartsAtTheColonAndDashWithMarkupAndBracesGone) {
  const DictionaryEntry entry = ParseDictionaryEntry(
      "<entryFree n=\"85\"> \t<orth>x</orth><lb/> <orth rend=\"bold\" type=\"trans\">'abraham</orth> "
      "<pron rend=\"italic\">ab-raw-hawm'</pron><lb/> <def>From <ref target=\"StrongsHebrew:1\">H1</ref>;<lb/> "
      "<hi rend=\"italic\">father of a multitude</hi>;<lb/> <hi rend=\"italic\">{Abraham}</hi> the later name of "
      "<hi rend=\"bold\">Abram:</hi> - Abraham. Compare <ref target=\"StrongsHebrew:87\">H87</ref>.</def> "
      "</entryFree>");
  EXPECT_EQ(entry.definition, "From H1; father of a multitude; Abraham the later name of Abram");
  EXPECT_EQ(entry.renderings, "Abraham");
}

TEST(DictionaryEntry, GreekEntryLeavesTheOriginOutAndPartsAtTheDoubleDash) {
  const DictionaryEntry entry = ParseDictionaryEntry(
      "<entryFree n=\"00011\"> <orth>x</orth> <pron rend=\"italic\">ab-rah-am'</pron><lb/> <lb/> "
      "<def><orig>of Hebrew origin (<ref target=\"StrongsGreek:085\">H085</ref>);</orig><lb/> Abraham, the "
      "Hebrew patriarch:--Abraham. (In Acts 7:16 read Jacob.) </def> </entryFree>");
  EXPECT_EQ(entry.definition, "Abraham, the Hebrew patriarch");
  EXPECT_EQ(entry.renderings, "Abraham");
}

TEST(DictionaryEntry, EntitiesAreDecodedAndAnEntryWithoutRenderingsKeepsItsDefinition) {
  const DictionaryEntry entry = ParseDictionaryEntry("<def>salt &amp; light; &quot;a sign&quot;</def>");
  EXPECT_EQ(entry.definition, "salt & light; \"a sign\"");
  EXPECT_EQ(entry.renderings, "");
  EXPECT_EQ(ParseDictionaryEntry("no definition here").definition, "");
}

TEST(DictionaryEntry, TheSplitPossessiveOfTheHebrewDictionaryIsJoined) {
  EXPECT_EQ(ParseDictionaryEntry("<def>one of Job\xC2\xB4 s friends: - Bildad.</def>").definition,
            "one of Job\xC2\xB4s friends");
}

TEST(DictionaryEntry, ShortDefinitionLeavesTheDerivationOut) {
  struct Case {
    const char* definition;
    const char* expected;
  };
  const Case cases[] = {
      {"From H1 and an unused root (probably meaning to be populous); father of a multitude; Abraham the later "
       "name of Abram",
       "father of a multitude; Abraham the later name of Abram"},
      {"Of uncertain derivation; Bildad one of Job's friends", "Bildad one of Job's friends"},
      {"Of foreign origin; Put a son of Ham", "Put a son of Ham"},
      // The other language's word is no derivation.
      {"(Chaldee); corresponding to H4872", "(Chaldee); corresponding to H4872"},
      // Semicolons inside parentheses part nothing.
      {"founded peaceful (the city; the hill); Jerushalem", "founded peaceful (the city; the hill); Jerushalem"},
      // A reference only as a word of its own: "GH12" is none.
      {"the GH12 band", "the GH12 band"},
      // When every clause tells the origin, the last one stays.
      {"From H6; see H10", "see H10"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ShortDefinition(c.definition), c.expected) << c.definition;
}

}  // namespace
}  // namespace data::names

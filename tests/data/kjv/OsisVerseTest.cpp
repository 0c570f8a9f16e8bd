#include "data/kjv/OsisVerse.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>

namespace data::kjv {
namespace {

// The words as "spelling{numbers}#flags", numbers and flags only where there
// are any: "beginning{7225}", "earth{776}#e0" (a full stop).
std::string Describe(const std::vector<SourceWord>& words) {
  std::string text;
  for (const SourceWord& word : words) {
    if (!text.empty()) text += ' ';
    text += word.spelling;
    if (!word.strongs.empty()) {
      text += '{';
      for (std::size_t i = 0; i < word.strongs.size(); ++i)
        text += (i ? "," : "") + std::to_string(word.strongs[i]);
      text += '}';
    }
    if (word.flags) {
      char flags[8];
      std::snprintf(flags, sizeof flags, "#%02x", word.flags);
      text += flags;
    }
  }
  return text;
}

struct VerseCase {
  const char* name;
  char strongsLetter;
  const char* raw;
  const char* words;
};

void PrintTo(const VerseCase& verse, std::ostream* out) { *out << verse.raw; }

class ParseVerse : public testing::TestWithParam<VerseCase> {};

TEST_P(ParseVerse, GivesTheWordsWithTheirNumbersAndFlags) {
  OsisVerseState state{GetParam().strongsLetter};
  EXPECT_EQ(Describe(ParseOsisVerse(GetParam().raw, state)), GetParam().words);
  EXPECT_FALSE(state.inParenthesis);
}

// Flags: 02 italic, 04 parenthesis, 10 possessive; punctuation 20 ";" 40 ","
// 60 ":" 80 "!" a0 dash c0 "?" e0 ".".
INSTANTIATE_TEST_SUITE_P(
    Markup, ParseVerse,
    testing::Values(
        VerseCase{"PaddedNumbersAndWordsOutsideAnyW", 'H',
                  R"(In the <w lemma="strong:H7225">beginning</w> <w lemma="strong:H0430">God</w> )"
                  R"(<w lemma="strong:H1254">created</w> the <w lemma="strong:H8064">heaven</w> )"
                  R"(<w lemma="strong:H0853">and</w> the <w lemma="strong:H0776">earth</w>.)",
                  "In the beginning{7225} God{430} created{1254} the heaven{8064} and{853} the earth{776}#e0"},
        VerseCase{"SeveralNumbersInOneLemma", 'H', R"(<w lemma="strong:H0853 strong:H3068">thee</w>)",
                  "thee{853,3068}"},
        VerseCase{"OneWElementOverSeveralWords", 'G', R"(<w lemma="strong:G2889">the world</w>, that)",
                  "the{2889} world{2889}#40 that"},
        VerseCase{"WordCutByTagsTakesEveryNumberItTouches", 'G',
                  R"(a sabbath <w lemma="strong:G4521">day</w>’<w lemma="strong:G2192">s</w> journey)",
                  "a sabbath day{4521,2192}#10 journey"},
        VerseCase{"WordEndingAfterItsW", 'G', R"(<w lemma="strong:G4369">shall more be give</w>n.)",
                  "shall{4369} more{4369} be{4369} given{4369}#e0"},
        VerseCase{"AddedWordsAreItalic", 'H',
                  R"(<w lemma="strong:H3588">that</w> <transChange type="added">it was</transChange> )"
                  R"(<w lemma="strong:H2896">good</w>:)",
                  "that{3588} it#02 was#02 good{2896}#60"},
        VerseCase{"DivineNameInCapitals", 'H',
                  R"(the <divineName><w lemma="strong:H3068">LORD’s</w></divineName> <transChange type="added">)"
                  R"(the <seg type="x-nested"><divineName>Lord</divineName></seg></transChange> <divineName>)"
                  R"(<w lemma="strong:H3050">Jah</w></divineName>)",
                  "the LORD{3068}#10 the#02 LORD#02 JAH{3050}"},
        VerseCase{"DivineNameMarkerInPlaceOfTheElement", 'H',
                  R"(And the \nd <w lemma="strong:H3068">LORD</w></divineName> <w lemma="strong:H7121">called</w>)",
                  "And the LORD{3068} called{7121}"},
        VerseCase{"PossessivesOnTheBareWord", 'G',
                  R"(a <w lemma="strong:G0444">man’s</w> <w lemma="strong:G2424">Jesus’</w> sons’ men's)",
                  "a man{444}#10 Jesus{2424}#10 sons#10 men#10"},
        VerseCase{"HyphenatedWords", 'H', R"(<w lemma="strong:H4122">Maher-shalal-hash-baz</w>.)",
                  "Maher-shalal-hash-baz{4122}#e0"},
        VerseCase{"EveryPunctuationMark", 'H', "a; b, c: d! e? f. g",
                  "a#20 b#40 c#60 d#80 e#c0 f#e0 g"},
        VerseCase{"DashWithItsSemicolon", 'H',
                  R"(their <w lemma="strong:H2403">sin</w>—; and if not)", "their sin{2403}#a0 and if not"},
        VerseCase{"DashAlone", 'H', "sin— and", "sin#a0 and"},
        VerseCase{"ParenthesisWithPunctuationInside", 'H',
                  "Casluhim, (out of whom came Philistim,) and Caphtorim.",
                  "Casluhim#40 out#04 of#04 whom#04 came#04 Philistim#44 and Caphtorim#e0"},
        VerseCase{"NotesAndTitlesDroppedWithTheirContent", 'H',
                  R"(<title canonical="true" type="psalm">A <w lemma="strong:H4210">Psalm</w> of David.</title> )"
                  R"(<title><foreign>א ALEPH.</foreign></title>)"
                  R"(<w lemma="strong:H0216">light</w>.<note placement="foot"><reference type="annotateRef">)"
                  R"(1.4 </reference>the \nd LORD’s\+nd*: Heb. <seg type="x-nested">between</seg></note>)",
                  "light{216}#e0"},
        VerseCase{"ContainersAndMilestonesDroppedKeepingTheirContent", 'G',
                  R"(<div type="x-milestone" subType="x-preverse" sID="pv1"/><div sID="gen4" type="x-p"/> )"
                  R"(<lg sID="g1"/><l level="1" sID="g2"/><q marker="" who="Jesus">¶ <w lemma="strong:G1063">For</w>)"
                  R"( God</q><lb type="x-p"/><milestone type="x-p"/><l eID="g2" level="1"/><lg eID="g1"/>)"
                  R"( <chapter eID="John.3"/><div canonical="true" eID="gen2" osisID="Rom" type="book"/>)",
                  "For{1063} God"},
        VerseCase{"BracketsDroppedAroundTheirWord", 'G',
                  R"(Father: <transChange type="added">[but] <w lemma="strong:G3670">he</w></transChange>.)",
                  "Father#60 but#02 he{3670}#e2"},
        VerseCase{"LigaturesWrittenOut", 'G', "<w lemma=\"strong:G2449\">Judæa</w>, Æneas",
                  "Judaea{2449}#40 Aeneas"},
        VerseCase{"CapitalsThroughoutAndSingleCapitals", 'G', "THE KING OF THE JEWS. I O A",
                  "THE KING OF THE JEWS#e0 I O A"}),
    [](const testing::TestParamInfo<VerseCase>& info) { return info.param.name; });

TEST(ParseVerseState, ParenthesisRunsOnIntoTheNextVerse) {
  OsisVerseState state{'H'};
  EXPECT_EQ(Describe(ParseOsisVerse("(For ye know how;", state)), "For#04 ye#04 know#04 how#24");
  EXPECT_TRUE(state.inParenthesis);
  EXPECT_EQ(Describe(ParseOsisVerse("And ye have seen:) and", state)), "And#04 ye#04 have#04 seen#64 and");
  EXPECT_FALSE(state.inParenthesis);
}

TEST(ParseVerseState, RunClosedAtTheStartOfTheNextVerse) {
  OsisVerseState state{'G'};
  ParseOsisVerse("(as I wrote", state);
  EXPECT_EQ(Describe(ParseOsisVerse(") Whereby", state)), "Whereby");
  EXPECT_FALSE(state.inParenthesis);
}

struct ErrorCase {
  const char* name;
  char strongsLetter;
  const char* raw;
  const char* message;  // a part of the error text
};

void PrintTo(const ErrorCase& verse, std::ostream* out) { *out << verse.raw; }

class RefuseVerse : public testing::TestWithParam<ErrorCase> {};

TEST_P(RefuseVerse, SaysWhatIsWrong) {
  OsisVerseState state{GetParam().strongsLetter};
  try {
    ParseOsisVerse(GetParam().raw, state);
    ADD_FAILURE() << "no error for " << GetParam().raw;
  } catch (const OsisError& error) {
    EXPECT_NE(std::string(error.what()).find(GetParam().message), std::string::npos) << error.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Content, RefuseVerse,
    testing::Values(
        ErrorCase{"UnknownElement", 'H', "a <hi type=\"bold\">b</hi>", "<hi> is unknown"},
        ErrorCase{"OtherTransChange", 'H', "<transChange type=\"amplified\">b</transChange>", "\"added\""},
        ErrorCase{"GreekNumberInAHebrewBook", 'H', "<w lemma=\"strong:G0025\">loved</w>", "G0025 is Greek"},
        ErrorCase{"HebrewNumberInAGreekBook", 'G', "<w lemma=\"strong:H0430\">God</w>", "H0430 is Hebrew"},
        ErrorCase{"LemmaThatIsNoStrongsNumber", 'H', "<w lemma=\"lemma.TR:x\">a</w>", "not a Strong's number"},
        ErrorCase{"StrongsNumberZero", 'H', "<w lemma=\"strong:H0000\">a</w>", "out of range"},
        ErrorCase{"StrongsNumberTooLarge", 'H', "<w lemma=\"strong:H32768\">a</w>", "out of range"},
        ErrorCase{"FiveNumbersOnAWord", 'H',
                  "<w lemma=\"strong:H1 strong:H2 strong:H3\">a</w><w lemma=\"strong:H4 strong:H5\">b</w>",
                  "\"ab\" has more than four"},
        ErrorCase{"NumberOnNoWord", 'H', "a <w lemma=\"strong:H0853\"> </w> b", "H853 is on no word"},
        ErrorCase{"EmptyWWithANumber", 'H', "a <w lemma=\"strong:H0853\"/> b", "empty <w>"},
        ErrorCase{"Digit", 'H', "chapter 3 verse", "\"3\" (U+0033)"},
        ErrorCase{"QuotationMark", 'H', "said, \"Go\"", "(U+0022)"},
        ErrorCase{"OtherNonAsciiLetter", 'H', "Noël", "(U+00EB)"},
        ErrorCase{"CapitalInsideAWord", 'H', "<w lemma=\"strong:H0415\">El-elohe-Israel</w>",
                  "\"El-elohe-Israel\": capitals inside"},
        ErrorCase{"PossessiveSAfterAnS", 'H', "his ass’s colt", "\"ass’s\": a possessive \"'s\""},
        ErrorCase{"PossessiveApostropheWithoutAnS", 'H', "the cockatrice’ den", "\"cockatrice’\": a possessive \"'\""},
        ErrorCase{"ApostropheInsideAWord", 'H', "ne’er", "apostrophe inside"},
        ErrorCase{"HyphenAtTheEnd", 'H', "God- ward", "\"God-\" does not begin and end"},
        ErrorCase{"TwoHyphens", 'H', "a--b", "two hyphens"},
        ErrorCase{"PartlyItalic", 'H', "<transChange type=\"added\">gi</transChange>ven", "partly in italics"},
        ErrorCase{"PartlyDivineName", 'H', "<divineName>LORD</divineName>s", "partly a divine name"},
        ErrorCase{"TwoPunctuationMarks", 'H', "a, . b", "two punctuation marks"},
        ErrorCase{"PunctuationBeforeTheFirstWord", 'H', ", and", "before the first word"},
        ErrorCase{"PunctuationAfterTheClosingParenthesis", 'H', "(a b), c", "after the \")\""},
        ErrorCase{"ParenthesisInsideAParenthesis", 'H', "(a (b) c)", "inside a parenthesis"},
        ErrorCase{"ParenthesesThatWouldMerge", 'H', "(a) (b)", "would merge"},
        ErrorCase{"EmptyParentheses", 'H', "a () b", "without a word"},
        ErrorCase{"ClosingParenthesisAlone", 'H', "a) b", "without its \"(\""},
        ErrorCase{"UnclosedElement", 'H', "<w lemma=\"strong:H1\">a", "<w> is not closed"},
        ErrorCase{"EndTagOfAnotherElement", 'H', "<q who=\"Jesus\">a</seg>", "</seg> closes <q>"},
        ErrorCase{"UnclosedNote", 'H', "a<note>b", "<note> is not closed"},
        ErrorCase{"UnterminatedTag", 'H', "a <w lemma=\"strong:H1\"", "no closing \">\""},
        ErrorCase{"UnknownMarker", 'H', "the \\add word", "marker \"\\add w\" is unknown"},
        ErrorCase{"NotUtf8", 'H', "a \xE6 b", "not UTF-8"}),
    [](const testing::TestParamInfo<ErrorCase>& info) { return info.param.name; });

}  // namespace
}  // namespace data::kjv

#pragma once
// A small text with Strong's numbers for the tests of the preview and of the
// related-word lists: "God" under Hebrew 430 and Greek 2316, "gods" under 430
// too, "earth" under 776 and 1121 ("land" under 776), a possessive and a
// parenthesis, and "the" under no number at all.

namespace search_testing {

inline constexpr char StrongsText[] =
    "book 1\n"
    "1:1 In the beginning<7225> God<430> created<1254> the heaven<8064> and the earth<776>.\n"
    "1:2 And the earth<1121> was without form<8414>; and God's<430> spirit<7307> moved.\n"
    "1:3 Ye shall be as gods<430>, (knowing good<2896>).\n"
    "2:1 Thus the heavens<8064> were finished<3615> in the land<776>.\n"
    "2:2 And God<430> ended<3615> his work<4399>.\n"
    "book 9\n"
    "1:1 Samuel<8050> prayed<6419> unto God<430>.\n"
    "1:2 The LORD<3068> called Samuel<8050>.\n"
    "book 40\n"
    "1:1 In the beginning<746> was the Word<3056>, and the Word<3056> was with God<2316>.\n"
    "1:2 The same was in the beginning<746> with God<2316>.\n";

}  // namespace search_testing

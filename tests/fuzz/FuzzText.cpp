#include "FuzzText.h"

#include <memory>

#include "FuzzCheck.h"
#include "data/TextBuilder.h"
#include "engine/ixoObject.h"

namespace fuzz {

const char SmallText[] =
    "book 1\n"
    "1:1 In the beginning<7225> God<430> created<1254,853> the heaven<8064> and the earth<776>.\n"
    "1:2 And the earth<776> was [without] form<8414>, and void<922>; (the LORD's<3068> Spirit<7307>)\n"
    "2:1 Thus the heavens<8064> and the earth<776> were finished<3615>,\n"
    "2:2 and on the seventh<7637> day<3117> God<430> ended<3615> his work<4399>.\n"
    "book 19\n"
    "1:1 Blessed<835> is the man<376> that walketh<1980> not in the counsel<6098> of the ungodly<7563>,\n"
    "1:2 But his delight<2656> is in the law<8451> of the LORD<3068>.\n"
    "book 43\n"
    "1:1 In the beginning<746> was the Word<3056>, and the Word<3056> was with God<2316>.\n"
    "1:2 The same<3778> was in the beginning<746> with God<2316>.\n"
    "2:1 For God<2316> so loved<25> the world<2889>, love<26> is of God<2316>!\n"
    "2:2 Moses' law<3551> and charity<26>-- at Beth-lehem<965>?\n";

LoadedText& LoadedText::Get() {
  static LoadedText text;
  return text;
}

LoadedText::LoadedText()
    : dataHome_("XDG_DATA_HOME", temp_.File("data").c_str()),
      installation_(IXOCORE_LIBRARY),
      dialogs_(std::make_shared<platform::RecordingDialogService>()),
      dialogGuard_(dialogs_) {
  FUZZ_CHECK(data::BuildFixtureEdition(installation_.EditionDir(), SmallText).ok);
  engine::ReplaceEngine(std::make_unique<engine::TixoEngine>());
  FUZZ_CHECK(engine::Engine().Load());
}

const std::string& LoadedText::HomeDir() const { return engine::Engine().HomeDir; }

std::string LoadedText::HistoryDir() const { return engine::Engine().UserDataDir + "History/"; }

}  // namespace fuzz

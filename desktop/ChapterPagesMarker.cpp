#include "ChapterPagesMarker.h"

#include "platform/Paths.h"
#include "platform/WholeFile.h"

namespace desktop {

std::string ChapterPagesMarker(const std::string& htmlDir) { return htmlDir + "Bible/complete"; }

bool ChapterPagesWritten(const std::string& htmlDir) {
  return platform::FileExists(ChapterPagesMarker(htmlDir));
}

bool MarkChapterPagesWritten(const std::string& htmlDir) {
  return platform::ReplaceFileAtomically(ChapterPagesMarker(htmlDir), "66 books\n");
}

}  // namespace desktop

#include "ChapterPagesMarker.h"

#include <filesystem>
#include <system_error>

#include "platform/Paths.h"
#include "platform/WholeFile.h"

namespace desktop {

std::string ChapterPagesMarker(const std::string& htmlDir) { return htmlDir + "Bible/complete"; }

bool ChapterPagesWritten(const std::string& htmlDir) {
  return platform::FileExists(ChapterPagesMarker(htmlDir));
}

bool MarkChapterPagesWritten(const std::string& htmlDir) {
  // The pages go to the disk before the marker that vouches for them.
  return platform::SyncFileSystem(htmlDir) &&
         platform::ReplaceFileAtomically(ChapterPagesMarker(htmlDir), "66 books\n");
}

bool ForgetChapterPagesWritten(const std::string& htmlDir) {
  std::error_code error;
  std::filesystem::remove(ChapterPagesMarker(htmlDir), error);  // a missing marker is no error
  return !error;
}

}  // namespace desktop

#pragma once
// Whether the chapter pages of the HTML folder have all been written. The
// first start writes them; a marker file in the "Bible" folder, written after
// the last page and the style sheet, tells a finished run from one that was
// interrupted. A folder without the marker is written again in full.

#include <string>

namespace desktop {

// htmlDir + "Bible/complete".
std::string ChapterPagesMarker(const std::string& htmlDir);

bool ChapterPagesWritten(const std::string& htmlDir);
// Puts the pages on the disk, then writes the marker. False when either
// failed (the pages are written again at the next start).
bool MarkChapterPagesWritten(const std::string& htmlDir);
// Removes the marker before the pages are written again; false when it is
// still there afterwards.
bool ForgetChapterPagesWritten(const std::string& htmlDir);

}  // namespace desktop

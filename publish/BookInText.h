#pragma once
// Whether a book the writers are asked for is one of the text's books.

namespace engine {
struct TBookInfoRec;
}

namespace publish {

// True for the books of the text; for any other a warning says "Book #N is
// not contained in the bible" (N its ordinal + 1) and the answer is false.
bool BookIsInText(const engine::TBookInfoRec& book);

}  // namespace publish

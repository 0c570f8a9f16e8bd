#pragma once
// The book list: a list of the books of the Bible or Search page's tree,
// shown as icons over the page's browser (the window's handlers are in
// BookListView.cpp). Here the pieces that need no window.

#include <QString>

namespace desktop {

// A caption padded with blanks on both sides so that short names sit in the
// middle of their icon: below 6 characters seven blanks, 6 to 9 five, 10 to
// 13 three, 14 to 17 one, 18 and more none.
QString CenterCaption(const QString& name);

// Whether a pointer position on a list of width x height lies inside it
// rather than in its edge band: x from 2 to width - 10, y from 2 to height - 2.
bool InsideBookList(int x, int y, int width, int height);

}  // namespace desktop

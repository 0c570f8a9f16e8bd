#pragma once
// The pictures of the program: one per node kind (NodeKind.h), drawn at run
// time so that every size is sharp, and the program's icon. They are bright
// shapes with light outlines, made to be read on the trees' black background.
//
// Sizes the forms use: 32 pixels for the large ("Blue") lists of the trees,
// the names and the help, 16 for the search form's small list, 44 for its
// largest.

#include <QIcon>

#include "ImageList.h"

namespace ui {

// Pictures for the node kinds 0 to 17, each size x size pixels.
ImageList NodeImages(int size);

QIcon ProgramIcon();

}  // namespace ui

#pragma once
// The pictures of the tool bar's buttons, drawn at run time in light colours
// for the dark tool bar.

#include <QIcon>

namespace desktop {

QIcon ShowPaneIcon();  // "Show Left Explorer Pane"
QIcon HidePaneIcon();  // "Hide Left Explorer Pane"
QIcon SearchIcon();
QIcon PreviousIcon();
QIcon NextIcon();

}  // namespace desktop

#pragma once
// Finding the host's main window and placing the add-in's forms over it.

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace wordaddin {

// The file name of the host program and the object name of its main window.
inline constexpr char kHostProgramFile[] = "wordhost";
inline constexpr char kHostMainWindowName[] = "OpusApp";

// The active window when the host program made it, else the host's main window;
// null when there is none.
QWidget* FindWordWindow();

// Where a form of the given size goes over a window's screen rectangle: centred
// when x and y are both negative, else at (x, y) on the screen; 0 in a direction
// where the form does not fit.
QPoint PlacedPosition(const QRect& window, const QSize& form, int x, int y);

// Moves the form over wnd (the whole screen when wnd is null) and, when
// showModal, shows it modally and returns when it closes.
void PlaceFormOverWindow(QWidget* wnd, QWidget& form, bool showModal, int x, int y);

}  // namespace wordaddin

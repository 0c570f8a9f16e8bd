#pragma once
// What a program that shows web browsers does before it makes its QApplication:
// share the graphics contexts the web engine needs, and run the engine without
// its sandbox when the program runs as root (the engine refuses otherwise).

#include <QByteArray>

namespace ui {

// Call first thing in main, before the QApplication is made.
void PrepareWebEngine();

// The engine's command-line flags: flags, with "--no-sandbox" added for root.
QByteArray WebEngineFlags(const QByteArray& flags, bool root);

}  // namespace ui

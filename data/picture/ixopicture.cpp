// ixopicture GIF-FILE
// Writes the picture the word summary pages show beside each word: the
// magnifier of the search result trees, 32 pixels square, as a GIF with a
// transparent background. Qt reads GIF files but does not write them, hence
// the writer of our own. Runs without a display (QT_QPA_PLATFORM=offscreen).

#include <QGuiApplication>
#include <iostream>

#include "data/picture/GifWriter.h"
#include "data/picture/IndexedImage.h"
#include "platform/WholeFile.h"
#include "ui/NodeImages.h"
#include "ui/NodeKind.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: ixopicture GIF-FILE\n";
    return 2;
  }
  QGuiApplication application(argc, argv);
  const std::string file = argv[1];

  constexpr int kSize = 32;
  const QImage magnifier = ui::NodeImages(kSize).Pixmap(ui::node::kResultRoot).toImage();
  const std::string bytes = data::picture::GifBytes(data::picture::IndexedImage(magnifier));

  if (bytes.empty() || !platform::ReplaceFileCreatingFolder(file, bytes)) {
    std::cerr << "ixopicture: cannot write " << file << "\n";
    return 1;
  }
  return 0;
}

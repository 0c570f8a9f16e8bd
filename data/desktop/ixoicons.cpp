// ixoicons FOLDER
// Writes the program's icon, the picture of its windows, into FOLDER as the
// hicolor icon theme lays it out: "hicolor/<size>x<size>/apps/ixo-bible.png"
// for each size the program draws. Runs without a display
// (QT_QPA_PLATFORM=offscreen).

#include <QBuffer>
#include <QGuiApplication>
#include <QIcon>
#include <iostream>

#include "data/desktop/DesktopEntry.h"
#include "platform/Paths.h"
#include "platform/WholeFile.h"
#include "ui/NodeImages.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: ixoicons FOLDER\n";
    return 2;
  }
  QGuiApplication application(argc, argv);
  const std::string folder = argv[1];
  const QIcon icon = ui::ProgramIcon();
  for (const QSize& size : icon.availableSizes()) {
    const std::string name = std::to_string(size.width()) + "x" + std::to_string(size.height());
    const std::string file = platform::JoinPath(folder, "hicolor/" + name + "/apps/" + data::IconName + ".png");
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!icon.pixmap(size).toImage().save(&buffer, "PNG") ||
        !platform::ReplaceFileCreatingFolder(file, std::string_view(png.constData(), png.size()))) {
      std::cerr << "ixoicons: cannot write " << file << "\n";
      return 1;
    }
  }
  return 0;
}

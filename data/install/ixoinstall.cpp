// ixoinstall INSTALLATION EDITION LIBRARY [ADDIN-ENGINE-LIBRARY]
// Writes the machine values of an installation: the installation folder, the
// edition folder and the data-file library, each made absolute; and the
// word-processor add-in's values for the same installation folder, with its
// engine library where given (else in the add-in's folder there).

#include <filesystem>
#include <iostream>

#include "data/install/InstallationValues.h"

int main(int argc, char** argv) {
  if (argc != 4 && argc != 5) {
    std::cerr << "usage: ixoinstall INSTALLATION-FOLDER EDITION-FOLDER LIBRARY-FILE [ADDIN-ENGINE-LIBRARY]\n";
    return 2;
  }
  auto absolute = [](const char* path) { return std::filesystem::absolute(path).lexically_normal().string(); };
  const data::InstallationPaths paths{absolute(argv[1]), absolute(argv[2]), absolute(argv[3])};
  const std::string addinEngine = argc == 5 ? absolute(argv[4]) : std::string();
  std::string error;
  if (!data::WriteInstallationValues(paths, error) ||
      !data::WriteAddinInstallationValues(paths.installation, addinEngine, error)) {
    std::cerr << "ixoinstall: " << error << "\n";
    return 1;
  }
  return 0;
}

#pragma once
// The machine values an installation leaves for the desktop program: where it
// is installed, where its text is and which data-file library to load.

#include <string>

namespace data {

inline constexpr char ProductKey[] = "SOFTWARE\\Varnholt\\Ixo Bible";
inline constexpr char SdkKey[] = "SOFTWARE\\Varnholt\\Ixo SDK";

struct InstallationPaths {
  std::string installation;  // the installation folder
  std::string edition;       // the folder of the three text files
  std::string library;       // the path of "2011.ixocore"
};

// Writes "Installation" (product key), "Edition" and "Library" (SDK key) into
// the machine hive, the folders with a trailing separator. False, with the
// reason in error, when a key or value cannot be written.
bool WriteInstallationValues(const InstallationPaths& paths, std::string& error);

}  // namespace data

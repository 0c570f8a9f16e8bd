#pragma once
// The machine values an installation leaves for the desktop program (where it
// is installed, where its text is and which data-file library to load) and for
// the word-processor add-in (where its data and its engine library are).

#include <string>

namespace data {

inline constexpr char ProductKey[] = "SOFTWARE\\Varnholt\\Ixo Bible";
inline constexpr char SdkKey[] = "SOFTWARE\\Varnholt\\Ixo SDK";
inline constexpr char AddinKey[] = "SOFTWARE\\Halvert\\Ixo";

struct InstallationPaths {
  std::string installation;  // the installation folder
  std::string edition;       // the folder of the three text files
  std::string library;       // the path of "2011.ixocore"
};

// Writes "Installation" (product key), "Edition" and "Library" (SDK key) into
// the machine hive, the folders with a trailing separator. False, with the
// reason in error, when a key or value cannot be written.
bool WriteInstallationValues(const InstallationPaths& paths, std::string& error);

// Writes the add-in's values for the installation folder into the machine hive:
// "Installation" (the folder), "Version" (its "Ixo-2005/Lib/", where the two
// data files are), "Interface" (engineLibrary, or when that is empty the
// engine library "Ixo2005.kjv" in that folder), "2005" and "2007" (its
// "Ixo-2005/" and "Ixo-2007/"). False, with the reason in error, when a value
// cannot be written.
bool WriteAddinInstallationValues(const std::string& installation, const std::string& engineLibrary,
                                  std::string& error);

}  // namespace data

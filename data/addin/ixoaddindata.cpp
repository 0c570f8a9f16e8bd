// ixoaddindata EDITION-FOLDER DATA-FOLDER TABLES-SOURCE
// Makes the word-processor add-in's data from a written edition: writes
// "IxoBible.2005" and "IxoReference.2005" into the data folder, and the C++
// source of the engine library's tables.

#include <iostream>

#include "data/addin/AddinData.h"
#include "data/addin/LibraryTables.h"
#include "platform/WholeFile.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: ixoaddindata EDITION-FOLDER DATA-FOLDER TABLES-SOURCE\n";
    return 2;
  }
  data::AddinData addinData;
  data::BuildResult result = data::ConvertEdition(argv[1], addinData);
  if (result.ok) result = data::WriteAddinFiles(argv[2], addinData);
  if (result.ok && !platform::ReplaceFileAtomically(argv[3], data::LibraryTablesSource(addinData)))
    result = data::BuildResult::Failure(std::string("cannot write ") + argv[3]);
  if (!result.ok) {
    std::cerr << "ixoaddindata: " << result.error << "\n";
    return 1;
  }
  return 0;
}

// ixonames NAMES-TREE-FILE
// Finds the proper names of Debian's KJV module with the help of Debian's
// Strong's dictionaries and writes the names index the desktop program's
// Names page reads. Says what is wrong and exits with 1 when a module cannot
// be read or the file cannot be written.

#include <iostream>

#include "data/kjv/KjvModule.h"
#include "data/names/NamesTree.h"
#include "data/names/ProperNames.h"
#include "data/names/StrongsDictionaries.h"
#include "platform/WholeFile.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: ixonames NAMES-TREE-FILE\n";
    return 2;
  }
  const std::string file = argv[1];
  std::vector<data::names::ProperName> names;
  try {
    const data::SourceText text = data::kjv::ReadKjvModule();
    data::names::StrongsDictionaries dictionaries(data::kjv::DebianSwordFolder);
    names = data::names::FindProperNames(
        text, [&dictionaries](char language, int number) { return dictionaries.Find(language, number); });
  } catch (const data::kjv::KjvModuleError& error) {
    std::cerr << "ixonames: " << error.what() << "\n";
    return 1;
  } catch (const data::names::DictionaryError& error) {
    std::cerr << "ixonames: " << error.what() << "\n";
    return 1;
  }

  if (!platform::ReplaceFileCreatingFolder(file, data::names::NamesTreeText(names))) {
    std::cerr << "ixonames: cannot write " << file << "\n";
    return 1;
  }
  std::cout << "ixonames: " << names.size() << " names in " << file << "\n";
  return 0;
}

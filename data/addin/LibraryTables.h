#pragma once
// The C++ source of the engine library's tables (see Ixo2005Tables.h), made
// from the add-in's data and the engine's book-name table.

#include <string>

#include "data/addin/AddinData.h"

namespace data {

std::string LibraryTablesSource(const AddinData& data);

}  // namespace data

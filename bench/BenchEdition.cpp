#include "BenchEdition.h"

#include <cstdlib>

#include "platform/Paths.h"

namespace bench {

std::string EditionFolder() {
  const char* fromEnvironment = std::getenv("IXO_EDITION");
  if (fromEnvironment && *fromEnvironment) return platform::IncludeTrailingSeparator(fromEnvironment);
  return platform::IncludeTrailingSeparator(IXO_BUILT_EDITION);
}

bool EditionPresent() {
  const std::string folder = EditionFolder();
  for (const char* name : {"IxoBible.2011", "IxoLemma.2011", "IxoEnglish.2011"})
    if (!platform::FileExists(folder + name)) return false;
  return true;
}

}  // namespace bench

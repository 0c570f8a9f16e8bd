#include "FuzzAddin.h"

#include <filesystem>

#include "FuzzCheck.h"
#include "FuzzLibrary.h"
#include "FuzzText.h"
#include "core/IxoFormat.h"
#include "data/TextBuilder.h"
#include "data/addin/AddinData.h"
#include "data/install/InstallationValues.h"
#include "wordaddin/EngineLibrary.h"

namespace fuzz {

AddinFiles& AddinFiles::Get() {
  static AddinFiles files;
  return files;
}

AddinFiles::AddinFiles() : versionDir_(temp_.File("install/Ixo-2005/Lib/")) {
  const std::string edition = temp_.File("edition/");
  FUZZ_CHECK(data::BuildFixtureEdition(edition, SmallText).ok);
  data::AddinData addin;
  FUZZ_CHECK(data::ConvertEdition(edition, addin).ok);
  bible_ = addin.bible;
  reference_ = addin.reference;

  std::filesystem::create_directories(versionDir_);
  std::filesystem::create_symlink(IXO_ADDIN_LIBRARY, versionDir_ + wordaddin::EngineLibraryFileName);
  KeepLoaded(IXO_ADDIN_LIBRARY);
  std::string error;
  FUZZ_CHECK(data::WriteAddinInstallationValues(temp_.File("install/"), {}, error));
  Write(bible_, reference_);
}

void AddinFiles::Write(std::string_view bible, std::string_view reference) const {
  FUZZ_CHECK(testing_support::WriteFileBytes(versionDir_ + ixo::AddinTextFileName, std::string(bible)));
  FUZZ_CHECK(testing_support::WriteFileBytes(versionDir_ + ixo::AddinReferenceFileName, std::string(reference)));
}

}  // namespace fuzz

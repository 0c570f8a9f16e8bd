#pragma once
// The word-processor add-in's data for the harnesses: the two files made from
// the small text (FuzzText.h) in a version folder of their own, beside the
// engine library of the build, and the machine values that point the add-in
// there, in a registry store of its own. Made on first use, for the life of
// the process.

#include <string>
#include <string_view>

#include "TempFolder.h"
#include "TestRegistry.h"

namespace fuzz {

class AddinFiles {
 public:
  static AddinFiles& Get();

  // The bytes of "IxoBible.2005" and "IxoReference.2005" of the small text.
  const std::string& Bible() const { return bible_; }
  const std::string& Reference() const { return reference_; }

  // Puts these bytes in the version folder as the two files.
  void Write(std::string_view bible, std::string_view reference) const;

 private:
  AddinFiles();

  testing_support::TempFolder temp_;
  testing_support::TestRegistry registry_;
  std::string versionDir_;
  std::string bible_;
  std::string reference_;
};

}  // namespace fuzz

#include "AddinText.h"

namespace wordaddin {

// The engine over "IxoBible.2005", "IxoReference.2005" and the engine library
// comes here; until then the add-in has no text to read.
std::unique_ptr<AddinText> CreateAddinText() { return nullptr; }

}  // namespace wordaddin

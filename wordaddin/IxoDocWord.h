#pragma once
// The document writer over the host: one host command per operation. A failed
// command shows the host's error boxes and the writing goes on.

#include "IxoDocument.h"

namespace wordaddin {

class TIxoDocWord final : public TIxoDocument {
 public:
  void SetItalic(bool on) override;
  void SetBold(bool on) override;
  void SetColor(std::uint32_t value) override;
  void SetSuperscript(bool on) override;
  void InsertText(std::string_view text) override;
};

}  // namespace wordaddin

#pragma once
// The document writer: the five operations through which the add-in writes
// formatted text into the open document.

#include <cstdint>
#include <string_view>

namespace wordaddin {

class TIxoDocument {
 public:
  virtual ~TIxoDocument() = default;

  virtual void SetItalic(bool on) = 0;
  virtual void SetBold(bool on) = 0;
  // A colour of the host's palette; 0 is the text's own colour.
  virtual void SetColor(std::uint32_t value) = 0;
  virtual void SetSuperscript(bool on) = 0;
  // Inserts the text at the insertion point; "\n" ends a paragraph.
  virtual void InsertText(std::string_view text) = 0;
};

}  // namespace wordaddin

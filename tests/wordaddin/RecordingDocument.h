#pragma once
// A document writer for the add-in's form tests: it records every operation
// the add-in writes, styles as "bold 1" and texts quoted, and the texts run
// together.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "wordaddin/IxoDocument.h"

namespace wordaddin::testing {

class RecordingDocument final : public TIxoDocument {
 public:
  void SetItalic(bool on) override { operations.push_back(std::string("italic ") + (on ? "1" : "0")); }
  void SetBold(bool on) override { operations.push_back(std::string("bold ") + (on ? "1" : "0")); }
  void SetColor(std::uint32_t value) override { operations.push_back("color " + std::to_string(value)); }
  void SetSuperscript(bool on) override { operations.push_back(std::string("superscript ") + (on ? "1" : "0")); }
  void InsertText(std::string_view text) override {
    operations.push_back("\"" + std::string(text) + "\"");
    text_ += text;
  }

  // The texts written, run together.
  const std::string& Text() const { return text_; }
  std::vector<std::string> operations;

 private:
  std::string text_;
};

// A document writer whose document refuses every text.
class RefusingDocument final : public TIxoDocument {
 public:
  void SetItalic(bool) override {}
  void SetBold(bool) override {}
  void SetColor(std::uint32_t) override {}
  void SetSuperscript(bool) override {}
  void InsertText(std::string_view) override { throw std::runtime_error("the document is locked"); }
};

// The lines of a text, each without its line end.
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

}  // namespace wordaddin::testing

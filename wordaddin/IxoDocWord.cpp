#include "IxoDocWord.h"

#include "WordAPI.h"
#include "Wrdbasic.h"

namespace wordaddin {

void TIxoDocWord::SetItalic(bool on) { RunWordCommand(command::Italic, on ? 1 : 0); }

void TIxoDocWord::SetBold(bool on) { RunWordCommand(command::Bold, on ? 1 : 0); }

void TIxoDocWord::SetColor(std::uint32_t value) {
  RunWordCommand(command::Color, static_cast<std::int32_t>(value));
}

void TIxoDocWord::SetSuperscript(bool on) { RunWordCommand(command::Superscript, on ? 1 : 0); }

void TIxoDocWord::InsertText(std::string_view text) { InsertWordText(text); }

}  // namespace wordaddin

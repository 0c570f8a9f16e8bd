#include "publish/WordPunctuation.h"

namespace publish {
namespace {

bool InParenthesis(const ixo::IxoWritten* record) {
  return record && !ixo::IsSeparator(*record) && (record->flags & ixo::FlagParenthesis);
}

std::string_view PunctuationText(std::uint8_t flags) {
  switch (ixo::PunctuationOf(flags)) {
    case ixo::PunctuationSemicolon: return ";";
    case ixo::PunctuationComma: return ",";
    case ixo::PunctuationColon: return ":";
    case ixo::PunctuationExclamation: return "!";
    case ixo::PunctuationDash: return "--;";
    case ixo::PunctuationQuestion: return "?";
    case ixo::PunctuationPeriod: return ".";
    default: return {};
  }
}

}  // namespace

std::string WordPrefix(const ixo::IxoWritten* previous, const ixo::IxoWritten& word) {
  if (InParenthesis(&word) && !InParenthesis(previous)) return "(";
  return {};
}

std::string WordSuffix(const ixo::IxoWritten& word, const ixo::IxoWritten* next, char lastChar) {
  std::string suffix;
  if (word.flags & ixo::FlagPossessive) suffix = (lastChar == 's' || lastChar == 'S') ? "'" : "'s";
  suffix += PunctuationText(word.flags);
  if (InParenthesis(&word) && !InParenthesis(next)) suffix += ')';
  return suffix;
}

}  // namespace publish

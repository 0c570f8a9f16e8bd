#pragma once
// The text routines of the engine: the English word list (letters, keys and
// words), lemma tags, English words to Strong's numbers and back, and the
// per-user data folder. Routines that need the text work on the process-wide
// engine (Engine()); a look-up adds to the list it is given, or returns a new
// list that is sorted, compared without regard to case and free of duplicates.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/IxoFormat.h"
#include "core/WordLetters.h"
#include "platform/StringList.h"

namespace engine {

// ---- letters of the stored word list ----------------------------------------

constexpr std::uint8_t WordLetter(std::uint8_t b) { return b & ixo::LetterMask; }
using ixo::FoldLetter;
constexpr std::uint8_t HasHyphen(std::uint8_t b) { return b & ixo::HyphenBit; }

// Whether input matches the len stored letters, without regard to case;
// hyphens in input are skipped before every letter. Input that runs out first
// does not match.
bool CompareEnglishWord(std::string_view input, const std::uint8_t* stored, int len);

// Word index of a group of len-letter words, written: letters and hyphens.
std::string DecodeEnglishWord(const std::uint8_t* words, int index, int len);

// ---- the engine's word list (decoded by Load) ------------------------------------

std::uint16_t EnglishWordToKey(std::string_view word);
// Every key of the word: one word can be stored more than once with the same
// letters but other hyphens ("bethlehem", "beth-lehem"); EnglishWordToKey
// gives the first. In key order; empty when the list does not hold it.
std::vector<std::uint16_t> KeysForWord(std::string_view word);
std::string KeyToEnglishWord(std::uint16_t key);
std::string KeyToDisplayWord(std::uint16_t key);

// ---- lemma tags ---------------------------------------------------------------

// The word, then "_H" or "_G" and the first number, then "_" and each further
// one; "_E" alone without a lemma record or number. Hebrew lists give at most
// three numbers, Greek ones four.
std::string MakeLemmaTag(std::string_view word, const ixo::TLemmaRec* lemma);

// ---- words and Strong's numbers -------------------------------------------------
// Words are matched in every case (the low 14 bits of the key) and in every
// spelling of their letters (KeysForWord); tags are made from the word as the
// word list stores it, lower-cased.

// The lemma tags of every occurrence of the word.
void LemmaTagsForWord(std::string_view word, platform::TStringList& list);
platform::TStringList LemmaTagsForWord(std::string_view word);

// "H" or "G" (after the book's language) and each Strong's number of the
// word's occurrences.
void StrongsNumbersForWord(std::string_view word, platform::TStringList& list);
platform::TStringList StrongsNumbersForWord(std::string_view word);

// The English words (as stored) of a token "H" or "G" (either case) and the
// number 1 to 32,767; any other token adds nothing. Hebrew numbers are looked
// for in the first three lemma slots, Greek ones in all four.
void WordsForStrongsNumber(std::string_view token, platform::TStringList& list);
platform::TStringList WordsForStrongsNumber(std::string_view token);

// The lemma tags of the words of one Strong's number, selected as above; the
// letter is "H" or "G" in either case.
void LemmaTagsForStrongsNumber(std::uint16_t number, char letter, platform::TStringList& list);
platform::TStringList LemmaTagsForStrongsNumber(std::uint16_t number, char letter);

// ---- per-user data --------------------------------------------------------------

// The application-data folder + "/Ixo Bible/", then sub + "/" and file when
// they are not empty.
std::string GetUserDataPath(std::string_view sub = {}, std::string_view file = {});

}  // namespace engine

#pragma once
// What a proximity search found: the verses that meet, grouped by book and
// chapter in Bible order, each verse with the word number of its first hit.
// The search form turns it into the nodes of its result tree.

#include <cstdint>
#include <string>
#include <vector>

namespace search {

struct ResultVerse {
  int Verse = 0;
  std::uint32_t WordNumber = 0;  // the first word of the window that met
  bool operator==(const ResultVerse&) const = default;
};

struct ResultChapter {
  int Chapter = 0;
  std::vector<ResultVerse> Verses;
  bool operator==(const ResultChapter&) const = default;
};

struct ResultBook {
  int Book = 0;             // 1 to 66
  std::string DisplayName;  // as the tree shows it ("1  Samuel")
  std::vector<ResultChapter> Chapters;
  bool operator==(const ResultBook&) const = default;
};

struct SearchResult {
  int ConditionCount = 0;  // the active conditions searched; 0: no search ran
  std::vector<ResultBook> Books;
  int Chapters = 0;  // chapters that hold a reported verse
  int Verses = 0;    // verses reported
  bool operator==(const SearchResult&) const = default;
};

}  // namespace search

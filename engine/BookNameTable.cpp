#include "BookNameTable.h"

namespace engine {

const std::array<TBookNameRec, ixo::BookCount + 1> BookNameTable{{
    TBookNameRec{},
    TBookNameRec{"Gen", 2, "", 0, "Genesis"},  // 1
    TBookNameRec{"Exo", 2, "", 0, "Exodus"},  // 2
    TBookNameRec{"Lev", 2, "", 0, "Leviticus"},  // 3
    TBookNameRec{"Num", 2, "", 0, "Numbers"},  // 4
    TBookNameRec{"Deut", 2, "", 0, "Deuteronomy"},  // 5
    TBookNameRec{"Josh", 3, "", 0, "Joshua"},  // 6
    TBookNameRec{"Judg", 2, "", 0, "Judges"},  // 7
    TBookNameRec{"Ruth", 2, "", 0, "Ruth"},  // 8
    TBookNameRec{"1Sam", 3, "", 0, "1 Samuel"},  // 9
    TBookNameRec{"2Sam", 3, "", 0, "2 Samuel"},  // 10
    TBookNameRec{"1Ki", 3, "", 0, "1 Kings"},  // 11
    TBookNameRec{"2Ki", 3, "", 0, "2 Kings"},  // 12
    TBookNameRec{"1Chr", 3, "", 0, "1 Chronicles"},  // 13
    TBookNameRec{"2Chr", 3, "", 0, "2 Chronicles"},  // 14
    TBookNameRec{"Ezra", 3, "", 0, "Ezra"},  // 15
    TBookNameRec{"Neh", 2, "", 0, "Nehemiah"},  // 16
    TBookNameRec{"Est", 2, "", 0, "Esther"},  // 17
    TBookNameRec{"Job", 3, "", 0, "Job"},  // 18
    TBookNameRec{"Ps", 2, "", 0, "Psalms"},  // 19
    TBookNameRec{"Prov", 2, "", 0, "Proverbs"},  // 20
    TBookNameRec{"Ecc", 2, "", 0, "Ecclesiastes"},  // 21
    TBookNameRec{"Song", 2, "Cant", 2, "Song of Solomon"},  // 22
    TBookNameRec{"Isa", 2, "", 0, "Isaiah"},  // 23
    TBookNameRec{"Jer", 2, "", 0, "Jeremiah"},  // 24
    TBookNameRec{"Lam", 2, "", 0, "Lamentations"},  // 25
    TBookNameRec{"Ezek", 3, "", 0, "Ezekiel"},  // 26
    TBookNameRec{"Dan", 2, "", 0, "Daniel"},  // 27
    TBookNameRec{"Hos", 2, "", 0, "Hosea"},  // 28
    TBookNameRec{"Joel", 3, "", 0, "Joel"},  // 29
    TBookNameRec{"Amos", 2, "", 0, "Amos"},  // 30
    TBookNameRec{"Obad", 2, "", 0, "Obadiah"},  // 31
    TBookNameRec{"Jon", 3, "", 0, "Jonah"},  // 32
    TBookNameRec{"Mic", 3, "", 0, "Micah"},  // 33
    TBookNameRec{"Nahum", 2, "", 0, "Nahum"},  // 34
    TBookNameRec{"Hab", 3, "", 0, "Habakkuk"},  // 35
    TBookNameRec{"Zeph", 3, "", 0, "Zephaniah"},  // 36
    TBookNameRec{"Hag", 3, "", 0, "Haggai"},  // 37
    TBookNameRec{"Zech", 3, "", 0, "Zechariah"},  // 38
    TBookNameRec{"Mal", 3, "", 0, "Malachi"},  // 39
    TBookNameRec{"Matt", 3, "Mt", 2, "Matthew"},  // 40
    TBookNameRec{"Mark", 3, "Mk", 2, "Mark"},  // 41
    TBookNameRec{"Luke", 2, "Lk", 2, "Luke"},  // 42
    TBookNameRec{"John", 2, "Jn", 2, "John"},  // 43
    TBookNameRec{"Acts", 2, "", 0, "Acts"},  // 44
    TBookNameRec{"Rom", 2, "", 0, "Romans"},  // 45
    TBookNameRec{"1Cor", 3, "", 0, "1 Corinthians"},  // 46
    TBookNameRec{"2Cor", 3, "", 0, "2 Corinthians"},  // 47
    TBookNameRec{"Gal", 2, "", 0, "Galatians"},  // 48
    TBookNameRec{"Eph", 3, "", 0, "Ephesians"},  // 49
    TBookNameRec{"Ph'p", 4, "Phili", 5, "Philippians"},  // 50
    TBookNameRec{"Col", 2, "", 0, "Colossians"},  // 51
    TBookNameRec{"1Thes", 3, "", 0, "1 Thessalonians"},  // 52
    TBookNameRec{"2Thes", 3, "", 0, "2 Thessalonians"},  // 53
    TBookNameRec{"1Tim", 3, "1Tm", 3, "1 Timothy"},  // 54
    TBookNameRec{"2Tim", 3, "2Tm", 3, "2 Timothy"},  // 55
    TBookNameRec{"Tit", 3, "Tt", 2, "Titus"},  // 56
    TBookNameRec{"Ph'm", 3, "phile", 5, "Philemon"},  // 57
    TBookNameRec{"Heb", 3, "Hb", 2, "Hebrews"},  // 58
    TBookNameRec{"Jame", 2, "jm", 2, "James"},  // 59
    TBookNameRec{"1Pet", 2, "", 0, "1 Peter"},  // 60
    TBookNameRec{"2Pet", 2, "", 0, "2 Peter"},  // 61
    TBookNameRec{"1Joh", 2, "", 0, "1 John"},  // 62
    TBookNameRec{"2Joh", 2, "", 0, "2 John"},  // 63
    TBookNameRec{"3Joh", 2, "", 0, "3 John"},  // 64
    TBookNameRec{"Jude", 2, "", 0, "Jude"},  // 65
    TBookNameRec{"Rev", 2, "Rv", 2, "Revelation"},  // 66
}};

}  // namespace engine

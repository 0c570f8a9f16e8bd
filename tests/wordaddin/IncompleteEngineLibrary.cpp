// An engine library that lacks engGetKeyMax: six of the seven entry points,
// each counting its calls, and StubCalls to read the count.

#include <cstdint>

namespace {
int calls = 0;
}  // namespace

extern "C" {

const void* GetBookMatch() { return ++calls, nullptr; }
std::uint16_t engWordKey(const char*) { return ++calls, 0; }
const char* engWordChr(std::int32_t) { return ++calls, ""; }
const char* engWordCase(const void*) { return ++calls, ""; }
const char* engWordPunc(const void*) { return ++calls, ""; }
const void* engGetStrongsObject() { return ++calls, nullptr; }
int StubCalls() { return calls; }

}  // extern "C"

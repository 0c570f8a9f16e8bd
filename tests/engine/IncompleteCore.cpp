// A data-file library that lacks IxoMapReleaseAll: eight of the nine
// functions, each counting its calls, and StubCalls to read the count.

namespace {
int calls = 0;
}  // namespace

extern "C" {

void* IxoMapText(const char*) { return ++calls, nullptr; }
void* IxoMapEnglish(const char*) { return ++calls, nullptr; }
void* IxoMapLemma(const char*) { return ++calls, nullptr; }
void* IxoMapStatus(const char*) { return ++calls, nullptr; }
int IxoMapTextCnt() { return ++calls, 0; }
int IxoMapEnglishCnt() { return ++calls, 0; }
int IxoMapLemmaCnt() { return ++calls, 0; }
int IxoMapStatusCnt() { return ++calls, 0; }
int StubCalls() { return calls; }

}  // extern "C"

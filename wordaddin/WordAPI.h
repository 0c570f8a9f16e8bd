#pragma once
// The one door between the add-in and its host: a command buffer built on the
// caller's stack, filled with typed arguments, handed to the host's exported
// command dispatcher and thrown away. The host reads the slots exactly as laid
// out here, so the layout is fixed.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace wordaddin {

// One argument or result slot as the host reads it (16 bytes, little-endian).
struct TWordArg {
  // An integer in the low 4 bytes with the high 4 bytes 0, or a pointer to a
  // NUL-terminated 8-bit string (a pointer fills all 8 bytes on this platform).
  std::uint64_t Value;
  // Length of a dialog string field; in the result slot of a string result, the
  // size of the caller's buffer.
  std::uint16_t Length;
  // 1 integer, 4 string; for dialog fields the low byte may also carry 0x40 and 0x20.
  std::uint16_t Type;
  // Number of the dialog field, 0 for plain arguments.
  std::uint16_t FieldId;
  std::uint16_t Reserved;

  std::int32_t IntValue() const { return static_cast<std::int32_t>(static_cast<std::uint32_t>(Value)); }
  const char* TextValue() const { return reinterpret_cast<const char*>(static_cast<std::uintptr_t>(Value)); }
};
static_assert(sizeof(TWordArg) == 16);
static_assert(offsetof(TWordArg, Value) == 0);
static_assert(offsetof(TWordArg, Length) == 8);
static_assert(offsetof(TWordArg, Type) == 10);
static_assert(offsetof(TWordArg, FieldId) == 12);
static_assert(sizeof(void*) <= sizeof(std::uint64_t));

inline constexpr std::uint16_t kArgInteger = 1;
inline constexpr std::uint16_t kArgString = 4;
// Type bits of dialog fields, set from the command's Flags (bit 0 and bit 1).
inline constexpr std::uint16_t kFieldFlag40 = 0x40;
inline constexpr std::uint16_t kFieldFlag20 = 0x20;
inline constexpr std::size_t kMaxWordArgs = 34;

// The host's command dispatcher, exported by name from the host's program.
using TCommandDispatch = std::int32_t(std::int32_t commandId, std::int32_t dlgOptions,
                                      std::int32_t argCount, TWordArg* args, TWordArg* result);
inline constexpr char kCommandDispatchName[] = "wdCommandDispatch";

// Statuses the add-in produces itself, numbered as the host numbers its own.
inline constexpr std::int32_t kStatusNoWordLink = 5000;        // no dispatcher in the host
inline constexpr std::int32_t kStatusTooManyParameters = 5015;  // an argument did not fit

// Host command numbers the add-in sends.
namespace command {
inline constexpr std::int32_t RegisterMacro = -32394;  // DocRef, macro name[, description]
inline constexpr std::int32_t AddMenu = 615;           // dialog fields 8, 43, 152, 684, 3
inline constexpr std::int32_t AddMenuItem = 433;       // dialog fields 3, 7, 1, 8, 43, 684, 328, 152
inline constexpr std::int32_t InsertText = -32750;     // text at the insertion point
inline constexpr std::int32_t Italic = -32695;         // 1 on, 0 off
inline constexpr std::int32_t Bold = -32696;           // 1 on, 0 off
inline constexpr std::int32_t Color = -32697;          // colour value
inline constexpr std::int32_t Superscript = -32687;    // 1 on, 0 off
// 1 before a modal form of the add-in is shown and before an insertion, 0 when the form has closed.
inline constexpr std::int32_t FormMode = -32529;
// 0 before an insertion begins, 1 after a form of the add-in has closed.
inline constexpr std::int32_t ScreenRefresh = -32495;
}  // namespace command

// Dialog field numbers of the menu commands.
namespace field {
inline constexpr std::uint16_t Macro = 1;
inline constexpr std::uint16_t DocRef = 3;
inline constexpr std::uint16_t Menu = 7;
inline constexpr std::uint16_t Text = 8;  // the menu's name (AddMenu) or the item's text (AddMenuItem)
inline constexpr std::uint16_t Position = 43;
inline constexpr std::uint16_t Flag = 684;
// Two fields the menu commands always send with 1; their meaning is the host's.
inline constexpr std::uint16_t Always152 = 152;
inline constexpr std::uint16_t Always328 = 328;
}  // namespace field

// The command buffer. Every slot that is not set reads as 0.
struct TWordCommand {
  std::int32_t CommandId = 0;
  void* ResultBuf = nullptr;
  std::uint16_t ResultSize = 0;
  std::uint8_t Flags = 0;
  std::uint8_t DlgOptions = 0;
  std::int32_t ArgCount = 0;
  TWordArg Result{};
  std::array<TWordArg, kMaxWordArgs> Args{};
  // Set when an argument was refused because every slot was taken; such a
  // buffer is never dispatched.
  bool Refused = false;

  // Empties the buffer for a command; a string result (type 4) is written by the
  // host straight into resultBuf, at most resultSize bytes.
  void Init(std::int32_t commandId, std::uint16_t resultType, void* resultBuf, std::uint16_t resultSize);
  void InitDialog(std::int32_t commandId, std::uint16_t resultType, void* resultBuf,
                  std::uint16_t resultSize, std::uint8_t dlgOptions, std::uint8_t flags);

  // Each fills the next slot and returns false (refusing the argument) when all are taken.
  // Strings are not copied: they must outlive Execute.
  bool AddInt(std::int32_t value);
  bool AddString(const char* text);
  bool AddFieldInt(std::uint16_t fieldId, std::int32_t value);
  bool AddFieldString(std::uint16_t fieldId, const char* text, std::uint16_t length);
  // Type and field number of the next slot, with the Flags bits; false when all are taken.
  bool SetFieldType(std::uint16_t fieldId, std::uint16_t type);

  // Dispatches the buffer; a failure shows its name in a box captioned "debug".
  // Returns the status, 0 on success.
  std::int32_t Execute();
  // Copies an integer result into resultBuf, at most the size of the result's value.
  void CopyResult(void* resultBuf, std::uint16_t resultSize) const;
  // Execute; a failure shows a second box captioned with the command number. True on success.
  bool Run();

 private:
  TWordArg* NextSlot();
};

// Looks up the host's dispatcher anew and calls it; 5000 when the host exports none.
std::int32_t CallCommandDispatch(std::int32_t commandId, std::uint8_t dlgOptions, std::int32_t argCount,
                                 TWordArg* args, TWordArg* result);

// A box with the host status' name, captioned as given.
void ShowWordError(std::string_view caption, std::int32_t code);

}  // namespace wordaddin

#include "worddecs.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace wordaddin {
namespace {

struct ErrorName {
  std::int32_t code;
  std::string_view name;
};

// The host's macro-language error names. The host stores them blank-padded:
// codes below 100 to 22 characters, the others to 21; a longer name keeps one
// trailing blank.
constexpr ErrorName kMacroErrors[] = {
    {5, "IllegalFunctionCall"},
    {6, "Overflow"},
    {7, "OutOfMemory"},
    {9, "SubscriptOutOfRange"},
    {11, "DivisionByZero"},
    {14, "OutOfStringSpace"},
    {22, "BadArrayBound"},
    {23, "CannotWriteDisk"},
    {24, "BadParam"},
    {25, "OutOfStack"},
    {26, "UDlgNoButton"},
    {27, "NoResume"},
    {28, "DirExists"},
    {39, "CaseElseExpected"},
    {51, "InternalError"},
    {52, "BadFileNameOrNumber"},
    {53, "FileNotFound"},
    {54, "BadFileMode"},
    {55, "FileAlreadyOpen"},
    {57, "DeviceIOError"},
    {62, "InputPastEndOfFile"},
    {64, "BadFileName"},
    {67, "TooManyFiles"},
    {73, "AdvFeatureUnavail"},
    {74, "RenameAcrossDisks"},
    {75, "PathFileAccessError"},
    {76, "PathNotFound"},
    {100, "SyntaxError"},
    {101, "CommaMissing"},
    {102, "CommandFailed"},
    {103, "DlgRecVarExpected"},
    {104, "ElseWithoutIf"},
    {105, "EndIfWithoutIf"},
    {109, "InputMissing"},
    {110, "NoResumeNext"},
    {111, "ExpressionTooComplex"},
    {112, "IdentifierExpected"},
    {113, "DuplicateLabel"},
    {114, "LabelNotFound"},
    {115, "MissingRightParen"},
    {116, "ArgCountMismatch"},
    {117, "MissingNextOrWend"},
    {118, "NestedSubOrFunc"},
    {119, "NextWithoutFor"},
    {120, "ArrayAlreadyDimed"},
    {122, "TypeMismatch"},
    {123, "UndefDlgRecField"},
    {124, "SubprogNotDefined"},
    {125, "UnexpectedEndOfMacro"},
    {126, "WendWithoutWhile"},
    {127, "WrongNumOfDimensions"},
    {129, "TooManyCtrlStructs"},
    {130, "MissingEndSelect"},
    {131, "IllegalRedim"},
    {132, "DllMadeStringTooLong"},
    {133, "BadDllCall"},
    {134, "BadDate"},
    {135, "NotOnThisPlatform"},
    {136, "CmdNotOnThisPlatform"},
    {137, "InvalidPathOpt"},
    {138, "CantChangeSel"},
    {139, "UserDlgUp"},
    {140, "InvalDlgControlId"},
    {141, "UnavailableOnCtl"},
    {142, "BadAppName"},
    {143, "InvalDlgHideDisable"},
    {144, "InvalDlgFocus"},
    {145, "InvalMergeField"},
    {146, "NoMergeField"},
    {147, "InternalStringError"},
    {148, "AppMaximized"},
    {149, "CommandNotFunction"},
    {150, "DuplDlgControlId"},
    {151, "DocMaximized"},
    {152, "NoDocOpen"},
    {153, "DocMinimized"},
    {154, "AppMinimized"},
    {155, "NotInField"},
    {156, "FieldHasNoData"},
    {157, "NotDataField"},
    {158, "ParamTooLow"},
    {159, "ParamTooHigh"},
    {160, "WrongNumOfParams"},
    {161, "CantCallDlg"},
    {162, "CommandOnlyFunction"},
    {163, "DlgActiveOnly"},
    {164, "ArrayNotDimed"},
    {500, "CannotInitiate"},
    {501, "BogusDcl"},
    {502, "NoResponse"},
    {503, "AppNacked"},
    {504, "NoSuchWin"},
    {505, "CantActivate"},
    {506, "CannotSendKeys"},
    {508, "AppBusyed"},
    {509, "ModeError"},
    {511, "NoMacro"},
    {512, "OutOfRange"},
    {513, "StringTooBig"},
    {514, "DocNotOpen"},
    {528, "UnableToLoadSpeller"},
    {529, "CannotOpenDictionary"},
    {530, "DlgBoxTooComplex"},
    {532, "UnknownLoc"},
    {534, "NoWordkey"},
    {535, "MacroAlreadyRunning"},
    {536, "BadMacroName"},
    {537, "CantRun"},
    {538, "CantEdit"},
    {539, "CantRename"},
    {540, "CantDelete"},
    {541, "CantSetDesc"},
    {542, "CantEditDesc"},
    {543, "CantFindLib"},
    {544, "NoScrollBar"},
    {545, "StatementDisabled"},
    {546, "FtnEdnNotContinuous"},
    {547, "NoNetPerm"},
    {549, "MenuDoesntExist"},
    {550, "CantRecord"},
    {551, "GlsyDocLocked"},
    {552, "NoTemplate"},
    {553, "CantCreate"},
    {554, "NoDrawingRangeSet"},
    {555, "InvalidDrawingRangeBookmark"},
    {556, "WrongDrawnObjectType"},
    {557, "CouldntInsertDO"},
    {558, "ChapterLock"},
    {559, "BlockSel"},
    {560, "RevisionsHidden"},
    {561, "ProtectedDoc"},
    {562, "GramStatsMultLang"},
    {563, "NotMaster"},
    {564, "GotoInvalid"},
    {565, "NotAnAddInFile"},
    {566, "FileInUse"},
    {567, "ListMaxReached"},
    {568, "FontNotExist"},
    {569, "FindSearchType"},
    {570, "SortArrayDim"},
    {571, "TooManyAccelKey"},
    {572, "IllegalFirstAccel"},
    {573, "IllegalSecondAccel"},};

// The dispatcher's own statuses, exactly as the host words them.
constexpr ErrorName kDispatchErrors[] = {
    {5000, "Unable to access word link"},
    {5001, "WrdApi Invalid Command Id "},
    {5002, "WrdApi parameter block has odd number of bytes "},
    {5003, "WrdApi command is not available "},
    {5004, "WrdApi too many or too few arguments "},
    {5005, "WrdApi Error in our own data or handling "},
    {5006, "WrdApi pb doesn't have acceptable # of bytes"},
    {5007, "WrdApi non function called as function"},
    {5008, "WrdApi parameter type passed or expected is wrong"},
    {5009, "WrdApi string is longer than 255 characters "},
    {5010, "WrdApi pointer for output is Nil     "},
    {5011, "WrdApi can't lock global handle"},
    {5012, "WrdApi can't allocate global handle"},
    {5013, "WrdApi commmand has no dialog "},
    {5014, "WrdApi is out of memory"},
    {5015, "WrdApi too many parameters passed to function"},
    {5016, "WrdApi Field Id not in Dialog "},
    {5017, "WrdApi Handle has not been allocated"},
    {5018, "WrdApi parameter takes an array only"},
    {5019, "WrdApi too many dimesions for array"},
    {5020, "WrdApi parameter passed was not a short long or num"},
    {5021, "WrdApi parameter passed was not a string"},
    {5022, "WrdApi parameter value was out of acceptable range"},
    {5023, "WrdApi String Type requested for numeric only field"},
    {5024, "WrdApi Numeric Type requested for string only field"},
    {5025, "WrdApi Buffer for return string is too small"},
    {5026, "WrdApi Array string buffer is too small "},
    {5027, "WrdApi Dialog command string buffer too small"},
    {5028, "WrdApi BufferTooSmall bit set on input"},
    {5029, "WrdApi String Passed can't be parsed "},
    {5030, "WrdApi Bad pointer in message (CMI) "},
    {5031, "WrdApi WrdApi command failed "},
    {5032, "WrdApi Document Reference Number is Invalid"},
    {5033, "WrdApi Minimum Stack not available "},
    {5034, "WrdApi0 was passed as string pointer "},
};

template <std::size_t N>
const ErrorName* Find(const ErrorName (&table)[N], std::int32_t code) {
  const auto* found = std::find_if(std::begin(table), std::end(table),
                                   [code](const ErrorName& entry) { return entry.code == code; });
  return found == std::end(table) ? nullptr : found;
}

std::string Padded(std::int32_t code, std::string_view name) {
  const std::size_t width = code < 100 ? 22 : 21;
  std::string text(name);
  text.append(text.size() < width ? width - text.size() : 1, ' ');
  return text;
}

}  // namespace

std::string WordErrorName(std::int32_t code) {
  if (code == 0) return "WrdApi No Error";
  if (const ErrorName* entry = Find(kMacroErrors, code)) return Padded(code, entry->name);
  if (const ErrorName* entry = Find(kDispatchErrors, code)) return std::string(entry->name);
  return "Undefined Error type " + std::to_string(code);
}

}  // namespace wordaddin

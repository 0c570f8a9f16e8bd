#include "publish/OutputFile.h"

#include "platform/Dialogs.h"

namespace publish {

void ReportUnwritable(std::string_view path) {
  platform::MessageDlg("Could not open or write to: '" + std::string(path) + "'",
                       platform::DialogType::Error);
}

}  // namespace publish

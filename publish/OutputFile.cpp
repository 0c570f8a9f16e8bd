#include "publish/OutputFile.h"

#include "platform/Dialogs.h"

namespace publish {

void ReportUnwritable(std::string_view path) {
  platform::MessageDlg("Could not open or write to: '" + std::string(path) + "'",
                       platform::DialogType::Error);
}

bool WriteWholeFile(FileSink& sink, const std::string& path, std::string_view bytes) {
  std::unique_ptr<OutputFile> file = sink.Create(path);
  if (!file || !file->Write(bytes) || !file->Commit()) {
    ReportUnwritable(path);
    return false;
  }
  return true;
}

}  // namespace publish

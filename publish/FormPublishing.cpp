#include "publish/FormPublishing.h"

#include "platform/Paths.h"
#include "publish/OutputFile.h"
#include "ui/ModalForm.h"

namespace publish {

bool PublishIntoFolder(ui::ModalForm& form, const std::string& folder, const PublishHandlers& handlers) {
  if (!platform::ForceDirectories(folder)) {
    ReportUnwritable(folder);
    return false;
  }
  if (handlers.ClearHistory) handlers.ClearHistory();
  form.SetModalResult(ui::ModalResult::OK);
  if (handlers.Publish) handlers.Publish();
  return true;
}

}  // namespace publish

#include "publish/FormPublishing.h"

#include "platform/Paths.h"
#include "publish/OutputFile.h"
#include "publish/PublishOptions.h"
#include "ui/ModalForm.h"

namespace publish {

bool PublishIntoFolder(ui::ModalForm& form, const PublishOptions& options, const PublishHandlers& handlers) {
  if (!platform::ForceDirectories(options.folder)) {
    ReportUnwritable(options.folder);
    return false;
  }
  if (handlers.ClearHistory) handlers.ClearHistory();
  form.SetModalResult(ui::ModalResult::OK);
  if (handlers.Publish) handlers.Publish(options);
  return true;
}

}  // namespace publish

#pragma once
// The add-in's message boxes and message dialogs as modal Qt message boxes,
// shown in the host's application.

#include "platform/Dialogs.h"

namespace wordaddin {

class QtDialogService final : public platform::DialogService {
 public:
  platform::ModalResult Show(const platform::DialogRequest& request) override;
};

}  // namespace wordaddin

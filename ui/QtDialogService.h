#pragma once
// The dialog service of the programs: every message box and message dialog is
// a real modal message box. A message dialog is captioned by its type.

#include "platform/Dialogs.h"

namespace ui {

class QtDialogService final : public platform::DialogService {
 public:
  platform::ModalResult Show(const platform::DialogRequest& request) override;
};

}  // namespace ui

#pragma once
// Message boxes and message dialogs through one replaceable service.
// Without a user interface the default service prints to standard error and
// takes the default answer; the programs install one that shows real dialogs;
// tests install a recorder with scripted answers.

#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class DialogType { Warning, Error, Information, Confirmation };
enum class DialogButtons { OK, OKCancel, YesNo, YesNoCancel };
enum class ModalResult { None, OK, Cancel, Yes, No };

struct DialogRequest {
  enum class Kind { MessageBox, MessageDialog };
  Kind kind = Kind::MessageDialog;
  std::string text;
  std::string caption;  // message boxes only
  DialogType type = DialogType::Information;
  DialogButtons buttons = DialogButtons::OK;
};

// The answer a dialog gives when nobody chooses: OK, Yes, or the first button.
ModalResult DefaultAnswer(DialogButtons buttons);

// The caption of a message dialog of this type: "Warning", "Error", "Information", "Confirm".
std::string_view DialogTypeName(DialogType type);

class DialogService {
 public:
  virtual ~DialogService() = default;
  virtual ModalResult Show(const DialogRequest& request) = 0;
};

// Prints each request to standard error and answers with the default.
class ConsoleDialogService final : public DialogService {
 public:
  ModalResult Show(const DialogRequest& request) override;
};

// Keeps every request; answers from a script, then with the default.
class RecordingDialogService final : public DialogService {
 public:
  ModalResult Show(const DialogRequest& request) override;
  void Answer(ModalResult result) { answers_.push_back(result); }
  const std::vector<DialogRequest>& Shown() const { return shown_; }
  void Clear() { shown_.clear(); answers_.clear(); }

 private:
  std::vector<DialogRequest> shown_;
  std::deque<ModalResult> answers_;
};

// Installs a service for the process and returns the one it replaces.
// A null service restores the console service.
std::shared_ptr<DialogService> SetDialogService(std::shared_ptr<DialogService> service);
DialogService& CurrentDialogService();

// Installs a service for the life of the guard, then puts back the previous one.
class ScopedDialogService {
 public:
  explicit ScopedDialogService(std::shared_ptr<DialogService> service)
      : previous_(SetDialogService(std::move(service))) {}
  ~ScopedDialogService() { SetDialogService(std::move(previous_)); }
  ScopedDialogService(const ScopedDialogService&) = delete;
  ScopedDialogService& operator=(const ScopedDialogService&) = delete;

 private:
  std::shared_ptr<DialogService> previous_;
};

// A message box: text, caption, buttons and icon.
ModalResult MessageBox(std::string_view text, std::string_view caption,
                       DialogButtons buttons = DialogButtons::OK,
                       DialogType type = DialogType::Information);

// A message dialog: text, type and buttons, captioned by its type.
ModalResult MessageDlg(std::string_view text, DialogType type,
                       DialogButtons buttons = DialogButtons::OK);

}  // namespace platform

#pragma once
// One run of the host: its document, menus and log, the dispatcher's commands,
// and the add-in it loaded.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "AddinLibrary.h"
#include "HostCommands.h"
#include "HostDocument.h"
#include "HostLog.h"
#include "HostMenus.h"

namespace wordhost {

class HostSession {
 public:
  // The reference the host gives its add-in.
  static constexpr std::int32_t kAddinDocRef = 1;

  // Becomes the target of the exported dispatcher for its lifetime.
  HostSession();
  ~HostSession();
  HostSession(const HostSession&) = delete;
  HostSession& operator=(const HostSession&) = delete;

  // Loads the add-in and runs its auto-open entry point; false with the reason in error.
  bool OpenAddin(const std::string& path, std::string& error);
  // Runs the add-in's auto-remove entry point, once.
  void CloseAddin();

  // Runs a command the add-in registered; false when it registered none of that name.
  bool RunCommand(std::string_view name);

  // Writes the document as RTF; false when the file cannot be written.
  bool SaveRtf(const std::string& path) const;

  HostDocument& Document() { return document_; }
  HostMenus& Menus() { return menus_; }
  HostLog& Log() { return log_; }
  HostCommands& Commands() { return commands_; }

 private:
  HostDocument document_;
  HostMenus menus_;
  HostLog log_;
  HostCommands commands_;
  std::optional<AddinLibrary> addin_;
  bool addinOpen_ = false;
};

}  // namespace wordhost

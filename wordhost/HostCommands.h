#pragma once
// The host's side of the command dispatcher: checks each command an add-in sends
// and carries it out on the document, the menus and the registered commands,
// answering with the host's status numbers. Every command goes into the log.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "CommandArguments.h"

namespace wordhost {

class HostDocument;
class HostLog;
class HostMenus;

struct RegisteredCommand {
  std::string name;
  std::string description;
};

class HostCommands {
 public:
  HostCommands(HostDocument& document, HostMenus& menus, HostLog& log, std::int32_t docRef);

  // The add-in's reference that every registration must carry.
  std::int32_t DocRef() const { return docRef_; }

  // Which commands the loaded add-in exports; registering any other fails.
  void SetAddinExports(std::function<bool(std::string_view)> hasExport) { hasExport_ = std::move(hasExport); }

  // Answers every later command of this number with the status, doing nothing.
  void FailCommand(std::int32_t commandId, std::int32_t status) { failures_[commandId] = status; }

  // Called with the number of every command the host carried out.
  void SetChangeHandler(std::function<void(std::int32_t)> changed) { changed_ = std::move(changed); }

  std::int32_t Dispatch(std::int32_t commandId, std::int32_t dlgOptions, std::int32_t argCount,
                        TWordArg* args, TWordArg* result) noexcept;

  bool IsRegistered(std::string_view name) const;
  const std::vector<RegisteredCommand>& Registered() const { return registered_; }

  // Set by the add-in while one of its forms is up (input to the host's menus is off).
  bool FormMode() const { return formMode_; }
  // Cleared by the add-in while it inserts (the document view is not refreshed).
  bool ScreenRefresh() const { return screenRefresh_; }

 private:
  std::int32_t Answer(std::int32_t commandId, std::int32_t argCount, TWordArg* args, TWordArg* result);
  std::int32_t Execute(const CommandSignature& signature, const std::vector<ArgValue>& values);
  std::int32_t Register(const std::vector<ArgValue>& values);
  std::int32_t AddMenu(const std::vector<ArgValue>& values);
  std::int32_t AddMenuItem(const std::vector<ArgValue>& values);

  HostDocument& document_;
  HostMenus& menus_;
  HostLog& log_;
  std::int32_t docRef_;
  std::function<bool(std::string_view)> hasExport_;
  std::function<void(std::int32_t)> changed_;
  std::map<std::int32_t, std::int32_t> failures_;
  std::vector<RegisteredCommand> registered_;
  bool formMode_ = false;
  bool screenRefresh_ = true;
};

}  // namespace wordhost

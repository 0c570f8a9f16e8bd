#include "HostSession.h"

#include "CommandDispatch.h"
#include "DocumentRtf.h"
#include "platform/WholeFile.h"

namespace wordhost {

HostSession::HostSession() : commands_(document_, menus_, log_, kAddinDocRef) { SetDispatchTarget(&commands_); }

HostSession::~HostSession() {
  CloseAddin();
  SetDispatchTarget(nullptr);
}

bool HostSession::OpenAddin(const std::string& path, std::string& error) {
  addin_ = AddinLibrary::Load(path, error);
  if (!addin_) return false;
  commands_.SetAddinExports([this](std::string_view name) { return addin_ && addin_->HasCommand(name); });
  addinOpen_ = true;
  addin_->AutoOpen(kAddinDocRef);
  return true;
}

void HostSession::CloseAddin() {
  if (!addinOpen_) return;
  addinOpen_ = false;
  addin_->AutoRemove();
}

bool HostSession::RunCommand(std::string_view name) {
  if (!addin_ || !commands_.IsRegistered(name)) return false;
  return addin_->RunCommand(name);
}

bool HostSession::SaveRtf(const std::string& path) const {
  return platform::ReplaceFileAtomically(path, DocumentRtf(document_));
}

}  // namespace wordhost

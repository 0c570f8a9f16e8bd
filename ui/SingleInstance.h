#pragma once
// One running copy of a program per user. The first copy listens on a local
// socket named after its main window's class and the user; a later copy finds
// it there, sends it the activation message (2635) and waits until the first
// copy has handled it, then ends. A socket left behind by a copy that is gone
// is taken over, and two copies started at the same moment settle on one first
// copy: the claim runs under a lock file beside the socket.

#include <QString>
#include <functional>
#include <memory>

class QLocalServer;

namespace ui {

class SingleInstance {
 public:
  // The message a second copy sends: the main window shows and raises itself.
  static constexpr int kActivateMessage = 2635;

  enum class Role { First, Second };

  // The socket for windowClass and the current user, in the user's runtime
  // folder (else the temporary folder).
  static QString SocketPathFor(const QString& windowClass);

  // onActivate runs in the first copy each time another copy starts.
  SingleInstance(QString socketPath, std::function<void()> onActivate);
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // Second: a first copy runs and has been activated; this copy should end.
  // First: this copy now listens (also when listening failed: it runs alone).
  Role Claim();

 private:
  bool HandOver() const;
  void Listen();

  QString socketPath_;
  std::function<void()> onActivate_;
  std::unique_ptr<QLocalServer> server_;
};

}  // namespace ui

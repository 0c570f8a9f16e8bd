#include "SingleInstance.h"

#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

namespace ui {
namespace {

constexpr int kConnectMs = 1000;
constexpr int kAnswerMs = 10000;
constexpr int kLockMs = 10000;
const QByteArray kAnswer = "done\n";

QByteArray MessageLine() { return QByteArray::number(SingleInstance::kActivateMessage) + '\n'; }

}  // namespace

QString SingleInstance::SocketPathFor(const QString& windowClass) {
  QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::tempPath();
  return QDir(folder).filePath(windowClass + '-' + QString::number(getuid()));
}

SingleInstance::SingleInstance(QString socketPath, std::function<void()> onActivate)
    : socketPath_(std::move(socketPath)), onActivate_(std::move(onActivate)) {}

SingleInstance::~SingleInstance() = default;

SingleInstance::Role SingleInstance::Claim() {
  QLockFile lock(socketPath_ + ".lock");
  // A copy starting at the same moment holds the lock until it listens; a lock
  // left by a copy that died is taken over. Past the wait, go on unguarded.
  lock.tryLock(kLockMs);
  if (HandOver()) return Role::Second;
  Listen();
  return Role::First;
}

bool SingleInstance::HandOver() const {
  QLocalSocket socket;
  socket.connectToServer(socketPath_);
  if (!socket.waitForConnected(kConnectMs)) return false;
  socket.write(MessageLine());
  socket.waitForBytesWritten(kConnectMs);
  // The first copy answers once it has shown its window.
  while (!socket.canReadLine() && socket.waitForReadyRead(kAnswerMs)) {
  }
  return true;
}

void SingleInstance::Listen() {
  // Nobody answered: whatever socket is there was left by a copy that is gone.
  QLocalServer::removeServer(socketPath_);
  server_ = std::make_unique<QLocalServer>();
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(socketPath_)) return;

  QLocalServer* server = server_.get();
  QObject::connect(server, &QLocalServer::newConnection, server, [this, server] {
    while (QLocalSocket* peer = server->nextPendingConnection()) {
      QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
      QObject::connect(peer, &QLocalSocket::readyRead, peer, [this, peer] {
        while (peer->canReadLine()) {
          if (peer->readLine() != MessageLine()) continue;
          if (const auto activate = onActivate_) activate();
          peer->write(kAnswer);
          peer->flush();
        }
      });
    }
  });
}

}  // namespace ui

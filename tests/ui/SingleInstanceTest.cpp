#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <atomic>
#include <cstring>
#include <future>
#include <thread>

#include "TempFolder.h"
#include "ui/SingleInstance.h"

namespace ui {
namespace {

using Role = SingleInstance::Role;

class SingleInstanceTest : public ::testing::Test {
 protected:
  testing_support::TempFolder folder;
  QString socket = QString::fromStdString(folder.File("TIxoBibleMainForm-test"));
};

// Runs a claim on another thread while this one serves the first copy's events.
Role ClaimWhileServing(const QString& socket) {
  std::future<Role> second = std::async(std::launch::async, [socket] {
    SingleInstance instance(socket, [] {});
    return instance.Claim();
  });
  QElapsedTimer clock;
  clock.start();
  while (second.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready &&
         clock.elapsed() < 20000)
    QCoreApplication::processEvents();
  return second.get();
}

void LeaveStaleSocket(const QString& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray name = path.toLocal8Bit();
  std::strncpy(address.sun_path, name.constData(), sizeof(address.sun_path) - 1);
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
  ::close(fd);  // bound, never listened: what a copy that crashed leaves behind
}

bool SomeoneListens(const QString& path) {
  QLocalSocket probe;
  probe.connectToServer(path);
  return probe.waitForConnected(1000);
}

TEST_F(SingleInstanceTest, SecondCopyActivatesTheFirstAndWaitsUntilItHasBeenHandled) {
  int activations = 0;
  SingleInstance first(socket, [&] { ++activations; });
  ASSERT_EQ(first.Claim(), Role::First);

  EXPECT_EQ(ClaimWhileServing(socket), Role::Second);
  EXPECT_EQ(activations, 1);  // already handled when the second copy's claim returned
  EXPECT_EQ(ClaimWhileServing(socket), Role::Second);
  EXPECT_EQ(activations, 2);
}

TEST_F(SingleInstanceTest, SocketLeftByAVanishedCopyIsTakenOver) {
  LeaveStaleSocket(socket);
  ASSERT_TRUE(QFileInfo::exists(socket));
  ASSERT_FALSE(SomeoneListens(socket));

  SingleInstance instance(socket, [] {});
  EXPECT_EQ(instance.Claim(), Role::First);
  EXPECT_TRUE(SomeoneListens(socket));
}

TEST_F(SingleInstanceTest, NextCopyBecomesTheFirstOnceTheFirstHasEnded) {
  {
    SingleInstance first(socket, [] {});
    ASSERT_EQ(first.Claim(), Role::First);
  }
  EXPECT_FALSE(SomeoneListens(socket));
  SingleInstance next(socket, [] {});
  EXPECT_EQ(next.Claim(), Role::First);
}

TEST(SingleInstance, SocketIsNamedAfterTheWindowClassAndTheUser) {
  const QString path = SingleInstance::SocketPathFor("TIxoBibleMainForm");
  EXPECT_TRUE(path.endsWith("/TIxoBibleMainForm-" + QString::number(getuid()))) << path.toStdString();
  EXPECT_TRUE(QFileInfo(QFileInfo(path).path()).isDir());
}

struct Probe {
  QProcess process;
  explicit Probe(const QString& socket, int lifetimeMs) {
    process.start(SINGLE_INSTANCE_PROBE, {socket, QString::number(lifetimeMs)});
  }
  QString Finish() {
    EXPECT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
  }
};

TEST_F(SingleInstanceTest, SecondProcessHandsOverAndEndsWithZero) {
  Probe first(socket, 3000);
  ASSERT_TRUE(first.process.waitForReadyRead(10000));
  ASSERT_EQ(first.process.readLine(), "first\n");

  Probe second(socket, 3000);
  EXPECT_EQ(second.Finish(), "second\n");
  EXPECT_EQ(first.Finish(), "activated\n");
}

TEST_F(SingleInstanceTest, OfTwoProcessesStartedAtOnceOneWins) {
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE(round);
    const QString roundSocket = socket + QString::number(round);
    Probe a(roundSocket, 1500);
    Probe b(roundSocket, 1500);
    const QString outputs = a.Finish() + b.Finish();
    EXPECT_EQ(outputs.count("first\n"), 1) << outputs.toStdString();
    EXPECT_EQ(outputs.count("second\n"), 1) << outputs.toStdString();
    EXPECT_EQ(outputs.count("activated\n"), 1) << outputs.toStdString();
  }
}

}  // namespace
}  // namespace ui

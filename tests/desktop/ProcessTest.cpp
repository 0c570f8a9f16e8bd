// The program itself, started as a process: one copy per user. Each copy runs
// offscreen with the plain browser (the web engine does not run under the
// address sanitizer) on the fixture installation.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>
#include <functional>

#include "DesktopFixture.h"
#include "desktop/ChapterPagesMarker.h"

namespace desktop_testing {
namespace {

// Lets events run while it waits: a process's end is noticed through them.
bool WaitFor(const std::function<bool()>& done) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > 60000) return false;
    QCoreApplication::processEvents();
    QThread::msleep(20);
  }
  return true;
}

class ProgramProcess : public ::testing::Test {
 protected:
  ~ProgramProcess() override {
    for (QProcess* copy : copies_) {
      copy->kill();
      copy->waitForFinished();
      delete copy;
    }
  }

  QProcess& Start() {
    auto* copy = new QProcess;
    copies_.push_back(copy);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(fixture.RuntimeFolder()));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("IXO_PLAIN_BROWSER", "1");
    copy->setProcessEnvironment(environment);
    copy->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    copy->start(IXODESK_PROGRAM, {});
    EXPECT_TRUE(copy->waitForStarted(10000));
    return *copy;
  }

  // Until the copy has written the chapter pages: by then it listens for later copies.
  bool WaitUntilPagesWritten(const QProcess& copy) {
    return WaitFor([&] {
      return desktop::ChapterPagesWritten(fixture.HtmlDir()) || copy.state() == QProcess::NotRunning;
    }) && copy.state() == QProcess::Running;
  }

  bool SomeoneListens() {
    QLocalSocket probe;
    probe.connectToServer(QString::fromStdString(fixture.RuntimeFolder()) + "TIxoBibleMainForm-" +
                          QString::number(getuid()));
    return probe.waitForConnected(1000);
  }

  static void ExpectEndedWithZero(QProcess& copy) {
    if (copy.state() != QProcess::NotRunning) {
      ASSERT_TRUE(copy.waitForFinished(60000));
    }
    EXPECT_EQ(copy.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(copy.exitCode(), 0);
  }

  DesktopFixture fixture;

 private:
  std::vector<QProcess*> copies_;
};

TEST_F(ProgramProcess, SecondCopyHandsOverToTheFirstAndEndsWithZero) {
  QProcess& first = Start();
  ASSERT_TRUE(WaitUntilPagesWritten(first));
  QProcess& second = Start();
  ExpectEndedWithZero(second);
  EXPECT_EQ(first.state(), QProcess::Running);
}

TEST_F(ProgramProcess, OfTwoCopiesStartedAtOnceOneRunsAndTheOtherEndsWithZero) {
  QProcess& one = Start();
  QProcess& other = Start();
  ASSERT_TRUE(WaitFor([&] { return one.state() == QProcess::NotRunning || other.state() == QProcess::NotRunning; }));
  QProcess& ended = one.state() == QProcess::NotRunning ? one : other;
  QProcess& running = &ended == &one ? other : one;
  ExpectEndedWithZero(ended);
  EXPECT_TRUE(WaitUntilPagesWritten(running));
}

TEST_F(ProgramProcess, CopyStartedAfterTheFirstVanishedBecomesTheFirst) {
  QProcess& first = Start();
  ASSERT_TRUE(WaitUntilPagesWritten(first));
  first.kill();  // leaves its socket behind
  ASSERT_TRUE(first.waitForFinished(10000));

  QProcess& next = Start();
  ASSERT_TRUE(WaitFor([&] { return SomeoneListens() || next.state() == QProcess::NotRunning; }));
  ASSERT_EQ(next.state(), QProcess::Running);
  QProcess& later = Start();
  ExpectEndedWithZero(later);
  EXPECT_EQ(next.state(), QProcess::Running);
}

}  // namespace
}  // namespace desktop_testing

// Claims the single instance on the socket given as the first argument. A
// second copy prints "second" and ends; the first prints "first", serves for
// the number of milliseconds given as the second argument, printing
// "activated" for every copy that hands over, and ends.

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "ui/SingleInstance.h"

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  if (argc < 3) return 2;
  ui::SingleInstance instance(QString::fromLocal8Bit(argv[1]), [] {
    std::puts("activated");
    std::fflush(stdout);
  });
  if (instance.Claim() == ui::SingleInstance::Role::Second) {
    std::puts("second");
    return 0;
  }
  std::puts("first");
  std::fflush(stdout);
  QTimer::singleShot(std::atoi(argv[2]), &application, &QCoreApplication::quit);
  return application.exec();
}

#pragma once
// A file descriptor of the platform layer's own, closed when it goes out of
// scope.

#include <unistd.h>

namespace platform {

class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() { Close(); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return fd_; }
  // Closes now and tells whether the close succeeded (a late write error
  // shows here); a descriptor already closed, or never opened, is not closed again.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return fd < 0 || ::close(fd) == 0;
  }

 private:
  int fd_;
};

}  // namespace platform

#pragma once
// A library loaded by path at run time, with functions bound by name.

#include <memory>
#include <string>

namespace platform {

class SharedLibrary {
 public:
  SharedLibrary() = default;

  // Loads the library; an empty object (IsLoaded false) when it cannot be
  // loaded. A bare name (no "/") is found in the program's own folder first,
  // then where the system's loader looks.
  static SharedLibrary Load(const std::string& path);

  // The running program's own image, for binding what the program exports.
  static SharedLibrary Program();

  bool IsLoaded() const { return handle_ != nullptr; }

  // The address of an exported symbol, or null.
  void* Symbol(const char* name) const;

  // The exported function as a typed pointer, or null.
  template <typename Function>
  Function* Bind(const char* name) const {
    return reinterpret_cast<Function*>(Symbol(name));
  }

  // The loader's last error text.
  static std::string LastError();

 private:
  struct Closer {
    void operator()(void* handle) const;
  };
  std::unique_ptr<void, Closer> handle_;
};

}  // namespace platform

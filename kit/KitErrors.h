#pragma once
// The kit's exceptions. Every error the kit raises is one of these, so that a
// caller outside the kit catches kit::EKitError (or std::exception) at the
// place where it calls in. The kit itself never lets an exception run into
// Qt's event loop: timer ticks, hidden-window messages and owner-form hooks
// catch what their handlers raise and report it through the application's
// exception handler (Application.h).

#include <stdexcept>
#include <string>
#include <string_view>

namespace kit {

class EKitError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A timer, a pool slot or another limited resource is exhausted.
class EOutOfResources : public EKitError {
 public:
  using EKitError::EKitError;
};

class EInvalidOperation : public EKitError {
 public:
  using EKitError::EKitError;
};

class EInvalidPointer : public EKitError {
 public:
  using EKitError::EKitError;
};

// An index outside a list.
class EListError : public EKitError {
 public:
  using EKitError::EKitError;
};

// Reading or writing a stream failed or met data it cannot take.
class EStreamError : public EKitError {
 public:
  using EKitError::EKitError;
};

class EReadError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};

class EFOpenError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};

// A compressed block or framed block stream that cannot be expanded.
class ECompressedDataError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};

class EInvalidGraphic : public EKitError {
 public:
  using EKitError::EKitError;
};

class EInvalidGraphicOperation : public EKitError {
 public:
  using EKitError::EKitError;
};

// A wave that cannot be read, and data that is not a wave.
class EErrorCheckingWave : public EKitError {
 public:
  using EKitError::EKitError;
};

class EInvalidWave : public EKitError {
 public:
  using EKitError::EKitError;
};

class EConvertError : public EKitError {
 public:
  using EKitError::EKitError;
};

inline constexpr char SNotEnoughTimers[] = "Not enough timers available";

// "List index out of bounds (index)".
std::string ListIndexMessage(long long index);

// "Cannot open file name".
std::string CannotOpenFileMessage(std::string_view fileName);

}  // namespace kit

#pragma once
// The error of the OSIS reader: what a verse holds that the reader cannot read
// or the format of the text cannot hold.

#include <stdexcept>

namespace data::kjv {

class OsisError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace data::kjv

// SPDX-License-Identifier: MIT
// Thrown by the picture and sound decoders for input they cannot read.
#pragma once

#include <stdexcept>

namespace hexbrawl {

class DecodeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace hexbrawl

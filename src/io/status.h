#pragma once

#include <string>
#include <utility>

namespace gyro {

// The outcome of a file operation: ok, or a failure with a message for the user.
struct Status {
    bool success = true;
    std::string message;

    static Status Ok() { return {}; }
    static Status Error(std::string text) { return {false, std::move(text)}; }
    bool ok() const { return success; }
};

}  // namespace gyro

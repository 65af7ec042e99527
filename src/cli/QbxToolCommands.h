// The commands of qbxtool, reading through TQbxObject only.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace qbx {

enum ToolExit { kExitDone = 0, kExitUsage = 1, kExitUnreadable = 2, kExitPassword = 3 };

struct ToolOptions {
    bool json = false;
    std::optional<int64_t> offset;                      // nothing: found from the file
    std::optional<std::string> password, nodePassword;  // UTF-8 as typed
    std::optional<std::string> node;                    // --node INDEX of a local search
    std::string command;
    std::vector<std::string> args;
};

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// A request the command refuses, ending with the usage status but without the usage text.
struct Refusal : UsageError {
    using UsageError::UsageError;
};
struct PasswordError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Runs one command; raises UsageError, PasswordError or QbxError.
void RunToolCommand(const ToolOptions& options, std::ostream& out);

}  // namespace qbx

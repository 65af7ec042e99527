// Reads all of a document the way the window would: catalog, every node record
// and body, every attachment list and every attachment into memory. Used by
// the damaged-document tests and the fuzzer.
#pragma once

#include <string>
#include <vector>

#include "document/QbxUnit.h"

namespace qbx::testing {

struct WalkResult {
    int nodes = 0;
    std::vector<std::string> errors;  // one per part that raised QbxError
};

// Each node is read on its own, so one damaged node does not hide the others.
WalkResult WalkDocument(TQbxObject& doc);

}  // namespace qbx::testing

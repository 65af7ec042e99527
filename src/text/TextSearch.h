// The local and full-text searches: a node matches when its body, loaded as
// the content view would load it, contains the text (no options: any case,
// not whole words). Titles are not tested, and nodes without a body never match.
#pragma once

#include <QString>
#include <functional>
#include <string_view>
#include <vector>

#include "document/QbxCatalog.h"
#include "document/QbxUnit.h"

namespace qbx {

bool BodyMatches(std::string_view body, QStringView text);

// Nodes from `first` up to (not including) `end`, in tree order, whose body
// contains `text`. `beforeNode(index)` is asked before each node and stops
// the walk by returning false (the window's cancel button).
std::vector<int> SearchBodies(TQbxObject& doc, const TQbxCatalog& catalog, QStringView text, int first, int end,
                              const std::function<bool(int)>& beforeNode = {});

}  // namespace qbx

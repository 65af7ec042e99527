// Writing a branch of the tree out as files: folder nodes become folders,
// other nodes with a body become ".rtf" or ".txt" files holding the stored
// body bytes. Plain C++, shared by the window and qbxtool.
#pragma once

#include <string>
#include <string_view>

#include "document/QbxCatalog.h"
#include "document/QbxUnit.h"

namespace qbx {

// A title as a file name, on its code page 936 bytes: the nine characters
// " * / : < > ? \ | become "_" (also as second bytes of double-byte characters).
std::string SafeFileName(std::string_view title);

// SafeFileName converted for the file system (UTF-8). A name that would
// still mean "this folder" or "the folder above" ("", ".", "..") becomes "_",
// so nothing is written into or above the chosen folder.
std::string ExportName(std::string_view title);

// Writes the children of `node` into `folder` (which exists). Folder nodes
// are descended into without looking at their password; content nodes with
// a password or without a body are skipped; a folder or file that cannot be
// made is skipped and the export goes on. Read errors are raised.
void ExportBranch(TQbxObject& doc, const TQbxCatalog& catalog, int node, const std::string& folder);

}  // namespace qbx

#pragma once
// Whole folders for a batch: a new hidden work folder, filled with WriteNewFile and
// LinkOrCopyFile (FileWriting.h), then put in place of the edition's folder whole.

#include <string>

namespace kvx {

// Makes a new empty folder inside folder (ending in "/"), with a work name
// (base/WorkNames.h) that ends in label; returns it, ending in "/".
std::string MakeWorkFolder(const std::string& folder, const std::string& label);

// Puts the folder work in the place of target (a full name without the final "/"): a
// reader sees the whole old folder or the whole new one. Whatever held the name (a
// folder, a file, a link; never what a link points to) is removed after (what cannot be
// removed stays in a hidden work folder beside it, which a later batch removes).
void ReplaceFolder(const std::string& work, const std::string& target);

// Removes a file or a folder with everything in it; links are removed, never followed.
void RemoveTree(const std::string& fullName);

}  // namespace kvx

#pragma once
// Names as the program sees them: every name it reads is found in its folder ignoring
// letter case (an exact match wins); a file it writes gets the name as the program spells
// it, replacing a file whose name differs only in letter case.
//
// A folder's names, once listed, are kept while the folder is unchanged (its identity and
// change times are those seen before), so that looking up many names lists the folder
// once. The listings are kept for the whole process, behind a lock, and are never the
// truth: a folder that changed is listed again.

#include <string>
#include <vector>

namespace kvx {

// The folder part of a full name, ending in "/"; the name part.
std::string FolderOf(const std::string& fullName);
std::string NameOf(const std::string& fullName);

// A plain file name: not empty, no path separator, not "." or "..", no drive.
bool IsPlainFileName(const std::string& name);

// The path of an existing file or folder whose last component equals that of fullName
// ignoring ASCII letter case; fullName itself when nothing matches.
std::string Resolve(const std::string& fullName);

// True when a regular file or a folder of that name exists (letter case ignored, links
// followed); a named pipe, socket or device does not count.
bool Exist(const std::string& fullName);

// For the file writers: the other entries of the folder whose name equals that of fullName
// ignoring case, but not exactly; and the program's own change of a name (now present or
// gone), entered into the kept listing.
std::vector<std::string> CaseVariants(const std::string& fullName);
void NoteChange(const std::string& fullName, bool present);

// Removes the entries named (a link itself, never what it points to; a regular file).
void RemoveVariants(const std::vector<std::string>& variants);

}  // namespace kvx

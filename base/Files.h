#pragma once
// Files as the program sees them, one header for the callers of any of its parts:
// FileNames.h (names found ignoring letter case), FileReading.h, FileWriting.h (every
// write through a temporary file put in place whole), WorkFolders.h (a batch's folders),
// WorkNames.h (the names of the program's temporary files) and FolderLock.h.

#include "base/FileNames.h"
#include "base/FileReading.h"
#include "base/FileWriting.h"
#include "base/FolderLock.h"
#include "base/Text.h"
#include "base/WorkFolders.h"
#include "base/WorkNames.h"

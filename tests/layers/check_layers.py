#!/usr/bin/env python3
"""Fails when an include line crosses the program's layers the wrong way:

    base/      the floor: includes nothing of ours outside base/
    core/      the context: base/, ui/, core/ and the state headers App holds
    profile/ book/ navigation/ consult/ ui/    never the roof, shell/
    qm/ helpviewer/ selftest/    small programs: base/, ui/ and their own folder only

Usage: check_layers.py SOURCE_DIR. Prints each offending line as FILE:LINE: message."""

import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
STATE_HEADERS = {"navigation/NavigationState.h", "profile/CompanyProfile.h",
                 "consult/ConsultState.h"}


def allowed(folder, target):
    top = target.split("/", 1)[0] if "/" in target else None
    if top is None:
        return True  # a header beside the source
    if folder == "base":
        return top == "base"
    if folder == "core":
        return top in ("base", "core", "ui") or target in STATE_HEADERS
    if folder in ("profile", "book", "navigation", "consult", "ui"):
        return top != "shell"
    if folder in ("qm", "helpviewer", "selftest"):
        return top in ("base", "ui", folder)
    return True


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else "."
    problems = 0
    for folder in ("base", "core", "profile", "book", "navigation", "consult", "ui", "qm",
                   "helpviewer", "selftest"):
        for dirpath, _, names in os.walk(os.path.join(root, folder)):
            for name in sorted(names):
                if not name.endswith((".h", ".cpp")):
                    continue
                path = os.path.join(dirpath, name)
                with open(path, encoding="utf-8", errors="replace") as f:
                    for number, line in enumerate(f, 1):
                        m = INCLUDE.match(line)
                        if m and not allowed(folder, m.group(1)):
                            rel = os.path.relpath(path, root)
                            print(f"{rel}:{number}: {folder}/ must not include {m.group(1)}")
                            problems += 1
    if problems:
        print(f"{problems} include line(s) cross the layers")
        return 1
    print("layers: every include goes the right way")
    return 0


if __name__ == "__main__":
    sys.exit(main())

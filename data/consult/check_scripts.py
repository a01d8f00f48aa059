#!/usr/bin/env python3
"""Checks the consultation scripts F101.txt ... F107.txt the way the program reads them.

Usage: check_scripts.py [FOLDER]   (default: the folder of this file)

For each script it checks the layout (question blocks, directives, outcome and choice
lines, report blocks, the help section and its end), then walks every path from question 1:
each path must end at a conclusion (@ST) without passing a question twice, every branch
must name an existing question, and every question must be reachable. Topics 2 and 3 are
walked with the program's built-in branch rules. Every question that shows a screen must
have a help block. Prints one line per problem and exits with 1 if there was any.
"""

import os
import re
import sys

NAME_WIDTH = 30  # a company name is cut to 30 characters
MAX_WIDTH = 78  # widest text line, with the longest company name in it
SCRIPT_LIMIT = 1000  # the program reads 1,498 script lines; stay well within
HELP_LIMIT = 400  # and searches 499 help lines
TOPIC2_READS = (1, 3, 5, 6, 8, 9, 10, 11)
TOPIC3_NEXT = {True: {2: 6, 3: 8, 4: 10, 5: 13}, False: {2: 7, 3: 9, 4: 11, 5: 14}}


class Script:
    def __init__(self, path, topic):
        self.path = path
        self.topic = topic
        self.problems = []
        self.blocks = {}  # number -> (kind, targets, text lines)
        self.reports = {}
        self.help = {}
        self.paths = 0

    def problem(self, text):
        self.problems.append(f"{os.path.basename(self.path)}: {text}")


def number(text):
    return int(text) if re.fullmatch(r"\d\d", text) else None


def check_line(script, where, line):
    if any(ord(ch) < 32 or ord(ch) > 126 for ch in line):
        script.problem(f"{where}: not plain printable ASCII")
    shown = line.replace("|CONAME|", "X" * NAME_WIDTH)
    if len(shown.rstrip()) > MAX_WIDTH:
        script.problem(f"{where}: {len(shown.rstrip())} characters wide with a long name")
    if line.lstrip().startswith("|CONAME|"):
        # a company name that begins with the directive character would end the block
        script.problem(f"{where}: begins with the company name")
    if line.strip() == "|CONAME|":
        script.problem(f"{where}: holds only the company name")


def parse(script):
    with open(script.path, "rb") as f:
        data = f.read()
    lines = data.decode("ascii", errors="replace").replace("\r\n", "\n").split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    if "@HELP" not in lines:
        script.problem("no line @HELP")
        return
    cut = lines.index("@HELP")
    body = [line.rstrip() for line in lines[:cut]]
    helps = lines[cut + 1 :]
    if len(body) > SCRIPT_LIMIT:
        script.problem(f"script section has {len(body)} lines")
    if len(helps) > HELP_LIMIT:
        script.problem(f"help section has {len(helps)} lines")

    i = 0
    while i < len(body):
        line = body[i]
        where = f"line {i + 1}"
        check_line(script, where, line)
        key = line.strip() if "@" in line else line
        if not key.strip():
            i += 1
            continue
        m = re.fullmatch(r"@Q(\d\d)", key)
        if line.startswith("@RD"):
            r = number(line[-2:])
            if not re.fullmatch(r"@RD\\\d\d", line) or r is None:
                script.problem(f"{where}: report marker {line!r}")
            elif r in script.reports:
                script.problem(f"{where}: report {r} twice")
            i += 1
            text = []
            while i < len(body) and not body[i].startswith("@"):
                check_line(script, f"line {i + 1}", body[i])
                if "@" in body[i]:
                    script.problem(f"line {i + 1}: text holds the directive character")
                text.append(body[i])
                i += 1
            if r is not None:
                script.reports[r] = text
            if not any(t.strip() for t in text):
                script.problem(f"{where}: empty report")
            continue
        if not m:
            script.problem(f"{where}: stray line outside a block: {line!r}")
            i += 1
            continue
        q = int(m.group(1))
        if q in script.blocks:
            script.problem(f"{where}: question {q} twice")
        i += 1
        text = []
        while i < len(body):
            t = body[i].strip() if "@" in body[i] else body[i]
            if t.startswith("@"):
                break
            check_line(script, f"line {i + 1}", body[i])
            if "@" in body[i]:
                script.problem(f"line {i + 1}: text holds the directive character")
            text.append(body[i])
            i += 1
        if i >= len(body):
            script.problem(f"question {q} has no directive")
            break
        directive = body[i].strip()
        d = i
        i += 1
        targets = []
        if directive == "@YN":
            kind = "YN"
            for k in range(2):
                out = body[d + 1 + k] if d + 1 + k < len(body) else ""
                if number(out[-2:]) is None or "@" in out:
                    script.problem(f"line {d + 2 + k}: bad outcome line {out!r}")
                else:
                    targets.append(("Yes" if k == 0 else "No", number(out[-2:])))
            i = d + 3
        elif directive.startswith("@MC"):
            kind = "MC"
            n = number(directive[-2:])
            if n is None or n < 2:
                script.problem(f"line {d + 1}: bad choice count {directive!r}")
                n = 0
            seen = set()
            for k in range(n):
                out = body[d + 1 + k] if d + 1 + k < len(body) else ""
                first, last = number(out[:2]), number(out[-2:])
                if first is None or last is None or "@" in out:
                    script.problem(f"line {d + 2 + k}: bad choice line {out!r}")
                    continue
                seen.add(first)
                targets.append((str(first), last))
            if n and seen != set(range(1, n + 1)):
                script.problem(f"question {q}: choices {sorted(seen)} are not 1 to {n}")
            i = d + 1 + n
        elif directive.startswith("@GO"):
            kind = "GO"
            if not re.fullmatch(r"@GO.*Q\d\d", directive):
                script.problem(f"line {d + 1}: bad jump {directive!r}")
            else:
                targets.append(("", int(directive[-2:])))
        elif directive in ("@ST", "@BR"):
            kind = directive[1:]
        else:
            script.problem(f"line {d + 1}: unknown directive {directive!r}")
            kind = "??"
        if not any(t.strip() for t in text) and kind in ("YN", "MC", "ST"):
            script.problem(f"question {q} shows no text")
        script.blocks[q] = (kind, targets, text)

    j = 0
    while j < len(helps):
        t = helps[j].strip()
        check_line(script, f"help line {j + 1}", helps[j])
        if t == "@END":
            break
        m = re.fullmatch(r"@H\\(\d\d)", t)
        if not m:
            if t.startswith("@") or "@" in t:
                script.problem(f"help line {j + 1}: {t!r}")
            elif t and j == 0:
                script.problem("help text before the first help marker")
            j += 1
            continue
        q = int(m.group(1))
        if q in script.help:
            script.problem(f"help for question {q} twice")
        j += 1
        text = []
        while j < len(helps) and not helps[j].strip().startswith("@"):
            check_line(script, f"help line {j + 1}", helps[j])
            if "@" in helps[j]:
                script.problem(f"help line {j + 1}: text holds the directive character")
            text.append(helps[j])
            j += 1
        script.help[q] = text
        if not any(x.strip() for x in text):
            script.problem(f"help for question {q} is empty")
    if not any(h.strip() == "@END" for h in helps):
        script.problem("help section does not end with @END")
    elif helps[-1].strip() != "@END":
        script.problem("lines after @END")


def branch_rule(script, q, answers):
    if script.topic == 2:
        missing = [n for n in TOPIC2_READS if n not in answers]
        if missing:
            script.problem(f"branch at question {q} before questions {missing} are asked")
        r = 0
        if answers.get(1) == "No":
            r = 1
        if answers.get(3) == "Yes" or answers.get(6) == "Yes" or answers.get(5) == "No":
            r = 3
        for n in (8, 9, 10, 11):
            if answers.get(n) == "Yes":
                r = n
        if r and r not in script.reports:
            script.problem(f"report {r} is missing")
        return 15, r
    if script.topic == 3:
        a = int(answers.get(1, "0"))
        target = TOPIC3_NEXT[q == 4].get(a)
        if target is None:
            script.problem(f"branch at question {q} after a first answer of {a}")
        return target, None
    script.problem(f"branch at question {q}: this topic has no branch rule")
    return None, None


def walk(script):
    if 1 not in script.blocks:
        script.problem("no question 1")
        return
    reached, used_reports = set(), set()

    def visit(q, answers, trail):
        if q not in script.blocks:
            script.problem(f"question {trail[-1] if trail else '?'} leads to missing {q}")
            return
        if q in trail:
            script.problem(f"cycle {trail[trail.index(q):] + [q]}")
            return
        reached.add(q)
        kind, targets, _ = script.blocks[q]
        trail = trail + [q]
        if kind == "ST":
            script.paths += 1
            return
        if kind == "BR":
            target, r = branch_rule(script, q, answers)
            if r:
                used_reports.add(r)
            if target is not None:
                visit(target, answers, trail)
            return
        if kind == "GO":
            visit(targets[0][1], answers, trail)
            return
        if kind not in ("YN", "MC") or not targets:
            script.problem(f"question {q} ends no path")
            return
        for answer, target in targets:
            visit(target, {**answers, q: answer}, trail)

    visit(1, {}, [])
    for q in sorted(set(script.blocks) - reached):
        script.problem(f"question {q} is never reached")
    for r in sorted(set(script.reports) - used_reports):
        script.problem(f"report {r} is never shown")
    for q, (kind, _, _) in sorted(script.blocks.items()):
        if kind in ("YN", "MC", "ST") and q not in script.help:
            script.problem(f"question {q} has no help")
    for q in sorted(set(script.help) - set(script.blocks)):
        script.problem(f"help for question {q}, which does not exist")


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    problems = []
    for topic in range(1, 8):
        script = Script(os.path.join(folder, f"F10{topic}.txt"), topic)
        if not os.path.exists(script.path):
            problems.append(f"F10{topic}.txt is missing")
            continue
        parse(script)
        if not script.problems:
            walk(script)
        problems += script.problems
        asked = sum(1 for k, _, _ in script.blocks.values() if k in ("YN", "MC"))
        ends = sum(1 for k, _, _ in script.blocks.values() if k == "ST")
        print(f"F10{topic}: {asked} questions, {ends} conclusions, {script.paths} paths")
    for line in dict.fromkeys(problems):
        print(line)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())

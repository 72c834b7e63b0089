#!/usr/bin/env python3
"""Fails when a source of the project starts a program through a shell or from one string.

The program hands web pages and clips to the desktop and starts one external tool, always as a
program and a list of arguments: no system(), popen(), exec family, shell, or one-string
QProcess call may appear anywhere in the sources.

    scan_sources.py ROOT        scans ROOT's C++ sources
    scan_sources.py --self-test checks that each rule catches what it is for
"""
import pathlib
import re
import sys

# Each rule: a name and a pattern over one line with comments and string contents removed,
# except where a rule needs the string (the shell's path).
RULES = [
    ("system()", re.compile(r"(?<![\w.>:])(?:std::)?system\s*\(")),
    ("popen()", re.compile(r"\b_?popen\s*\(")),
    ("exec family", re.compile(r"\bexec(?:l|lp|le|v|vp|vpe|ve)\s*\(")),
    ("posix_spawn", re.compile(r"\bposix_spawnp?\s*\(")),
    ("a shell", re.compile(r"\"/bin/(?:ba|da|z)?sh\"|\"(?:ba|da|z)?sh\"\s*[,)]|\"-c\"")),
    ("QProcess from one string", re.compile(r"\b(?:startDetached|execute|startCommand)\s*\(\s*[^,()]*(?:\([^()]*\)[^,()]*)*\)")),
    ("QProcess::start from one string", re.compile(r"\.start\s*\(\s*[^,()]*(?:\([^()]*\)[^,()]*)*\)\s*;.*\bQProcess\b|\bQProcess\b.*\.start\s*\(\s*[^,()]*\)")),
    ("ShellExecute/WinExec", re.compile(r"\b(?:ShellExecute\w*|WinExec|CreateProcess\w*)\s*\(")),
]

SOURCE_SUFFIXES = {".cpp", ".h", ".hpp", ".cc"}
SKIP_DIRS = {".git", "build", "build-san", "build-bench"}


def strip(line, keep_strings):
    """The line without its // comment and, unless keep_strings, without string contents."""
    out = []
    i = 0
    in_string = False
    while i < len(line):
        c = line[i]
        if in_string:
            if c == "\\" and i + 1 < len(line):
                if keep_strings:
                    out.append(line[i:i + 2])
                i += 2
                continue
            if c == '"':
                in_string = False
                out.append(c)
            elif keep_strings:
                out.append(c)
            i += 1
            continue
        if c == '"':
            in_string = True
            out.append(c)
        elif line.startswith("//", i):
            break
        else:
            out.append(c)
        i += 1
    return "".join(out)


def findings(text):
    found = []
    in_block = False
    for number, raw in enumerate(text.splitlines(), 1):
        line = raw
        if in_block:
            end = line.find("*/")
            if end < 0:
                continue
            line = line[end + 2:]
            in_block = False
        while "/*" in line:
            start = line.find("/*")
            end = line.find("*/", start + 2)
            if end < 0:
                line = line[:start]
                in_block = True
                break
            line = line[:start] + line[end + 2:]
        code = strip(line, keep_strings=False)
        with_strings = strip(line, keep_strings=True)
        for name, pattern in RULES:
            subject = with_strings if name == "a shell" else code
            if pattern.search(subject):
                found.append((number, name, raw.strip()))
    return found


def scan(root):
    problems = 0
    for path in sorted(root.rglob("*")):
        if path.suffix not in SOURCE_SUFFIXES or not path.is_file():
            continue
        if any(part in SKIP_DIRS or part.startswith("build") for part in path.relative_to(root).parts):
            continue
        for number, name, line in findings(path.read_text(errors="replace")):
            print(f"{path.relative_to(root)}:{number}: {name}: {line}")
            problems += 1
    return problems


SELF_TEST = [
    ('std::system("ls");', True),
    ('int r = system(command.c_str());', True),
    ('FILE* f = popen("lsb_release", "r");', True),
    ('execvp(argv[0], argv);', True),
    ('QProcess::startDetached(QStringLiteral("xdg-open ") + path);', True),
    ('QProcess::execute(command);', True),
    ('QProcess process; process.start(command);', True),
    ('const char* args[] = {"/bin/sh", "-c", cmd};', True),
    ('QProcess::startDetached(program, {});', False),
    ('return QProcess::startDetached(program, arguments);', False),
    ('// never system("x") here', False),
    ('/* popen( */ int x = 0;', False),
    ('qDebug() << "system(";', False),
    ('m_system.update();', False),
    ('timer.start(100);', False),
    ('registry.systemRoot();', False),
]


def self_test():
    failures = 0
    for line, expected in SELF_TEST:
        if bool(findings(line)) != expected:
            print(f"rule {'missed' if expected else 'wrongly caught'}: {line}")
            failures += 1
    return failures


if __name__ == "__main__":
    if sys.argv[1:] == ["--self-test"]:
        sys.exit(1 if self_test() else 0)
    if len(sys.argv) != 2:
        print(__doc__)
        sys.exit(2)
    sys.exit(1 if scan(pathlib.Path(sys.argv[1])) else 0)

#!/usr/bin/env python3
"""Mutation testing: how many planted faults in src/ does the test suite catch?

Plants one fault at a time in a copy of the working tree (a relational or
arithmetic operator changed, a constant moved by one, a statement dropped, a
condition inverted, a symbol or message swapped, an argument replaced by a
constant of its type, a character of a message or an escape sequence
changed), builds it, and runs the tests.  A mutant is

  killed     when a test fails (or the tests hang past the time limit),
  survived   when every test passes,
  stillborn  when it does not compile,
  unchanged  when it compiles to the very same binaries (a mutant in code
             this platform does not build, or one the compiler sees through).

The score is killed / (killed + survived).  Each mutant's tests run with a
scratch folder of their own (TMPDIR), removed after them, so that nothing a
test run leaves, even one stopped at the time limit, stays behind.

  tools/mutate.py                    every mutant
  tools/mutate.py --sample 12        a fixed, evenly spread sample of 12
  tools/mutate.py --list             list the mutants without running them
  tools/mutate.py --only src/model   only files under this path
  tools/mutate.py --each-test        run every test on every mutant, and name
                                     the tests that kill it
"""

import argparse
import hashlib
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
TEST_COMMAND = ["ctest", "--output-on-failure", "--no-tests=error", "-j2"]
# The tests in the process first, which catch most mutants at once; the
# system tests, which run the built program for seconds, only for a mutant
# that survives them (a mutant that makes the program hang would otherwise
# hold every run up to the time limit).
STAGES = (["-E", r"^SystemTest\."], ["-R", r"^SystemTest\."])

# (name, pattern, replacement): every match of the pattern is one mutant.
# Binary operators are matched with the blanks around them that the code's
# formatting always puts there, so that templates and includes stay alone.
TEXT_MUTATIONS = [
    ("relational", r" < ", " <= "),
    ("relational", r" <= ", " < "),
    ("relational", r" > ", " >= "),
    ("relational", r" >= ", " > "),
    ("equality", r" == ", " != "),
    ("equality", r" != ", " == "),
    ("logical", r" && ", " || "),
    ("logical", r" \|\| ", " && "),
    ("negation", r"!(?=[\w(])", ""),
    ("arithmetic", r" \+ ", " - "),
    ("arithmetic", r" - ", " + "),
    ("arithmetic", r" \* ", " / "),
    ("arithmetic", r" / ", " * "),
    ("arithmetic", r" % ", " / "),
    ("boolean", r"\btrue\b", "false"),
    ("boolean", r"\bfalse\b", "true"),
    ("character", r"'(\\.|[^'\\])'", "'#'"),
    ("string", r'"(\\.|[^"\\])+"', '""'),
]
CONSTANT = re.compile(r"(?<![\w.])(\d+)(?![\w.])")
STATEMENT = re.compile(
    r"^\s*(\w+(::|\.|->))*\w+\s*(\(|<<|=[^=]|\+\+|--|\[).*;\s*$|"
    r"^\s*(continue|break|return);\s*$"
)
CONDITION = re.compile(r"^(\s*(?:\} else )?(?:if|while) )\((.*)\)( \{)$")
# A call's argument list, without nested parentheses; an argument that is a
# name or a dereferenced name can become "{}", the zero of its type.
CALL = re.compile(r"\b(?!(?:if|while|for|switch|return|sizeof)\()\w+\(([^()]*)\)")
ARGUMENT = re.compile(r"\*?[A-Za-z_][\w.]*(?:->\w+)*")
STRING = re.compile(r'"(\\.|[^"\\])+"')
ESCAPE_FINAL = re.compile(r"(?<=\\x1b\[)\d*([A-Za-z])")


def code_part(line):
    """The line without a trailing // comment (outside string literals)."""
    in_string = None
    for i, char in enumerate(line):
        if in_string:
            if char == "\\":
                continue
            if char == in_string and line[i - 1] != "\\":
                in_string = None
        elif char in "\"'":
            in_string = char
        elif line.startswith("//", i):
            return line[:i]
    return line


def mutants_of_line(line):
    """Every (kind, mutated line) for one line of code."""
    stripped = line.strip()
    if not stripped or stripped.startswith(("//", "#", "*", "/*")):
        return
    code = code_part(line)
    rest = line[len(code) :]
    for kind, pattern, replacement in TEXT_MUTATIONS:
        for match in re.finditer(pattern, code):
            if kind == "string" and match.group(0) == '""':
                continue
            yield kind, code[: match.start()] + replacement + code[match.end() :] + rest
    for match in CONSTANT.finditer(code):
        value = int(match.group(1))
        for changed in sorted({value + 1, max(value - 1, 0)} - {value}):
            yield "constant", code[: match.start()] + str(changed) + code[match.end() :] + rest
    for call in CALL.finditer(code):
        start = call.start(1)
        for argument in re.finditer(r"[^,]+", call.group(1)):
            text = argument.group(0).strip()
            if ARGUMENT.fullmatch(text) and text not in ("true", "false", "nullptr"):
                at = start + argument.start() + argument.group(0).index(text)
                yield "argument", code[:at] + "{}" + code[at + len(text) :] + rest
    for literal in STRING.finditer(code):
        for final in ESCAPE_FINAL.finditer(literal.group(0)):
            at = literal.start() + final.start(1)
            letter = "B" if final.group(1) == "A" else "A"
            yield "escape sequence", code[:at] + letter + code[at + 1 :] + rest
        letters = [
            i
            for i, char in enumerate(literal.group(0))
            if char.isalpha() and literal.group(0)[i - 1] != "\\"
        ]
        if letters and not ESCAPE_FINAL.search(literal.group(0)):
            at = literal.start() + letters[0]
            yield "message character", code[:at] + code[at].swapcase() + code[at + 1 :] + rest
    if STATEMENT.match(code):
        yield "statement dropped", ""
    condition = CONDITION.match(code.rstrip())
    if condition:
        yield "condition inverted", "%s(!(%s))%s%s" % (
            condition.group(1),
            condition.group(2),
            condition.group(3),
            rest,
        )


def all_mutants(tree, only):
    mutants = []
    for path in sorted((tree / "src").rglob("*")):
        relative = path.relative_to(tree).as_posix()
        if path.suffix not in (".cpp", ".h") or not relative.startswith(only):
            continue
        lines = path.read_text().split("\n")
        for number, line in enumerate(lines, 1):
            for kind, mutated in mutants_of_line(line):
                mutants.append((relative, number, kind, line, mutated))
    return mutants


def run(command, cwd, timeout=None, env=None):
    """The command's exit status, or None when it ran past `timeout` seconds.
    Then, or when this script is stopped meanwhile, the command is killed with
    everything it started, so that nothing goes on writing in the copy."""
    process = subprocess.Popen(
        command,
        cwd=cwd,
        stdout=subprocess.DEVNULL,
        stderr=subprocess.DEVNULL,
        start_new_session=True,
        env=env,
    )
    try:
        return process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        return None
    finally:
        if process.returncode is None:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()


def run_tests(command, cwd, timeout, stages=((),)):
    """run() for the tests, in a scratch folder of their own that goes with them,
    one stage after another (each adds its arguments to the command) until one
    fails: its status, or 0."""
    scratch = tempfile.mkdtemp(prefix="forestfire-mutant-")
    environment = dict(os.environ, TMPDIR=scratch, TEST_TMPDIR=scratch)
    try:
        for stage in stages:
            status = run(command + list(stage), cwd, timeout, environment)
            if status != 0:
                return status
        return 0
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


def fingerprint(build):
    digest = hashlib.sha256()
    for name in ("forestfire", "forestfire_tests"):
        digest.update((build / name).read_bytes())
    return digest.hexdigest()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--sample", type=int, help="run this many mutants, evenly spread")
    parser.add_argument("--only", default="src/", help="mutate only files under this path")
    parser.add_argument("--list", action="store_true", help="list the mutants and stop")
    parser.add_argument(
        "--each-test",
        action="store_true",
        help="run every test on every mutant and name those that fail",
    )
    args = parser.parse_args()
    # Stopped from outside, it still removes its copy and scratch folders.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped"))

    work = Path(tempfile.mkdtemp(prefix="forestfire-mutants-"))
    tree, build = work / "tree", work / "build"
    files = (
        subprocess.run(
            ["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
            cwd=ROOT,
            capture_output=True,
            check=True,
        )
        .stdout.decode()
        .split("\0")
    )
    for name in filter(None, files):
        if (ROOT / name).is_file():
            (tree / name).parent.mkdir(parents=True, exist_ok=True)
            shutil.copy2(ROOT / name, tree / name)

    mutants = all_mutants(tree, args.only)
    if args.sample and args.sample < len(mutants):
        stride = len(mutants) / args.sample
        mutants = [mutants[int(i * stride)] for i in range(args.sample)]
    if args.list:
        for relative, number, kind, _, mutated in mutants:
            print("%s:%d: %s: %s" % (relative, number, kind, mutated.strip()))
        shutil.rmtree(work, ignore_errors=True)
        return 0

    generator = ["-G", "Ninja"] if shutil.which("ninja") else []
    # Without the caller's CXXFLAGS: with -Werror, a mutant that leaves a
    # parameter unused would not compile, and it is a fault worth catching.
    environment = {name: value for name, value in os.environ.items() if name != "CXXFLAGS"}
    subprocess.run(
        ["cmake", "-S", tree, "-B", build, "-DCMAKE_BUILD_TYPE=Release"] + generator,
        check=True,
        stdout=subprocess.DEVNULL,
        env=environment,
    )
    subprocess.run(["cmake", "--build", build, "--parallel"], check=True, stdout=subprocess.DEVNULL)
    original = fingerprint(build)
    started = time.monotonic()
    if run_tests(TEST_COMMAND, build, None) != 0:
        sys.exit("the tests fail without any mutant")
    limit = max(30.0, 10 * (time.monotonic() - started))
    test_command = TEST_COMMAND + ([] if args.each_test else ["--stop-on-failure"])
    failed_log = build / "Testing" / "Temporary" / "LastTestsFailed.log"

    counts = {"killed": 0, "survived": 0, "stillborn": 0, "unchanged": 0}
    survivors = []
    try:
        for index, (relative, number, kind, line, mutated) in enumerate(mutants, 1):
            path = tree / relative
            text = path.read_text()
            lines = text.split("\n")
            lines[number - 1] = mutated
            path.write_text("\n".join(lines))
            try:
                if run(["cmake", "--build", build, "--parallel"], tree) != 0:
                    outcome = "stillborn"
                elif fingerprint(build) == original:
                    outcome = "unchanged"
                else:
                    failed_log.unlink(missing_ok=True)
                    stages = ((),) if args.each_test else STAGES
                    result = run_tests(test_command, build, limit, stages)
                    outcome = "survived" if result == 0 else "killed"
            finally:
                path.write_text(text)
            counts[outcome] += 1
            print(
                "[%d/%d] %-9s %s:%d: %s: %s"
                % (
                    index,
                    len(mutants),
                    outcome,
                    relative,
                    number,
                    kind,
                    mutated.strip() or "(deleted) " + line.strip(),
                ),
                flush=True,
            )
            if args.each_test and outcome == "killed":
                failed = failed_log.read_text().split() if failed_log.exists() else []
                print(
                    "    by: " + (" ".join(sorted(failed)) if result is not None else "(timeout)"),
                    flush=True,
                )
            if outcome == "survived":
                survivors.append("%s:%d: %s: %s" % (relative, number, kind, line.strip()))
    finally:
        shutil.rmtree(work, ignore_errors=True)

    scored = counts["killed"] + counts["survived"]
    print("\n" + ", ".join("%d %s" % (n, name) for name, n in counts.items()))
    if scored:
        print(
            "mutation score: %d/%d killed (%.1f%%)"
            % (counts["killed"], scored, 100.0 * counts["killed"] / scored)
        )
    for survivor in survivors:
        print("survived: " + survivor)
    return 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""A sample of small operator faults in the computing core, made without a list.

scripts/mutants.sh plants faults someone thought of; this script plants the
ones nobody chose: in each core file it finds every spaced binary operator
(< <= > >= == != + - * / && ||), every true/false and every small integer
literal, picks a fixed number of them at random (the same ones for the same
code and seed), flips each in turn, rebuilds and runs the tests. It prints
each fault with "caught", "survived" or "not built" and the share caught, so
that the test suite can be compared before and after a change to it.

  scripts/mutation_sample.py [BUILD_DIR] [--per-file N] [--seed S] [--only FILE]

BUILD_DIR (default build-sample) is configured when missing; keep it apart
from build/. The files are restored after every fault, also on Ctrl-C.
"""
import argparse
import os
import random
import re
import shutil
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

FILES = [
    "src/engine/number_text.cpp", "src/engine/format_pattern.cpp", "src/engine/notation.cpp",
    "src/engine/requests.cpp", "src/engine/function_calculator.cpp",
    "src/engine/school_notation.cpp",
    "src/plot/view_window.cpp", "src/plot/coordinate_system.cpp", "src/plot/sampling.cpp",
    "src/plot/overlay.cpp", "src/plot/view_commands.cpp", "src/plot/mouse_gesture.cpp",
    "src/plot/caption_placement.cpp", "src/documents/graph_file.cpp",
    "src/documents/recovery_file.cpp", "src/calculus/root_finders.cpp",
    "src/calculus/curve_discussion.cpp", "src/calculus/integration.cpp",
    "src/calculus/value_table.cpp", "src/calculus/worked_solution.cpp",
    "src/calculus/worked_domain.cpp", "src/calculus/zero_steps.cpp", "src/ode/slope_field.cpp", "src/ode/osculating_curve.cpp",
    "src/numerics/horner.cpp", "src/numerics/gauss.cpp", "src/numerics/spline.cpp",
    "src/geometry/line_tools.cpp", "src/sheet/undo_controller.cpp",
]

SWAPS = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "==", "+": "-",
         "-": "+", "*": "/", "/": "*", "&&": "||", "||": "&&"}
OPERATOR = re.compile(r"(?<=\S) (<=|>=|==|!=|&&|\|\||<|>|\+|-|\*|/) (?=\S)")
WORD = re.compile(r"\b(true|false|[0-9]+)\b(?![.'eEfxX])")


def code_part(line):
    """The line without comments and string or character literals, blanked out."""
    out, quote, i = [], None, 0
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("  ")
                i += 2
                continue
            out.append(" ")
            if c == quote:
                quote = None
        elif c in "\"'":
            quote = c
            out.append(" ")
        elif line.startswith("//", i):
            break
        else:
            out.append(c)
        i += 1
    return "".join(out).ljust(len(line))


def sites(text):
    """(line index, column, old, new) of every fault that can be planted."""
    found = []
    for number, line in enumerate(text.split("\n")):
        stripped = line.strip()
        if stripped.startswith(("#", "//", "*", "/*")):
            continue
        code = code_part(line)
        for match in OPERATOR.finditer(code):
            old = match.group(1)
            found.append((number, match.start(1), old, SWAPS[old]))
        for match in WORD.finditer(code):
            old = match.group(1)
            if old in ("true", "false"):
                new = "false" if old == "true" else "true"
            elif len(old) > 6 or code[max(0, match.start() - 1)] in "[":
                continue
            else:
                new = str(int(old) + 1)
            found.append((number, match.start(1), old, new))
    return found


def planted(text, site):
    lines = text.split("\n")
    number, column, old, new = site
    line = lines[number]
    assert line[column:column + len(old)] == old
    lines[number] = line[:column] + new + line[column + len(old):]
    return "\n".join(lines)


def run(command, cwd, log):
    with open(log, "w") as out:
        return subprocess.call(command, cwd=cwd, stdout=out, stderr=subprocess.STDOUT)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="?", default="build-sample")
    parser.add_argument("--per-file", type=int, default=5)
    parser.add_argument("--seed", type=int, default=31)
    parser.add_argument("--only")
    args = parser.parse_args()
    build = os.path.join(ROOT, args.build)
    logs = os.path.join(build, "sample-logs")
    os.makedirs(logs, exist_ok=True)
    if not os.path.exists(os.path.join(build, "CMakeCache.txt")):
        subprocess.check_call(["cmake", "-S", ROOT, "-B", build, "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                               "-DKURVALON_BENCH=OFF"], stdout=subprocess.DEVNULL)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    jobs = str(os.cpu_count() or 2)
    if run(["cmake", "--build", build, "-j", jobs], ROOT, os.path.join(logs, "clean-build.log")):
        sys.exit("the unchanged code does not build")

    counts = {"caught": 0, "survived": 0, "not built": 0}
    for path in FILES:
        if args.only and args.only not in path:
            continue
        full = os.path.join(ROOT, path)
        original = open(full).read()
        choices = sites(original)
        random.Random(f"{args.seed}:{path}").shuffle(choices)
        backup = os.path.join(build, "sample-original")
        shutil.copyfile(full, backup)
        try:
            for index, site in enumerate(choices[:args.per_file]):
                open(full, "w").write(planted(original, site))
                name = f"{os.path.basename(path)}-{index}"
                if run(["cmake", "--build", build, "-j", jobs], ROOT,
                       os.path.join(logs, name + "-build.log")):
                    verdict = "not built"
                else:
                    failed = subprocess.call(
                        ["ctest", "--stop-on-failure", "-j", jobs, "--timeout", "180"], cwd=build,
                        env=env, stdout=open(os.path.join(logs, name + "-test.log"), "w"),
                        stderr=subprocess.STDOUT)
                    verdict = "caught" if failed else "survived"
                counts[verdict] += 1
                number, _, old, new = site
                print(f"{verdict:9} {path}:{number + 1}: {old} -> {new}", flush=True)
        finally:
            shutil.copyfile(backup, full)
    run(["cmake", "--build", build, "-j", jobs], ROOT, os.path.join(logs, "restore-build.log"))
    viable = counts["caught"] + counts["survived"]
    share = 100.0 * counts["caught"] / viable if viable else 0
    print(f"\n{counts['caught']} of {viable} faults caught ({share:.0f} %), "
          f"{counts['not built']} did not build")


if __name__ == "__main__":
    main()

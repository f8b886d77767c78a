#!/usr/bin/env python3
"""Runs clang-tidy over the given sources, skipping files already found clean with the same inputs.

A file's key is the hash of the clang-tidy version, the .clang-tidy file, its compile command and its
preprocessed text (every header it includes), with the checkout's own path taken out so that another
clone of the same commit reuses the results. Only clean results are remembered, so a file with
findings is checked again on every run.

usage: tidy-cached.py BUILD_DIR FILE...
"""

import concurrent.futures
import hashlib
import json
import os
import shlex
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CACHE = os.path.join(os.environ.get("XDG_CACHE_HOME", os.path.expanduser("~/.cache")), "ornivex-tidy")


def load_commands(build):
    with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as f:
        entries = json.load(f)
    return {os.path.realpath(os.path.join(e["directory"], e["file"])): e for e in entries}


def preprocess_args(entry):
    """The compile command turned into one that writes the preprocessed text to stdout."""
    args = entry.get("arguments") or shlex.split(entry["command"])
    if os.path.basename(args[0]) == "ccache":
        args = args[1:]
    out, skip = [], False
    for a in args:
        if skip:
            skip = False
        elif a == "-o":
            skip = True
        elif a != "-c":
            out.append(a)
    return out + ["-E", "-P"]


def file_key(entry, common):
    pre = subprocess.run(preprocess_args(entry), cwd=entry["directory"], capture_output=True, check=False)
    if pre.returncode != 0:
        return None  # let clang-tidy report it
    h = hashlib.sha256(common)
    h.update(entry.get("command", " ".join(entry.get("arguments", []))).replace(ROOT, "@").encode())
    h.update(pre.stdout.replace(ROOT.encode(), b"@"))
    return h.hexdigest()


def check(path, entry, build, common):
    key = file_key(entry, common) if entry else None
    marker = os.path.join(CACHE, key) if key else None
    if marker and os.path.exists(marker):
        return path, True, "", True
    run = subprocess.run(["clang-tidy", "-p", build, "--quiet", path], capture_output=True, text=True, check=False)
    if run.returncode == 0 and marker:
        os.makedirs(CACHE, exist_ok=True)
        with open(marker, "w", encoding="utf-8") as f:
            f.write(os.path.relpath(path, ROOT) + "\n")
    return path, run.returncode == 0, run.stdout, False


def main():
    build, files = sys.argv[1], sys.argv[2:]
    commands = load_commands(build)
    version = subprocess.run(["clang-tidy", "--version"], capture_output=True, check=True).stdout
    with open(os.path.join(ROOT, ".clang-tidy"), "rb") as f:
        common = version + f.read()
    failed, reused = [], 0
    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
        jobs = [pool.submit(check, p, commands.get(os.path.realpath(p)), build, common) for p in files]
        for job in concurrent.futures.as_completed(jobs):
            path, ok, text, cached = job.result()
            reused += cached
            if not ok:
                failed.append(path)
                sys.stdout.write(text)
    print(f"tidy: {reused} of {len(files)} file(s) unchanged since a clean check")
    if failed:
        print(f"tidy: findings in {len(failed)} file(s): {' '.join(sorted(failed))}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())

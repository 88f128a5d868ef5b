#!/usr/bin/env python3
"""Every sample puzzle's .puz opened with puzjs, a .puz reader from the npm registry.

  puz_in_puzjs.py QUORVEX-CLI COLLECTION WORK-FOLDER

The reader's pinned version is installed into WORK-FOLDER/npm once. Without the registry (or
without Node.js) the test is skipped with status 77 and says why; any difference puzjs finds fails
it."""

import os
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from sample_exports import export_all  # noqa: E402

SKIP = 77


def install_reader(folder):
    """puzjs at the locked version in folder/node_modules; None when it is there, else why not."""
    node, npm = shutil.which("node"), shutil.which("npm")
    if not node or not npm:
        return "Node.js or npm is not installed (scripts/bootstrap installs them)"
    source = os.path.join(HERE, "puzjs")
    lock = os.path.join(source, "package-lock.json")
    stamp = os.path.join(folder, "node_modules", ".installed-lock")
    if os.path.exists(stamp) and open(stamp, "rb").read() == open(lock, "rb").read():
        return None
    os.makedirs(folder, exist_ok=True)
    for name in ("package.json", "package-lock.json"):
        shutil.copy(os.path.join(source, name), folder)
    try:
        p = subprocess.run([npm, "ci", "--no-audit", "--no-fund", "--ignore-scripts"], cwd=folder,
                           capture_output=True, timeout=600)
    except subprocess.TimeoutExpired:
        return "npm ci took longer than 10 minutes"
    if p.returncode != 0:
        return "npm ci failed: " + p.stderr.decode(errors="replace").strip().splitlines()[-1:][0]
    shutil.copy(lock, stamp)
    return None


def main():
    program, collection, work = sys.argv[1:4]
    npm_folder = os.path.join(work, "npm")
    why = install_reader(npm_folder)
    if why:
        print(f"SKIP: puzjs could not be installed: {why}")
        return SKIP
    stems = export_all(program, collection, os.path.join(work, "puzjs-files"), ["ipuz", "puz"])
    if not stems:
        print("FAIL: the collection gave no puzzle")
        return 1
    env = dict(os.environ, NODE_PATH=os.path.join(npm_folder, "node_modules"))
    p = subprocess.run(["node", os.path.join(HERE, "puzjs", "check_puz.js"), *[s + ".puz" for s in stems]],
                       env=env, timeout=120)
    return p.returncode


if __name__ == "__main__":
    sys.exit(main())

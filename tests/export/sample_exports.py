"""Writes the files for solving (.ipuz, .puz, the solvable web page) of every puzzle of a
collection through quorvex-cli, for the tests that open them with programs of other makers."""

import os
import subprocess


def cli(program, *args):
    return subprocess.run([program, *args], capture_output=True, timeout=120)


def export_all(program, collection, folder, kinds):
    """Writes puzzle N of the collection as folder/NN.kind for each kind ("ipuz", "puz", "html"
    for the solvable page) and returns the file stems, in record order. Raises on any failure."""
    os.makedirs(folder, exist_ok=True)
    stems = []
    n = 0
    while True:
        stem = os.path.join(folder, f"{n:02d}")
        for kind in kinds:
            args = ["render", collection, str(n), "--out", f"{stem}.{kind}"]
            if kind == "html":
                args.append("--interactive")
            p = cli(program, *args)
            if p.returncode != 0:
                if b"is not in" in p.stderr and kind == kinds[0]:
                    return stems
                raise RuntimeError(f"render {n} as {kind}: {p.stderr.decode(errors='replace')}")
        stems.append(stem)
        n += 1

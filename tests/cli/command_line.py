#!/usr/bin/env python3
"""quorvex-cli as a script or a new user starts it: on a fresh account, with file names that are
not UTF-8, and with library files that are not libraries. Every failure is one line on stderr and
status 1."""

import os
import re
import subprocess
import sys
import tempfile

CLI = os.fsencode(sys.argv[1])
failed = []


def cli(*args, env=None, cwd=None):
    return subprocess.run([CLI, *[os.fsencode(a) if isinstance(a, str) else a for a in args]],
                          capture_output=True, env=env, cwd=cwd, timeout=120)


def check(cond, what, p=None):
    if not cond:
        detail = f" (status {p.returncode}, stdout {p.stdout!r}, stderr {p.stderr!r})" if p else ""
        failed.append(what + detail)


def fresh_env(home):
    env = {k: v for k, v in os.environ.items() if k not in ("QUORVEX_PROGRAM_DIR", "XDG_DATA_HOME")}
    env["HOME"] = home
    return env


with tempfile.TemporaryDirectory() as tmp:
    tmp_b = os.fsencode(tmp)

    # A fresh account: the program directory is seeded before the first read, as the windowed
    # program seeds it, so the shipped shapes are listed at once.
    home = os.path.join(tmp, "home")
    os.mkdir(home)
    p = cli("shapes", env=fresh_env(home))
    check(p.returncode == 0 and p.stdout.count(b"\n") >= 24, "shapes on a fresh account", p)
    check(os.path.isfile(os.path.join(home, ".local/share/quorvex/QXFLAY.DAT")), "the per-user folder is seeded")
    p = cli("layouts", env=fresh_env(home))
    check(p.returncode == 0, "layouts on a fresh account", p)
    for n, args in enumerate((["--program-dir", "{}", "shapes"], ["shapes", "--program-dir", "{}"])):
        own = os.path.join(tmp, f"own program dir {n}")
        p = cli(*[a.format(own) for a in args], env=fresh_env(home))
        check(p.returncode == 0 and p.stdout.count(b"\n") >= 24, f"shapes with {args}", p)
        check(os.path.isfile(os.path.join(own, "QXFLAY.DAT")), f"--program-dir is seeded ({args})")
    env = fresh_env(home)
    env["QUORVEX_PROGRAM_DIR"] = os.path.join(tmp, "from env")
    p = cli("shapes", env=env)
    check(p.returncode == 0 and os.path.isfile(os.path.join(tmp, "from env", "QXFLAY.DAT")),
          "QUORVEX_PROGRAM_DIR is seeded", p)

    # File names are the system's bytes, from the command line to the system call.
    env = fresh_env(home)
    words = os.path.join(tmp_b, b"w\xf6rds.txt")
    with open(words, "wb") as f:
        f.write(b"ROBIN:Red breast\nWREN:Small bird\nOWL:Night bird\n")
    bad = os.path.join(tmp_b, b"bad\xff.QX3")
    p = cli("build", words, "--shape", "0", "--into", bad, "--title", "Birds", "--category", "Nature",
            "--seed", "7", "--attempts", "3", "--builtin-layout", env=env)
    check(p.returncode == 0, "build into a name that is not UTF-8", p)
    check(b"bad\\xff.QX3" in p.stdout, "the name is printed with the odd byte escaped", p)
    made = [n for n in os.listdir(tmp_b) if n.endswith(b".QX3")]
    check(made == [b"bad\xff.QX3"], f"exactly that file is made: {made}")
    cafe = os.path.join(tmp_b, b"caf\xe9.QX3")
    for name in os.listdir(tmp_b):
        if name.endswith(b".QX3"):
            os.rename(os.path.join(tmp_b, name), cafe)
    p = cli("list", cafe, env=env)
    check(p.returncode == 0 and b"Birds" in p.stdout, "list a collection named in Latin-1", p)


    # A layout library that cannot give a layout is an error like any other unreadable file.
    fifo = os.path.join(tmp, "fifo.DAT")
    os.mkfifo(fifo)
    damaged = os.path.join(tmp, "damaged.DAT")
    with open(damaged, "wb") as f:
        f.write(b"\x07" * 1000)
    for layouts in (os.path.join(tmp, "none.DAT"), fifo, damaged, tmp):
        p = cli("build", words, "--shape", "0", "--into", os.path.join(tmp, "L.QX3"), "--title", "T",
                "--category", "C", "--layouts", layouts, env=env)
        check(p.returncode == 1 and p.stderr.count(b"\n") == 1 and p.stdout == b"",
              f"--layouts {layouts} refused with one line", p)
    check(not os.path.exists(os.path.join(tmp, "L.QX3")), "nothing is saved when the layouts cannot be read")

    # Both programs tell their version without a display; the usage names every output type of
    # render, the options of pictures, what the page options do, and printing.
    no_display = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    for program in (CLI, os.path.join(os.path.dirname(CLI), b"quorvex")):
        p = subprocess.run([program, b"--version"], capture_output=True, env=no_display, timeout=60)
        check(p.returncode == 0 and re.fullmatch(rb"Quorvex \d+\.\d+\.\d+\n", p.stdout) and p.stderr == b"",
              f"{program} --version", p)
    p = cli("--help")
    for text in [b".pdf", b".png", b".bmp", b".jpg", b".svg", b".html", b".wmf", b".emf", b".ipuz", b".puz",
                 b"--quality", b"--colors", b"--letters ABC: a partial answer", b"--skeleton: only the squares",
                 b"--parts: only the parts named", b"print COLLECTION N [--printer NAME] [--copies N]"]:
        check(text in p.stdout, f"--help says {text!r}", p)

    # Printing with no printer to be found says what to do instead, on one line.
    sample = os.path.join(os.path.dirname(CLI), b"share", b"quorvex", b"SAMPLE.QX3")
    p = subprocess.run([CLI, b"print", sample, b"0"], capture_output=True, timeout=60,
                       env=dict(env, CUPS_SERVER=os.path.join(tmp, "no-cups.sock")))
    check(p.returncode == 1 and p.stderr.count(b"\n") == 1 and b"render --out FILE.pdf" in p.stderr,
          "print without a printer", p)

for f in failed:
    print("FAILED:", f)
print(f"command line: {0 if failed else 1} passed, {1 if failed else 0} failed")
sys.exit(1 if failed else 0)

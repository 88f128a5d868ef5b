#!/usr/bin/env python3
"""quorvex-cli print through a real CUPS server onto the CUPS-PDF printer.

  print_through_cups.py QUORVEX-CLI COLLECTION

Starts a cupsd of its own (its configuration, socket, spool and logs in a scratch folder, nothing
of the system's CUPS used or changed), adds a CUPS-PDF queue whose PDF files land in the scratch
folder, prints a sample puzzle on it with quorvex-cli and reads the PDF back with pdftotext: the
job arrives, the page has the puzzle's title and clues, and --copies 3 gives three copies.

CUPS-PDF reads its settings only from /etc/cups/cups-pdf-QUEUE.conf, so the test writes that one
file for its own uniquely named queue and removes it again. CUPS-PDF's driver leaves copies to the
printer, which CUPS-PDF is not: the queue's driver says the copies are made by CUPS, as for any
printer that cannot make them itself, so that the PDF shows what the job asked for; and it turns the
job into PostScript with pdftocairo, the one converter that keeps the page's text readable. It is skipped with status 77, saying
why, when it cannot run: CUPS or CUPS-PDF not installed (scripts/bootstrap --tests installs them),
not root (the CUPS-PDF backend runs only as root), or the server does not start."""

import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
CUPSD = "/usr/sbin/cupsd"
BACKEND = "/usr/lib/cups/backend/cups-pdf"
PPD = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"


def why_not():
    for path in (CUPSD, BACKEND, PPD):
        if not os.path.exists(path):
            return f"{path} is missing (scripts/bootstrap --tests installs cups and printer-driver-cups-pdf)"
    for tool in ("lpadmin", "lpstat", "pdftotext"):
        if not shutil.which(tool):
            return f"{tool} is not installed (scripts/bootstrap --tests installs it)"
    if os.geteuid() != 0:
        return "the CUPS-PDF backend runs only as root"
    if not os.access("/etc/cups", os.W_OK):
        return "/etc/cups, where CUPS-PDF reads a queue's settings, cannot be written"
    return None


def write(path, text):
    with open(path, "w") as f:
        f.write(text)


class Server:
    """A cupsd of the test's own, listening only on a socket in the scratch folder."""

    def __init__(self, scratch):
        self.scratch = scratch
        self.socket = os.path.join(scratch, "cups.sock")
        self.log = os.path.join(scratch, "log", "error_log")
        for d in ("root", "spool", "tmp", "cache", "state", "log"):
            os.makedirs(os.path.join(scratch, d), mode=0o755)
        os.chmod(os.path.join(scratch, "tmp"), 0o1777)  # the filters run as the server's own user
        root = os.path.join(scratch, "root")
        write(os.path.join(root, "cupsd.conf"), f"""\
Listen {self.socket}
LogLevel info
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
""")
        write(os.path.join(root, "cups-files.conf"), f"""\
ServerRoot {root}
RequestRoot {scratch}/spool
TempDir {scratch}/tmp
CacheDir {scratch}/cache
StateDir {scratch}/state
ErrorLog {self.log}
AccessLog {scratch}/log/access_log
PageLog {scratch}/log/page_log
FileDevice No
SystemGroup root
""")
        self.env = dict(os.environ, CUPS_SERVER=self.socket, QT_QPA_PLATFORM="offscreen")
        self.process = subprocess.Popen(
            [CUPSD, "-f", "-c", os.path.join(root, "cupsd.conf"), "-s", os.path.join(root, "cups-files.conf")],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, start_new_session=True)

    def wait_ready(self):
        for _ in range(100):
            if self.process.poll() is not None:
                return False
            if os.path.exists(self.socket):
                p = subprocess.run(["lpstat", "-r"], env=self.env, capture_output=True, text=True)
                if "is running" in p.stdout:
                    return True
            time.sleep(0.1)
        return False

    def log_tail(self):
        try:
            return "".join(open(self.log, errors="replace").readlines()[-15:])
        except OSError:
            return self.process.stderr.read().decode(errors="replace") if self.process.poll() is not None else ""

    def stop(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


def printed_pdfs(env, folder, limit=180):
    """The PDF files CUPS-PDF wrote into folder, once every job has finished (CUPS-PDF writes the
    file in place, so it is whole only then); None when the jobs do not finish in time."""
    deadline = time.time() + limit
    while time.time() < deadline:
        pending = subprocess.run(["lpstat", "-o"], env=env, capture_output=True, text=True).stdout.strip()
        if not pending:
            break
        time.sleep(0.3)
    else:
        return None
    pdfs = []
    for base, _, files in os.walk(folder):
        pdfs += [os.path.join(base, f) for f in files if f.lower().endswith(".pdf")]
    return sorted(pdfs)


def pdf_text(path):
    return subprocess.run(["pdftotext", "-layout", path, "-"], capture_output=True, text=True, timeout=60).stdout


def main():
    program, collection = sys.argv[1:3]
    why = why_not()
    if why:
        print(f"SKIP: printing through CUPS cannot be tested here: {why}")
        return SKIP
    queue = f"QuorvexTest{os.getpid()}"
    queue_conf = f"/etc/cups/cups-pdf-{queue}.conf"
    scratch = tempfile.mkdtemp(prefix="quorvex-cups-")
    os.chmod(scratch, 0o755)  # the filters run as the server's own user
    server = None
    try:
        def pdfs_into(folder):
            write(queue_conf, f"Out {folder}\nAnonDirName {folder}\nSpool {scratch}/cups-pdf-spool\nGrp root\nLabel 1\n")

        out = os.path.join(scratch, "pdf")
        pdfs_into(out)
        server = Server(scratch)
        if not server.wait_ready():
            print("SKIP: printing through CUPS cannot be tested here: cupsd did not start: "
                  + server.log_tail().strip().replace("\n", " | "))
            return SKIP
        env = server.env
        ppd = os.path.join(scratch, "cups-pdf.ppd")
        with open(PPD, encoding="latin-1") as f:
            driver = f.read()
        write(ppd, driver.replace("*TTRasterizer:", "*cupsManualCopies: True\n*TTRasterizer:", 1))
        # PostScript made by pdftocairo keeps the text of the page readable in the PDF CUPS-PDF makes
        # of it; the other converters leave glyphs without their characters.
        subprocess.run(["lpadmin", "-p", queue, "-E", "-v", f"cups-pdf:/{queue}", "-P", ppd,
                        "-o", "pdftops-renderer-default=pdftocairo"],
                       env=env, check=True, capture_output=True)
        program_dir = os.path.join(scratch, "program")
        dump = subprocess.run([program, "--program-dir", program_dir, "dump", collection, "0", "--json"],
                              env=env, capture_output=True, text=True, check=True)
        fields = json.loads(dump.stdout)
        title = fields["PuzzleName"].strip()
        # The first words of the clues of the words placed: enough to know each clue, short enough
        # to stay on one line of the page.
        placed = [i for i in range(fields["WordCount"]) if fields["WordPlaced"][i]]
        clues = [" ".join(fields["Clues"][i].split()[:2]) for i in placed[:6]]
        failures = []
        counts = {}  # the title's count on the pages printed, by the copies asked for
        for copies, folder in ((1, "one"), (3, "three")):
            target = os.path.join(out, folder)
            pdfs_into(target)
            p = subprocess.run([program, "--program-dir", program_dir, "print", collection, "0", "--printer", queue,
                                "--copies", str(copies)], env=env, capture_output=True, text=True, timeout=120)
            if p.returncode != 0:
                failures.append(f"print --copies {copies} failed: {p.stderr.strip()}")
                continue
            pdfs = printed_pdfs(env, target)
            if not pdfs:
                failures.append(f"--copies {copies}: no PDF arrived; the server's log:\n{server.log_tail()}")
                continue
            text = " ".join(" ".join(pdf_text(f) for f in pdfs).split())
            counts[copies] = text.count(title)
            if copies == 1:
                missing = [c for c in clues if c not in text]
                if counts[1] == 0 or missing:
                    failures.append(f"the page lacks the title {title!r} or the clues {missing}")
        if 1 in counts and 3 in counts and counts[3] != 3 * counts[1]:
            failures.append(f"--copies 3 printed the title {counts[3]} times, one copy {counts[1]} times")
        for f in failures:
            print("FAIL:", f)
        return 1 if failures else 0
    finally:
        if server:
            server.stop()
        if os.path.exists(queue_conf):
            os.remove(queue_conf)
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""The solvable web page of every sample puzzle, and of a puzzle with accented letters, solved in
headless Chromium through the DevTools protocol (over --remote-debugging-pipe):

- a click on a square selects its word, a second click turns the direction, Backspace erases;
- the whole solution is typed with the keyboard alone (Tab from word to word, the letters as the
  .ipuz written beside the page gives them, accented ones typed in small letters);
- "Check puzzle" marks every square right and says the puzzle is solved;
- after a reload the letters and the marks are still there (local storage);
- no answer can be read in the page's source.

  solvable_page_in_chromium.py QUORVEX-CLI COLLECTION WORK-FOLDER

A screenshot of the first solved page is left in WORK-FOLDER/solvable-page.png."""

import base64
import fcntl
import json
import os
import select
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from sample_exports import cli, export_all  # noqa: E402

SOLVED = "Every letter is right: the puzzle is solved."


class Browser:
    """Chromium with the DevTools protocol on fds 3 (commands in) and 4 (replies out), messages
    ended by NUL bytes."""

    def __init__(self, profile):
        exe = shutil.which("chromium") or shutil.which("chromium-browser")
        if not exe:
            raise RuntimeError("chromium is not installed (scripts/bootstrap installs it)")
        to_browser_r, to_browser_w = self._pipe()
        from_browser_r, from_browser_w = self._pipe()

        def wire():
            os.dup2(to_browser_r, 3)
            os.dup2(from_browser_w, 4)
            os.set_inheritable(3, True)
            os.set_inheritable(4, True)

        self.proc = subprocess.Popen(
            [exe, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
             "--disable-background-networking", "--disable-component-update", "--disable-sync",
             "--disable-extensions", "--remote-debugging-pipe", f"--user-data-dir={profile}",
             "--window-size=1200,1000", "about:blank"],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            close_fds=False, preexec_fn=wire)
        os.close(to_browser_r)
        os.close(from_browser_w)
        self.out = to_browser_w
        self.inp = from_browser_r
        self.buffer = b""
        self.next_id = 0
        self.session = None

    @staticmethod
    def _pipe():
        # Above the numbers the child is given, so that wiring one never closes the other.
        r, w = os.pipe()
        high = [fcntl.fcntl(fd, fcntl.F_DUPFD_CLOEXEC, 10) for fd in (r, w)]
        os.close(r)
        os.close(w)
        return high

    def send(self, method, params=None, session=True, timeout=30):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params or {}}
        if session and self.session:
            message["sessionId"] = self.session
        os.write(self.out, json.dumps(message).encode() + b"\0")
        deadline = time.monotonic() + timeout
        while True:
            while b"\0" not in self.buffer:
                left = deadline - time.monotonic()
                if left <= 0 or not select.select([self.inp], [], [], left)[0]:
                    raise RuntimeError(f"no answer to {method}")
                chunk = os.read(self.inp, 1 << 20)
                if not chunk:
                    raise RuntimeError("the browser closed the pipe")
                self.buffer += chunk
            raw, self.buffer = self.buffer.split(b"\0", 1)
            reply = json.loads(raw)
            if reply.get("id") == self.next_id:
                if "error" in reply:
                    raise RuntimeError(f"{method}: {reply['error']}")
                return reply.get("result", {})

    def open(self, url):
        target = self.send("Target.createTarget", {"url": "about:blank"}, session=False)["targetId"]
        self.session = self.send("Target.attachToTarget", {"targetId": target, "flatten": True},
                                 session=False)["sessionId"]
        self.send("Emulation.setDeviceMetricsOverride",
                  {"width": 1200, "height": 1000, "deviceScaleFactor": 1, "mobile": False})
        self.send("Page.navigate", {"url": url})
        self.wait_ready()
        return target

    def close(self, target):
        self.send("Target.closeTarget", {"targetId": target}, session=False)
        self.session = None

    def js(self, expression):
        result = self.send("Runtime.evaluate", {"expression": expression, "returnByValue": True})
        if "exceptionDetails" in result:
            raise RuntimeError(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def wait_ready(self):
        deadline = time.monotonic() + 20
        while time.monotonic() < deadline:
            try:
                if self.js("document.readyState === 'complete' && !window.__seen && "
                           "!!document.querySelector('.sq.cur')"):
                    self.js("window.__seen = true")
                    return
            except RuntimeError:
                pass  # the document is being replaced
            time.sleep(0.05)
        raise RuntimeError("the page did not become ready")

    def key(self, key, text=None, code=None, shift=False):
        codes = {"Tab": 9, "Backspace": 8, "Enter": 13, "ArrowLeft": 37, "ArrowUp": 38, "ArrowRight": 39, "ArrowDown": 40}
        event = {"key": key, "code": code or key, "modifiers": 8 if shift else 0}
        if key in codes:
            event["windowsVirtualKeyCode"] = codes[key]
        if text:
            event.update(type="keyDown", text=text, unmodifiedText=text)
        else:
            event["type"] = "rawKeyDown"
        self.send("Input.dispatchKeyEvent", event)
        up = {k: v for k, v in event.items() if k not in ("text", "unmodifiedText")}
        self.send("Input.dispatchKeyEvent", dict(up, type="keyUp"))

    def click(self, selector):
        box = self.js(f"(() => {{ const e = document.querySelector({json.dumps(selector)});"
                      " e.scrollIntoView({block: 'center', inline: 'center'}); const r = e.getBoundingClientRect();"
                      " return [r.left + r.width / 2, r.top + r.height / 2]; })()")
        for kind in ("mousePressed", "mouseReleased"):
            self.send("Input.dispatchMouseEvent",
                      {"type": kind, "x": box[0], "y": box[1], "button": "left", "clickCount": 1})

    def quit(self):
        try:
            self.send("Browser.close", session=False, timeout=5)
        except RuntimeError:
            pass
        try:
            self.proc.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()


class Failures(list):
    def check(self, ok, what):
        if not ok:
            self.append(what)
        return ok


def entries(ipuz):
    """The page's words in its order (across list, then down), each with its squares' indices and
    letters, from the .ipuz that was written with the page."""
    width, height = ipuz["dimensions"]["width"], ipuz["dimensions"]["height"]
    puzzle, solution = ipuz["puzzle"], ipuz["solution"]

    def number(r, c):
        cell = puzzle[r][c]
        return cell.get("cell") if isinstance(cell, dict) else cell

    def open_(r, c):
        return 0 <= r < height and 0 <= c < width and puzzle[r][c] is not None and puzzle[r][c] != "#"

    out = []
    for direction, (dr, dc) in (("Across", (0, 1)), ("Down", (1, 0))):
        for clue in ipuz["clues"][direction]:
            start = next((r, c) for r in range(height) for c in range(width)
                         if open_(r, c) and number(r, c) == clue["number"])
            squares = []
            r, c = start
            while open_(r, c):
                squares.append((r * width + c, solution[r][c], isinstance(puzzle[r][c], dict)))
                r, c = r + dr, c + dc
            out.append({"label": f"{clue['number']} {direction}", "squares": squares})
    return out


def solve(browser, stem, failures, screenshot=None):
    name = os.path.basename(stem)
    ipuz = json.load(open(stem + ".ipuz", encoding="utf-8"))
    words = entries(ipuz)
    source = open(stem + ".html", encoding="utf-8").read()
    for word in words:
        letters = "".join(s[1] for s in word["squares"])
        failures.check(len(letters) < 4 or letters not in source, f"{name}: {letters} is readable in the source")

    # The browser's profile is new and each puzzle keeps its letters under its own key, so the
    # page starts empty. (Clearing the storage first would race with the page's own writes when a
    # reload moves the page to another renderer.)
    target = browser.open("file://" + os.path.abspath(stem + ".html"))
    failures.check(browser.js("[...document.querySelectorAll('.sq.open:not(.given) input')].every(i => !i.value)"),
                   f"{name}: a new page is not empty")
    current = "document.getElementById('current').textContent"
    focused = "document.activeElement && document.activeElement.id"

    # Clicks: a click on a square selects a word through it; a second click on the same square
    # turns to the word running the other way, when there is one.
    first = words[0]["squares"][0][0]
    through = [w["label"] + ":" for w in words if first in [s[0] for s in w["squares"]]]
    browser.click(f"#s{first}")
    shown = browser.js(current)
    failures.check(any(shown.startswith(t) for t in through), f"{name}: a click selects {shown!r}")
    if len(through) == 2:
        browser.click(f"#s{first}")
        failures.check(not browser.js(current).startswith(shown.split(":")[0] + ":"),
                       f"{name}: a second click does not turn")
    # A letter typed, then erased with Backspace from the square after it.
    browser.key("q", "q")
    browser.key("Backspace")
    failures.check(browser.js(f"document.getElementById('s{first}').value") == "", f"{name}: Backspace erases")
    if not browser.js(current).startswith(words[0]["label"] + ":"):
        browser.click(f"#s{first}")

    # Every word with the keyboard alone: type from where the cursor stands, then Tab.
    for k, word in enumerate(words):
        if k:
            browser.key("Tab")
        shown = browser.js(current)
        if not failures.check(shown.startswith(word["label"] + ":"), f"{name}: Tab reaches {word['label']}, not {shown!r}"):
            break
        at = int((browser.js(focused) or "s-1")[1:])
        indices = [s[0] for s in word["squares"]]
        if at not in indices:
            failures.append(f"{name}: the cursor is not in {word['label']}")
            continue
        for index, letter, given in word["squares"][indices.index(at):]:
            if not given:
                browser.key(letter.lower(), letter.lower())

    browser.click("button[data-act='check-puzzle']")
    status = browser.js("document.getElementById('status').textContent")
    failures.check(status == SOLVED, f"{name}: check says {status!r}")
    typed = browser.js("document.querySelectorAll('.sq.open:not(.given)').length")
    failures.check(browser.js("document.querySelectorAll('.sq.right').length") == typed,
                   f"{name}: not every square is marked right")
    failures.check(browser.js("document.body.classList.contains('solved')"), f"{name}: not marked solved")
    if screenshot:
        shot = browser.send("Page.captureScreenshot", {"format": "png", "captureBeyondViewport": True})
        with open(screenshot, "wb") as f:
            f.write(base64.b64decode(shot["data"]))

    # The progress survives a reload. A page's storage writes reach the browser a moment after
    # the page made them, so a reload at once may still find the old letters: the page is
    # reloaded until they are there, for ten seconds at most.
    expected = {s[0]: s[1] for w in words for s in w["squares"]}
    deadline = time.monotonic() + 10
    while True:
        browser.send("Page.reload")
        browser.wait_ready()
        values = browser.js("Object.fromEntries([...document.querySelectorAll('.sq.open input')]"
                            ".map(i => [i.id.slice(1), i.value]))")
        if {int(k): v for k, v in values.items()} == expected or time.monotonic() > deadline:
            break
        time.sleep(0.5)
    if not failures.check({int(k): v for k, v in values.items()} == expected, f"{name}: letters lost on reload"):
        lost = [k for k, v in expected.items() if values.get(str(k)) != v]
        stored = browser.js("JSON.stringify(localStorage)")
        failures.append(f"{name}: {len(lost)} of {len(expected)} squares differ, e.g. {lost[:5]}; stored {stored[:300]}")
    failures.check(browser.js("document.querySelectorAll('.sq.right').length") == typed,
                   f"{name}: marks lost on reload")
    if screenshot:
        mistakes_and_moves(browser, words, name, failures, screenshot.replace(".png", "-marks.png"))
    browser.close(target)


def mistakes_and_moves(browser, words, name, failures, screenshot):
    """A wrong letter found by Check word and put right by Reveal word; the arrow keys; a clue
    chosen with the keyboard; each square's label."""
    current = "document.getElementById('current').textContent"
    word = words[0]
    at, right, _ = word["squares"][0]
    label = browser.js(f"document.getElementById('s{at}').getAttribute('aria-label')")
    clue = browser.js("document.querySelector('.list li .t').textContent")
    failures.check(f"{word['label']}: {clue}, letter 1 of {len(word['squares'])}" in label,
                   f"{name}: the first square's label is {label!r}")

    browser.click(f"#s{at}")
    if not browser.js(current).startswith(word["label"] + ":"):
        browser.click(f"#s{at}")
    browser.key("ArrowRight")
    failures.check(browser.js("document.activeElement.id") == f"s{word['squares'][1][0]}",
                   f"{name}: ArrowRight does not move along the row")
    browser.key("ArrowLeft")
    wrong = "z" if right.upper() != "Z" else "q"
    browser.key(wrong, wrong)
    browser.click("button[data-act='check-word']")
    failures.check(browser.js("document.getElementById('status').textContent") == "One letter is wrong.",
                   f"{name}: Check word does not find the wrong letter")
    failures.check(browser.js(f"document.querySelector('[data-i=\"{at}\"]').classList.contains('wrong')"),
                   f"{name}: the wrong letter is not marked")
    browser.send("Page.captureScreenshot", {"format": "png"})  # let the marks paint
    shot = browser.send("Page.captureScreenshot", {"format": "png", "captureBeyondViewport": True})
    with open(screenshot, "wb") as f:
        f.write(base64.b64decode(shot["data"]))
    browser.click("button[data-act='reveal-word']")
    failures.check(browser.js(f"document.getElementById('s{at}').value") == right and
                   browser.js(f"document.querySelector('[data-i=\"{at}\"]').classList.contains('revealed')"),
                   f"{name}: Reveal word does not put the letter right")

    last = words[-1]
    browser.js("document.querySelectorAll('.list li')[document.querySelectorAll('.list li').length - 1].focus()")
    browser.key("Enter", "\r")
    failures.check(browser.js(current).startswith(last["label"] + ":") and
                   browser.js("document.activeElement.id") in [f"s{s[0]}" for s in last["squares"]],
                   f"{name}: Enter on a clue does not take the cursor to its word")


def accented_puzzle(program, work):
    """A puzzle whose answers hold accented capitals, built with the command line."""
    words = os.path.join(work, "accents.txt")
    with open(words, "w", encoding="utf-8") as f:
        f.write("CAFÉ:Coffee house\nÉTÉ:Summer, in Paris\nNIÑO:Boy, in Madrid\nFAÇADE:Front of a building\n"
                "ÅLAND:Islands between Sweden and Finland\nCRÈME:Cream, in Lyon\n")
    collection = os.path.join(work, "accents.QX3")
    if os.path.exists(collection):
        os.remove(collection)
    p = cli(program, "build", words, "--shape", "0", "--into", collection, "--title", "Accents",
            "--category", "Tests", "--seed", "7", "--attempts", "50",
            "--program-dir", os.path.dirname(os.path.abspath(sys.argv[2])))
    if p.returncode != 0:
        raise RuntimeError("build: " + p.stderr.decode(errors="replace"))
    return export_all(program, collection, os.path.join(work, "accents"), ["ipuz", "html"])


def main():
    program, collection, work = sys.argv[1:4]
    started = time.monotonic()
    stems = export_all(program, collection, os.path.join(work, "pages"), ["ipuz", "html"])
    stems += accented_puzzle(program, work)
    failures = Failures()
    with tempfile.TemporaryDirectory() as profile:
        browser = Browser(profile)
        try:
            for i, stem in enumerate(stems):
                solve(browser, stem, failures, os.path.join(work, "solvable-page.png") if i == 0 else None)
        finally:
            browser.quit()
    for f in failures:
        print("FAIL", f)
    print(f"{len(stems)} pages solved in Chromium in {time.monotonic() - started:.1f} s, {len(failures)} failures")
    return 1 if failures or not stems else 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""The solvable web page of every sample puzzle, and of a puzzle with accented letters, solved in
headless Chromium through the DevTools protocol (over --remote-debugging-pipe):

- a click on a square selects its word, a second click turns the direction, Backspace erases;
- the whole solution is typed with the keyboard alone (Tab from word to word, the letters as the
  .ipuz written beside the page gives them, accented ones typed in small letters);
- "Check puzzle" marks every square right and says the puzzle is solved;
- after a reload the letters and the marks are still there (local storage);
- no answer can be read in the page's source;
- every text stands out from its background by the 4.5:1 of WCAG AA.

Then the 15 by 15 and the 31 by 31 samples on a phone (390 by 844 CSS pixels, touch, three device
pixels to one), by taps and input events alone, as an on-screen keyboard sends them:

- the page never scrolls sideways; the touch help is shown and the tools take one row;
- the square being typed is at least 32 CSS pixels and its number readable, and it and the
  current clue stay in view above the keyboard;
- a deletion sent only as an input event empties the square;
- after every tool the focus is back on the current square;
- "Reveal puzzle" then "Check puzzle" says the puzzle is complete with the letters revealed;
- the printed page has the grid's numbers and no letters, unless the letters are asked for.

  solvable_page_in_chromium.py QUORVEX-CLI COLLECTION WORK-FOLDER

Screenshots are left in WORK-FOLDER: solvable-page.png (the first page solved on a desktop),
solvable-page-marks.png, and phone-15.png and phone-31.png."""

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
DESKTOP = {"width": 1200, "height": 1000, "deviceScaleFactor": 1, "mobile": False}
PHONE = {"width": 390, "height": 844, "deviceScaleFactor": 3, "mobile": True}
# What an on-screen keyboard leaves of the phone's screen.
KEYBOARD_UP = dict(PHONE, height=844 - 330)
# The samples tried on the phone: the everyday 15 by 15 square and the 31 by 31 Christmas tree.
PHONE_SAMPLES = {"09": 15, "07": 31}

# Every element with text of its own (a box's letter included) whose colour stands out from the
# first background behind it by less than 4.5:1.
LOW_CONTRAST = """(() => {
  const rgba = s => { const m = s.match(/[\\d.]+/g).map(Number); return { c: m.slice(0, 3), a: m.length > 3 ? m[3] : 1 }; };
  const lum = c => c.map(v => v / 255).map(v => v <= .03928 ? v / 12.92 : ((v + .055) / 1.055) ** 2.4)
    .reduce((s, v, i) => s + v * [.2126, .7152, .0722][i], 0);
  const behind = el => { for (; el; el = el.parentElement) { const b = rgba(getComputedStyle(el).backgroundColor);
    if (b.a > 0) return b.c; } return [255, 255, 255]; };
  const low = [];
  for (const el of document.querySelectorAll('body *')) {
    const own = el.tagName === 'INPUT' ? el.value : [...el.childNodes].filter(n => n.nodeType === 3)
      .map(n => n.textContent).join('').trim();
    const style = getComputedStyle(el);
    if (!own || !el.getClientRects().length || style.visibility === 'hidden' || el.closest('[hidden]')) continue;
    const a = lum(rgba(style.color).c), b = lum(behind(el));
    const ratio = (Math.max(a, b) + .05) / (Math.min(a, b) + .05);
    if (ratio < 4.5) low.push(`${el.tagName.toLowerCase()}.${el.className || el.parentElement.className} ${own.slice(0, 12)} ${ratio.toFixed(2)}`);
  }
  return low;
})()"""


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

    def open(self, url, screen=DESKTOP):
        target = self.send("Target.createTarget", {"url": "about:blank"}, session=False)["targetId"]
        self.session = self.send("Target.attachToTarget", {"targetId": target, "flatten": True},
                                 session=False)["sessionId"]
        self.send("Emulation.setDeviceMetricsOverride", screen)
        self.send("Emulation.setTouchEmulationEnabled", {"enabled": screen["mobile"], "maxTouchPoints": 5})
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

    def tap(self, selector):
        """A finger's tap in the middle of the element, scrolled into view first."""
        box = self.js(f"(() => {{ const e = document.querySelector({json.dumps(selector)});"
                      " e.scrollIntoView({block: 'nearest', inline: 'nearest'}); const r = e.getBoundingClientRect();"
                      " return [r.left + r.width / 2, r.top + r.height / 2]; })()")
        point = {"x": box[0], "y": box[1], "radiusX": 4, "radiusY": 4, "force": 1}
        # The click a tap makes comes after the touch events have been answered: wait for it.
        clicks = self.js("window.__clicks === undefined && document.addEventListener('click', () => ++window.__clicks,"
                         " true); window.__clicks = window.__clicks || 0")
        # Stamped 50 ms apart, so that a slow machine never makes a long press of it.
        now = time.time()
        self.send("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": [point], "timestamp": now})
        self.send("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": [], "timestamp": now + 0.05})
        deadline = time.monotonic() + 10
        while self.js("window.__clicks") == clicks:
            if time.monotonic() > deadline:
                raise RuntimeError(f"a tap on {selector} made no click")
            time.sleep(0.02)

    def pinch(self, selector, factor):
        """Two fingers spread apart (or pinched together) about the element's middle."""
        x, y = self.js(f"(() => {{ const r = document.querySelector({json.dumps(selector)}).getBoundingClientRect();"
                       " return [r.left + r.width / 2, r.top + r.height / 2]; })()")

        def fingers(d):
            return [{"x": x - d, "y": y, "id": 0}, {"x": x + d, "y": y, "id": 1}]
        now = time.time()
        self.send("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": fingers(30), "timestamp": now})
        for step in range(1, 6):
            self.send("Input.dispatchTouchEvent", {"type": "touchMove", "timestamp": now + step * 0.03,
                                                   "touchPoints": fingers(30 + 30 * (factor - 1) * step / 5)})
        self.send("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": [], "timestamp": now + 0.2})

    def tool(self, action, touch=False):
        """A tool of the tool row, opening its menu first when it is in one."""
        press = self.tap if touch else self.click
        opener = self.js(f"(() => {{ const m = document.querySelector('[data-act={action}]').closest('.menu');"
                         " return m ? '#' + m.querySelector('.items').id : null; })()")
        if opener:
            press(f"[aria-controls={opener[1:]}]")
        press(f"[data-act={action}]")

    def insert(self, text):
        """Text as an on-screen keyboard sends it: an input event, no key events."""
        self.send("Input.insertText", {"text": text})

    def pdf_text(self, work, name):
        pdf = base64.b64decode(self.send("Page.printToPDF", {}, timeout=60)["data"])
        path = os.path.join(work, name)
        with open(path, "wb") as f:
            f.write(pdf)
        return subprocess.run(["pdftotext", path, "-"], capture_output=True, timeout=60).stdout.decode()

    def screenshot(self, path, whole=True):
        self.send("Page.captureScreenshot", {"format": "png"})  # lets the last changes paint
        shot = self.send("Page.captureScreenshot", {"format": "png", "captureBeyondViewport": whole})
        with open(path, "wb") as f:
            f.write(base64.b64decode(shot["data"]))

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
    """The page's words in its order (across list, then down), each with its squares' indices in the
    page and letters, from the .ipuz that was written with the page."""
    width, height = ipuz["dimensions"]["width"], ipuz["dimensions"]["height"]
    puzzle, solution = ipuz["puzzle"], ipuz["solution"]

    def number(r, c):
        cell = puzzle[r][c]
        return cell.get("cell") if isinstance(cell, dict) else cell

    def open_(r, c):
        return 0 <= r < height and 0 <= c < width and puzzle[r][c] is not None and puzzle[r][c] != "#"

    # The page keeps only the rows and columns that hold letter squares.
    used = [(r, c) for r in range(height) for c in range(width) if open_(r, c)]
    top, left = min(r for r, _ in used), min(c for _, c in used)
    kept = max(c for _, c in used) - left + 1
    out = []
    for direction, (dr, dc) in (("Across", (0, 1)), ("Down", (1, 0))):
        for clue in ipuz["clues"][direction]:
            start = next((r, c) for r in range(height) for c in range(width)
                         if open_(r, c) and number(r, c) == clue["number"])
            squares = []
            r, c = start
            while open_(r, c):
                squares.append(((r - top) * kept + c - left, solution[r][c], isinstance(puzzle[r][c], dict)))
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

    browser.tool("check-puzzle")
    failures.check((browser.js(focused) or "").startswith("s"),
                   f"{name}: the focus is not back in the grid after Check puzzle")
    status = browser.js("document.getElementById('status').textContent")
    failures.check(status == SOLVED, f"{name}: check says {status!r}")
    typed = browser.js("document.querySelectorAll('.sq.open:not(.given)').length")
    failures.check(browser.js("document.querySelectorAll('.sq.right').length") == typed,
                   f"{name}: not every square is marked right")
    failures.check(browser.js("document.body.classList.contains('solved')"), f"{name}: not marked solved")
    if screenshot:
        browser.screenshot(screenshot)

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
    browser.tool("check-word")
    failures.check(browser.js("document.getElementById('status').textContent") == "One letter is wrong.",
                   f"{name}: Check word does not find the wrong letter")
    failures.check(browser.js(f"document.querySelector('[data-i=\"{at}\"]').classList.contains('wrong')"),
                   f"{name}: the wrong letter is not marked")
    browser.screenshot(screenshot)
    browser.tool("reveal-word")
    low = browser.js(LOW_CONTRAST)
    failures.check(not low, f"{name}: texts below 4.5:1 on a desktop: {low[:6]}")
    failures.check(browser.js(f"document.getElementById('s{at}').value") == right and
                   browser.js(f"document.querySelector('[data-i=\"{at}\"]').classList.contains('revealed')"),
                   f"{name}: Reveal word does not put the letter right")

    last = words[-1]
    browser.js("document.querySelectorAll('.list li')[document.querySelectorAll('.list li').length - 1].focus()")
    browser.key("Enter", "\r")
    failures.check(browser.js(current).startswith(last["label"] + ":") and
                   browser.js("document.activeElement.id") in [f"s{s[0]}" for s in last["squares"]],
                   f"{name}: Enter on a clue does not take the cursor to its word")
    browser.key("Escape")
    failures.check(browser.js("document.activeElement.closest('.list') !== null"),
                   f"{name}: Escape does not leave the grid for the clues")


def sizes(browser):
    """The current square's box and number, the clue bar, what is visible, and how wide the page is."""
    return browser.js("""(() => {
      const sq = document.querySelector('.sq.cur'), num = sq.querySelector('.num');
      const r = sq.getBoundingClientRect(), bar = document.getElementById('current').getBoundingClientRect();
      return { side: Math.min(r.width, r.height), number: num ? parseFloat(getComputedStyle(num).fontSize) : null,
               top: r.top, bottom: r.bottom, left: r.left, right: r.right, barTop: bar.top, barBottom: bar.bottom,
               height: innerHeight, width: innerWidth, scrollWidth: document.scrollingElement.scrollWidth };
    })()""")


def check_in_view(browser, name, failures, what):
    """The square being typed: at least 32 CSS pixels, a number of 10 or more, inside the screen
    below the clue bar, which is itself on the screen; and the page not wider than the screen."""
    s = sizes(browser)
    failures.check(s["side"] >= 32, f"{name}: {what}: the square is {s['side']:.1f} px")
    failures.check(s["number"] is None or s["number"] >= 10, f"{name}: {what}: its number is {s['number']} px")
    failures.check(0 <= s["barTop"] and s["barBottom"] <= s["top"] and s["bottom"] <= s["height"] and
                   0 <= s["left"] and s["right"] <= s["width"], f"{name}: {what}: square or clue out of view: {s}")
    failures.check(s["scrollWidth"] <= s["width"], f"{name}: {what}: the page is {s['scrollWidth']} px wide")


def phone(browser, stem, failures, work, side):
    """One puzzle solved on a phone by taps and input events alone."""
    name = f"phone {side}x{side}"
    words = entries(json.load(open(stem + ".ipuz", encoding="utf-8")))
    target = browser.open("file://" + os.path.abspath(stem + ".html"), PHONE)
    focused = "document.activeElement && document.activeElement.id"
    current = "document.getElementById('current').textContent"
    in_grid = lambda what: failures.check((browser.js(focused) or "").startswith("s"),  # noqa: E731
                                          f"{name}: the focus is not on a square after {what}")

    failures.check(browser.js("document.scrollingElement.scrollWidth <= innerWidth"), f"{name}: the page scrolls sideways")
    failures.check(browser.js("getComputedStyle(document.querySelector('.help.touch')).display !== 'none' && "
                              "getComputedStyle(document.querySelector('.help.keys')).display === 'none'"),
                   f"{name}: the touch help is not the one shown")
    rows = browser.js("new Set([...document.querySelectorAll('.tools > button:not([hidden]), .tools .opener')]"
                      ".map(b => Math.round(b.getBoundingClientRect().top))).size")
    failures.check(rows == 1, f"{name}: the tools take {rows} rows")
    grid_width = browser.js("document.getElementById('grid').getBoundingClientRect().width")
    failures.check(grid_width <= 390, f"{name}: the whole grid is {grid_width} px wide")
    browser.screenshot(os.path.join(work, f"phone-{side}-start.png"), whole=False)
    # Two fingers spread on the grid enlarge its squares; the zoom button shows the whole grid again.
    square = "document.querySelector('.sq.open').getBoundingClientRect().width"
    before = browser.js(square)
    browser.pinch("#gridbox", 3)
    after = browser.js(square)
    failures.check(after >= 2 * before, f"{name}: a pinch takes the squares from {before:.1f} to {after:.1f} px only")
    if browser.js("document.querySelector('[data-act=zoom]').getAttribute('aria-pressed') === 'true'"):
        browser.tool("zoom", touch=True)
    failures.check(abs(browser.js(square) - before) < 1, f"{name}: the zoom button does not show the whole grid again")

    # The first word, chosen by a tap on its first square (a second tap turns it if need be); then
    # the on-screen keyboard takes the lower part of the screen.
    first = words[0]["squares"][0][0]
    browser.tap(f"[data-i='{first}']")
    if not browser.js(current).startswith(words[0]["label"] + ":"):
        browser.tap(f"[data-i='{first}']")
    failures.check(browser.js(current).startswith(words[0]["label"] + ":"), f"{name}: taps do not choose {words[0]['label']}")
    browser.send("Emulation.setDeviceMetricsOverride", KEYBOARD_UP)
    in_grid("a tap")
    check_in_view(browser, name, failures, "the first tap")

    # A letter, then a deletion that comes only as an input event (no Backspace key).
    browser.insert("q")
    browser.tap(f"[data-i='{first}']")
    browser.js(f"(() => {{ const i = document.getElementById('s{first}'); i.value = '';"
               " i.dispatchEvent(new InputEvent('input', {bubbles: true, inputType: 'deleteContentBackward'})); })()")
    time.sleep(0.1)
    failures.check(browser.js(f"document.getElementById('s{first}').value") == "" and browser.js(focused) == f"s{first}",
                   f"{name}: a deletion by input event does not empty the square")

    # The tools that leave the letters alone give the focus back to the square.
    for action in ("check-letter", "check-word", "pencil", "pencil", "timer", "timer", "zoom", "zoom", "next", "prev"):
        if browser.js(f"document.querySelector('[data-act={action}]').hidden"):
            continue
        browser.tool(action, touch=True)
        in_grid(action)
    failures.check(browser.js(current).startswith(words[0]["label"] + ":"), f"{name}: next and previous lose the word")
    browser.tap(f"[data-i='{first}']")
    if not browser.js(current).startswith(words[0]["label"] + ":"):
        browser.tap(f"[data-i='{first}']")

    # Every word: its letters as input events, then the clue bar's next-word button.
    for k, word in enumerate(words):
        if k:
            browser.tap("[data-act=next]")
        shown = browser.js(current)
        if not failures.check(shown.startswith(word["label"] + ":"), f"{name}: next reaches {shown!r}, not {word['label']}"):
            break
        at = int((browser.js(focused) or "s-1")[1:])
        indices = [s[0] for s in word["squares"]]
        if not failures.check(at in indices, f"{name}: the focus is not in {word['label']}"):
            break
        for n, (index, letter, given) in enumerate(word["squares"][indices.index(at):]):
            if not given:
                browser.insert(letter.lower())
            if n == 0:
                check_in_view(browser, name, failures, word["label"])
    browser.tool("check-puzzle", touch=True)
    in_grid("Check puzzle")
    status = browser.js("document.getElementById('status').textContent")
    failures.check(status == SOLVED, f"{name}: check says {status!r}")
    low = browser.js(LOW_CONTRAST)
    failures.check(not low, f"{name}: texts below 4.5:1: {low[:6]}")
    browser.send("Emulation.setDeviceMetricsOverride", PHONE)
    browser.screenshot(os.path.join(work, f"phone-{side}.png"), whole=False)
    if side == 15:
        print_and_reveal(browser, name, failures, work, words)
    browser.close(target)


def print_and_reveal(browser, name, failures, work, words):
    """The printed page, blank and with the letters; then Clear all, Reveal puzzle and Check puzzle."""
    letters = browser.js("document.querySelectorAll('.sq.open:not(.given)').length")
    in_grid = lambda what: failures.check((browser.js("document.activeElement.id") or "").startswith("s"),  # noqa: E731
                                          f"{name}: the focus is not on a square after {what}")
    # A letter no clue holds, in every square, so that a letter in the print can only come from the grid.
    key = browser.js("'quorvex-progress:' + JSON.parse(document.getElementById('puzzle-data').textContent).id")
    # (Written as the page goes, after the page has kept its own letters.)
    store = (f"() => localStorage.setItem({json.dumps(key)}, JSON.stringify({{fill: Object.fromEntries("
             "[...document.querySelectorAll('.sq.open:not(.given)')].map(s => [s.dataset.i, 'Ж']))}))")
    # Storage reaches the browser a moment after the page wrote it: reloaded until it is there.
    deadline = time.monotonic() + 10
    while True:
        browser.js(f"addEventListener('pagehide', {store}); addEventListener('visibilitychange', {store})")
        browser.send("Page.reload")
        browser.wait_ready()
        if browser.js("document.querySelector('.sq.open:not(.given) input').value") == "Ж" or time.monotonic() > deadline:
            break
        time.sleep(0.5)
    blank = browser.pdf_text(work, "phone-blank.pdf")
    numbers = set(browser.js("[...document.querySelectorAll('.num')].map(n => n.textContent)"))
    failures.check("Ж" not in blank, f"{name}: the letters are printed by default")
    failures.check(numbers <= set(blank.split()), f"{name}: numbers missing from the print: {sorted(numbers - set(blank.split()))[:5]}")
    failures.check(words and "Across" in blank, f"{name}: the clues are not printed")
    browser.js("window.print = () => {}")
    browser.tool("print-letters", touch=True)
    with_letters = browser.pdf_text(work, "phone-letters.pdf")
    failures.check(with_letters.count("Ж") == letters, f"{name}: {with_letters.count('Ж')} of {letters} letters printed on request")

    # Clear all, confirmed in the page; one right letter; then the rest revealed.
    browser.tool("clear-puzzle", touch=True)
    browser.tap("dialog[open] button[value=ok]")
    in_grid("Clear all")
    failures.check(browser.js("[...document.querySelectorAll('.sq.open:not(.given) input')].every(i => !i.value)"),
                   f"{name}: Clear all leaves letters")
    first, right, _ = words[0]["squares"][0]
    browser.tap(f"[data-i='{first}']")
    browser.insert(right)
    browser.tool("reveal-puzzle", touch=True)
    browser.tap("dialog[open] button[value=ok]")
    in_grid("Reveal puzzle")
    browser.tool("check-puzzle", touch=True)
    status = browser.js("document.getElementById('status').textContent")
    expected = f"The puzzle is complete, with {letters - 1} letters revealed."
    failures.check(status == expected, f"{name}: after Reveal puzzle, check says {status!r}")
    failures.check(browser.js("document.querySelectorAll('.sq.revealed').length") == letters - 1 and
                   not browser.js("document.body.classList.contains('solved')"), f"{name}: revealed letters not marked")


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
            for number, side in PHONE_SAMPLES.items():
                phone(browser, os.path.join(work, "pages", number), failures, work, side)
        finally:
            browser.quit()
    for f in failures:
        print("FAIL", f)
    print(f"{len(stems)} pages solved in Chromium, {len(PHONE_SAMPLES)} of them on a phone, in {time.monotonic() - started:.1f} s, {len(failures)} failures")
    return 1 if failures or not stems else 0


if __name__ == "__main__":
    sys.exit(main())

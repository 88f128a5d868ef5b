(function () {
  'use strict';

  // Every text the script shows, in one place: the program writes them into the page's data in
  // the language it runs in (solvable_page_script.cpp keeps the same list). "{n}" stands for a
  // number; a text ending in 1 is the one used when the number is one.
  var TEXT = {
    solved: 'Every letter is right: the puzzle is solved.',
    filledIn: 'Every square is filled in correctly.',
    complete1: 'The puzzle is complete, with one letter revealed.',
    completeN: 'The puzzle is complete, with {n} letters revealed.',
    wrong1: 'One letter is wrong.',
    wrongN: '{n} letters are wrong.',
    soFar1: 'The letters filled in so far are right; one square is still empty.',
    soFarN: 'The letters filled in so far are right; {n} squares are still empty.',
    letterRight: 'This letter is right.',
    wordRight: 'This word is right.',
    letterRevealed: 'The letter is revealed.',
    wordRevealed: 'The word is revealed.',
    puzzleRevealed: 'The whole puzzle is revealed.',
    wordCleared: 'The word is cleared.',
    askReveal: 'Reveal every letter of this puzzle?  Revealed letters are marked and counted.',
    doReveal: 'Reveal puzzle',
    askClear: 'Clear every letter of this puzzle?',
    doClear: 'Clear all',
    cancel: 'Cancel',
    timer: 'Time {n}',
    pause: 'Pause the timer',
    resume: 'Resume the timer',
    paused: 'The timer is paused.'
  };
  function counted(name, n) {
    return (n === 1 && TEXT[name + '1'] ? TEXT[name + '1'] : TEXT[name + 'N']).replace('{n}', String(n));
  }

  var data = JSON.parse(document.getElementById('puzzle-data').textContent);
  // The texts in the language the page was made in; any it does not give stay English.
  if (data.text) {
    for (var key in data.text) {
      if (Object.prototype.hasOwnProperty.call(TEXT, key)) TEXT[key] = data.text[key];
    }
  }
  var width = data.width;
  var storageKey = 'quorvex-progress:' + data.id;
  var grid = document.getElementById('grid');
  var gridBox = document.getElementById('gridbox');
  var board = document.getElementById('board');
  var play = board.parentNode;
  var bar = document.getElementById('bar');
  var statusLine = document.getElementById('status');
  var currentLine = document.getElementById('current');
  var timerButton = document.getElementById('timer');
  var zoomButton = document.querySelector('[data-act="zoom"]');
  var pencilButton = document.querySelector('[data-act="pencil"]');

  // The answers, unscrambled: each UTF-16 unit was mixed with the high half of a linear
  // congruential stream seeded from the puzzle's key.
  var answer = {};
  (function () {
    var bytes = atob(data.answers);
    var seed = parseInt(data.id.slice(0, 8), 16) >>> 0;
    var n = 0;
    for (var i = 0; i + 1 < bytes.length; i += 2) {
      seed = (Math.imul(seed, 1103515245) + 12345) >>> 0;
      var unit = (bytes.charCodeAt(i) | (bytes.charCodeAt(i + 1) << 8)) ^ (seed >>> 16);
      answer[data.squares[n++]] = String.fromCharCode(unit);
    }
  })();

  var inputs = {};
  var squares = {};
  Array.prototype.forEach.call(grid.querySelectorAll('.sq.open'), function (sq) {
    var at = Number(sq.getAttribute('data-i'));
    squares[at] = sq;
    inputs[at] = sq.querySelector('input');
  });
  var words = data.words;
  var clueItems = Array.prototype.slice.call(document.querySelectorAll('.list li'));
  // The words through each square: { a: index of its across word, d: of its down word }.
  var through = {};
  words.forEach(function (w, k) {
    w.cells.forEach(function (at) {
      through[at] = through[at] || {};
      through[at][w.across ? 'a' : 'd'] = k;
    });
  });

  function given(at) { return squares[at].classList.contains('given'); }
  function locked(at) { return given(at) || marks[at] === 'revealed'; }
  // The letter as the solver means it: capitals, accents kept ('é' is 'É').
  function norm(ch) {
    var up = ch.toUpperCase();
    return up.length === 1 ? up : ch;
  }
  function typable(ch) { return /^[\p{L}\p{N}]$/u.test(ch); }

  // The solver's state: letters, check marks, which letters are pencilled guesses, time spent.
  var fill = {};
  var marks = {};
  var pencil = {};
  var pencilMode = false;
  var MARKS = ['wrong', 'right', 'revealed'];
  function load() {
    var saved = null;
    try { saved = JSON.parse(window.localStorage.getItem(storageKey) || 'null'); } catch (e) { saved = null; }
    if (saved && typeof saved === 'object') {
      Object.keys(saved.fill || {}).forEach(function (at) {
        if (inputs[at] && typeof saved.fill[at] === 'string' && !given(at)) fill[at] = saved.fill[at];
      });
      Object.keys(saved.marks || {}).forEach(function (at) {
        if (fill[at] && MARKS.indexOf(saved.marks[at]) >= 0) marks[at] = saved.marks[at];
      });
      Object.keys(saved.pencil || {}).forEach(function (at) { if (fill[at]) pencil[at] = true; });
      if (typeof saved.time === 'number' && saved.time >= 0) timer.spent = saved.time;
    }
    data.squares.forEach(function (at) { if (given(at)) fill[at] = answer[at]; });
  }
  function save() {
    var state = { fill: fill, marks: marks, pencil: pencil, time: timer.now() };
    try { window.localStorage.setItem(storageKey, JSON.stringify(state)); } catch (e) { /* no storage */ }
  }
  // The time alone, as the page is hidden or left: the letters stored stay as the last change left
  // them, which may be newer than this page's (another tab, or a write still on its way).
  function saveTime() {
    try {
      var state = JSON.parse(window.localStorage.getItem(storageKey) || 'null');
      if (!state || typeof state !== 'object') return;
      state.time = timer.now();
      window.localStorage.setItem(storageKey, JSON.stringify(state));
    } catch (e) { /* no storage */ }
  }

  function paint(at) {
    inputs[at].value = fill[at] || '';
    MARKS.forEach(function (m) { squares[at].classList.toggle(m, marks[at] === m); });
    squares[at].classList.toggle('pencil', !!pencil[at]);
  }
  function paintWords() {
    words.forEach(function (w, k) {
      clueItems[k].classList.toggle('done', w.cells.every(function (at) { return fill[at]; }));
    });
  }

  // The timer runs while the page is in view and the puzzle is not complete; the player may pause
  // it, and a letter typed starts it again.
  var timer = {
    spent: 0, // milliseconds before `since`
    since: null, // when it last started running, or null while it stands
    paused: false,
    done: false,
    now: function () { return this.spent + (this.since === null ? 0 : Date.now() - this.since); },
    run: function (on) {
      on = on && !this.paused && !this.done && !document.hidden;
      if (on && this.since === null) this.since = Date.now();
      if (!on && this.since !== null) {
        this.spent = this.now();
        this.since = null;
      }
      this.show();
    },
    show: function () {
      var s = Math.floor(this.now() / 1000);
      var h = Math.floor(s / 3600);
      var m = Math.floor(s / 60) % 60;
      var clock = (h ? h + ':' + (m < 10 ? '0' : '') : '') + m + ':' + (s % 60 < 10 ? '0' : '') + (s % 60);
      if (timerButton.textContent !== clock) timerButton.textContent = clock;
      timerButton.setAttribute('aria-label', TEXT.timer.replace('{n}', clock) + '. ' + (this.paused ? TEXT.resume : TEXT.pause));
      timerButton.setAttribute('aria-pressed', this.paused ? 'true' : 'false');
      timerButton.disabled = this.done;
    }
  };
  setInterval(function () { timer.show(); }, 1000);
  document.addEventListener('visibilitychange', function () {
    timer.run(!document.hidden);
    saveTime();
  });

  var cur = data.squares.length ? data.squares.filter(function (at) { return !given(at); })[0] : undefined;
  if (cur === undefined) cur = data.squares[0];
  var dir = 'a';
  function wordAt(at, d) { return through[at] ? through[at][d] : undefined; }
  function currentWord() { return wordAt(cur, dir); }

  // Zoom. The squares fit the width of the page; where they are smaller than READABLE, the grid is
  // enlarged inside its own scrolling box when the player chooses a square (or with the zoom
  // button, or by pinching), and the box follows the current word.
  var READABLE = 32;
  var ZOOMED = 40;
  var LARGEST = 72;
  var cell = 0;
  var zoomed = false;
  function fitCell() {
    var room = play.clientWidth - 2;
    return Math.max(4, Math.min(38, Math.floor((room - 2 - (width - 1)) / width)));
  }
  function setCell(size, anchor) {
    var fit = fitCell();
    size = Math.max(fit, Math.min(LARGEST, size));
    var old = cell || fit;
    var ax = anchor ? anchor.x : gridBox.clientWidth / 2;
    var ay = anchor ? anchor.y : gridBox.clientHeight / 2;
    var gx = (gridBox.scrollLeft + ax) / (old + 1);
    var gy = (gridBox.scrollTop + ay) / (old + 1);
    cell = size;
    zoomed = size > fit;
    board.style.setProperty('--cell', size + 'px');
    board.classList.toggle('zoomed', zoomed);
    zoomButton.hidden = fit >= READABLE;
    zoomButton.setAttribute('aria-pressed', zoomed ? 'true' : 'false');
    measure();
    gridBox.scrollLeft = gx * (size + 1) - ax;
    gridBox.scrollTop = gy * (size + 1) - ay;
  }
  function measure() {
    var root = document.documentElement.style;
    var viewport = window.visualViewport;
    root.setProperty('--bar-h', bar.offsetHeight + 'px');
    root.setProperty('--vh', (viewport ? viewport.height : window.innerHeight) + 'px');
    // Where the on-screen keyboard pushes the visible part down the page, the bar moves with it.
    root.setProperty('--vv-top', (viewport ? Math.max(0, viewport.offsetTop) : 0) + 'px');
  }
  function refit() { setCell(zoomed ? cell : 0); }
  window.addEventListener('resize', refit);
  if (window.visualViewport) {
    window.visualViewport.addEventListener('resize', measure);
    window.visualViewport.addEventListener('scroll', measure);
  }
  // The scroll offset along one axis that shows [lo, hi] in a box of `room`, moving as little as can be.
  function within(now, room, lo, hi) {
    if (lo < now) return lo;
    if (hi > now + room) return Math.min(lo, hi - room);
    return now;
  }
  // The current word in the grid's box, as much of it as fits, and the current square always.
  function follow() {
    var sq = squares[cur];
    if (zoomed) {
      // The box is made to fit the screen below the bar: all of it in view, then the word in it.
      gridBox.scrollIntoView({ block: 'nearest', inline: 'nearest' });
      var cells = words[currentWord()].cells;
      var first = squares[cells[0]];
      var last = squares[cells[cells.length - 1]];
      var pad = cell / 2;
      var wide = last.offsetLeft + cell - first.offsetLeft + 2 * pad <= gridBox.clientWidth;
      var tall = last.offsetTop + cell - first.offsetTop + 2 * pad <= gridBox.clientHeight;
      gridBox.scrollLeft = wide ? within(gridBox.scrollLeft, gridBox.clientWidth, first.offsetLeft - pad, last.offsetLeft + cell + pad)
        : within(gridBox.scrollLeft, gridBox.clientWidth, sq.offsetLeft - pad, sq.offsetLeft + cell + pad);
      gridBox.scrollTop = tall ? within(gridBox.scrollTop, gridBox.clientHeight, first.offsetTop - pad, last.offsetTop + cell + pad)
        : within(gridBox.scrollTop, gridBox.clientHeight, sq.offsetTop - pad, sq.offsetTop + cell + pad);
    }
    sq.scrollIntoView({ block: 'nearest', inline: 'nearest' });
  }

  function select(at, d, keepFocus) {
    if (wordAt(at, d) === undefined) d = d === 'a' ? 'd' : 'a';
    var old = currentWord();
    if (old !== undefined) {
      words[old].cells.forEach(function (c) { squares[c].classList.remove('word'); });
      clueItems[old].classList.remove('word');
    }
    if (cur !== undefined) {
      squares[cur].classList.remove('cur');
      inputs[cur].tabIndex = -1;
    }
    cur = at;
    dir = d;
    var k = currentWord();
    words[k].cells.forEach(function (c) { squares[c].classList.add('word'); });
    clueItems[k].classList.add('word');
    squares[cur].classList.add('cur');
    inputs[cur].tabIndex = 0;
    currentLine.textContent = words[k].label + ': ' + words[k].clue;
    if (keepFocus) return;
    if (cell < READABLE) setCell(ZOOMED, centreOf(cur));
    measure();
    if (document.activeElement !== inputs[cur]) inputs[cur].focus({ preventScroll: true });
    follow();
  }
  // Where the square is in the grid's box, so that zooming in keeps it under the finger.
  function centreOf(at) {
    var box = gridBox.getBoundingClientRect();
    var r = squares[at].getBoundingClientRect();
    return { x: r.left + r.width / 2 - box.left, y: r.top + r.height / 2 - box.top };
  }
  // Back to the current square after a tool was used, so that the next letter typed lands there.
  function backToGrid() {
    if (cur === undefined) return;
    inputs[cur].focus({ preventScroll: true });
    follow();
  }

  // The next square along the word in the current direction, past given ones; undefined at its end.
  function along(step) {
    var cells = words[currentWord()].cells;
    for (var i = cells.indexOf(cur) + step; i >= 0 && i < cells.length; i += step) {
      if (!given(cells[i])) return cells[i];
    }
    return undefined;
  }
  // The next open square from `at` in a row or a column, past blocks; undefined at the edge.
  function beyond(at, dr, dc) {
    var r = Math.floor(at / width) + dr;
    var c = at % width + dc;
    while (r >= 0 && c >= 0 && r < data.height && c < width) {
      var next = r * width + c;
      if (inputs[next]) return next;
      r += dr;
      c += dc;
    }
    return undefined;
  }
  function firstToFill(k) {
    var cells = words[k].cells;
    for (var i = 0; i < cells.length; ++i) {
      if (!fill[cells[i]] && !given(cells[i])) return cells[i];
    }
    return cells.filter(function (at) { return !given(at); })[0] || cells[0];
  }
  function goToWord(k) { select(firstToFill(k), words[k].across ? 'a' : 'd'); }
  function nextWord(step) { goToWord((currentWord() + step + words.length) % words.length); }

  function say(text) { statusLine.textContent = text; }
  function revealedCount() {
    return data.squares.filter(function (at) { return marks[at] === 'revealed'; }).length;
  }
  function complete() {
    return data.squares.every(function (at) { return fill[at] && norm(fill[at]) === norm(answer[at]); });
  }
  // What the page says of a complete puzzle: solved, or complete with the letters that were revealed.
  function finish(solvedText) {
    var revealed = revealedCount();
    timer.done = true;
    timer.run(false);
    document.body.classList.toggle('solved', !revealed);
    say(revealed ? counted('complete', revealed) : solvedText);
  }
  function changed() {
    document.body.classList.remove('solved');
    if (!complete()) {
      timer.done = false;
      timer.run(true);
    }
    paintWords();
    save();
  }

  function type(ch) {
    if (!locked(cur)) {
      fill[cur] = norm(ch);
      delete marks[cur];
      if (pencilMode) pencil[cur] = true; else delete pencil[cur];
      paint(cur);
    }
    var next = along(1);
    if (next !== undefined) select(next, dir);
    changed();
    if (complete()) finish(TEXT.filledIn);
    else if (timer.paused) pauseTimer(false);
  }
  function erase(at) {
    if (locked(at)) return;
    delete fill[at];
    delete marks[at];
    delete pencil[at];
    paint(at);
  }
  function backspace() {
    if (fill[cur] && !locked(cur)) {
      erase(cur);
    } else {
      var back = along(-1);
      if (back !== undefined) {
        select(back, dir);
        erase(back);
      }
    }
    changed();
  }
  function arrow(d, dr, dc) {
    if (dir !== d && wordAt(cur, d) !== undefined) {
      select(cur, d);
      return;
    }
    var next = beyond(cur, dr, dc);
    if (next !== undefined) select(next, wordAt(next, d) !== undefined ? d : dir);
  }

  grid.addEventListener('keydown', function (e) {
    if (e.ctrlKey || e.metaKey || e.altKey) return;
    var k = currentWord();
    switch (e.key) {
    case 'ArrowLeft': arrow('a', 0, -1); break;
    case 'ArrowRight': arrow('a', 0, 1); break;
    case 'ArrowUp': arrow('d', -1, 0); break;
    case 'ArrowDown': arrow('d', 1, 0); break;
    case 'Tab':
      // Past the last word (or before the first) the key leaves the grid, as it does anywhere.
      var to = k + (e.shiftKey ? -1 : 1);
      if (to < 0 || to >= words.length) return;
      goToWord(to);
      break;
    case 'Enter':
      // The on-screen keyboard's "next" key.
      nextWord(1);
      break;
    case 'Escape':
      // Out of the grid at once, to the clue being solved.
      clueItems[k].focus();
      break;
    case 'Backspace': backspace(); break;
    case 'Delete': erase(cur); changed(); break;
    case ' ': select(cur, dir === 'a' ? 'd' : 'a'); break;
    case 'Home': select(words[k].cells[0], dir); break;
    case 'End': select(words[k].cells[words[k].cells.length - 1], dir); break;
    default:
      if (e.key.length !== 1 || !typable(e.key)) {
        if (e.key.length === 1) e.preventDefault();
        return;
      }
      type(e.key);
    }
    e.preventDefault();
  });
  // The letter an input event brings: on-screen keyboards, dead keys and input methods send
  // letters this way, with no key event to tell them by. Without the event's own data, the new
  // letter is what the box holds beside its old one.
  function typedIn(e, old) {
    var text = typeof e.data === 'string' && e.data ? e.data : e.target.value;
    if (!e.data && old && text.length > old.length) {
      if (text.indexOf(old) === 0) text = text.slice(old.length);
      else if (text.slice(-old.length) === old) text = text.slice(0, -old.length);
    }
    var letters = Array.from(text).filter(typable);
    return letters.length ? letters[letters.length - 1] : '';
  }
  grid.addEventListener('input', function (e) {
    var sq = e.target.closest('.sq.open');
    if (!sq) return;
    var at = Number(sq.getAttribute('data-i'));
    if (at !== cur) select(at, dir, true);
    var ch = typedIn(e, fill[at] || '');
    if (ch) {
      type(ch);
    } else if (!e.target.value || /^delete/.test(e.inputType || '')) {
      // A deletion that came without a Backspace key: the same as the key.
      paint(at);
      backspace();
    } else {
      paint(at);
    }
  });
  // A click on the square that already has the cursor (and the focus) turns the direction; the
  // click that brings the focus into the grid only selects. The press itself keeps the focus
  // where it is, so that an on-screen keyboard stays open from square to square.
  var pressedOnCursor = false;
  grid.addEventListener('mousedown', function (e) {
    var sq = e.target.closest('.sq.open');
    pressedOnCursor = !!sq && Number(sq.getAttribute('data-i')) === cur && document.activeElement === inputs[cur];
    if (sq) e.preventDefault();
  });
  grid.addEventListener('click', function (e) {
    var sq = e.target.closest('.sq.open');
    if (!sq) return;
    var at = Number(sq.getAttribute('data-i'));
    if (at === cur && pressedOnCursor) select(at, dir === 'a' ? 'd' : 'a');
    else select(at, dir);
    pressedOnCursor = false;
  });
  grid.addEventListener('focusin', function (e) {
    var sq = e.target.closest('.sq.open');
    if (!sq) return;
    var at = Number(sq.getAttribute('data-i'));
    if (at !== cur) select(at, dir, true);
  });

  // Pinching the grid zooms it about the point between the fingers; one finger pans its box.
  var pinch = null;
  function spread(t) { return Math.hypot(t[0].clientX - t[1].clientX, t[0].clientY - t[1].clientY) || 1; }
  gridBox.addEventListener('touchstart', function (e) {
    if (e.touches.length !== 2) return;
    pinch = { spread: spread(e.touches), cell: cell };
    e.preventDefault();
  }, { passive: false });
  gridBox.addEventListener('touchmove', function (e) {
    if (!pinch || e.touches.length !== 2) return;
    e.preventDefault();
    var box = gridBox.getBoundingClientRect();
    setCell(pinch.cell * spread(e.touches) / pinch.spread, {
      x: (e.touches[0].clientX + e.touches[1].clientX) / 2 - box.left,
      y: (e.touches[0].clientY + e.touches[1].clientY) / 2 - box.top
    });
  }, { passive: false });
  gridBox.addEventListener('touchend', function (e) { if (e.touches.length < 2) pinch = null; });

  clueItems.forEach(function (li) {
    var k = Number(li.getAttribute('data-w'));
    li.addEventListener('click', function () { goToWord(k); });
    li.addEventListener('keydown', function (e) {
      if (e.key === 'Enter' || e.key === ' ') {
        e.preventDefault();
        goToWord(k);
      }
    });
  });

  function scope(what) {
    if (what === 'letter') return [cur];
    if (what === 'word') return words[currentWord()].cells.slice();
    return data.squares.slice();
  }
  function check(what) {
    var wrong = 0;
    var empty = 0;
    scope(what).forEach(function (at) {
      if (given(at)) return;
      if (!fill[at]) { ++empty; return; }
      if (marks[at] !== 'revealed') marks[at] = norm(fill[at]) === norm(answer[at]) ? 'right' : 'wrong';
      if (marks[at] === 'wrong') ++wrong;
      paint(at);
    });
    save();
    if (what === 'puzzle' && !wrong && !empty) finish(TEXT.solved);
    else if (wrong) say(counted('wrong', wrong));
    else if (empty) say(counted('soFar', empty));
    else say(what === 'letter' ? TEXT.letterRight : TEXT.wordRight);
  }
  function reveal(what) {
    scope(what).forEach(function (at) {
      if (given(at) || (fill[at] && norm(fill[at]) === norm(answer[at]) && !pencil[at])) return;
      fill[at] = answer[at];
      marks[at] = 'revealed';
      delete pencil[at];
      paint(at);
    });
    changed();
    say(TEXT[what + 'Revealed']);
    if (complete()) finish(TEXT.solved);
  }
  // Clearing a word leaves its revealed letters, as typing does; clearing the puzzle starts afresh.
  function clear(cells, revealedToo) {
    cells.forEach(function (at) {
      if (given(at) || (!revealedToo && marks[at] === 'revealed')) return;
      delete fill[at];
      delete marks[at];
      delete pencil[at];
      paint(at);
    });
    changed();
  }

  // A confirmation inside the page, for the tools that cannot be undone.
  var dialog = document.createElement('dialog');
  dialog.setAttribute('aria-labelledby', 'confirm-text');
  dialog.innerHTML = '<p id="confirm-text"></p><div class="choices"><button type="button" value="cancel"></button>' +
    '<button type="button" class="danger" value="ok"></button></div>';
  document.body.appendChild(dialog);
  var confirmed = null;
  function confirmThen(question, yes, then) {
    dialog.querySelector('p').textContent = question;
    dialog.querySelector('[value=ok]').textContent = yes;
    dialog.querySelector('[value=cancel]').textContent = TEXT.cancel;
    confirmed = then;
    if (typeof dialog.showModal === 'function') {
      dialog.showModal();
      dialog.querySelector('[value=cancel]').focus();
    } else if (window.confirm(question)) {
      then();
    }
  }
  dialog.addEventListener('click', function (e) {
    var button = e.target.closest('button');
    if (!button) return;
    var then = button.value === 'ok' ? confirmed : null;
    dialog.close();
    if (then) then();
    backToGrid();
  });
  // Closed with Escape: back to the grid too. (The close event comes later than the click above,
  // when the page may have moved on.)
  dialog.addEventListener('close', function () {
    confirmed = null;
    if (!grid.contains(document.activeElement)) backToGrid();
  });

  function pauseTimer(paused) {
    timer.paused = paused;
    timer.run(true);
    if (paused) say(TEXT.paused);
    else if (statusLine.textContent === TEXT.paused) say('');
  }
  function printPage(withLetters) {
    document.body.classList.toggle('print-letters', withLetters);
    window.print();
  }
  window.addEventListener('afterprint', function () { document.body.classList.remove('print-letters'); });

  // The menus of the tool row: one open at a time, closed by a choice, Escape or a press elsewhere.
  var menus = Array.prototype.slice.call(document.querySelectorAll('.tools .menu'));
  function closeMenus(except) {
    menus.forEach(function (m) {
      if (m === except) return;
      m.querySelector('.items').hidden = true;
      m.querySelector('.opener').setAttribute('aria-expanded', 'false');
    });
  }
  menus.forEach(function (m) {
    var opener = m.querySelector('.opener');
    opener.addEventListener('mousedown', function (e) { e.preventDefault(); });
    opener.addEventListener('click', function () {
      var open = opener.getAttribute('aria-expanded') !== 'true';
      closeMenus(m);
      m.querySelector('.items').hidden = !open;
      opener.setAttribute('aria-expanded', open ? 'true' : 'false');
    });
    m.addEventListener('keydown', function (e) {
      if (e.key !== 'Escape') return;
      closeMenus();
      opener.focus();
    });
  });
  document.addEventListener('click', function (e) {
    var inside = e.target.closest && e.target.closest('.menu');
    closeMenus(inside || undefined);
  });

  function act(name) {
    var what = name.split('-')[1];
    switch (name.split('-')[0]) {
    case 'check': check(what); break;
    case 'reveal':
      if (what !== 'puzzle') reveal(what);
      else return confirmThen(TEXT.askReveal, TEXT.doReveal, function () { reveal('puzzle'); });
      break;
    case 'clear':
      if (what === 'word') {
        clear(words[currentWord()].cells, false);
        say(TEXT.wordCleared);
      } else {
        return confirmThen(TEXT.askClear, TEXT.doClear, function () {
          clear(data.squares, true);
          timer.spent = 0;
          timer.since = null;
          timer.run(true);
          save();
          say('');
        });
      }
      break;
    case 'pencil':
      pencilMode = !pencilMode;
      pencilButton.setAttribute('aria-pressed', pencilMode ? 'true' : 'false');
      break;
    case 'timer': pauseTimer(!timer.paused); break;
    case 'zoom':
      setCell(zoomed ? 0 : ZOOMED, centreOf(cur));
      break;
    case 'prev': nextWord(-1); break;
    case 'next': nextWord(1); break;
    case 'print': printPage(what === 'letters'); break;
    }
    backToGrid();
  }
  // The tools act on the current square: a press on one leaves the focus (and an on-screen
  // keyboard) where it is, and the focus is back on the square after the tool has acted.
  Array.prototype.forEach.call(document.querySelectorAll('[data-act]'), function (button) {
    button.addEventListener('mousedown', function (e) { e.preventDefault(); });
    button.addEventListener('click', function () {
      closeMenus();
      act(button.getAttribute('data-act'));
    });
  });
  window.addEventListener('pagehide', saveTime);

  load();
  data.squares.forEach(paint);
  paintWords();
  setCell(0);
  if (cur !== undefined) select(cur, wordAt(cur, 'a') !== undefined ? 'a' : 'd', true);
  if (complete()) finish(TEXT.filledIn);
  timer.run(true);
  measure();
})();

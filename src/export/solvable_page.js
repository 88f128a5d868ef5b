(function () {
  'use strict';
  var data = JSON.parse(document.getElementById('puzzle-data').textContent);
  var width = data.width;
  var storageKey = 'quorvex-progress:' + data.id;
  var grid = document.getElementById('grid');
  var statusLine = document.getElementById('status');
  var currentLine = document.getElementById('current');

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
  // The letter as the solver means it: capitals, accents kept ('é' is 'É').
  function norm(ch) {
    var up = ch.toUpperCase();
    return up.length === 1 ? up : ch;
  }
  function typable(ch) { return /^[\p{L}\p{N}]$/u.test(ch); }

  var fill = {};
  var marks = {};
  function load() {
    var saved = null;
    try { saved = JSON.parse(window.localStorage.getItem(storageKey) || 'null'); } catch (e) { saved = null; }
    if (saved && typeof saved === 'object') {
      Object.keys(saved.fill || {}).forEach(function (at) {
        if (inputs[at] && typeof saved.fill[at] === 'string' && !given(at)) fill[at] = saved.fill[at];
      });
      Object.keys(saved.marks || {}).forEach(function (at) {
        if (inputs[at] && fill[at]) marks[at] = saved.marks[at];
      });
    }
    data.squares.forEach(function (at) { if (given(at)) fill[at] = answer[at]; });
  }
  function save() {
    try { window.localStorage.setItem(storageKey, JSON.stringify({ fill: fill, marks: marks })); } catch (e) { /* no storage */ }
  }

  function paint(at) {
    inputs[at].value = fill[at] || '';
    ['wrong', 'right', 'revealed'].forEach(function (m) { squares[at].classList.toggle(m, marks[at] === m); });
  }
  function paintWords() {
    words.forEach(function (w, k) {
      var full = w.cells.every(function (at) { return fill[at]; });
      clueItems[k].classList.toggle('done', full);
    });
  }

  var cur = data.squares.length ? data.squares.filter(function (at) { return !given(at); })[0] : undefined;
  if (cur === undefined) cur = data.squares[0];
  var dir = 'a';
  function wordAt(at, d) { return through[at] ? through[at][d] : undefined; }
  function currentWord() { return wordAt(cur, dir); }

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
    if (!keepFocus && document.activeElement !== inputs[cur]) inputs[cur].focus({ preventScroll: false });
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

  function say(text) { statusLine.textContent = text; }
  function solved() {
    return data.squares.every(function (at) { return fill[at] && norm(fill[at]) === norm(answer[at]); });
  }
  function changed() {
    document.body.classList.toggle('solved', false);
    paintWords();
    save();
  }

  function type(ch) {
    if (!given(cur) && marks[cur] !== 'revealed') {
      fill[cur] = norm(ch);
      delete marks[cur];
      paint(cur);
    }
    var next = along(1);
    if (next !== undefined) select(next, dir);
    changed();
    if (solved()) say('Every square is filled in correctly.');
  }
  function erase(at) {
    if (given(at) || marks[at] === 'revealed') return;
    delete fill[at];
    delete marks[at];
    paint(at);
  }
  function backspace() {
    if (fill[cur] && !given(cur) && marks[cur] !== 'revealed') {
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
  // Letters composed with dead keys or an input method arrive as input, not as one key.
  grid.addEventListener('input', function (e) {
    var at = Number(e.target.parentNode.getAttribute('data-i'));
    var text = e.target.value;
    var ch = text.length ? text.charAt(text.length - 1) : '';
    if (at !== cur) select(at, dir, true);
    if (ch && typable(ch)) type(ch); else paint(at);
  });
  // A click on the square that already has the cursor (and the focus) turns the direction; the
  // click that brings the focus into the grid only selects.
  var pressedOnCursor = false;
  grid.addEventListener('mousedown', function (e) {
    var sq = e.target.closest('.sq.open');
    pressedOnCursor = !!sq && Number(sq.getAttribute('data-i')) === cur && document.activeElement === inputs[cur];
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
    var whole = what === 'puzzle';
    if (whole && !wrong && !empty) {
      document.body.classList.add('solved');
      say('Every letter is right: the puzzle is solved.');
    } else if (wrong) {
      say(wrong === 1 ? 'One letter is wrong.' : wrong + ' letters are wrong.');
    } else if (empty) {
      say('The letters filled in so far are right; ' + (empty === 1 ? 'one square is' : empty + ' squares are') + ' still empty.');
    } else {
      say(what === 'letter' ? 'This letter is right.' : 'This word is right.');
    }
  }
  function reveal(what) {
    scope(what).forEach(function (at) {
      if (given(at) || (fill[at] && norm(fill[at]) === norm(answer[at]))) return;
      fill[at] = answer[at];
      marks[at] = 'revealed';
      paint(at);
    });
    changed();
    say(what === 'puzzle' ? 'The whole puzzle is revealed.' : (what === 'word' ? 'The word is revealed.' : 'The letter is revealed.'));
  }

  document.querySelector('.tools').addEventListener('click', function (e) {
    var button = e.target.closest('button');
    if (!button) return;
    var act = button.getAttribute('data-act').split('-');
    if (act[0] === 'check') check(act[1]);
    else if (act[0] === 'reveal') reveal(act[1]);
    else if (act[0] === 'print') window.print();
    else if (act[0] === 'clear' && window.confirm('Clear every letter of this puzzle?')) {
      data.squares.forEach(function (at) { if (!given(at)) { delete fill[at]; delete marks[at]; paint(at); } });
      changed();
      say('');
    }
  });

  load();
  data.squares.forEach(paint);
  paintWords();
  if (cur !== undefined) select(cur, wordAt(cur, 'a') !== undefined ? 'a' : 'd', true);
  if (solved()) say('Every square is filled in correctly.');
})();

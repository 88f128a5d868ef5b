// Opens .puz files with puzjs, a reader from the npm registry that shares nothing with the
// program, and compares what it finds with the .ipuz file written beside each: the same squares
// and letters, the same clue under each number and direction, the same title and notes.
//
//   node check_puz.js FILE.puz...      (FILE.ipuz must lie beside each)
// Prints one line per file and exits 1 when any file differs.
'use strict';

const fs = require('fs');
const Puz = require('puzjs');

// puzjs reports the sections it looks for on the console; the check's own lines are what count.
const say = console.log.bind(console);
console.log = () => {};

// An ipuz text as a solver shows it: ipuz texts may hold HTML, so a plain '&' or '<' is an entity.
const plain = (text) =>
  (text || '')
    .replace(/&lt;/g, '<')
    .replace(/&gt;/g, '>')
    .replace(/&quot;/g, '"')
    .replace(/&#39;/g, "'")
    .replace(/&amp;/g, '&');

let failures = 0;
for (const path of process.argv.slice(2)) {
  const problems = [];
  const puz = Puz.decode(fs.readFileSync(path));
  const ipuz = JSON.parse(fs.readFileSync(path.replace(/\.puz$/, '.ipuz'), 'utf8'));

  const height = ipuz.dimensions.height;
  const width = ipuz.dimensions.width;
  if (puz.grid.length !== height || puz.grid[0].length !== width) problems.push('size differs');
  for (let r = 0; r < height && !problems.length; ++r) {
    for (let c = 0; c < width; ++c) {
      const square = ipuz.solution[r][c];
      const letter = typeof square === 'string' && square !== '#' ? square : '.';
      if (puz.grid[r][c] !== letter) problems.push(`square ${r + 1},${c + 1}: ${puz.grid[r][c]} for ${letter}`);
    }
  }
  for (const [direction, list] of [['across', ipuz.clues.Across], ['down', ipuz.clues.Down]]) {
    const found = puz.clues[direction].filter((clue) => clue !== undefined).length;
    if (found !== list.length) problems.push(`${list.length} ${direction} clues, puzjs found ${found}`);
    for (const clue of list) {
      if (puz.clues[direction][clue.number] !== plain(clue.clue)) problems.push(`${clue.number} ${direction} differs`);
    }
  }
  if (puz.meta.title !== plain(ipuz.title)) problems.push('title differs');
  if (puz.meta.description !== plain(ipuz.notes)) problems.push('notes differ');

  if (problems.length) {
    ++failures;
    say(`FAIL ${path}: ${problems.slice(0, 5).join('; ')}`);
  } else {
    say(`ok ${path}: ${width}x${height}, ${ipuz.clues.Across.length} across, ${ipuz.clues.Down.length} down`);
  }
}
process.exit(failures ? 1 : 0);

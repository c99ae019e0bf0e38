// kestrova-cli, the engine without the window: what the page must show for a puzzle.
'use strict';
const { execFileSync } = require('child_process');
const path = require('path');

const kRoot = path.resolve(__dirname, '../..');
const kCli = process.env.KESTROVA_CLI || path.join(kRoot, 'build/native/tools/cli/kestrova-cli');

function rows(output) {
  return output
    .split('\n')
    .filter((line) => line && !line.startsWith('#'))
    .map((line) => line.split('\t'));
}

// "%8X" of a hash that kestrova-cli printed as "%08X".
function spaced(hex) {
  return parseInt(hex, 16).toString(16).toUpperCase().padStart(8, ' ');
}

// The window's status line: identity CRC, fingerprint, solutions.
function statusLine(crc, fingerprint, solutions) {
  return `${spaced(crc)}-${spaced(fingerprint)}: ${solutions}`;
}

// Library puzzles by number, read from the exe: [{ number, puzzle (reading order), pair }].
function libraryPuzzles(exe, numbers) {
  const output = execFileSync(kCli, ['library', '--from', exe, ...numbers.map(String)], { encoding: 'utf8' });
  return rows(output).map(([number, , puzzle, pair]) => ({ number: Number(number), puzzle, pair }));
}

// SOLVE or PROVE ('solve', 'prove') of each puzzle: [{ solutions, board, status, ms }].
function search(kind, puzzles) {
  const output = execFileSync(kCli, [kind], {
    input: puzzles.join('\n') + '\n',
    encoding: 'utf8',
    maxBuffer: 1 << 26,
  });
  return rows(output).map(([, solutions, board, crc, fingerprint, , , , , ms]) => ({
    solutions: Number(solutions),
    board,
    status: statusLine(crc, fingerprint, solutions),
    ms: Number(ms),
  }));
}

// A puzzle in reading order as the 81 bytes of a .sud file (storage order: column by column).
function puzzleFileBytes(puzzle) {
  const bytes = Buffer.alloc(81);
  for (let c = 0; c < 9; ++c) {
    for (let r = 0; r < 9; ++r) bytes[9 * c + r] = Number(puzzle[9 * r + c]);
  }
  return bytes;
}

module.exports = { kRoot, kCli, libraryPuzzles, search, statusLine, puzzleFileBytes };

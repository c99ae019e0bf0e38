// The Windows program's picture of the board at 96 DPI, as its painting code draws it and the
// window tests find it on the screen: where the lines are and in which colours, and which
// colour a digit of each kind has. Compared here with the pixels of the page's canvas.
'use strict';

const kColour = {
  box: 0xb46464,
  cell: 0x6464fa,
  selection: 0xdc6464,
  given: 0xe15f5f,
  entered: 0x5fcd5f,
  candidate: 0x969696,
  status: 0x141414,
  warning: 0xff1414,
};

// Lines run from 10 to 490. A box line at x is drawn with a 2-pixel pen and covers x - 1 and x;
// a cell line covers x. The order: box lines down, cell lines down, box lines across, cell lines
// across, each over what is there.
const kBoxLines = [10, 170, 330, 490];
const kCellLines = [63, 116, 223, 276, 383, 436];
// Pixels whose colour the line model fixes: clear of the lines' ends, whose last pixel depends
// on the pen.
const kInside = { from: 12, to: 488 };
// Outside this square no pixel has a line colour but the client's outline: the background is a
// rectangle over the whole client, drawn with the cell pen.
const kBoard = { from: 8, to: 492 };

function lineModel() {
  const size = kInside.to - kInside.from;
  const model = new Int32Array(size * size).fill(-1);
  const stripes = [
    [true, kBoxLines, kColour.box, 2],
    [true, kCellLines, kColour.cell, 1],
    [false, kBoxLines, kColour.box, 2],
    [false, kCellLines, kColour.cell, 1],
  ];
  for (const [down, lines, colour, width] of stripes) {
    for (const line of lines) {
      for (let at = line - width + 1; at <= line; ++at) {
        if (at < kInside.from || at >= kInside.to) continue;
        for (let along = kInside.from; along < kInside.to; ++along) {
          const [x, y] = down ? [at, along] : [along, at];
          model[(y - kInside.from) * size + (x - kInside.from)] = colour;
        }
      }
    }
  }
  return (x, y) => model[(y - kInside.from) * size + (x - kInside.from)];
}

const hex = (colour) => colour.toString(16).padStart(6, '0');

// Differences between the canvas (96 DPI) and the Windows lines: a list of "x,y: found, wanted".
function lineDifferences(shot) {
  const model = lineModel();
  const isLine = (colour) => colour === kColour.box || colour === kColour.cell;
  const found = [];
  for (let y = 0; y < shot.height; ++y) {
    for (let x = 0; x < shot.width; ++x) {
      const colour = shot.rgb(x, y);
      const inside = x >= kInside.from && x < kInside.to && y >= kInside.from && y < kInside.to;
      const onBoard = x >= kBoard.from && x < kBoard.to && y >= kBoard.from && y < kBoard.to;
      const outline = x === 0 || y === 0 || x === shot.width - 1 || y === shot.height - 1;
      const wanted = inside ? model(x, y) : outline ? kColour.cell : -1;
      const wrong = wanted >= 0 ? colour !== wanted : isLine(colour) && (inside || !onBoard);
      if (wrong)
        found.push(`${x},${y}: ${hex(colour)}, wanted ${wanted >= 0 ? hex(wanted) : 'no line colour'}`);
    }
  }
  return found;
}

// At a device pixel ratio of 2 every line is at twice its place and twice as wide: the two
// pixels left of and at that place hold its colour (a wide pen may take more). Sampled down a
// row clear of the lines across: a list of "x: found, wanted".
function doubledLineDifferences(shot) {
  const y = 2 * 40;
  const found = [];
  for (const [lines, colour] of [
    [kBoxLines, kColour.box],
    [kCellLines, kColour.cell],
  ]) {
    for (const line of lines) {
      for (const x of [2 * line - 1, 2 * line]) {
        if (shot.rgb(x, y) !== colour) found.push(`${x}: ${hex(shot.rgb(x, y))}, wanted ${hex(colour)}`);
      }
    }
  }
  return found;
}

// Left and top line of cell (c, r): one extra pixel per box.
const cellOrigin = (c, r) => [10 + 53 * c + Math.floor(c / 3), 10 + 53 * r + Math.floor(r / 3)];

// 81 characters in reading order: '1' where the inside of a cell (clear of its lines) holds a
// pixel of exactly that colour.
function cellsWith(shot, colour) {
  let cells = '';
  for (let r = 0; r < 9; ++r) {
    for (let c = 0; c < 9; ++c) {
      const [x0, y0] = cellOrigin(c, r);
      let hit = false;
      for (let y = y0 + 2; y < y0 + 51 && !hit; ++y) {
        for (let x = x0 + 2; x < x0 + 51 && !hit; ++x) hit = shot.rgb(x, y) === colour;
      }
      cells += hit ? '1' : '0';
    }
  }
  return cells;
}

// The left edge of the selection frame round cell (c, r): 2 pixels wide.
function framed(shot, c, r) {
  const [x0, y0] = cellOrigin(c, r);
  let count = 0;
  for (let y = y0 + 5; y < y0 + 50; ++y) {
    for (let x = x0 - 1; x < x0 + 1; ++x) count += shot.rgb(x, y) === kColour.selection ? 1 : 0;
  }
  return count === 90;
}

// Where the window draws the digit of cell (c, r), and the texts it draws for a board with no
// candidate marks shown: [{ x, y, text }] for the filled cells, in paint order.
const digitAt = (c, r) => ({ x: 30 + 53 * c, y: 14 + 53 * r });
function digitTexts(board) {
  const texts = [];
  for (let i = 0; i < 81; ++i) {
    if (board[i] !== '0') texts.push({ ...digitAt(i % 9, Math.floor(i / 9)), text: board[i] });
  }
  return texts;
}

const filledCells = (board) => [...board].map((d) => (d === '0' ? '0' : '1')).join('');

module.exports = {
  kColour,
  lineDifferences,
  doubledLineDifferences,
  cellsWith,
  framed,
  digitAt,
  digitTexts,
  filledCells,
};

// The page in Debian's headless Chromium, served from 127.0.0.1, against what the Windows
// program paints and what kestrova-cli finds for the same puzzles.
'use strict';
const assert = require('assert/strict');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { after, before, test } = require('node:test');

const { serve } = require('./server');
const { launchChromium, catchDownloads, KestrovaPage } = require('./browser');
const { kRoot, libraryPuzzles, search, statusLine, puzzleFileBytes } = require('./cli');
const {
  kColour,
  lineDifferences,
  doubledLineDifferences,
  cellsWith,
  framed,
  digitAt,
  digitTexts,
  filledCells,
} = require('./board');

const kSite = path.resolve(process.env.KESTROVA_SITE || path.join(kRoot, 'build/web/site'));
const kExe = path.join(kSite, 'Kestrova.exe');
const kNoSolution = '053000080700000503000000000000000001001000000670034000000000000000100604000000035';
const kNoSolutionStatus = search('prove', [kNoSolution])[0].status;
const kRefusal = 'Please download Kestrova.exe again. ';
const kLibraryLength = 3040124;

const work = fs.mkdtempSync(path.join(os.tmpdir(), 'kestrova-web.'));
let site;
let browser;
let downloads;
const pages = [];

before(async () => {
  site = await serve(kSite);
  browser = await launchChromium();
  fs.mkdirSync(path.join(work, 'downloads'));
  downloads = await catchDownloads(browser, path.join(work, 'downloads'));
});

after(async () => {
  await browser?.close();
  await site?.close();
  fs.rmSync(work, { recursive: true, force: true });
});

// A fresh page of the site, running, in place of the last one; their consoles are checked at
// the end.
async function openPage(options) {
  await pages[pages.length - 1]?.close();
  const page = await KestrovaPage.open(browser, site.url, options);
  pages.push(page);
  await page.waitRunning();
  return page;
}

function writePuzzleFile(name, puzzle) {
  const file = path.join(work, name);
  fs.writeFileSync(file, puzzleFileBytes(puzzle));
  return file;
}

const kLabels = [
  { x: 10, y: 530, text: 'CLUES OFF' },
  { x: 200, y: 500, text: 'Clear' },
  { x: 270, y: 500, text: 'Load' },
  { x: 340, y: 500, text: 'Save' },
  { x: 200, y: 530, text: 'SOLVE' },
  { x: 340, y: 530, text: 'PROVE' },
];

test('the board of a library puzzle is painted as the window paints it', async (t) => {
  const numbers = [0, 36628, 123457, 293023];
  const puzzles = libraryPuzzles(kExe, numbers);
  // One page, taken from ratio 1 to 2 between the two rounds, as to a screen of another
  // density: the ratio and the size of the viewport change together.
  const page = await openPage();
  for (const scale of [1, 2]) {
    if (scale !== 1) {
      await page.page.setViewport({ width: 1000, height: 900, deviceScaleFactor: scale });
      await page.page.waitForFunction((w) => document.getElementById('board').width === w, {}, 501 * scale);
    }
    for (const { number, puzzle, pair } of puzzles) {
      await t.test(`puzzle ${number}, device pixel ratio ${scale}`, async () => {
        const size = await page.page.$eval('canvas#board', (canvas) => [
          canvas.getBoundingClientRect().width,
          canvas.getBoundingClientRect().height,
        ]);
        assert.deepEqual(size, [501, 554], 'CSS size');
        await page.showPuzzle(number);
        const texts = await page.texts();
        assert.deepEqual(
          texts.filter((x) => x.y < 490),
          digitTexts(puzzle),
          'digits and where they are drawn',
        );
        for (const label of [
          ...kLabels,
          { x: 10, y: 500, text: `${pair}: 0` },
          { x: 410, y: 500, text: `17 - ${number}` },
        ]) {
          assert.ok(
            texts.some((x) => x.x === label.x && x.y === label.y && x.text === label.text),
            `'${label.text}' at ${label.x}, ${label.y}`,
          );
        }
        const shot = await page.pixels();
        assert.deepEqual([shot.width, shot.height], [501 * scale, 554 * scale], 'backing store');
        if (scale !== 1) {
          assert.deepEqual(doubledLineDifferences(shot), [], 'box and cell lines at twice their places');
          return;
        }
        assert.deepEqual(lineDifferences(shot).slice(0, 10), [], 'box and cell lines');
        assert.equal(cellsWith(shot, kColour.given), filledCells(puzzle), 'cells with a given colour');
        assert.equal(cellsWith(shot, kColour.entered), '0'.repeat(81), 'cells with an entered colour');
        assert.ok(cellsWith(shot, kColour.status).includes('0'), 'no status colour on the board');
      });
    }
  }
});

test('a click and a digit place it, a right click takes it out', async (t) => {
  const [{ number, puzzle }] = libraryPuzzles(kExe, [4242]);
  const [{ board: solution }] = search('solve', [puzzle]);
  const empty = [...puzzle].map((d, i) => (d === '0' ? i : -1)).filter((i) => i >= 0);
  const page = await openPage();
  const givenInRow = (i) => puzzle.slice(i - (i % 9), i - (i % 9) + 9).replace(/0/g, '')[0];
  const cases = [
    { name: 'main-row digit', cell: empty[0], key: 'Digit', digit: solution[empty[0]], placed: true },
    { name: 'keypad digit', cell: empty[5], key: 'Numpad', digit: solution[empty[5]], placed: true },
    {
      name: 'digit already in the row',
      cell: empty[9],
      key: 'Digit',
      digit: givenInRow(empty[9]),
      placed: false,
    },
    { name: 'keypad 0', cell: empty[12], key: 'Numpad', digit: '0', placed: false },
  ];
  for (const { name, cell, key, digit, placed } of cases) {
    await t.test(name, async () => {
      const [c, r] = [cell % 9, Math.floor(cell / 9)];
      await page.showPuzzle(number); // a digit taken out need not give back what it took
      // The selection moves from another empty cell to this one.
      const other = empty.find((i) => i !== cell);
      await page.clickCell(other % 9, Math.floor(other / 9));
      await page.clickCell(c, r);
      const selected = await page.pixels();
      assert.ok(framed(selected, c, r), 'selection frame round the clicked cell');
      assert.ok(!framed(selected, other % 9, Math.floor(other / 9)), 'no frame round the cell before');
      await page.key(`${key}${digit}`);
      const at = digitAt(c, r);
      const drawn = (await page.texts()).some((x) => x.x === at.x && x.y === at.y && x.text === digit);
      const entered = cellsWith(await page.pixels(), kColour.entered);
      assert.equal(drawn, placed, `digit ${digit} drawn at ${at.x}, ${at.y}`);
      assert.equal(
        entered,
        placed ? '0'.repeat(cell) + '1' + '0'.repeat(80 - cell) : '0'.repeat(81),
        'cells in the entered colour',
      );
      await page.clickCell(c, r, 'right');
      assert.equal(cellsWith(await page.pixels(), kColour.entered), '0'.repeat(81), 'after a right click');
      assert.deepEqual(
        (await page.texts()).filter((x) => x.y < 490),
        digitTexts(puzzle),
        'the givens alone',
      );
    });
  }
  await t.test('a right click on a given takes it out', async () => {
    const given = puzzle.search(/[1-9]/);
    await page.clickCell(given % 9, Math.floor(given / 9), 'right');
    const left = puzzle.slice(0, given) + '0' + puzzle.slice(given + 1);
    assert.equal(cellsWith(await page.pixels(), kColour.given), filledCells(left));
  });
});

test("SOLVE and PROVE show kestrova-cli's status line", async (t) => {
  const puzzles = libraryPuzzles(kExe, [7, 99999, 250001]);
  const page = await openPage();
  for (const kind of ['solve', 'prove']) {
    const found = search(
      kind,
      puzzles.map((p) => p.puzzle),
    );
    for (const [i, { number, puzzle, pair }] of puzzles.entries()) {
      await t.test(`${kind.toUpperCase()} of puzzle ${number}`, async () => {
        await page.showPuzzle(number);
        downloads.clear();
        await page.search(kind.toUpperCase());
        assert.equal(await page.until(() => page.statusLine(), found[i].status), found[i].status);
        assert.deepEqual(
          (await page.texts()).filter((x) => x.y < 490),
          digitTexts(found[i].board),
          'the solved board',
        );
        assert.equal(
          cellsWith(await page.pixels(), kColour.entered),
          filledCells(puzzle).replace(/./g, (f) => (f === '1' ? '0' : '1')),
        );
        const offer = await downloads.next();
        assert.equal(offer.name, `${pair} - ${found[i].status.split(':')[0]}.sud`, 'the save offer');
        assert.deepEqual(offer.bytes, puzzleFileBytes(found[i].board));
      });
    }
  }
  await t.test('PROVE of a puzzle loaded from a file, without a solution', async () => {
    await page.load(writePuzzleFile('none.sud', kNoSolution));
    assert.equal(await page.until(() => page.statusLine(), kNoSolutionStatus), kNoSolutionStatus, 'loaded');
    await page.search('PROVE');
    assert.equal(await page.until(() => page.statusLine(), kNoSolutionStatus), kNoSolutionStatus);
    assert.equal(await page.warningLine(), null);
  });
  await t.test('PROVE with a given taken out: two solutions and the warning', async () => {
    const { number, puzzle } = puzzles[0];
    await page.showPuzzle(number);
    const given = puzzle.search(/[1-9]/);
    await page.clickCell(given % 9, Math.floor(given / 9), 'right');
    const [wanted] = search('prove', [puzzle.slice(0, given) + '0' + puzzle.slice(given + 1)]);
    await page.search('PROVE');
    assert.equal(await page.until(() => page.statusLine(), wanted.status), wanted.status);
    assert.equal(
      await page.warningLine(),
      wanted.solutions > 1 ? 'NOT REAL SUDOKU 2 or more sulutions exist.' : null,
    );
  });
});

test("the system menu's number box", async (t) => {
  const page = await openPage();
  const cases = [
    { typed: '12345', shows: 12345 },
    { typed: '12abc', shows: 12 },
    { typed: ' -7', shows: 7 },
    { typed: '293024', shows: 0 },
    { typed: '300000', shows: 6976 },
    { typed: 'abc', shows: null },
    { typed: '', shows: null },
  ];
  let shown = null;
  for (const { typed, shows } of cases) {
    await t.test(`'${typed}'`, async () => {
      const open = await page.enterPuzzleNumber(typed);
      if (shows === null) {
        assert.equal(open, 2, 'a message over the number box');
        const message = (await page.boxes())[1];
        assert.equal(message.text, 'Please enter an integer.');
        await page.answerBox('ok');
        assert.equal((await page.waitBox(1)).edit, typed, 'the number box stays open');
        await page.answerBox('cancel');
        await page.waitBox(0).catch(() => {});
        assert.equal(await page.puzzleLabel(), `17 - ${shown}`, 'the puzzle stays');
        return;
      }
      assert.equal(open, 0);
      const [{ pair }] = libraryPuzzles(kExe, [shows]);
      assert.equal(await page.until(() => page.puzzleLabel(), `17 - ${shows}`), `17 - ${shows}`);
      assert.equal(await page.statusLine(), `${pair}: 0`);
      shown = shows;
    });
  }
  await t.test('Close', async () => {
    await page.openSystemMenu();
    await page.page.click('#system-menu [data-command="close"]');
    assert.equal(await page.until(() => page.state(), 'closed'), 'closed');
  });
});

test("Load of a .sud file and Save's download give the same bytes", async (t) => {
  const [library] = libraryPuzzles(kExe, [31337]);
  const cases = [
    { name: 'a library puzzle', puzzle: library.puzzle, saved: `${library.pair}.sud` },
    {
      name: 'the puzzle without a solution',
      puzzle: kNoSolution,
      saved: `${kNoSolutionStatus.split(':')[0]}.sud`,
    },
  ];
  const page = await openPage();
  for (const { name, puzzle, saved } of cases) {
    await t.test(name, async () => {
      const file = writePuzzleFile('load.sud', puzzle);
      await page.load(file);
      const digits = async () => JSON.stringify((await page.texts()).filter((x) => x.y < 490));
      assert.equal(
        await page.until(digits, JSON.stringify(digitTexts(puzzle))),
        JSON.stringify(digitTexts(puzzle)),
        'the loaded board',
      );
      downloads.clear();
      await page.press('Save');
      const download = await downloads.next();
      assert.equal(download.name, saved);
      assert.deepEqual(download.bytes, fs.readFileSync(file));
    });
  }
  await t.test('a cancelled file chooser leaves an empty board', async () => {
    const [chooser] = await Promise.all([page.page.waitForFileChooser(), page.press('Load')]);
    await chooser.cancel();
    assert.deepEqual(
      await page.until(async () => (await page.texts()).filter((x) => x.y < 490).length, 0),
      0,
    );
  });
});

test('a long search leaves the page responsive', async (t) => {
  const page = await openPage();
  await page.load(writePuzzleFile('long.sud', kNoSolution));
  await page.until(() => page.statusLine(), kNoSolutionStatus);
  // The search takes about half a second: the clicks go straight to where the icon and the
  // menu's entry are, found before it starts.
  await page.openSystemMenu();
  const centre = async (selector) => {
    const box = await (await page.page.$(selector)).boundingBox();
    return [box.x + box.width / 2, box.y + box.height / 2];
  };
  const icon = await centre('#caption-icon');
  const about = await centre('#system-menu [data-command="about"]');
  await page.page.mouse.click(...icon);
  await page.page.waitForSelector('#system-menu', { hidden: true });
  // As the search begins: a key, then the system menu's number box, cancelled.
  await page.press('PROVE');
  await page.waitBox(1);
  await page.answerBox('ok');
  await page.page.waitForFunction(() => document.body.dataset.searching === '1', { timeout: 10000 });
  const keyAt = await page.now();
  await page.key('Digit5');
  const menuAt = await page.now();
  await page.page.mouse.click(...icon);
  await page.page.mouse.click(...about);
  const aboutAt = await page.now();
  await page.waitBox(1);
  await page.answerBox('cancel');
  await page.page.waitForFunction(() => document.body.dataset.searching === '0', { timeout: 120000 });
  const { searches, paints, boxes } = await page.watched();
  const search = searches[searches.length - 1];
  const during = (time) => time > search.began && time < search.ended;
  const times = JSON.stringify(
    { search, keyAt, menuAt, aboutAt, paints: paints.slice(-3), boxes: boxes.slice(-2) },
    (k, v) => (typeof v === 'number' ? Math.round(v) : v),
  );
  await t.test('the canvas shows the wait cursor', () => assert.equal(search.cursor, 'wait'));
  await t.test('a key repaints during the search', () =>
    assert.ok(
      paints.some((time) => time > keyAt && during(time)),
      times,
    ),
  );
  await t.test("the system menu's number box opens during the search", () =>
    assert.ok(
      boxes.some((time) => time > menuAt && during(time)),
      times,
    ),
  );
  await t.test('the search ends with no solution', async () => {
    assert.equal(await page.until(() => page.statusLine(), kNoSolutionStatus), kNoSolutionStatus);
    assert.notEqual(
      await page.page.$eval('canvas#board', (canvas) => getComputedStyle(canvas).cursor),
      'wait',
    );
  });
});

// Serves a copy of the site one of whose files (Kestrova.exe unless named) has been changed by
// change(file), or removed.
async function siteWith(change, name = 'Kestrova.exe') {
  const copy = fs.mkdtempSync(path.join(work, 'site.'));
  fs.cpSync(kSite, copy, { recursive: true });
  change(path.join(copy, name));
  return serve(copy);
}

function damageLibrary(file) {
  const bytes = fs.readFileSync(file);
  const at = bytes.length - 1000; // a digit of the library's last lines
  bytes[at] = 0x30 + ((bytes[at] - 0x30 + 1) % 10);
  fs.writeFileSync(file, bytes);
}

test('a bad Kestrova.exe beside the page is refused', async (t) => {
  const cases = [
    { name: 'one byte of the library changed', change: damageLibrary, message: 'CRC32 Error.' },
    { name: 'missing', change: (file) => fs.rmSync(file), message: 'Unknown Error.' },
    {
      name: 'shorter than the library',
      change: (file) => fs.truncateSync(file, kLibraryLength - 1),
      message: 'Unknown Error.',
    },
  ];
  for (const { name, change, message } of cases) {
    await t.test(name, async () => {
      const copy = await siteWith(change);
      const page = await KestrovaPage.open(browser, copy.url);
      try {
        const box = await page.waitBox(1);
        assert.equal(box.text, kRefusal + message);
        assert.equal(box.caption, 'Kestrova');
        assert.notEqual(await page.state(), 'running', 'no window shown');
        await page.answerBox('ok');
        assert.equal(await page.until(() => page.state(), 'closed'), 'closed');
      } finally {
        await page.close();
        await copy.close();
      }
    });
  }
});

test('a browser that cannot compile the program is told so', async () => {
  const copy = await siteWith((file) => fs.truncateSync(file, 64), 'kestrova.wasm');
  const page = await KestrovaPage.open(browser, copy.url);
  try {
    const loading = () => page.page.$eval('#loading', (text) => text.textContent);
    await page.until(async () => (await loading()).startsWith('This browser'), true);
    assert.match(await loading(), /^This browser cannot run Kestrova: it needs WebAssembly with SIMD/);
    assert.equal(await page.state(), 'loading');
  } finally {
    await page.close();
    await copy.close();
  }
});

test('the page logs no errors to the console', async () => {
  await pages[pages.length - 1]?.close();
  assert.deepEqual(
    pages.flatMap((page) => page.errors),
    [],
  );
});

// web_bench: the page where its user is, in Debian's headless Chromium from a server on
// 127.0.0.1, against kestrova-cli on this machine:
// - PROVE in the page and by kestrova-cli on the puzzle without a solution and 200 library
//   puzzles drawn with window_bench's seed, side by side in one run (p50, p90, max, ratio);
// - the page's load to its first painted board;
// - the bytes one load of the page transfers, as sent and gzip-compressed.
//   node bench/web_bench.js [--site DIR] [--runs R] [--quick]
// The page's PROVE runs from the click on the caution box's OK to the end of the search
// (data-searching back to "0"), in the page's own clock; the save offers are downloads, which
// the browser refuses.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const { execFileSync } = require('child_process');

const web = path.resolve(__dirname, '../tests/web');
const { serve } = require(path.join(web, 'server'));
const { launchChromium, refuseDownloads, KestrovaPage } = require(path.join(web, 'browser'));
const { kRoot, kCli, libraryPuzzles, search, puzzleFileBytes } = require(path.join(web, 'cli'));

// The goals the page is held to.
const kGoalProveRatio = 2; // PROVE p50 in the page within 2 x kestrova-cli's
const kGoalFirstPaintMs = 1000; // from the request of the page to its first painted board
const kGoalCompressedBytes = 2 * 1024 * 1024; // one load, gzip-compressed

// window_bench's puzzles: the one without a solution, and 200 numbers from its seed.
const kLongPuzzle = '053000080700000503000000000000000001001000000670034000000000000000100604000000035';
const kRandomCount = 200;
const kRandomSeed = 20261209;
const kPuzzleNumberCount = 293024;
const kLoads = 5;

// std::mt19937, so that the numbers are window_bench's.
function mt19937(seed) {
  const state = new Uint32Array(624);
  state[0] = seed;
  for (let i = 1; i < 624; ++i) {
    state[i] = Math.imul(1812433253, state[i - 1] ^ (state[i - 1] >>> 30)) + i;
  }
  let index = 624;
  return () => {
    if (index === 624) {
      for (let i = 0; i < 624; ++i) {
        const y = (state[i] & 0x80000000) | (state[(i + 1) % 624] & 0x7fffffff);
        state[i] = state[(i + 397) % 624] ^ (y >>> 1) ^ (y & 1 ? 0x9908b0df : 0);
      }
      index = 0;
    }
    let y = state[index++];
    y ^= y >>> 11;
    y ^= (y << 7) & 0x9d2c5680;
    y ^= (y << 15) & 0xefc60000;
    return (y ^ (y >>> 18)) >>> 0;
  };
}

function options() {
  const args = process.argv.slice(2);
  const value = (name, fallback) => (args.includes(name) ? args[args.indexOf(name) + 1] : fallback);
  return {
    site: path.resolve(value('--site', path.join(kRoot, 'build/web/site'))),
    runs: Number(value('--runs', 3)),
    quick: args.includes('--quick'),
  };
}

function benchPuzzles(exe, quick) {
  const random = mt19937(kRandomSeed);
  const numbers = [];
  for (let i = 0; i < (quick ? kRandomCount / 10 : kRandomCount); ++i)
    numbers.push(random() % kPuzzleNumberCount);
  return [{ number: -1, puzzle: kLongPuzzle }, ...libraryPuzzles(exe, numbers)];
}

const percentile = (values, p) => {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.min(sorted.length - 1, Math.floor((p / 100) * sorted.length))];
};
const least = (runs, i) => Math.min(...runs.map((run) => run[i]));
const fixed = (value, width = 9, digits = 3) => value.toFixed(digits).padStart(width);
const met = (ok) => (ok ? 'met' : 'NOT met');

// One run of PROVE in the page over every puzzle: [{ ms, status }].
async function proveInPage(browser, url, puzzles, work) {
  const page = await KestrovaPage.open(browser, url);
  await page.waitRunning();
  const results = [];
  for (const { number, puzzle } of puzzles) {
    if (number < 0) {
      const file = path.join(work, 'long.sud');
      fs.writeFileSync(file, puzzleFileBytes(puzzle));
      await page.load(file);
      await page.until(() => page.puzzleLabel(), 'User Entered');
    } else {
      await page.showPuzzle(number);
    }
    const { began, ended } = await page.search('PROVE');
    results.push({ ms: ended - began, status: await page.statusLine() });
  }
  await page.close();
  return results;
}

function proveByCli(puzzles) {
  return search(
    'prove',
    puzzles.map((p) => p.puzzle),
  );
}

async function firstPaints(browser, url) {
  const times = [];
  for (let i = 0; i < kLoads; ++i) {
    const context = await browser.createBrowserContext();
    const page = await KestrovaPage.open(context, url);
    await page.waitRunning();
    times.push((await page.watched()).paints[0]);
    await context.close();
  }
  return times;
}

// The bodies one load of the page sent: [{ name, sent, compressed }].
async function transferred(browser, site) {
  site.sent.splice(0);
  const context = await browser.createBrowserContext();
  const page = await KestrovaPage.open(context, site.url);
  await page.waitRunning();
  await context.close();
  return site.sent.map(({ file, start, end }) => {
    const body = fs.readFileSync(file).subarray(start, end + 1);
    return {
      name: path.basename(file),
      sent: body.length,
      compressed: zlib.gzipSync(body, { level: 9 }).length,
    };
  });
}

function printProve(puzzles, page, cli, runs) {
  const pageMs = puzzles.map((_, i) =>
    least(
      page.map((run) => run.map((r) => r.ms)),
      i,
    ),
  );
  const cliMs = puzzles.map((_, i) =>
    least(
      cli.map((run) => run.map((r) => r.ms)),
      i,
    ),
  );
  const same = page.every((run) => run.every((r, i) => r.status === cli[0][i].status));
  console.log(`\nPROVE in the page and by kestrova-cli, least of ${runs} runs (ms)`);
  console.log(`puzzle           page        cli  ratio  status line`);
  console.log(
    `no solution ${fixed(pageMs[0], 10)} ${fixed(cliMs[0], 10)} ${fixed(pageMs[0] / cliMs[0], 6, 2)}  ${page[0][0].status}`,
  );
  const library = (values) => values.slice(1);
  console.log(`\n${puzzles.length - 1} library puzzles             p50        p90        max`);
  const row = (name, values) =>
    console.log(
      `  ${name.padEnd(24)}${['50', '90', '100'].map((p) => fixed(percentile(values, Number(p)), 11)).join('')}`,
    );
  row('page', library(pageMs));
  row('kestrova-cli', library(cliMs));
  const ratio = (p) => percentile(library(pageMs), p) / percentile(library(cliMs), p);
  console.log(
    `  ${'page/kestrova-cli'.padEnd(24)}${[50, 90, 100].map((p) => fixed(ratio(p), 11, 2)).join('')}`,
  );
  console.log(
    `\ngoal PROVE p50 in the page <= ${kGoalProveRatio} x kestrova-cli's: ${met(ratio(50) <= kGoalProveRatio)}`,
  );
  console.log(`every PROVE in the page showed kestrova-cli's status line: ${same ? 'yes' : 'NO'}`);
}

function printLoad(firstPaintMs, bodies) {
  console.log(
    `\npage load to its first painted board, ${kLoads} loads: ${fixed(Math.min(...firstPaintMs), 0, 0)} / ${fixed(percentile(firstPaintMs, 50), 0, 0)} ms (least / median)`,
  );
  console.log(
    `goal first painted board within ${kGoalFirstPaintMs} ms: ${met(percentile(firstPaintMs, 50) <= kGoalFirstPaintMs)}`,
  );
  console.log('\nbytes one load transfers          sent     gzip -9');
  for (const body of bodies)
    console.log(
      `  ${body.name.padEnd(24)}${String(body.sent).padStart(11)}${String(body.compressed).padStart(12)}`,
    );
  const total = (key) => bodies.reduce((sum, body) => sum + body[key], 0);
  console.log(
    `  ${'all'.padEnd(24)}${String(total('sent')).padStart(11)}${String(total('compressed')).padStart(12)}`,
  );
  console.log(
    `goal at most ${kGoalCompressedBytes} bytes compressed: ${met(total('compressed') <= kGoalCompressedBytes)}`,
  );
}

async function main() {
  const { site: folder, runs, quick } = options();
  const exe = path.join(folder, 'Kestrova.exe');
  const version = execFileSync(kCli, ['--version'], { encoding: 'utf8' }).trim();
  const puzzles = benchPuzzles(exe, quick);
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'kestrova-web-bench.'));
  const site = await serve(folder);
  const browser = await launchChromium();
  try {
    await refuseDownloads(browser);
    console.log(`web_bench: ${version}; ${await browser.version()} headless, ${os.cpus().length} cores`);
    console.log(`site ${folder}; ${puzzles.length} puzzles (seed ${kRandomSeed})`);
    const page = [];
    const cli = [];
    for (let run = 0; run < runs; ++run) {
      cli.push(proveByCli(puzzles));
      page.push(await proveInPage(browser, site.url, puzzles, work));
    }
    printProve(puzzles, page, cli, runs);
    printLoad(await firstPaints(browser, site.url), await transferred(browser, site));
  } finally {
    await browser.close();
    await site.close();
    fs.rmSync(work, { recursive: true, force: true });
  }
}

main().catch((error) => {
  console.error(`web_bench: ${error.stack}`);
  process.exit(1);
});

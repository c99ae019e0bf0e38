// Debian's Chromium, headless, with a fresh profile, and a driver for the page: its caption,
// system menu and boxes through the DOM, the board through mouse and keys at client pixels,
// what it painted through the canvas's pixels and the #board-text mirror.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');

const kChromium = process.env.KESTROVA_CHROMIUM || '/usr/bin/chromium';
const kChromiumArgs = [
  '--no-sandbox',
  '--disable-gpu',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
];

// Where the text buttons are clicked, in client pixels: the middle of each click area of the
// window's layout table.
const kButtons = {
  CLUES: [35, 537],
  Clear: [215, 507],
  Load: [285, 507],
  Save: [355, 507],
  'puzzle label': [420, 507],
  'puzzle number': [450, 507],
  SOLVE: [230, 537],
  PROVE: [370, 537],
};
const kStatusAt = { x: 10, y: 500 };
const kWarningAt = { x: 10, y: 515 };
const kPuzzleLabelAt = { x: 410, y: 500 };
const kCaution = 'Caution non-valid puzzles may take a while to process, please be patient.';

// Notes what the tests wait for, in the page's clock from its first script on: each search
// (when it began, the canvas's cursor at the page's first turn in it, when it ended), each paint
// of the window (the page's kestrovapaint event) and each box that opened.
function watchPage() {
  window.kestrovaWatch = { searches: [], paints: [], boxes: [] };
  const watch = window.kestrovaWatch;
  const isBox = (node) => node.nodeType === 1 && node.matches('.kestrova-overlay');
  document.addEventListener('kestrovapaint', () => watch.paints.push(performance.now()), true);
  const observer = new MutationObserver((records) => {
    const now = performance.now();
    for (const record of records) {
      const target = record.target;
      const searching = record.type === 'attributes' && target.dataset.searching === '1';
      if (searching && record.oldValue !== '1') {
        const search = { began: now, cursor: null, ended: null };
        watch.searches.push(search);
        // Read in a task of its own: the style worked out here would hold up the search.
        setTimeout(() => {
          search.cursor = getComputedStyle(document.getElementById('board')).cursor;
        });
      } else if (
        record.type === 'attributes' &&
        !searching &&
        record.oldValue === '1' &&
        watch.searches.length
      ) {
        watch.searches[watch.searches.length - 1].ended = now;
      }
      if (record.type === 'childList' && [...record.addedNodes].some(isBox)) watch.boxes.push(now);
    }
  });
  // The body alone: its attribute and the boxes laid over the page, not the mirror of the
  // board's texts, whose every change would otherwise become a record to go through.
  document.addEventListener('DOMContentLoaded', () =>
    observer.observe(document.body, {
      childList: true,
      attributes: true,
      attributeOldValue: true,
      attributeFilter: ['data-searching'],
    }),
  );
}

async function launchChromium() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'kestrova-chromium.'));
  const browser = await puppeteer.launch({
    executablePath: kChromium,
    headless: true,
    userDataDir: profile,
    args: kChromiumArgs,
  });
  const closeBrowser = browser.close.bind(browser);
  browser.close = async () => {
    await closeBrowser();
    fs.rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

// Downloads of the browser go to folder; next() resolves to the next one as { name, bytes }
// once complete, or fails after seconds.
async function catchDownloads(browser, folder, seconds = 10) {
  const session = await browser.target().createCDPSession();
  await session.send('Browser.setDownloadBehavior', {
    behavior: 'allowAndName',
    downloadPath: folder,
    eventsEnabled: true,
  });
  const names = new Map();
  const waiting = [];
  const done = [];
  session.on('Browser.downloadWillBegin', (event) => names.set(event.guid, event.suggestedFilename));
  session.on('Browser.downloadProgress', (event) => {
    if (event.state !== 'completed') return;
    const download = { name: names.get(event.guid), bytes: fs.readFileSync(path.join(folder, event.guid)) };
    if (waiting.length) waiting.shift()(download);
    else done.push(download);
  });
  return {
    next: () => {
      if (done.length) return Promise.resolve(done.shift());
      return new Promise((resolve, reject) => {
        const timer = setTimeout(() => {
          waiting.splice(waiting.indexOf(take), 1);
          reject(new Error(`no download within ${seconds} s`));
        }, seconds * 1000);
        const take = (download) => {
          clearTimeout(timer);
          resolve(download);
        };
        waiting.push(take);
      });
    },
    clear: () => done.splice(0),
  };
}

async function refuseDownloads(browser) {
  const session = await browser.target().createCDPSession();
  await session.send('Browser.setDownloadBehavior', { behavior: 'deny' });
}

class KestrovaPage {
  constructor(page) {
    this.page = page;
    this.errors = [];
    page.on('console', (message) => {
      if (message.type() === 'error' || message.type() === 'assert') {
        this.errors.push(`${message.text()} (${message.location().url ?? 'no address'})`);
      }
    });
    page.on('pageerror', (error) => this.errors.push(`uncaught: ${error.message}`));
  }

  // Opens the page at url in a new tab of browser, scale = the device pixel ratio.
  static async open(browser, url, { scale = 1 } = {}) {
    const page = await browser.newPage();
    await page.setViewport({ width: 900, height: 800, deviceScaleFactor: scale });
    await page.evaluateOnNewDocument(watchPage);
    const kestrova = new KestrovaPage(page);
    await page.goto(url, { waitUntil: 'load' });
    return kestrova;
  }

  async close() {
    await this.page.close();
  }

  async state() {
    return this.page.evaluate(() => document.body.dataset.state);
  }

  async waitRunning() {
    await this.page.waitForFunction(() => document.body.dataset.state === 'running', { timeout: 20000 });
    await this.page.waitForFunction(() => window.kestrovaWatch.paints.length > 0, { timeout: 20000 });
  }

  async canvasOrigin() {
    return this.page.$eval('canvas#board', (canvas) => {
      const box = canvas.getBoundingClientRect();
      return { x: box.left, y: box.top };
    });
  }

  // A click at client pixel (x, y); button 'left' or 'right'.
  async click(x, y, button = 'left') {
    const origin = await this.canvasOrigin();
    await this.page.mouse.click(origin.x + x + 0.5, origin.y + y + 0.5, { button });
  }

  async press(name) {
    const [x, y] = kButtons[name];
    await this.click(x, y);
  }

  // Runs action, which makes the window repaint, and waits until the page has heard of the
  // paint: the canvas and the mirror of its texts then show it.
  async repainting(action) {
    const paints = (await this.watched()).paints.length;
    await action();
    await this.page.waitForFunction((n) => window.kestrovaWatch.paints.length > n, {}, paints);
  }

  async clickCell(c, r, button = 'left') {
    await this.repainting(() => this.click(10 + 53 * c + 26, 10 + 53 * r + 26, button));
  }

  // A key on the board by its code: 'Digit5'; 'Numpad7' with Num Lock on, which the driver's own
  // keyboard does not send.
  async key(code) {
    await this.repainting(() => this.sendKey(code));
  }

  async sendKey(code) {
    const keypad = /^Numpad([0-9])$/.exec(code);
    if (!keypad) {
      await this.page.keyboard.press(code);
      return;
    }
    const session = await this.page.createCDPSession();
    const digit = keypad[1];
    const key = { key: digit, code, windowsVirtualKeyCode: 0x60 + Number(digit), location: 3 };
    await session.send('Input.dispatchKeyEvent', { type: 'keyDown', text: digit, ...key });
    await session.send('Input.dispatchKeyEvent', { type: 'keyUp', ...key });
    await session.detach();
  }

  // What the page has noted so far: { searches, paints, boxes } (see watchPage).
  async watched() {
    return this.page.evaluate(() => window.kestrovaWatch);
  }

  async now() {
    return this.page.evaluate(() => performance.now());
  }

  // The texts of the last paint: [{ x, y, text }] in paint order.
  async texts() {
    return this.page.$$eval('#board-text span', (spans) =>
      spans.map((span) => ({ x: Number(span.dataset.x), y: Number(span.dataset.y), text: span.textContent })),
    );
  }

  async textAt(at) {
    const found = (await this.texts()).find((t) => t.x === at.x && t.y === at.y);
    return found ? found.text : null;
  }

  async statusLine() {
    return this.textAt(kStatusAt);
  }

  async warningLine() {
    return this.textAt(kWarningAt);
  }

  async puzzleLabel() {
    return this.textAt(kPuzzleLabelAt);
  }

  // Polls read() until it gives wanted, for up to seconds; returns the last value read.
  async until(read, wanted, seconds = 10) {
    const end = Date.now() + seconds * 1000;
    let value = await read();
    while (value !== wanted && Date.now() < end) {
      await new Promise((resolve) => setTimeout(resolve, 50));
      value = await read();
    }
    return value;
  }

  // The canvas's backing store: { width, height, rgb(x, y) } with x, y in device pixels.
  async pixels() {
    const shot = await this.page.$eval('canvas#board', (canvas) => {
      const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
      let binary = '';
      for (let i = 0; i < data.length; i += 0x8000)
        binary += String.fromCharCode(...data.subarray(i, i + 0x8000));
      return { width: canvas.width, height: canvas.height, data: btoa(binary) };
    });
    const data = Buffer.from(shot.data, 'base64');
    return {
      width: shot.width,
      height: shot.height,
      rgb: (x, y) => {
        const i = 4 * (y * shot.width + x);
        return (data[i] << 16) | (data[i + 1] << 8) | data[i + 2];
      },
    };
  }

  // --- the window frame and the boxes ------------------------------------------------------

  async boxes() {
    return this.page.$$eval('.kestrova-box[role="dialog"]', (boxes) => {
      // The caption's own text, without its buttons' labels.
      const captionOf = (box) => {
        const caption = box.querySelector('.box-caption')?.cloneNode(true);
        caption?.querySelectorAll('button').forEach((button) => button.remove());
        return caption ? caption.textContent.trim() : null;
      };
      return boxes.map((box) => ({
        caption: captionOf(box),
        text: box.querySelector('.box-text')?.textContent ?? null,
        edit: box.querySelector('input[data-id="edit"]')?.value ?? null,
      }));
    });
  }

  // Waits for count open boxes and returns the active one (the last).
  async waitBox(count = 1) {
    await this.page.waitForFunction(
      (n) => document.querySelectorAll('.kestrova-box[role="dialog"]').length === n,
      { timeout: 20000 },
      count,
    );
    return (await this.boxes())[count - 1];
  }

  // Presses a button ('ok' or 'cancel') of the active box.
  async answerBox(id) {
    const buttons = await this.page.$$(`.kestrova-box[role="dialog"] button[data-id="${id}"]`);
    await buttons[buttons.length - 1].click();
  }

  async openSystemMenu() {
    await this.page.click('#caption-icon');
    await this.page.waitForSelector('#system-menu [data-command="about"]', { visible: true, timeout: 5000 });
  }

  // Opens the puzzle-number box through the system menu, types text into its edit field and
  // presses OK; returns the number of open boxes afterwards.
  async enterPuzzleNumber(text) {
    const before = (await this.boxes()).length;
    await this.openSystemMenu();
    await this.page.click('#system-menu [data-command="about"]');
    await this.waitBox(before + 1);
    const edit = await this.page.$('.kestrova-box[role="dialog"] input[data-id="edit"]');
    await edit.evaluate((field) => {
      field.value = '';
    });
    await edit.type(text);
    await this.answerBox('ok');
    await new Promise((resolve) => setTimeout(resolve, 100));
    return (await this.boxes()).length;
  }

  // Shows library puzzle number (already reduced) and waits for its label.
  async showPuzzle(number) {
    await this.enterPuzzleNumber(String(number));
    const label = await this.until(() => this.puzzleLabel(), `17 - ${number}`);
    if (label !== `17 - ${number}`) throw new Error(`puzzle label '${label}' after choosing ${number}`);
  }

  // Clicks SOLVE or PROVE, answers PROVE's caution box, and waits for the search to end;
  // returns { began, ended } of it in the page's clock (ms).
  async search(name, seconds = 120) {
    const count = (await this.watched()).searches.length;
    await this.press(name);
    if (name === 'PROVE') {
      const caution = await this.waitBox();
      if (caution.text !== kCaution) throw new Error(`PROVE's box says '${caution.text}'`);
      await this.answerBox('ok');
    }
    await this.page.waitForFunction(
      (n) => window.kestrovaWatch.searches.length > n && window.kestrovaWatch.searches[n].ended !== null,
      { timeout: seconds * 1000 },
      count,
    );
    return (await this.watched()).searches[count];
  }

  // Load: clicks Load and gives the file chooser file.
  async load(file) {
    const [chooser] = await Promise.all([
      this.page.waitForFileChooser({ timeout: 10000 }),
      this.press('Load'),
    ]);
    await chooser.accept([file]);
  }
}

module.exports = { launchChromium, catchDownloads, refuseDownloads, KestrovaPage };

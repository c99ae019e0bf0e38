// The page's side of the browser backend (framework/web/page.h): the window frame, the canvas,
// the in-page boxes, the file chooser and downloads, and the queue of window messages.
//
// Event handlers only queue messages; the program takes them when it waits or yields. A wait is
// resumed in a task of its own (a MessageChannel message), never inside an event handler.

var LibraryKestrova = {
  $KW__postset: 'KW.start();',
  $KW: {
    WM_KEYDOWN: 0x0100,
    WM_COMMAND: 0x0111,
    WM_SYSCOMMAND: 0x0112,
    WM_LBUTTONDOWN: 0x0201,
    WM_RBUTTONDOWN: 0x0204,
    WM_DPICHANGED: 0x02E0,
    IDOK: 1,
    IDCANCEL: 2,
    SC_CLOSE: 0xF060,
    VK_F1: 0x70,
    VK_F12: 0x7B,
    MF_SEPARATOR: 0x0800,
    FONT_FALLBACKS: 'Tahoma, Verdana, "DejaVu Sans", sans-serif',
    // 8-point text of the platform's dialogs at 96 DPI.
    BOX_FONT: '11px Tahoma, Verdana, "DejaVu Sans", sans-serif',

    queue: [],
    waiting: null,
    windows: {},
    // The windows that take input, the active one last: the main window, then the open boxes.
    active: [],
    pending: null,
    closed: false,
    fonts: {},
    resumeChannel: null,
    resumeCallbacks: [],
    attentionTimer: null,
    lastTouch: null,

    start: function() {
      if (typeof document === 'undefined') {
        return;
      }
      KW.resumeChannel = new MessageChannel();
      KW.resumeChannel.port1.onmessage = function() {
        var callbacks = KW.resumeCallbacks;
        KW.resumeCallbacks = [];
        callbacks.forEach(function(callback) { callback(); });
      };
      document.addEventListener('keydown', KW.onKeyDown);
      document.addEventListener('pointerdown', KW.onPagePointerDown, true);
    },

    element: function(id) {
      return document.getElementById(id);
    },

    resumeSoon: function(callback) {
      KW.resumeCallbacks.push(callback);
      KW.resumeChannel.port2.postMessage(0);
    },

    push: function(window, message, wParam, lParam) {
      if (KW.closed) {
        return;
      }
      KW.queue.push([window, message, wParam, lParam]);
      if (KW.waiting) {
        var wakeUp = KW.waiting;
        KW.waiting = null;
        KW.resumeSoon(wakeUp);
      }
    },

    // Input reaches only the active window, as the platform disables a box's owner.
    pushInput: function(window, message, wParam, lParam) {
      if (KW.active[KW.active.length - 1] === window) {
        KW.push(window, message, wParam, lParam);
      }
    },

    mainWindow: function() {
      for (var id in KW.windows) {
        if (KW.windows[id].main) {
          return KW.windows[id];
        }
      }
      return null;
    },

    css: function(colour) {
      return 'rgb(' + (colour & 0xFF) + ',' + ((colour >> 8) & 0xFF) + ',' + ((colour >> 16) & 0xFF) +
             ')';
    },

    dpi: function() {
      return Math.round(96 * (window.devicePixelRatio || 1));
    },

    // --- The main window -------------------------------------------------------------------

    createMain: function(record, caption) {
      record.canvas = KW.element('board');
      record.ctx = record.canvas.getContext('2d', {alpha: false});
      record.menu = [{flags: 0, id: KW.SC_CLOSE, text: '&Close'}];
      KW.element('caption-title').textContent = caption;
      document.title = caption;
      KW.sizeCanvas(record);
      KW.watchDpi(record);
      var canvas = record.canvas;
      canvas.addEventListener('contextmenu', function(event) { event.preventDefault(); });
      canvas.addEventListener('pointerdown', function(event) { KW.onCanvasPointerDown(record, event); });
      KW.element('caption-icon').addEventListener('click', function(event) {
        event.stopPropagation();
        KW.toggleSystemMenu(record);
      });
      KW.element('caption-close').addEventListener('click', function() {
        KW.pushInput(record.id, KW.WM_SYSCOMMAND, KW.SC_CLOSE, 0);
      });
      KW.element('touch-input').addEventListener('input', KW.onTouchInput);
      KW.element('closed-reload').addEventListener('click', function() { location.reload(); });
    },

    // Until the window sizes its client area itself, it has its template's size at the page's DPI.
    sizeCanvas: function(record) {
      var scale = KW.dpi() / 96;
      KW.setClientSize(record, Math.round(record.width * scale), Math.round(record.height * scale));
    },

    // A new device pixel ratio (zoom, another screen) is a new DPI for the window, which sizes
    // its canvas again and repaints. The browser tells of it through a media query on the
    // present ratio, asked anew after each change; a resize need not come with it.
    watchDpi: function(record) {
      var told = KW.dpi();
      matchMedia('(resolution: ' + window.devicePixelRatio + 'dppx)').addEventListener(
          'change', function() {
            var dpi = KW.dpi();
            if (dpi !== told) {
              told = dpi;
              KW.push(record.id, KW.WM_DPICHANGED, (dpi << 16) | dpi, 0);
            }
            KW.watchDpi(record);
          }, {once: true});
    },

    // The canvas has the device pixels of the client area; its CSS size is that at 96 DPI, in
    // whole CSS pixels.
    setClientSize: function(record, width, height) {
      record.dpi = KW.dpi();
      record.shownPaint = null;
      record.state = {};
      record.canvas.width = width;
      record.canvas.height = height;
      record.canvas.style.width = Math.round(width * 96 / record.dpi) + 'px';
      record.canvas.style.height = Math.round(height * 96 / record.dpi) + 'px';
    },

    // The page's title alternates with a call to look while the page is out of sight.
    callAttention: function() {
      if (!document.hidden || KW.attentionTimer) {
        return;
      }
      var title = document.title;
      KW.attentionTimer = setInterval(function() {
        document.title = document.title === title ? '\u2605 ' + title : title;
      }, 1000);
      document.addEventListener('visibilitychange', function() {
        clearInterval(KW.attentionTimer);
        KW.attentionTimer = null;
        document.title = title;
      }, {once: true});
    },

    clientPoint: function(record, event) {
      var rect = record.canvas.getBoundingClientRect();
      var scale = record.dpi / 96;
      var x = Math.floor((event.clientX - rect.left) * scale);
      var y = Math.floor((event.clientY - rect.top) * scale);
      return (x & 0xFFFF) | ((y & 0xFFFF) << 16);
    },

    onCanvasPointerDown: function(record, event) {
      if (event.button !== 0 && event.button !== 2) {
        return;
      }
      event.preventDefault();
      KW.hideSystemMenu();
      if (event.pointerType === 'touch') {
        KW.onTouchTap(event);
      } else {
        record.canvas.focus();
      }
      var left = event.button === 0;
      KW.pushInput(record.id, left ? KW.WM_LBUTTONDOWN : KW.WM_RBUTTONDOWN, left ? 1 : 2,
                   KW.clientPoint(record, event));
    },

    // A tap where the last tap was (the cell it selected) brings up the on-screen number keys.
    onTouchTap: function(event) {
      var last = KW.lastTouch;
      KW.lastTouch = {x: event.clientX, y: event.clientY, time: event.timeStamp};
      if (last && Math.abs(last.x - event.clientX) <= 24 && Math.abs(last.y - event.clientY) <= 24 &&
          event.timeStamp - last.time < 10000) {
        KW.element('touch-input').focus();
      }
    },

    onTouchInput: function(event) {
      var input = event.target;
      var main = KW.mainWindow();
      input.value.split('').forEach(function(character) {
        if (main && character >= '0' && character <= '9') {
          KW.pushInput(main.id, KW.WM_KEYDOWN, character.charCodeAt(0), 1);
        }
      });
      input.value = '';
    },

    // The keys of the window that has the focus: Enter and Escape are its default button and
    // its cancel, as the platform's dialogs take them; other keys reach the main window as they
    // are (the browser's key codes are the platform's virtual keys).
    onKeyDown: function(event) {
      if (KW.closed || event.ctrlKey || event.metaKey || event.altKey) {
        return;
      }
      var top = KW.windows[KW.active[KW.active.length - 1]];
      if (!top) {
        return;
      }
      if (!KW.element('system-menu').hidden) {
        if (event.key === 'Escape') {
          KW.hideSystemMenu();
          event.preventDefault();
        }
        return;
      }
      if (event.key === 'Enter' || event.key === 'Escape') {
        event.preventDefault();
        KW.push(top.id, KW.WM_COMMAND, event.key === 'Enter' ? top.defaultId : KW.IDCANCEL, 0);
        return;
      }
      if (top.main && event.target.id !== 'touch-input' && event.keyCode) {
        // The function keys keep their meaning to the browser (F5 reloads, F11 fills the screen).
        if (event.keyCode < KW.VK_F1 || event.keyCode > KW.VK_F12) {
          event.preventDefault();
        }
        KW.push(top.id, KW.WM_KEYDOWN, event.keyCode, 1 | (event.repeat ? 1 << 30 : 0));
      }
    },

    onPagePointerDown: function(event) {
      var menu = KW.element('system-menu');
      if (!menu.hidden && !menu.contains(event.target) && event.target.id !== 'caption-icon') {
        KW.hideSystemMenu();
      }
    },

    // --- The system menu -------------------------------------------------------------------

    hideSystemMenu: function() {
      var menu = KW.element('system-menu');
      if (!menu.hidden) {
        menu.hidden = true;
        KW.element('board').focus();
      }
    },

    toggleSystemMenu: function(record) {
      var menu = KW.element('system-menu');
      if (!menu.hidden || KW.active[KW.active.length - 1] !== record.id) {
        KW.hideSystemMenu();
        return;
      }
      menu.replaceChildren();
      record.menu.forEach(function(item) {
        menu.appendChild(KW.menuItem(record, item));
      });
      menu.hidden = false;
      var first = menu.querySelector('button');
      if (first) {
        first.focus();
      }
    },

    // An entry is named for its first word: "&About corvanta..." is "about", "&Close" "close".
    menuItem: function(record, item) {
      if (item.flags & KW.MF_SEPARATOR) {
        return document.createElement('hr');
      }
      var entry = document.createElement('button');
      entry.type = 'button';
      entry.className = 'menu-item';
      var label = item.text.split('\t')[0];
      entry.dataset.command = label.replace('&', '').split(' ')[0].toLowerCase();
      KW.appendMnemonicText(entry, label);
      entry.addEventListener('click', function() {
        KW.hideSystemMenu();
        KW.pushInput(record.id, KW.WM_SYSCOMMAND, item.id, 0);
      });
      return entry;
    },

    appendMnemonicText: function(element, text) {
      var mark = text.indexOf('&');
      if (mark < 0 || mark + 1 >= text.length) {
        element.textContent = text;
        return;
      }
      var underlined = document.createElement('u');
      underlined.textContent = text.charAt(mark + 1);
      element.append(text.slice(0, mark), underlined, text.slice(mark + 2));
    },

    // --- Boxes -----------------------------------------------------------------------------

    createBox: function(record, caption, width, height) {
      var overlay = document.createElement('div');
      overlay.className = 'kestrova-overlay';
      var box = document.createElement('div');
      box.className = 'kestrova-box';
      box.setAttribute('role', 'dialog');
      box.setAttribute('aria-modal', 'true');
      box.style.font = KW.BOX_FONT;
      var bar = document.createElement('div');
      bar.className = 'box-caption';
      var title = document.createElement('span');
      title.textContent = caption;
      box.setAttribute('aria-label', caption);
      var close = document.createElement('button');
      close.type = 'button';
      close.className = 'box-close';
      close.dataset.id = 'cancel';
      close.title = 'Close';
      close.textContent = '\u2715';
      close.addEventListener('click', function() {
        KW.pushInput(record.id, record.owned ? KW.WM_SYSCOMMAND : KW.WM_COMMAND,
                     record.owned ? KW.SC_CLOSE : KW.IDCANCEL, 0);
      });
      bar.append(title, close);
      var client = document.createElement('div');
      client.className = 'box-client';
      client.style.width = width + 'px';
      client.style.height = height + 'px';
      box.append(bar, client);
      overlay.appendChild(box);
      record.overlay = overlay;
      record.client = client;
      record.defaultId = KW.IDOK;
    },

    // Control kinds, in the order of web_resources.h: default push button, push button, left,
    // centred and right text, edit field.
    addControl: function(record, kind, id, text, x, y, width, height) {
      var control;
      if (kind <= 1) {
        control = document.createElement('button');
        control.type = 'button';
        control.textContent = text;
        control.addEventListener('click', function() {
          KW.pushInput(record.id, KW.WM_COMMAND, id, 0);
        });
        if (kind === 0) {
          record.defaultId = id;
        }
      } else if (kind <= 4) {
        control = document.createElement('span');
        control.textContent = text;
        control.style.textAlign = ['left', 'center', 'right'][kind - 2];
      } else {
        control = document.createElement('input');
        control.type = 'text';
        control.dataset.id = 'edit';
      }
      if (id === KW.IDOK || id === KW.IDCANCEL) {
        control.dataset.id = id === KW.IDOK ? 'ok' : 'cancel';
      }
      control.dataset.control = id;
      control.className = 'box-control';
      control.style.left = x + 'px';
      control.style.top = y + 'px';
      control.style.width = width + 'px';
      control.style.height = height + 'px';
      record.client.appendChild(control);
    },

    control: function(window, id) {
      var record = KW.windows[window];
      return record && record.client ? record.client.querySelector('[data-control="' + id + '"]') : null;
    },

    // The focus as the platform's dialogs place it: the edit field, with its text selected, or
    // else the default button.
    focusBox: function(record) {
      var edit = record.client.querySelector('input');
      if (edit) {
        edit.focus();
        edit.select();
        return;
      }
      var button = record.client.querySelector('[data-control="' + record.defaultId + '"]');
      if (button) {
        button.focus();
      }
    },

    warningSign: function() {
      var sign = document.createElement('div');
      sign.className = 'box-sign';
      sign.setAttribute('aria-hidden', 'true');
      sign.textContent = '!';
      return sign;
    },

    // --- Painting --------------------------------------------------------------------------

    // Drawing outside a paint goes straight to the canvas, which then no longer shows the last
    // paint.
    paintOrDraw: function(record, operation) {
      if (!record || !record.ctx) {
        return;
      }
      if (record.paint) {
        record.paint.push(operation);
      } else {
        record.shownPaint = null;
        KW.draw(record, operation);
      }
    },

    draw: function(record, op) {
      op[0](record, op[1], op[2], op[3], op[4], op[5], op[6], op[7], op[8], op[9]);
    },

    samePaint: function(a, b) {
      return !!b && a.length === b.length && a.every(function(operation, i) {
        return operation.length === b[i].length &&
            operation.every(function(value, j) { return value === b[i][j]; });
      });
    },

    // The canvas's drawing state as last set here, since reading it back from the canvas costs
    // more than setting it; the canvas forgets it when it is sized.
    setState: function(record, key, value) {
      if (record.state[key] !== value) {
        record.state[key] = value;
        record.ctx[key] = value;
      }
    },

    fillRect: function(record, x, y, width, height, colour) {
      KW.setState(record, 'fillStyle', KW.css(colour));
      record.ctx.fillRect(x, y, width, height);
    },

    // Lines that are neither horizontal nor vertical, through the pixels' centres.
    strokeLine: function(record, x0, y0, x1, y1, width, colour) {
      var ctx = record.ctx;
      KW.setState(record, 'strokeStyle', KW.css(colour));
      KW.setState(record, 'lineWidth', width);
      ctx.beginPath();
      ctx.moveTo(x0 + 0.5, y0 + 0.5);
      ctx.lineTo(x1 + 0.5, y1 + 0.5);
      ctx.stroke();
    },

    // The text's top-left corner at (x, y), over its cell filled with the background colour when
    // the mode is opaque.
    textOut: function(record, x, y, string, height, weight, face, colour, bkColour, opaque) {
      var font = KW.font(record, face, height, weight);
      KW.setState(record, 'font', font.css);
      if (opaque) {
        if (!font.widths[string]) {
          font.widths[string] = Math.ceil(record.ctx.measureText(string).width);
        }
        KW.fillRect(record, x, y, font.widths[string], Math.round(font.cell), bkColour);
      }
      KW.setState(record, 'fillStyle', KW.css(colour));
      record.ctx.fillText(string, x, y + Math.round(font.ascent));
    },

    // In a task of its own, once the program has given the browser a turn, the texts of the
    // main window's last paint are mirrored for screen readers and the page hears that the
    // window painted (kestrovapaint): once for all the paints of a turn, since nothing reads
    // them before the browser has the turn.
    settleSoon: function(record) {
      if (!record.main || record.settling) {
        return;
      }
      record.settling = true;
      KW.resumeSoon(function() {
        record.settling = false;
        if (record.paintToMirror) {
          KW.mirrorTexts(record, record.paintToMirror);
          record.paintToMirror = null;
        }
        record.canvas.dispatchEvent(new Event('kestrovapaint'));
      });
    },

    // The texts at their places at 96 DPI. The spans of the last paint are kept and changed
    // where they differ.
    mirrorTexts: function(record, paint) {
      var scale = record.dpi / 96;
      var mirror = KW.element('board-text');
      var texts = paint.filter(function(operation) { return operation[0] === KW.textOut; });
      while (mirror.children.length > texts.length) {
        mirror.lastChild.remove();
      }
      texts.forEach(function(operation, i) {
        var span = mirror.children[i] || mirror.appendChild(document.createElement('span'));
        KW.setIfChanged(span.dataset, 'x', String(Math.round(operation[1] / scale)));
        KW.setIfChanged(span.dataset, 'y', String(Math.round(operation[2] / scale)));
        KW.setIfChanged(span, 'textContent', operation[3]);
      });
    },

    setIfChanged: function(object, key, value) {
      if (object[key] !== value) {
        object[key] = value;
      }
    },

    // --- Text ------------------------------------------------------------------------------

    // A web font for the platform's face, sized so that its character cell has the height the
    // platform's font has (a negative height is the em, as the platform reads it).
    font: function(record, face, height, weight) {
      var key = face + '/' + height + '/' + weight;
      if (!KW.fonts[key]) {
        var ctx = record.ctx;
        var families = face && face !== 'System' && face !== 'Tahoma' ?
            '"' + face + '", ' + KW.FONT_FALLBACKS : KW.FONT_FALLBACKS;
        ctx.font = weight + ' 100px ' + families;
        var metrics = ctx.measureText('Hg');
        var ascent = metrics.fontBoundingBoxAscent;
        var cell = ascent + metrics.fontBoundingBoxDescent;
        var size = height > 0 ? height * 100 / cell : -height;
        ctx.font = weight + ' ' + size + 'px ' + families;
        KW.fonts[key] = {
          css: ctx.font,
          ascent: ascent * size / 100,
          cell: cell * size / 100,
          widths: {},
        };
        record.state.font = ctx.font;
      }
      return KW.fonts[key];
    },
  },

  kw_wait_event__deps: ['$KW'],
  kw_wait_event: function() {
    return Asyncify.handleSleep(function(wakeUp) {
      if (KW.queue.length) {
        wakeUp();
      } else {
        KW.waiting = wakeUp;
      }
    });
  },

  // A full turn resumes in a task of its own; a short one once the microtasks queued so far
  // (the page's mutation observers among them) have run.
  kw_yield__deps: ['$KW'],
  kw_yield: function(fullTurn) {
    return Asyncify.handleSleep(function(wakeUp) {
      if (fullTurn) {
        KW.resumeSoon(wakeUp);
      } else {
        Promise.resolve().then(function() { wakeUp(); });
      }
    });
  },

  // Asked again, not taken from the cache unchecked: a file replaced on the server is read anew.
  kw_fetch_file__deps: ['$KW'],
  kw_fetch_file: function(name) {
    var path = UTF8ToString(name);
    return Asyncify.handleSleep(function(wakeUp) {
      fetch(path, {cache: 'no-cache'})
          .then(function(response) { return response.ok ? response.arrayBuffer() : null; })
          .then(function(buffer) {
            KW.pending = buffer ? {name: path, bytes: new Uint8Array(buffer)} : null;
            KW.resumeSoon(function() { wakeUp(buffer ? 1 : 0); });
          })
          .catch(function() { KW.resumeSoon(function() { wakeUp(0); }); });
    });
  },

  kw_halt: function() {
    return Asyncify.handleSleep(function() {});
  },

  kw_next_event__deps: ['$KW'],
  kw_next_event: function(event) {
    var next = KW.queue.shift();
    if (!next) {
      return 0;
    }
    for (var i = 0; i < 4; ++i) {
      HEAP32[(event >> 2) + i] = next[i];
    }
    return 1;
  },

  kw_create_window__deps: ['$KW'],
  kw_create_window: function(window, isMain, caption, width, height) {
    var record = {id: window, main: !!isMain, width: width, height: height, defaultId: KW.IDOK,
                  owned: true};
    KW.windows[window] = record;
    if (isMain) {
      KW.createMain(record, UTF8ToString(caption));
    } else {
      KW.createBox(record, UTF8ToString(caption), width, height);
    }
  },

  kw_add_control__deps: ['$KW'],
  kw_add_control: function(window, kind, id, text, x, y, width, height) {
    KW.addControl(KW.windows[window], kind, id, UTF8ToString(text), x, y, width, height);
  },

  kw_show_window__deps: ['$KW'],
  kw_show_window: function(window) {
    var record = KW.windows[window];
    KW.active.push(window);
    if (record.main) {
      KW.element('window').hidden = false;
      document.body.dataset.state = 'running';
      record.canvas.focus();
    } else {
      document.body.appendChild(record.overlay);
      KW.focusBox(record);
    }
  },

  kw_destroy_window__deps: ['$KW'],
  kw_destroy_window: function(window) {
    var record = KW.windows[window];
    delete KW.windows[window];
    KW.active = KW.active.filter(function(id) { return id !== window; });
    if (record && record.overlay) {
      record.overlay.remove();
    }
    var top = KW.windows[KW.active[KW.active.length - 1]];
    if (top && top.main) {
      top.canvas.focus();
    } else if (top && top.client) {
      KW.focusBox(top);
    }
  },

  kw_message_box__deps: ['$KW'],
  kw_message_box: function(window, caption, text) {
    var record = {id: window, main: false, defaultId: KW.IDOK, owned: false};
    KW.windows[window] = record;
    KW.createBox(record, UTF8ToString(caption), 0, 0);
    record.client.style.width = record.client.style.height = '';
    record.client.classList.add('message');
    var message = document.createElement('div');
    message.className = 'box-text';
    message.textContent = UTF8ToString(text);
    var ok = document.createElement('button');
    ok.type = 'button';
    ok.dataset.id = 'ok';
    ok.dataset.control = KW.IDOK;
    ok.textContent = 'OK';
    ok.addEventListener('click', function() { KW.pushInput(window, KW.WM_COMMAND, KW.IDOK, 0); });
    var row = document.createElement('div');
    row.className = 'box-buttons';
    row.appendChild(ok);
    record.client.append(KW.warningSign(), message, row);
    KW.active.push(window);
    document.body.appendChild(record.overlay);
    ok.focus();
  },

  kw_set_icon__deps: ['$KW'],
  kw_set_icon: function(window, file) {
    var record = KW.windows[window];
    if (record && record.main) {
      var url = UTF8ToString(file);
      KW.element('caption-icon').src = url;
      var link = document.querySelector('link[rel="icon"]');
      if (link) {
        link.href = url;
      }
    }
  },

  kw_menu_append__deps: ['$KW'],
  kw_menu_append: function(window, flags, id, text) {
    var record = KW.windows[window];
    if (record && record.menu) {
      record.menu.push({flags: flags, id: id, text: UTF8ToString(text)});
    }
  },

  kw_menu_delete__deps: ['$KW'],
  kw_menu_delete: function(window, id) {
    var record = KW.windows[window];
    if (!record || !record.menu) {
      return 0;
    }
    var index = record.menu.findIndex(function(item) {
      return item.id === id && !(item.flags & KW.MF_SEPARATOR);
    });
    if (index < 0) {
      return 0;
    }
    record.menu.splice(index, 1);
    return 1;
  },

  kw_control_text__deps: ['$KW'],
  kw_control_text: function(window, id, maxChars, buffer, size) {
    var control = KW.control(window, id);
    var text = control ? (control.value !== undefined ? control.value : control.textContent) : '';
    return stringToUTF8(text.slice(0, maxChars), buffer, size);
  },

  kw_set_control_text__deps: ['$KW'],
  kw_set_control_text: function(window, id, text) {
    var control = KW.control(window, id);
    if (!control) {
      return;
    }
    if (control.value !== undefined) {
      control.value = UTF8ToString(text);
    } else {
      control.textContent = UTF8ToString(text);
    }
  },

  kw_focus_select__deps: ['$KW'],
  kw_focus_select: function(window, id) {
    var control = KW.control(window, id);
    if (control) {
      control.focus();
      if (control.select) {
        control.select();
      }
    }
  },

  kw_dpi__deps: ['$KW'],
  kw_dpi: function() {
    return KW.dpi();
  },

  kw_client_size__deps: ['$KW'],
  kw_client_size: function(window, size) {
    var record = KW.windows[window];
    var canvas = record && record.canvas;
    HEAP32[size >> 2] = canvas ? canvas.width : record ? record.width : 0;
    HEAP32[(size >> 2) + 1] = canvas ? canvas.height : record ? record.height : 0;
  },

  kw_set_client_size__deps: ['$KW'],
  kw_set_client_size: function(window, width, height) {
    var record = KW.windows[window];
    if (record && record.canvas) {
      KW.setClientSize(record, width, height);
    }
  },

  kw_call_attention__deps: ['$KW'],
  kw_call_attention: function() {
    KW.callAttention();
  },

  // A paint is kept as a list of drawing operations and drawn when it ends, unless it is the
  // paint the canvas already shows: the window repaints the same board several times in a row
  // (after a search's solution, at its end, after the click that started it), and the browser
  // shows only the last of them anyway.
  kw_begin_paint__deps: ['$KW'],
  kw_begin_paint: function(window) {
    var record = KW.windows[window];
    if (record && record.ctx) {
      record.paint = [];
    }
  },

  kw_end_paint__deps: ['$KW'],
  kw_end_paint: function(window) {
    var record = KW.windows[window];
    if (!record || !record.paint) {
      return;
    }
    var paint = record.paint;
    record.paint = null;
    if (!KW.samePaint(paint, record.shownPaint)) {
      paint.forEach(function(operation) { KW.draw(record, operation); });
      record.shownPaint = paint;
      record.paintToMirror = paint;
    }
    KW.settleSoon(record);
  },

  kw_fill_rect__deps: ['$KW'],
  kw_fill_rect: function(window, x, y, width, height, colour) {
    KW.paintOrDraw(KW.windows[window], [KW.fillRect, x, y, width, height, colour]);
  },

  kw_stroke_line__deps: ['$KW'],
  kw_stroke_line: function(window, x0, y0, x1, y1, width, colour) {
    KW.paintOrDraw(KW.windows[window], [KW.strokeLine, x0, y0, x1, y1, width, colour]);
  },

  kw_text_out__deps: ['$KW'],
  kw_text_out: function(window, x, y, text, height, weight, face, colour, bkColour, opaque) {
    KW.paintOrDraw(KW.windows[window], [KW.textOut, x, y, UTF8ToString(text), height, weight,
                                        UTF8ToString(face), colour, bkColour, opaque]);
  },

  kw_set_wait_cursor__deps: ['$KW'],
  // The search shows the hourglass again after every pass over the queue: only a change
  // touches the page, which would otherwise have its style worked out again each time.
  kw_set_wait_cursor: function(wait) {
    if (document.body.dataset.searching === (wait ? '1' : '0')) {
      return;
    }
    document.body.dataset.searching = wait ? '1' : '0';
    document.documentElement.style.cursor = wait ? 'wait' : '';
    KW.element('board').style.cursor = wait ? 'wait' : '';
  },

  // The chooser's answer comes back as the command of a window of its own: OK once the chosen
  // file has been read, Cancel when none was chosen.
  kw_open_file_picker__deps: ['$KW'],
  kw_open_file_picker: function(window, accept) {
    var input = KW.element('file-input');
    KW.active.push(window);
    input.accept = UTF8ToString(accept);
    input.value = '';
    input.onchange = function() {
      var file = input.files && input.files[0];
      if (!file) {
        KW.push(window, KW.WM_COMMAND, KW.IDCANCEL, 0);
        return;
      }
      file.arrayBuffer().then(function(buffer) {
        KW.pending = {name: file.name, bytes: new Uint8Array(buffer)};
        KW.push(window, KW.WM_COMMAND, KW.IDOK, 0);
      }, function() { KW.push(window, KW.WM_COMMAND, KW.IDCANCEL, 0); });
    };
    input.oncancel = function() { KW.push(window, KW.WM_COMMAND, KW.IDCANCEL, 0); };
    input.click();
  },

  kw_pending_file_size__deps: ['$KW'],
  kw_pending_file_size: function() {
    return KW.pending ? KW.pending.bytes.length : 0;
  },

  kw_pending_file_name__deps: ['$KW'],
  kw_pending_file_name: function(buffer, size) {
    return stringToUTF8(KW.pending ? KW.pending.name : '', buffer, size);
  },

  kw_take_pending_file__deps: ['$KW'],
  kw_take_pending_file: function(buffer) {
    if (KW.pending) {
      HEAPU8.set(KW.pending.bytes, buffer);
      KW.pending = null;
    }
  },

  // The bytes are taken at once; the download itself starts in a task of its own, so that a
  // search that offers a solution goes on (and shows its result) without waiting for the browser
  // to take the file.
  kw_download: function(name, data, size) {
    var fileName = UTF8ToString(name);
    var bytes = HEAPU8.slice(data, data + size);
    setTimeout(function() {
      var link = document.createElement('a');
      link.download = fileName;
      link.href = URL.createObjectURL(new Blob([bytes], {type: 'application/octet-stream'}));
      link.hidden = true;
      document.body.appendChild(link);
      link.click();
      link.remove();
      setTimeout(function() { URL.revokeObjectURL(link.href); }, 60000);
    }, 0);
  },

  kw_show_closed__deps: ['$KW'],
  kw_show_closed: function() {
    KW.closed = true;
    KW.queue = [];
    document.querySelectorAll('.kestrova-overlay').forEach(function(overlay) { overlay.remove(); });
    KW.hideSystemMenu();
    KW.element('window').hidden = true;
    KW.element('closed').hidden = false;
    document.body.dataset.state = 'closed';
    document.body.dataset.searching = '0';
    document.documentElement.style.cursor = '';
  },
};

mergeInto(LibraryManager.library, LibraryKestrova);

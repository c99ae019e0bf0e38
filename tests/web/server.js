// A static file server on 127.0.0.1 for the page's tests and benchmark: what any static host
// does (content types, byte ranges, 404), and it counts the bytes each response sent.
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');

const kTypes = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.exe': 'application/octet-stream',
  '.ico': 'image/x-icon',
  '.png': 'image/png',
  '.svg': 'image/svg+xml',
  '.css': 'text/css; charset=utf-8',
};

// The inclusive byte range a Range header asks for, or null for the whole file.
function requestedRange(header, size) {
  const match = /^bytes=(\d*)-(\d*)$/.exec(header || '');
  if (!match || (match[1] === '' && match[2] === '')) return null;
  if (match[1] === '') return { start: Math.max(0, size - Number(match[2])), end: size - 1 };
  return { start: Number(match[1]), end: match[2] === '' ? size - 1 : Math.min(size - 1, Number(match[2])) };
}

function fileOf(root, url) {
  const name = decodeURIComponent(new URL(url, 'http://host').pathname);
  const file = path.join(root, name.endsWith('/') ? name + 'index.html' : name);
  return file.startsWith(root) ? file : null;
}

function sendFile(request, response, file, sent) {
  const size = fs.statSync(file).size;
  const range = requestedRange(request.headers.range, size);
  const headers = {
    'Content-Type': kTypes[path.extname(file).toLowerCase()] || 'application/octet-stream',
    'Accept-Ranges': 'bytes',
    'Cache-Control': 'no-store',
  };
  let start = 0;
  let end = size - 1;
  if (range) {
    if (range.start > range.end) {
      response.writeHead(416, { 'Content-Range': `bytes */${size}` }).end();
      return;
    }
    ({ start, end } = range);
    headers['Content-Range'] = `bytes ${start}-${end}/${size}`;
  }
  headers['Content-Length'] = end - start + 1;
  response.writeHead(range ? 206 : 200, headers);
  if (request.method === 'HEAD') {
    response.end();
    return;
  }
  sent.push({ file, start, end });
  fs.createReadStream(file, { start, end }).pipe(response);
}

// Serves folder root; resolves to { url, sent, close() }. sent lists every body sent, as
// { file, start, end } (inclusive).
function serve(root) {
  const base = path.resolve(root);
  const sent = [];
  const server = http.createServer((request, response) => {
    const file = fileOf(base, request.url);
    if (!file || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found');
      return;
    }
    sendFile(request, response, file, sent);
  });
  return new Promise((resolve) => {
    server.listen(0, '127.0.0.1', () => {
      resolve({
        url: `http://127.0.0.1:${server.address().port}/`,
        sent,
        close: () =>
          new Promise((done) => {
            server.close(done);
            server.closeAllConnections();
          }),
      });
    });
  });
}

module.exports = { serve };

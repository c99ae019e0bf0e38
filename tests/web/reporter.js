// Reports each case of the browser tests (the innermost tests) on a line of its own, with the
// reason of a failure, and closes with "N passed, N failed".
'use strict';

module.exports = async function* report(events) {
  const counts = { passed: 0, failed: 0 };
  let lastNesting = -1;
  const childFailed = [];
  for await (const { type, data } of events) {
    if (type === 'test:start' && data.nesting === 0) yield `${data.name}\n`;
    if ((type !== 'test:pass' && type !== 'test:fail') || data.skip !== undefined) continue;
    const parent = lastNesting === data.nesting + 1;
    lastNesting = data.nesting;
    const failed = type === 'test:fail';
    const ownFailure = failed && !(parent && childFailed[data.nesting + 1]);
    childFailed[data.nesting + 1] = false;
    childFailed[data.nesting] = childFailed[data.nesting] || failed;
    if (parent && !ownFailure) continue;
    const indent = '  '.repeat(data.nesting + 1);
    if (!failed) {
      counts.passed += 1;
      yield `${indent}ok       ${data.name}\n`;
    } else {
      counts.failed += 1;
      const error = data.details.error.cause ?? data.details.error;
      yield `${indent}FAIL     ${data.name}\n${String(error.message).replace(/^/gm, `${indent}         `)}\n`;
    }
  }
  yield `${counts.passed} passed, ${counts.failed} failed\n`;
};

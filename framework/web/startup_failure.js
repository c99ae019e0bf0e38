// A browser that cannot compile or start the program (one without WebAssembly, or without a
// feature the build uses: bulk memory and 128-bit SIMD) gets a sentence instead of a page that
// loads for ever.
Module['onAbort'] = function() {
  var loading = document.getElementById('loading');
  if (loading && document.body.dataset.state === 'loading') {
    loading.textContent = 'This browser cannot run Kestrova: it needs WebAssembly with SIMD, ' +
        'as in Chrome or Edge 91, Firefox 89, Safari 16.4 or later.';
  }
};

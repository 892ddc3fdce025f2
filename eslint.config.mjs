// ESLint for the project's JavaScript: the page (web/), the site's build steps
// (cmake/web/), the WebAssembly game's hosts and declarations (src/platform/web/), the
// page's tests (tests/web/) and the benchmarks (bench/). npx eslint, or .ci/run.

import js from '@eslint/js';
import globals from 'globals';

export default [
  { ignores: ['build*/**'] },
  js.configs.recommended,
  {
    rules: {
      // The page reads a terminal's bytes: control characters in a pattern are its point.
      'no-control-regex': 'off',
      // An argument left unused names what a call hands over; a caught error may go unnamed.
      'no-unused-vars': ['error', { args: 'none', caughtErrors: 'none' }],
      eqeqeq: 'error',
      'prefer-const': 'error',
      'no-var': 'error',
    },
  },
  // The page: ES modules in the browser, beside the game's script, which defines
  // createGeekpath.
  {
    files: ['web/**/*.js'],
    languageOptions: { sourceType: 'module', globals: { ...globals.browser, createGeekpath: 'readonly' } },
  },
  // The service worker, led by the build's BUILD (cmake/web/seal.mjs).
  {
    files: ['web/service-worker.js'],
    languageOptions: { sourceType: 'script', globals: { ...globals.serviceworker, BUILD: 'readonly' } },
  },
  // The Node.js runner, a CommonJS script.
  {
    files: ['src/platform/web/geekpath-node.js'],
    languageOptions: { sourceType: 'commonjs', globals: globals.node },
  },
  // The declarations that lead the game's script: functions that the game's own glue
  // calls, which nothing here does.
  {
    files: ['src/platform/web/host.js'],
    languageOptions: { sourceType: 'script' },
    rules: { 'no-unused-vars': 'off' },
  },
  // Node.js modules: the build steps, the tests and the benchmarks, whose page functions
  // (page.evaluate) run in the browser.
  {
    files: ['cmake/web/**/*.mjs', 'tests/web/**/*.mjs', 'bench/**/*.mjs'],
    languageOptions: { sourceType: 'module', globals: { ...globals.node, ...globals.browser } },
  },
];

// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a test suite built for WebAssembly in Node.js: node run-test.js suite.js [args...]
// The suite's output goes to the terminal and its exit status becomes Node's.
"use strict";
const fs = require("fs");
const path = require("path");

const [suite, ...args] = process.argv.slice(2);
const createQtAppInstance = require(path.resolve(suite));
createQtAppInstance({
    // Handed over whole: the loader would fetch() it, and Node's fetch takes no file paths.
    wasmBinary: fs.readFileSync(path.resolve(suite).replace(/\.js$/, ".wasm")),
    arguments: args,
    print: (text) => console.log(text),
    printErr: (text) => console.error(text),
    preRun: [(module) => module.ENV && Object.assign(module.ENV, process.env)],
}).catch((error) => {
    console.error(error);
    process.exitCode = 1;
});

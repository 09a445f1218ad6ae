// Runs a test program built for the browser under node: node ARGS node.js PROGRAM.js [ARGUMENTS].
// The program is a module, as the page's is: making it runs its main, and the process ends with
// main's exit code.
const create = require(require('path').resolve(process.argv[2]));
create({arguments: process.argv.slice(3)});

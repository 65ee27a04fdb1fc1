#!/bin/sh
# The VS Code extension's TextMate grammars against their test files, offline.
# Exit status 77 (skipped) when npm or the extension's node_modules are missing.
set -eu
estensione=$1
if ! command -v npm >/dev/null 2>&1; then
    echo "npm not installed: skipped"
    exit 77
fi
if [ ! -x "$estensione/node_modules/.bin/vscode-tmgrammar-test" ]; then
    echo "no node_modules in $estensione (run npm ci there): skipped"
    exit 77
fi
cd "$estensione"
npm test --silent

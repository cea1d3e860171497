#!/usr/bin/env bash
# The compiler launcher of the CMake presets (CMAKE_<LANG>_COMPILER_LAUNCHER): the compiler through
# ccache, with one cache for every clone of the project on this machine, outside the clones
# (${XDG_CACHE_HOME:-~/.cache}/corvel-editor-zozi/ccache unless CCACHE_DIR says otherwise).
# Objects are the same wherever a clone is (-ffile-prefix-map maps the source and build folders
# away), so the clone's folder is left out of the lookup: paths under it become relative
# (CCACHE_BASEDIR, the prefix maps' too) and the build folder is not hashed (CCACHE_NOHASHDIR).
# Without ccache the compiler runs on its own. The release (scripts/release.sh) never comes
# through here.
#   ccache-launch.sh COMPILER ARGS...
set -euo pipefail
if ! command -v ccache >/dev/null; then exec "$@"; fi
export CCACHE_DIR="${CCACHE_DIR:-${XDG_CACHE_HOME:-${HOME:-$(echo ~)}/.cache}/corvel-editor-zozi/ccache}"
CCACHE_BASEDIR="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export CCACHE_BASEDIR CCACHE_NOHASHDIR=true
exec ccache "$@"

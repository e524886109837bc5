#!/usr/bin/env bash
# Runs one test with a HOME, XDG folders and runtime folder of its own, so that it never touches
# a person's settings and tests running side by side never see each other's files or virtual cards.
set -u
sandbox=$(mktemp -d "${TMPDIR:-/tmp}/velora-test.XXXXXX")
export HOME="$sandbox/home" XDG_CONFIG_HOME="$sandbox/config" XDG_DATA_HOME="$sandbox/data"
export XDG_CACHE_HOME="$sandbox/cache" XDG_RUNTIME_DIR="$sandbox/runtime"
# Temporary files too: one running copy is keyed by files there, so tests never meet each other's copy.
export TMPDIR="$sandbox/tmp"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$TMPDIR"
mkdir -m 700 "$XDG_RUNTIME_DIR"
"$@"
status=$?
rm -rf "$sandbox"
exit $status

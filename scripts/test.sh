#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (the server tests run
# against a real Firebird server started, and stopped, by with-firebird-server.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ -x scripts/with-firebird-server.sh ]; then
  scripts/with-firebird-server.sh ctest --test-dir build --output-on-failure -j"$(nproc)"
else
  ctest --test-dir build --output-on-failure -j"$(nproc)"
fi

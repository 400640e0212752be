#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program in ./demo: a local
# installation (marker file "single") with a demonstration database, created
# only when missing and never overwritten.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "velmora: não há tela gráfica (DISPLAY/WAYLAND_DISPLAY vazios). Rode este comando numa sessão gráfica," >&2
  echo "         ou sob um servidor X virtual, por exemplo: xvfb-run scripts/run-demo.sh" >&2
  exit 1
fi
scripts/install-deps.sh
scripts/build.sh
mkdir -p demo
[ -e demo/vd.fdb ] || build/src/velmora-newdb --demo demo/vd.fdb
[ -e demo/single ] || : > demo/single
cd demo
exec ../build/src/velmora

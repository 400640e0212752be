#!/usr/bin/env bash
# Runs a command with a real Firebird server listening on loopback, for the
# tests that reach the database through the server ("host:folder").
#
#   scripts/with-firebird-server.sh CMD [ARGS...]
#
# Installs the server package when missing, starts a server of its own
# (nothing else is started) on a private copy of the security database that
# holds the SYSDBA password the program uses, exports
# VELMORA_TEST_SERVER=localhost/<port> for the tests, runs CMD, and stops the
# server it started by its process id, also when CMD fails. Exits with CMD's
# status. The security database of the machine's own Firebird installation
# is only read, never changed: a developer's Firebird server keeps its users
# and passwords.
set -euo pipefail

if [ "$#" -eq 0 ]; then
  echo "usage: $0 CMD [ARGS...]" >&2
  exit 64
fi

SERVER=/usr/sbin/firebird
SYSTEM_SECURITY_DB=/var/lib/firebird/3.0/system/security3.fdb
PASSWORD=tidewater

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if [ ! -x "$SERVER" ]; then
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q firebird3.0-server >/dev/null
fi
# The package's own service may have been started by the install; this script
# uses only the server it starts itself.

port_in_use() {
  (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null && exec 3>&- 3<&-
}

PORT="${VELMORA_TEST_PORT:-3050}"
while port_in_use "$PORT"; do
  PORT=$((PORT + 1))
  if [ "$PORT" -gt 3150 ]; then
    echo "$0: no free port between 3050 and 3150" >&2
    exit 69
  fi
done

# The server runs as the invoking user here (root in the test machines), so
# it can read and write the temporary folders the tests create.
SERVER_PID=""
stop_server() {
  if [ -n "$SERVER_PID" ] && kill -0 "$SERVER_PID" 2>/dev/null; then
    kill "$SERVER_PID" 2>/dev/null || true
    for _ in $(seq 1 30); do
      kill -0 "$SERVER_PID" 2>/dev/null || break
      sleep 0.1
    done
    if kill -0 "$SERVER_PID" 2>/dev/null; then
      kill -9 "$SERVER_PID" 2>/dev/null || true
    fi
    wait "$SERVER_PID" 2>/dev/null || true
  fi
  if [ -n "${RUN_ROOT:-}" ]; then
    rm -rf "$RUN_ROOT"
  fi
}
trap stop_server EXIT

# A private root folder for the server: the package's files, with a
# firebird.conf that binds to loopback only on the chosen port ("-p" would
# listen on every address).
FB_ROOT=/usr/lib/x86_64-linux-gnu/firebird/3.0
if [ ! -d "$FB_ROOT" ]; then
  FB_ROOT="$(dirname "$(readlink -f "$(dpkg -L firebird3.0-common 2>/dev/null | grep '/firebird.msg$' | head -n1)")")"
fi
RUN_ROOT="$(mktemp -d "${TMPDIR:-/tmp}/velmora-fbserver.XXXXXX")"
for entry in "$FB_ROOT"/*; do
  ln -s "$entry" "$RUN_ROOT/"
done
rm -f "$RUN_ROOT/firebird.conf" "$RUN_ROOT/intl"
# The character sets module is looked for under the root folder itself.
mkdir "$RUN_ROOT/intl"
cp -L "$FB_ROOT"/intl/* "$RUN_ROOT/intl/"
grep -v -E '^[[:space:]]*(RemoteBindAddress|RemoteServicePort|SecurityDatabase)[[:space:]]*=' \
  /etc/firebird/3.0/firebird.conf >"$RUN_ROOT/firebird.conf"
printf 'RemoteBindAddress = 127.0.0.1\nRemoteServicePort = %s\n' "$PORT" >>"$RUN_ROOT/firebird.conf"

# The server's own security database: a copy of the installed one, named by
# the private firebird.conf, where the SYSDBA password is set by the embedded
# engine (no server is running yet). FIREBIRD points isql at the private
# configuration, so the user is written to the copy and nowhere else.
SECURITY_DB="$RUN_ROOT/security3.fdb"
rm -f "$SECURITY_DB" # a link to the installed file, if the package made one
as_root cat "$SYSTEM_SECURITY_DB" >"$SECURITY_DB"
chmod 600 "$SECURITY_DB"
printf 'SecurityDatabase = %s\n' "$SECURITY_DB" >>"$RUN_ROOT/firebird.conf"
echo "create or alter user SYSDBA password '$PASSWORD'; commit;" |
  FIREBIRD="$RUN_ROOT" isql-fb -user SYSDBA -q "$SECURITY_DB" >/dev/null

FIREBIRD="$RUN_ROOT" "$SERVER" </dev/null >"$RUN_ROOT/server.log" 2>&1 &
SERVER_PID=$!

for _ in $(seq 1 100); do
  if port_in_use "$PORT"; then
    break
  fi
  if ! kill -0 "$SERVER_PID" 2>/dev/null; then
    echo "$0: the Firebird server ended before accepting connections" >&2
    cat "$RUN_ROOT/server.log" >&2 || true
    exit 70
  fi
  sleep 0.1
done
if ! port_in_use "$PORT"; then
  echo "$0: the Firebird server did not accept connections on port $PORT" >&2
  exit 70
fi

export VELMORA_TEST_SERVER="localhost/$PORT"
status=0
"$@" || status=$?
exit "$status"

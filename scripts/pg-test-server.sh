#!/usr/bin/env bash
# A throwaway PostgreSQL 15 server for the records tests, in a folder of its own, listening
# on a free port of 127.0.0.1 only:
#   pg-test-server.sh start DIR   sets the server up in DIR when DIR holds none, starts it
#                                 (on the port it had before, when it had one) and writes
#                                 DIR/env, the variables the tests read, for `. DIR/env`
#   pg-test-server.sh stop DIR    stops it; does nothing when it is not running
# Both can be repeated. The server refuses to run as root: started by root it runs as the
# system user postgres, which then owns DIR; otherwise as the user who starts it.
# Logins: postgres (trusted, the owner of everything), brackmere_reader (trusted; may read and
# add records but create nothing) and brackmere_pw (needs its password, in DIR/env).
set -euo pipefail

readonly bin=/usr/lib/postgresql/15/bin
readonly database=brackmere_test

usage() {
  echo "usage: $0 start|stop DIR" >&2
  exit 2
}
[ $# -eq 2 ] || usage
command=$1
dir=$(realpath -m "$2")

as_server_user() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u postgres -- "$@"
  else
    "$@"
  fi
}

running() {
  [ -f "$dir/data/PG_VERSION" ] && as_server_user "$bin/pg_ctl" -D "$dir/data" status >/dev/null 2>&1
}

# A port nobody listens on now: the kernel's choice for port 0.
free_port() {
  perl -MIO::Socket::INET -e \
    'print IO::Socket::INET->new(LocalAddr => "127.0.0.1", LocalPort => 0, Proto => "tcp")->sockport, "\n"'
}

sql() {
  "$bin/psql" -X -q -v ON_ERROR_STOP=1 -h 127.0.0.1 -p "$(cat "$dir/port")" -U postgres -d "$1" -c "$2" >/dev/null
}

start_server() {
  if ! as_server_user "$bin/pg_ctl" -D "$dir/data" -l "$dir/log" -w -t 60 start >/dev/null; then
    echo "$0: the server in $dir did not start; the end of its log:" >&2
    tail -n 20 "$dir/log" >&2 || true
    return 1
  fi
}

set_up() {
  mkdir -p "$dir"
  if [ "$(id -u)" -eq 0 ]; then
    id postgres >/dev/null 2>&1 || { echo "$0: there is no user postgres to run the server as" >&2; exit 1; }
    chown postgres: "$dir"
  fi
  as_server_user "$bin/initdb" -D "$dir/data" -A trust -U postgres --no-locale -E UTF8 --no-sync >/dev/null
  # Only brackmere_pw is asked for a password; nothing but this computer can connect.
  as_server_user tee "$dir/data/pg_hba.conf" >/dev/null <<EOF
local all all trust
host all brackmere_pw 127.0.0.1/32 scram-sha-256
host all all 127.0.0.1/32 trust
EOF
  # Another program may take the free port before the server does: then try another.
  local attempt
  for attempt in 1 2 3; do
    free_port >"$dir/port"
    as_server_user tee -a "$dir/data/postgresql.conf" >/dev/null <<EOF
listen_addresses = '127.0.0.1'
port = $(cat "$dir/port")
unix_socket_directories = '$dir'
EOF
    start_server && break
    [ "$attempt" -lt 3 ] || exit 1
  done
  local password
  password=$(od -An -N12 -tx1 /dev/urandom | tr -d ' \n')
  sql postgres "CREATE ROLE brackmere_reader LOGIN"
  sql postgres "CREATE ROLE brackmere_pw LOGIN PASSWORD '$password'"
  sql postgres "CREATE DATABASE $database"
  # PostgreSQL 15 lets every login use the schema public but create nothing in it.
  sql "$database" "GRANT CONNECT ON DATABASE $database TO brackmere_reader, brackmere_pw"
  local port
  port=$(cat "$dir/port")
  cat >"$dir/env" <<EOF
export BRACKMERE_TEST_PG_URI=postgresql://postgres@127.0.0.1:$port/$database
export BRACKMERE_TEST_PG_HOST=127.0.0.1
export BRACKMERE_TEST_PG_PORT=$port
export BRACKMERE_TEST_PG_PASSWORD=$password
EOF
}

case "$command" in
  start)
    if [ ! -x "$bin/pg_ctl" ]; then
      echo "$0: PostgreSQL 15 is not installed ($bin is missing): run scripts/install-deps.sh test" >&2
      exit 1
    fi
    # The variables are written last: without them the server was never set up in full.
    if [ ! -f "$dir/env" ]; then
      running && as_server_user "$bin/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null
      rm -rf "$dir/data"
      set_up
    elif ! running; then
      start_server
    fi
    ;;
  stop)
    if running; then
      as_server_user "$bin/pg_ctl" -D "$dir/data" -m fast -w -t 60 stop >/dev/null
    fi
    ;;
  *) usage ;;
esac

#!/usr/bin/env bash
# A private PostgreSQL cluster for the ODBC tests: no TCP port, a socket in a temporary
# folder, password logins. Run as root, the server runs as the user "postgres" (initdb
# refuses root).
#   pg-cluster.sh start FOLDER   creates and starts a cluster in FOLDER (empty, and reachable
#                                by the user "postgres" when run as root)
#   pg-cluster.sh stop FOLDER    stops it
# The superuser is "qvsql" with the password "qvsql-secret"; the socket lies in FOLDER/socket.
set -euo pipefail
action=$1
folder=$2

pg_bin=$(find /usr/lib/postgresql -maxdepth 2 -name bin -type d 2>/dev/null | sort -V | tail -1)
[ -x "$pg_bin/initdb" ] || { echo "pg-cluster: PostgreSQL is not installed" >&2; exit 1; }

as_server_user() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u postgres -- "$@"
  else
    "$@"
  fi
}

case $action in
  start)
    mkdir -p "$folder/socket"
    echo qvsql-secret >"$folder/password"
    [ "$(id -u)" -ne 0 ] || chown -R postgres "$folder"
    as_server_user "$pg_bin/initdb" -D "$folder/data" -U qvsql --pwfile="$folder/password" \
      --auth=scram-sha-256 --encoding=UTF8 --locale=C.UTF-8 --no-sync >"$folder/initdb.log" 2>&1 ||
      { cat "$folder/initdb.log" >&2; exit 1; }
    as_server_user "$pg_bin/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w -t 60 \
      -o "-c listen_addresses='' -k '$folder/socket' -c fsync=off" start >/dev/null ||
      { cat "$folder/server.log" >&2; exit 1; }
    ;;
  stop)
    as_server_user "$pg_bin/pg_ctl" -D "$folder/data" -m immediate -w stop >/dev/null
    ;;
  *)
    echo "usage: pg-cluster.sh start|stop FOLDER" >&2
    exit 2
    ;;
esac

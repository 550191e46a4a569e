#!/usr/bin/env bash
# qvsql-host on real databases through ODBC: a private PostgreSQL cluster (two schemas, names
# that need quoting, a reserved word, names with control characters, views that fail) and a
# SQLite file through the SQLite ODBC driver. The dialog is played headless with scripts, the
# statement runs on the server, and rows, statuses and messages are checked.
#   bash odbc-test.sh QVSQL_HOST_BINARY
set -euo pipefail
host=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/qvsql-odbc.XXXXXX")
# Short, and reachable by the server's user: the socket path has a length limit.
cluster=$(mktemp -d /tmp/qvsql-pg.XXXXXX)
listener=
cleanup() {
  [ -z "$listener" ] || kill "$listener" 2>/dev/null || true
  [ ! -d "$cluster/data" ] || bash "$here/pg-cluster.sh" stop "$cluster" || true
  rm -rf "$work" "$cluster"
}
trap cleanup EXIT
export QVSQL_BACKEND=headless
unset DISPLAY
failures=0
passes=0

# run NAME WANT_STATUS WANT_STDOUT WANT_STDERR_PART [HOST ARGS...] (QVSQL_SCRIPT from the
# caller). A failure is told in one line, besides the notes on names left out.
run() {
  local name=$1 want_status=$2 want_out=$3 want_err=$4 status=0
  shift 4
  (cd "$work" && "$host" "$@") >"$work/out" 2>"$work/err" || status=$?
  local out err
  out=$(cat "$work/out")
  err=$(cat "$work/err")
  if [ "$status" != "$want_status" ] || [ "$out" != "$want_out" ] ||
     [[ "$err" != *"$want_err"* ]] ||
     { [ "$want_status" != 0 ] && [ "$(grep -vc '^qvsql-host: skipped ' "$work/err")" != 1 ]; }; then
    printf 'FAIL %s: status %s (want %s)\n--- stdout\n%s\n--- want\n%s\n--- stderr\n%s\n--- want a line with\n%s\n' \
      "$name" "$status" "$want_status" "$out" "$want_out" "$err" "$want_err"
    failures=$((failures + 1))
  else
    echo "ok   $name"
    passes=$((passes + 1))
  fi
}

bash "$here/pg-cluster.sh" start "$cluster"
export PGPASSWORD=qvsql-secret
psql -h "$cluster/socket" -U qvsql -d postgres -qAt -c 'CREATE DATABASE labels' >/dev/null
psql -h "$cluster/socket" -U qvsql -d labels -q -v ON_ERROR_STOP=1 -f "$here/sample-pg.sql" >/dev/null
pg="Driver=PostgreSQL Unicode;Servername=$cluster/socket;Database=labels;Username=qvsql;Password=qvsql-secret"

export QVSQL_SCRIPT=$here/scripts/ok.script
run "the catalogue, tables and views of every schema" 0 'Stock Room.items
public.customers
sales.Orders
sales.broken
sales.dying
sales.nothing
sales.odd
sales.slow
stock_room.shelf
stockxroom.shelf
{WHEN PRINTED}' 'skipped the table "sales.tab\tname": its name holds a control character' \
  --odbc="$pg" --list-tables
grep -q 'skipped the column "line\\nbreak" of "sales.odd"' "$work/err" ||
  { echo "FAIL the column with a line break is not reported"; failures=$((failures + 1)); }

run "a schema read on its own, its pattern characters escaped" 0 'stock_room.shelf' '' \
  --odbc="$pg" --schema=stock_room --list-tables --no-when-printed

QVSQL_SCRIPT=$here/scripts/customers.script run "customers composed and run" 0 \
'SELECT name,"Zip Code","order" FROM "public"."customers" WHERE  ( city = '"'Paris'"' )  ORDER BY name
name          | Zip Code | order
------------- | -------- | -----
Alice Dupont  | 75006    | 6
Anne Martin   | 75001    | 3
Brigitte Roux | 75011    | 7' '' --odbc="$pg" --table=public.customers

QVSQL_SCRIPT=$here/scripts/items.script run "a schema with a blank" 0 \
'SELECT sku,"Unit Price" FROM "Stock Room"."items" 
sku    | Unit Price
------ | ----------
LB-100 | 0.04
RB-010 | 6.5' '' --odbc "$pg" --table "Stock Room.items"

run "the columns of one of two schemas a pattern mixes up" 0 'SELECT * FROM "stock_room"."shelf" 
a
-' '' --odbc="$pg" --table=stock_room.shelf
run "a table without columns" 0 'SELECT * FROM "sales"."nothing" ' '' \
  --odbc="$pg" --table=sales.nothing --no-when-printed

run "a statement the database rejects" 11 'SELECT * FROM "sales"."broken" ' \
  'the statement failed: ERROR: division by zero' --odbc="$pg" --table=sales.broken
run "the server goes away before the rows" 12 'SELECT * FROM "sales"."dying" ' \
  'the connection was lost' --odbc="$pg" --table=sales.dying
run "a statement past its time-out" 13 'SELECT * FROM "sales"."slow" ' \
  'the statement ran past its time-out' --odbc="$pg" --table=sales.slow --query-timeout=1
run "a table not in the catalogue" 10 '' 'no table "sales.none" among those offered' \
  --odbc="$pg" --table=sales.none
run "a schema without tables" 9 '' 'the schema "empty" has no tables' --odbc="$pg" --schema=empty
run "bad credentials" 8 '' 'password authentication failed' \
  --odbc="${pg/Password=qvsql-secret/Password=wrong}"
run "a server that is not there" 7 '' 'cannot connect: connection to server on socket' \
  --odbc="${pg/Servername=$cluster\/socket/Servername=$work/nowhere}"
run "a database that is not there" 6 '' 'database "none" does not exist' \
  --odbc="${pg/Database=labels/Database=none}"
run "a driver that is not installed" 6 '' "Can't open lib 'No Such Driver'" \
  --odbc="Driver=No Such Driver;Database=x"
run "a malformed connection string" 6 '' 'cannot connect' --odbc="Driver={PostgreSQL;;=="
run "a data source name that is not defined" 6 '' 'Data source name not found' --odbc=nowhere

# A server that takes the connection and never answers.
python3 -c 'import socket, sys, time
s = socket.socket(); s.bind(("127.0.0.1", 0)); s.listen(8)
print(s.getsockname()[1], flush=True); time.sleep(60)' >"$work/port" &
listener=$!
for _ in $(seq 50); do [ -s "$work/port" ] && break; sleep 0.1; done
run "a server that never answers" 13 '' 'timeout expired' --connect-timeout=1 \
  --odbc="Driver=PostgreSQL Unicode;Servername=127.0.0.1;Port=$(cat "$work/port");Database=x;Username=x;Password=x"

# The demo over the SQLite ODBC driver: the same statement and rows as the embedded reader,
# names still in brackets.
sqlite3 -bail "$work/sample.db" ".read $root/tools/qvsql-host/sample.sql"
QVSQL_SCRIPT=$root/tools/qvsql-host/demo.script run "the demo through the SQLite ODBC driver" 0 \
"SELECT ID,Name,City FROM Customers WHERE  ( City = 'Paris' )  ORDER BY Name DESC
ID | Name          | City
-- | ------------- | -----
3  | Brigitte Roux | Paris
1  | Anne Martin   | Paris
7  | Alice Dupont  | Paris" '' --odbc="Driver=SQLite3;Database=$work/sample.db" --table=Customers
QVSQL_SCRIPT=$here/scripts/ok.script run "SQLite names in brackets" 0 \
'SELECT * FROM [Print Jobs] ' '' --odbc="Driver=SQLite3;Database=$work/sample.db" \
  --table="Print Jobs" --no-run
run "a SQLite file that is not there" 6 '' 'cannot connect' \
  --odbc="Driver=SQLite3;Database=$work/none/x.db;NoCreat=1"

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]

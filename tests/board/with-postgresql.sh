#!/usr/bin/env bash
# Runs a test program with a PostgreSQL server of its own, made for the run and dropped after
# it by Debian's pg_virtualenv (as root too), and its URL in ZINGAROO_TEST_PG_URL:
#   with-postgresql.sh PROGRAM [ARGS...]
# Without PostgreSQL the program runs without the URL, so its PostgreSQL cases skip, saying why.
set -euo pipefail
if ! command -v pg_virtualenv >/dev/null || ! compgen -G '/usr/lib/postgresql/*/bin/initdb' >/dev/null; then
    echo "PostgreSQL is not installed (no pg_virtualenv or initdb): the PostgreSQL cases are skipped" >&2
    exec "$@"
fi
# pg_virtualenv sets the PG* variables of a superuser connection to the new server.
exec pg_virtualenv bash -c 'ZINGAROO_TEST_PG_URL="postgresql://$PGUSER:$PGPASSWORD@$PGHOST:$PGPORT/$PGDATABASE" exec "$@"' \
    with-postgresql "$@"

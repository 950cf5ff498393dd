#!/bin/sh
# The remote example of README.md as written: once run as a script, once
# typed into an interactive shell with a terminal and job control (under
# script(1)). Each run must print the answer, and the stopped server must
# leave nothing behind in its folder but the registry file. Without a
# server, the client gives up after its time-out and says so.
# Usage: round_trip.sh README PROGRAM_DIR WORK_DIR
set -u
readme=$1 bin=$2 work=$3
rm -rf "$work"
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT
# The commands of the example, with the programs where they were built;
# before the folder goes, what is left in it is shown.
sed -n '/^Pasted into a shell or run as a script:/,/^## /p' "$readme" | sed -n 's/^    \$ //p' |
  sed "s|build/bin/|$bin/|g" |
  awk '/^rm -r "\$QN_RPC_DIR"$/ { print "echo left: $(ls \"$QN_RPC_DIR\")" } { print }' \
    > "$work/example.sh"
grep -q remote-client "$work/example.sh" || { echo "no remote example in $readme"; exit 1; }
export TMPDIR="$work"
status=0
check() {
  grep -q "Execute answered: ROUND TRIP" "$work/$1.out" &&
    grep -q "left: registry.ini[[:space:]]*$" "$work/$1.out" &&
    [ -z "$(find "$work" -maxdepth 1 -name 'tmp.*')" ] || {
    echo "$1 run failed:"
    cat "$work/$1.out"
    status=1
  }
}
timeout 60 sh "$work/example.sh" > "$work/script.out" 2>&1
check script
{ cat "$work/example.sh"; echo exit; } |
  timeout 60 script -q -e -c "bash --norc --noprofile -i" /dev/null > "$work/interactive.out" 2>&1
check interactive
mkdir -m 700 "$work/none"
if QN_RPC_DIR="$work/none" timeout 60 "$bin/remote-client" > "$work/none.out" 2>&1 ||
  ! grep -q "^no server at $work/none/server.ref$" "$work/none.out"; then
  echo "the client without a server:"
  cat "$work/none.out"
  status=1
fi
[ $status -eq 0 ] && echo "both runs answered: ROUND TRIP; without a server: no server at ..."
exit $status

#!/usr/bin/env bash
# The examples of README.md as written, in its order, in one shell: every
# "    $ COMMAND" line runs, each must end with status 0, and what it prints
# on standard output must be the lines the README shows below it. Where the
# README shows ports that differ from run to run (mail_servers), numbers
# stand for any number. The remote example runs in round_trip.sh (as a
# script and typed into a shell); `java ... MyProgram` names a program of
# the reader's own and is left out.
# Usage: readme_examples.sh README SOURCE_DIR BUILD_DIR WORK_DIR
set -u
readme=$1 src=$2 build=$3 work=$4
rm -rf "$work"
mkdir -p "$work/build/bin"
trap 'rm -rf "$work"' EXIT
# A checkout as the reader has it: the sources, and a build folder whose
# program folder is a folder of its own (what the examples write there
# stays in the work folder).
ln -s "$src/examples" "$work/examples"
ln -s "$src/tests" "$work/tests"
for entry in "$build/tests" "$build/examples"; do ln -s "$entry" "$work/build/"; done
for entry in "$build/bin"/*; do ln -s "$entry" "$work/build/bin/"; done
export QN_REGISTRY_FILE="$work/registry.ini" JAVA_TOOL_OPTIONS="-Djava.io.tmpdir=$work"
unset QNUSER

# Commands and the lines each should print, numbered in README order.
awk -v dir="$work" '
  /^    \$ / { n++; cmd = substr($0, 7); skip = (cmd ~ /MyProgram|remote-|QN_RPC_DIR|kill \$!/)
             if (!skip) print cmd > (dir "/cmd." n); printf "" > (dir "/want." n); next }
  /^    / && n && !skip { print substr($0, 5) >> (dir "/want." n); next }
  { if ($0 !~ /^    /) skip = 1 }
' "$readme"
count=$(ls "$work"/cmd.* 2>/dev/null | wc -l)
[ "$count" -gt 5 ] || { echo "readme_examples: too few examples found in $readme"; exit 1; }

{
  echo 'cd "$WORK"'
  # QN_JVM_LD_PRELOAD, QN_JVM_ASAN_OPTIONS: what java needs in a sanitizer build.
  echo 'if [ -n "${QN_JVM_LD_PRELOAD:-}" ]; then'
  echo '  java() { LD_PRELOAD="$QN_JVM_LD_PRELOAD" ASAN_OPTIONS="$QN_JVM_ASAN_OPTIONS" command java "$@"; }'
  echo 'fi'
  for f in $(ls "$work"/cmd.* | sort -t. -k2 -n); do
    i=${f##*.}
    echo "{ $(cat "$f"); } > \"\$WORK/got.$i\" 2> \"\$WORK/err.$i\"; echo \$? > \"\$WORK/status.$i\""
  done
} > "$work/examples.sh"
WORK=$work timeout 600 bash "$work/examples.sh"

status=0
for f in $(ls "$work"/cmd.* | sort -t. -k2 -n); do
  i=${f##*.}
  normal() { sed -E '/^mail_servers:/ s/[0-9]+/N/g' "$1"; }
  if [ "$(cat "$work/status.$i" 2>/dev/null)" != 0 ] ||
    ! diff <(normal "$work/want.$i") <(normal "$work/got.$i") > "$work/diff.$i"; then
    echo "README example failed: \$ $(cat "$f")"
    echo "  status: $(cat "$work/status.$i" 2>/dev/null || echo 'not run')"
    sed 's/^/  /' "$work/diff.$i" "$work/err.$i" 2>/dev/null | head -40
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "README examples: $count commands as written"
exit "$status"

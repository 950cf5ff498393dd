#!/usr/bin/env bash
# smtp_missing_test.sh MAIL_SERVERS FREE_PORTS SCRATCH
#
# The real-mail fixture with the SMTP server hidden from PATH: the start
# fails and names the package; a developer's QN_SKIP_SMTP=1 turns it into a
# printed skip, except in CI.
set -uo pipefail
mail_servers=$1 free_ports=$2 scratch=$3
rm -rf "$scratch"
mkdir -p "$scratch/bin"
trap '"$mail_servers" stop "$scratch/servers" >/dev/null 2>&1; rm -rf "$scratch"' EXIT
ln -s "$(command -v dovecot)" "$scratch/bin/dovecot"
path="$scratch/bin:/usr/bin:/bin"
fail=0

# expect NAME STATUS(0|fail) TEXT -- ENV...
expect() {
  local name=$1 want=$2 text=$3
  shift 4
  local out status
  out=$(env PATH="$path" "$@" "$mail_servers" start "$scratch/servers" "$free_ports" 2>&1)
  status=$?
  "$mail_servers" stop "$scratch/servers" >/dev/null 2>&1
  if [[ $want == 0 && $status -ne 0 ]] || [[ $want == fail && $status -eq 0 ]]; then
    echo "$name: exit status $status, expected $want"$'\n'"$out"
    fail=1
  elif [[ $out != *"$text"* ]]; then
    echo "$name: the output does not say \"$text\""$'\n'"$out"
    fail=1
  fi
}

expect "missing" fail "install the Debian package postfix" -- CI= QN_SKIP_SMTP=
expect "missing in CI" fail "install the Debian package postfix" -- CI=true QN_SKIP_SMTP=
expect "opt-out ignored in CI" fail "install the Debian package postfix" -- CI=true QN_SKIP_SMTP=1
expect "opt-out" 0 "the SMTP cases skip; QN_SKIP_SMTP=1" -- CI= QN_SKIP_SMTP=1
exit $fail

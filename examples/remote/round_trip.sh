#!/bin/sh
# One round trip between remote-server and remote-client, in a registry
# file of their own.
set -e
bin=$1
dir=$(mktemp -d)
trap 'exec 3>&-; rm -rf "$dir"' EXIT
export QN_REGISTRY_FILE="$dir/registry.ini"
mkfifo "$dir/input"
"$bin/remote-server" "$dir/server.ref" < "$dir/input" > /dev/null &
exec 3> "$dir/input"
i=0
while [ ! -s "$dir/server.ref" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
"$bin/remote-client" "$dir/server.ref" "round trip"

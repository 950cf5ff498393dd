#!/bin/sh
# An independent dissector judges the wire: tshark captures the loopback
# traffic of the two-process calls (the authenticated binds, every method,
# interface pointers passed both ways, a 1 MiB array in many fragments) and
# must find no malformed
# PDU, the interfaces' UUIDs in the binds and the opnums of the requests.
# Without tshark, or without the right to capture, it fails; a developer
# may skip it (exit 77) with QN_SKIP_MISSING_TOOLS=1, outside CI.
# Usage: tshark_judge.sh PROGRAM_DIR CALLS_TEST
calls=$2
missing() {
  echo "$1"
  if [ -n "${QN_SKIP_MISSING_TOOLS:-}" ] && [ "${CI:-}" != true ]; then
    echo "skipped: QN_SKIP_MISSING_TOOLS is set"
    exit 77
  fi
  exit 1
}
command -v tshark >/dev/null 2>&1 || missing "tshark is not installed (Debian package tshark)"
dir=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "$QN_KEEP_CAPTURE" ] && cp "$dir/session.pcapng" "$QN_KEEP_CAPTURE"; rm -rf "$dir"
}
trap cleanup EXIT
tshark -i lo -f tcp -w "$dir/session.pcapng" -q 2> "$dir/tshark.log" &
pid=$!
# tshark says "Capturing on" before it finds it may not capture, then
# ends: the capture runs only when tshark is still there a second later
# and has reported no error.
dead() {
  cat "$dir/tshark.log"
  pid=
  missing "cannot capture on lo: capturing needs root, or membership of the wireshark group"
}
i=0
until grep -q "Capturing on" "$dir/tshark.log"; do
  if ! kill -0 "$pid" 2>/dev/null || [ $i -ge 100 ]; then dead; fi
  sleep 0.1
  i=$((i + 1))
done
sleep 1
if ! kill -0 "$pid" 2>/dev/null ||
  grep -qiE '^(tshark|dumpcap):|permission|could not be initiated' "$dir/tshark.log"; then
  dead
fi
"$calls" --gtest_filter='RemoteCalls.EveryMethodOfTheSevenInterfaces:RemoteCalls.InterfacePointersPassedAndNull:RemoteCalls.ArraysOfEverySizeAndDepth:RemoteCalls.EverySupportedVartypeRoundTrips' > "$dir/calls.log" 2>&1 || { cat "$dir/calls.log"; exit 1; }
sleep 1
kill -INT "$pid"
wait "$pid"
pid=
read_capture() { tshark -r "$dir/session.pcapng" "$@" 2>/dev/null; }
status=0
bad=$(read_capture -Y 'dcerpc && (_ws.malformed || _ws.expert.severity >= "Error")')
if [ -n "$bad" ]; then
  echo "malformed or faulty PDUs:"
  echo "$bad" | head -20
  status=1
fi
uuids=$(read_capture -Y dcerpc.cn_bind_to_uuid -T fields -e dcerpc.cn_bind_to_uuid | tr ',' '\n' | sort -u)
for id in 5d873b54 5d873b56 5d873b58 5d873b5a 5d873b5c 5d873b5e 5d873b6e; do
  echo "$uuids" | grep -q "^$id-bac8-11d2-9cdb-0080ad408825$" || { echo "no bind to {$id-...}"; status=1; }
done
echo "$uuids" | grep -q "^00000131-0000-0000-c000-000000000046$" || { echo "no bind to IRemUnknown"; status=1; }
opnums=$(read_capture -Y 'dcerpc.pkt_type == 0' -T fields -e dcerpc.opnum | sort -un | tr '\n' ' ')
for op in 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21; do
  case " $opnums" in *" $op "*) ;; *) echo "no request with opnum $op (saw: $opnums)"; status=1 ;; esac
done
auth3=$(read_capture -Y 'dcerpc.pkt_type == 16' | wc -l)
[ "$auth3" -gt 0 ] || { echo "no authenticated bind (auth3)"; status=1; }
fragments=$(read_capture -Y 'dcerpc.pkt_type == 0 && dcerpc.cn_flags.first_frag == 1 && dcerpc.cn_flags.last_frag == 0' | wc -l)
[ "$fragments" -gt 0 ] || { echo "no request in several fragments"; status=1; }
echo "opnums seen: $opnums"
exit $status

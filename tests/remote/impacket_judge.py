#!/usr/bin/python3
"""An independent decoder judges our stub data: impacket's NDR and OLE
Automation types read the requests and replies that qn_remote_stub_samples
prints for every method, and must find the values it sent (long 7, byte 9,
hyper 2^40 + 3, text "ab", VARIANT I4 5 or, second of a method, BSTR "cd",
interface pointers as standard OBJREFs). Without impacket it fails; a
developer may skip it (exit 77) with QN_SKIP_MISSING_TOOLS=1, outside CI."""
import os
import subprocess
import sys

try:
    from impacket.dcerpc.v5.dcom.oaut import BSTR, VARIANT
    from impacket.dcerpc.v5.dcomrt import ORPCTHAT, ORPCTHIS, OBJREF_STANDARD, PMInterfacePointer
    from impacket.dcerpc.v5.dtypes import BYTE, LONG, LONGLONG, ULONG
    from impacket.dcerpc.v5.ndr import NDRCALL
except ImportError:
    print("impacket is not installed (Debian package python3-impacket)")
    if os.environ.get("QN_SKIP_MISSING_TOOLS") and os.environ.get("CI") != "true":
        print("skipped: QN_SKIP_MISSING_TOOLS is set")
        sys.exit(77)
    sys.exit(1)

# The parameters of each method, in order: type (L long, Y byte, H hyper,
# S text, V VARIANT, I interface pointer) and direction.
SIG = {
    "Execute": "V:io", "Exchange": "V:io", "ExchangeB": "V:io", "ExchangeC": "V:io",
    "ExchangeD": "V:io", "ReceiveData": "V:o", "Signal": "", "Submit": "V:i", "SubmitB": "V:i",
    "SubmitBlock": "S:i V:i V:i V:o", "SubmitAndTest": "V:i Y:o",
    "GetRemoteProcedure": "S:i L:i I:o", "GetRemoteUpdateSupplier": "S:i L:i I:o",
    "GetRemoteForwardSupplier": "S:i L:i I:o", "GetRemoteSupplier": "S:i L:i Y:i I:o",
    "GetRemoteBlockSupplier": "L:i Y:i I:o", "SendHandleAndThreeTexts": "L:i S:i S:i S:i",
    "SendHandle": "L:i", "SendHandleB": "L:i", "SendHandleAndText": "L:i S:i",
    "SendHandleAndTextB": "L:i S:i", "SendHandleAndTextC": "L:i S:i",
    "SendHandleAndTwoTexts": "L:i S:i S:i", "QueryTextByHandle": "L:i S:i S:o",
    "QueryLongByText": "S:i Y:i L:o", "CallWithValues": "L:i Y:i S:i V:i V:i V:o",
    "PutServer": "S:i I:i", "GetServer": "S:i I:o", "QueryHyperByHandle": "L:i S:i H:o",
    "SendHandleAndValue": "L:i V:i", "PutValue": "L:i V:i", "GetValue": "L:i V:o",
    "LookupText": "L:i S:i S:o",
}
TYPES = {"L": LONG, "Y": BYTE, "H": LONGLONG, "S": BSTR, "V": VARIANT, "I": PMInterfacePointer}
EXPECTED = {"L": 7, "Y": 9, "H": (1 << 40) + 3, "S": "ab"}


def check(name, kind, value, nth_variant):
    if kind in EXPECTED:
        got = value["asData"] if kind == "S" else value
        if got != EXPECTED[kind]:
            return "%s: %r, not %r" % (name, got, EXPECTED[kind])
    elif kind == "V":
        union = value["_varUnion"]
        if nth_variant == 1:
            got = union["bstrVal"]["asData"]
            want = "cd"
        else:
            got = union["lVal"]
            want = 5
        if got != want:
            return "%s: VARIANT %r, not %r" % (name, got, want)
    elif kind == "I":
        ref = OBJREF_STANDARD(b"".join(value["abData"]) if isinstance(value["abData"], list)
                              else bytes(value["abData"]))
        if ref["signature"] != 0x574F454D or ref["flags"] != 1 or ref["std"]["cPublicRefs"] != 1:
            return "%s: not a standard OBJREF" % name
        if ref["std"]["oxid"] != 0x0102030405060708:
            return "%s: OXID %x" % (name, ref["std"]["oxid"])
        if "127.0.0.1[4321]".encode("utf-16le") not in ref["saResAddr"]:
            return "%s: no string binding" % name
    return None


def judge(method, side, data):
    params = [p.split(":") for p in SIG[method].split()]
    wanted = "i" if side == "request" else "o"
    fields = [("ORPCthis", ORPCTHIS) if side == "request" else ("ORPCthat", ORPCTHAT)]
    kinds = []
    for i, (kind, direction) in enumerate(params):
        if wanted in direction:
            fields.append(("p%d" % i, TYPES[kind]))
            kinds.append((i, kind))
    if side == "reply":
        fields.append(("ErrorCode", ULONG))
    call = type("Call", (NDRCALL,), {"structure": tuple(fields)})()
    call.fromString(data)
    problems = []
    variants = 0
    for i, kind in kinds:
        nth = sum(1 for k in params[:i] if k[0] == "V")
        p = check("%s %s p%d" % (method, side, i), kind, call["p%d" % i], nth)
        if p:
            problems.append(p)
    if side == "reply" and call["ErrorCode"] != 0:
        problems.append("%s: HRESULT %x" % (method, call["ErrorCode"]))
    if len(call.getData()) != len(data):
        problems.append("%s %s: %d bytes read of %d" % (method, side, len(call.getData()), len(data)))
    return problems


def main():
    out = subprocess.run([sys.argv[1]], check=True, capture_output=True, text=True).stdout
    problems = []
    checked = 0
    for line in out.splitlines():
        name, side, text = line.split()
        method = name.split(".")[1]
        try:
            problems += judge(method, side, bytes.fromhex(text))
        except Exception as e:  # a decoder that gives up is a finding too
            problems.append("%s %s: %s: %s" % (name, side, type(e).__name__, e))
        checked += 1
    for p in problems:
        print(p)
    print("%d stub data checked, %d problems" % (checked, len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())

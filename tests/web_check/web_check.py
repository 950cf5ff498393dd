#!/usr/bin/env python3
"""The judges of the web panels' pages: each expected class of the web golden
cases is turned into the page a GET request writes (HtmlRuns, the JDK's
compiler tree), which must parse as HTML5 without an error but the missing
doctype, hold each id once, name every control the class reads by cgiGet,
and hold event attributes that compile as JavaScript function bodies.

usage: web_check.py JAVA HTMLRUNS_CLASSES CASES_DIR OUT_DIR
A judge that is missing fails and names its package."""
import json
import os
import re
import shutil
import subprocess
import sys


def fail(text):
    print(text, file=sys.stderr)
    return 1


def main(argv):
    if len(argv) != 5:
        return fail(__doc__)
    java, classes, cases_dir, out_dir = argv[1:]
    try:
        import html5lib  # noqa: F401
    except ImportError:
        return fail("web_check: html5lib is missing: install python3-html5lib")
    node = shutil.which("node")
    if node is None:
        return fail("web_check: node is missing: install nodejs")
    import html5lib

    problems = []
    checked = 0
    for case in sorted(os.listdir(cases_dir)):
        expected = os.path.join(cases_dir, case, "expected")
        if not os.path.isdir(expected):
            continue
        for name in sorted(os.listdir(expected)):
            if not name.endswith(".java"):
                continue
            source = os.path.join(expected, name)
            with open(source, encoding="cp1252") as f:
                java_text = f.read()
            if "void webExecute(" not in java_text:
                continue
            run = subprocess.run([java, "-cp", classes, "HtmlRuns", source],
                                 capture_output=True, text=True)
            where = f"{case}/{name}"
            if run.returncode != 0:
                problems.append(f"{where}: HtmlRuns failed: {run.stderr.strip()}")
                continue
            page = run.stdout
            os.makedirs(os.path.join(out_dir, case), exist_ok=True)
            with open(os.path.join(out_dir, case, name[:-5] + ".html"), "w") as f:
                f.write(page)
            checked += 1
            parser = html5lib.HTMLParser(strict=False, namespaceHTMLElements=False)
            doc = parser.parse(page)
            for pos, code, data in parser.errors:
                if code != "expected-doctype-but-got-start-tag":
                    problems.append(f"{where}: HTML error {code} {data} at {pos}")
            ids, names, handlers = [], set(), []
            for el in doc.iter():
                if not isinstance(el.tag, str):
                    continue
                if "id" in el.attrib:
                    ids.append(el.attrib["id"])
                if el.tag in ("input", "select", "textarea") and "name" in el.attrib:
                    names.add(el.attrib["name"])
                    # An image input posts its name with ".x" and ".y".
                    if el.tag == "input" and el.attrib.get("type", "").lower() == "image":
                        names.add(el.attrib["name"] + ".x")
                handlers += [v for k, v in el.attrib.items() if k.lower().startswith("on")]
            for i in sorted({i for i in ids if ids.count(i) > 1}):
                problems.append(f"{where}: id {i} is given more than once")
            for read in sorted(set(re.findall(r'cgiGet\( "([^"]+)"\)', java_text))):
                if read not in names:
                    problems.append(f"{where}: cgiGet reads {read}, no control of the form")
            if handlers:
                script = ("const bodies = " + json.dumps(handlers) + ";\n"
                          "for (const b of bodies) { try { new Function(b); }"
                          " catch (e) { console.log(b + ': ' + e.message); process.exitCode = 1; } }")
                r = subprocess.run([node, "-e", script], capture_output=True, text=True)
                if r.returncode != 0:
                    problems.append(f"{where}: event attributes: {r.stdout.strip()}")
    if checked == 0:
        problems.append("no web panel class found under " + cases_dir)
    for p in problems:
        print(p, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

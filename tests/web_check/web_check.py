#!/usr/bin/env python3
"""The judges of the web panels' pages: each expected class of the web golden
cases is turned into the page a GET request writes (HtmlRuns, the JDK's
compiler tree), which must parse as HTML5 without an error but the missing
doctype, hold each id once, name every control the class reads by cgiGet,
and hold event attributes that compile as JavaScript function bodies; each
script element passes node --check; each style attribute and element
parses clean as CSS (tinycss2); and chromium-headless-shell loads a test
copy of the page with judge.js appended, whose verdicts --dump-dom prints:
no "Uncaught" error, the focus, the validation, prompt, return, close,
clear and timer functions run as they should. A screenshot of each page is
left beside it in OUT_DIR for review.

usage: web_check.py JAVA HTMLRUNS_CLASSES CASES_DIR OUT_DIR [CASES_DIR...]
A judge that is missing fails and names its package."""
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
CHROMIUM = "chromium-headless-shell"


def fail(text):
    print(text, file=sys.stderr)
    return 1


def main(argv):
    if len(argv) < 5:
        return fail(__doc__)
    java, classes, cases_dir, out_dir = argv[1:5]
    case_dirs = [cases_dir] + argv[5:]
    try:
        import html5lib  # noqa: F401
    except ImportError:
        return fail("web_check: html5lib is missing: install python3-html5lib")
    node = shutil.which("node")
    if node is None:
        return fail("web_check: node is missing: install nodejs")
    import html5lib
    try:
        import tinycss2
    except ImportError:
        return fail("web_check: tinycss2 is missing: install python3-tinycss2")
    chromium = shutil.which(CHROMIUM) or (
        "/usr/lib/chromium/chromium-headless-shell"
        if os.access("/usr/lib/chromium/chromium-headless-shell", os.X_OK) else None)
    if chromium is None:
        return fail("web_check: chromium-headless-shell is missing: install chromium-headless-shell")
    with open(os.path.join(HERE, "judge.js")) as f:
        judge_js = f.read()

    problems = []
    checked = 0
    cases = [(d, c) for d in case_dirs for c in sorted(os.listdir(d))]
    for cases_dir, case in cases:
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
            problems += [f"{where}: {p}" for p in check_scripts(doc, node)]
            problems += [f"{where}: {p}" for p in check_styles(doc, tinycss2)]
            html_path = os.path.join(out_dir, case, name[:-5] + ".html")
            problems += [f"{where}: {p}" for p in
                         run_in_chromium(chromium, page, doc, judge_js, html_path)]
    if checked == 0:
        problems.append("no web panel class found under " + cases_dir)
    for p in problems:
        print(p, file=sys.stderr)
    return 1 if problems else 0


def check_scripts(doc, node):
    """node --check of every inline script element."""
    problems = []
    scripts = [el for el in doc.iter() if el.tag == "script" and "src" not in el.attrib]
    with tempfile.TemporaryDirectory() as tmp:
        for k, el in enumerate(scripts):
            path = os.path.join(tmp, f"script{k}.js")
            with open(path, "w") as f:
                f.write(el.text or "")
            r = subprocess.run([node, "--check", path], capture_output=True, text=True)
            if r.returncode != 0:
                lines = [l for l in r.stderr.splitlines() if l.strip()]
                problems.append(f"script {k}: node --check: {' | '.join(lines[:4])}")
    return problems


def css_errors(nodes):
    return [f"{n.message} at {n.source_line}:{n.source_column}"
            for n in nodes if getattr(n, "type", "") == "error"]


def check_styles(doc, tinycss2):
    """Every style attribute a clean declaration list, every style element
    clean rules of clean declarations."""
    problems = []
    for el in doc.iter():
        if not isinstance(el.tag, str):
            continue
        if "style" in el.attrib:
            for e in css_errors(tinycss2.parse_declaration_list(el.attrib["style"])):
                problems.append(f"style attribute {el.attrib['style']!r}: {e}")
        if el.tag == "style":
            for rule in tinycss2.parse_stylesheet(el.text or "", skip_whitespace=True,
                                                  skip_comments=True):
                if rule.type == "error":
                    problems.append(f"style element: {rule.message}")
                    continue
                if rule.type == "qualified-rule":
                    for e in css_errors(tinycss2.parse_declaration_list(rule.content)):
                        problems.append(f"style rule {tinycss2.serialize(rule.prelude).strip()}: {e}")
    return problems


def chromium_run(chromium, args, url):
    with tempfile.TemporaryDirectory() as profile:
        return subprocess.run([chromium, "--no-sandbox", "--disable-gpu", "--no-first-run",
                               "--user-data-dir=" + profile] + args + [url],
                              capture_output=True, text=True, timeout=120)


def run_in_chromium(chromium, page, doc, judge_js, html_path):
    """Loads a test copy of the page with the judge appended; the verdicts
    come back in the dumped DOM. The page itself is shot for review."""
    problems = []
    names = {el.attrib.get("name") for el in doc.iter()
             if isinstance(el.tag, str) and el.tag in ("input", "select", "textarea")}
    focus = re.findall(r"document\.MAINFORM\.([A-Za-z0-9_]+)\.focus\(\)", page)
    expected_focus = None
    # "v" is HtmlRuns' value of a variable it cannot know: a page that sets
    # no focus control (its QN_FocusControl stays empty) writes no focus.
    if focus and focus[-1] != "v":
        if focus[-1] not in names:
            problems.append(f"the focus script names {focus[-1]}, no control of the form")
        else:
            expected_focus = focus[-1]
    # The page's images are the application's files: a stand-in square
    # beside the page shows where each one stands in the screenshot.
    for el in doc.iter():
        src = el.attrib.get("src", "") if isinstance(el.tag, str) and el.tag == "img" else ""
        if src and "/" not in src and ":" not in src and src != "v":
            path = os.path.join(os.path.dirname(html_path), src)
            if not os.path.exists(path):
                with open(path, "wb") as f:
                    f.write(stand_in_png())
    judge = ("<script>var QN_FOCUS = " + json.dumps(expected_focus) + ";\n" + judge_js +
             "</script>")
    at = page.rfind("</body>")
    test_page = page[:at] + judge + page[at:] if at >= 0 else page + judge
    test_path = html_path[:-5] + ".judge.html"
    with open(test_path, "w") as f:
        f.write(test_page)
    r = chromium_run(chromium, ["--dump-dom"], "file://" + os.path.abspath(test_path))
    for line in r.stderr.splitlines():
        if "Uncaught" in line:
            problems.append("chromium: " + line.strip())
    m = re.search(r'<pre id="qn-verdicts">(.*?)</pre>', r.stdout, re.S)
    if r.returncode != 0 or m is None:
        problems.append(f"chromium gave no verdicts (status {r.returncode}): {r.stderr[-400:]}")
    else:
        verdicts = html_unescape(m.group(1)).splitlines()
        problems += ["judge: " + v for v in verdicts if not v.startswith("ok ")]
        with open(html_path[:-5] + ".verdicts.txt", "w") as f:
            f.write("\n".join(verdicts) + "\n")
    shot = chromium_run(chromium, ["--screenshot=" + html_path[:-5] + ".png",
                                   "--window-size=900,700", "--hide-scrollbars"],
                        "file://" + os.path.abspath(html_path))
    if shot.returncode != 0:
        problems.append(f"chromium could not shoot the page: {shot.stderr[-400:]}")
    return problems


def stand_in_png():
    """A 16 x 16 blue square, as PNG."""
    import struct
    import zlib

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    rows = b"".join(b"\x00" + b"\x20\x60\xc0" * 16 for _ in range(16))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 16, 16, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


def html_unescape(text):
    import html
    return html.unescape(text)


if __name__ == "__main__":
    sys.exit(main(sys.argv))

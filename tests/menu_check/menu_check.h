// The judges of a menu bar's script file: node checks its syntax and runs
// it in a fresh context, where it must define the XML text of the menu
// tree; the system's python3 with python3-lxml parses that text strictly,
// under one root, and checks its shape: every pad holds one id, one caption, then its own pads; no id
// twice. The answer is the tree's outline, "Id(Child,Child(...)),Id", for
// the caller to compare with the menu facts. Test support only.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace qn::test::menu {

struct Verdict {
  std::string error;    // empty when every judge accepted the script
  std::string outline;  // the tree, when it parsed
};

namespace detail {

inline int run(const std::string& cmd, std::string& out) {
  out.clear();
  FILE* p = ::popen(cmd.c_str(), "r");
  if (!p) return -1;
  char buf[512];
  while (std::fgets(buf, sizeof buf, p)) out += buf;
  return ::pclose(p);
}

}  // namespace detail

// Script is the file's text, Variable the name it must define.
inline Verdict judge_menu_script(const std::string& script, const std::string& variable) {
  namespace fs = std::filesystem;
  Verdict v;
  std::string out;
  if (detail::run("node --version 2>&1", out) != 0) {
    v.error = "node is missing: install the Debian package nodejs";
    return v;
  }
  if (detail::run("/usr/bin/python3 -c 'import lxml.etree' 2>&1", out) != 0) {
    v.error = "lxml is missing: install the Debian packages python3 and python3-lxml";
    return v;
  }
  const std::string stem =
      (fs::temp_directory_path() / ("qn_menu_" + std::to_string(::getpid()))).string();
  const std::string js = stem + ".js", xml = stem + ".xml";
  std::ofstream(js, std::ios::binary) << script;
  if (detail::run("node --check '" + js + "' 2>&1", out) != 0) {
    v.error = "node --check: " + out;
  } else if (detail::run("node -e \"const vm = require('vm'), fs = require('fs'); const c = {};"
                         " vm.runInNewContext(fs.readFileSync(process.argv[1], 'latin1'), c);"
                         " const x = c[process.argv[2]];"
                         " if (typeof x !== 'string') { console.log('no text in ' + process.argv[2]);"
                         " process.exit(3); }"
                         " fs.writeFileSync(process.argv[3], x, 'utf8');\" '" +
                             js + "' '" + variable + "' '" + xml + "' 2>&1",
                         out) != 0) {
    v.error = "node: " + out;
  } else if (detail::run(
                 "/usr/bin/python3 -c '\n"
                 "import sys\n"
                 "from lxml import etree\n"
                 "text = open(sys.argv[1], encoding=\"utf-8\").read()\n"
                 "# The separator caption is the tree runtime HTML, no XML.\n"
                 "text = text.replace(\"<caption><HR>&nbsp</caption>\", \"<caption/>\")\n"
                 "root = etree.fromstring((\"<menu>\" + text + \"</menu>\").encode(\"utf-8\"),\n"
                 "                        etree.XMLParser(recover=False))\n"
                 "for e in root.iter():\n"
                 "    kids = [k.tag for k in e]\n"
                 "    if e.tag == \"menu\":\n"
                 "        assert all(k == \"pad\" for k in kids), kids\n"
                 "    elif e.tag == \"pad\":\n"
                 "        assert kids[:2] == [\"id\", \"caption\"] and all(k == \"pad\" for k in kids[2:]), kids\n"
                 "ids = root.xpath(\"//pad/id/text()\")\n"
                 "assert len(ids) == len(set(ids)), ids\n"
                 "def outline(e):\n"
                 "    return \",\".join((p.findtext(\"id\") or \"\") +\n"
                 "                    (\"(\" + outline(p) + \")\" if p.find(\"pad\") is not None else \"\")\n"
                 "                    for p in e.findall(\"pad\"))\n"
                 "sys.stdout.buffer.write(outline(root).encode(\"utf-8\"))\n"
                 "' '" + xml + "' 2>&1",
                 out) != 0) {
    v.error = "lxml: " + out;
  } else {
    v.outline = out;
  }
  fs::remove(js);
  fs::remove(xml);
  return v;
}

}  // namespace qn::test::menu

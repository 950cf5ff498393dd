#include "tests/sql_check/ddl_judges.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>

namespace qn::sqlcheck {

namespace fs = std::filesystem;

std::vector<std::string> for_judge(const std::vector<std::string>& program,
                                   const std::vector<Difference>& differences) {
  std::vector<std::string> out;
  for (const std::string& s : program) {
    std::string t = s;
    bool dropped = false;
    for (const Difference& d : differences) {
      const std::regex re(d.pattern);
      if (!std::regex_search(t, re)) continue;
      if (!*d.replacement) dropped = true;
      else t = std::regex_replace(t, re, d.replacement);
    }
    if (!dropped) out.push_back(t);
  }
  return out;
}

std::vector<std::string> unexpected_refusals(const std::vector<std::string>& sent, const ScriptResult& r) {
  if (!r.setup_error.empty()) return {r.setup_error};
  if (r.errors.size() != sent.size()) return {"the judge answered a different number of statements"};
  std::vector<std::string> out;
  for (std::size_t i = 0; i < sent.size(); ++i) {
    if (r.errors[i].empty()) continue;
    const bool tolerated = (sent[i].rfind("DROP ", 0) == 0 || sent[i].find("LOCK TABLE ") != std::string::npos ||
                            sent[i].find(" DROP CONSTRAINT ") != std::string::npos) &&
                           (r.errors[i].find("does not exist") != std::string::npos ||
                            r.errors[i].find("no such") != std::string::npos);
    if (!tolerated) out.push_back(sent[i] + "\n  " + r.errors[i]);
  }
  return out;
}

const char* const kPgCatalogue = R"(
SELECT 'col ' || CASE table_schema WHEN 'public' THEN '' ELSE table_schema || '.' END || table_name || ' ' ||
       column_name || ' ' || data_type || ' ' ||
       coalesce(character_maximum_length::text, numeric_precision::text, '-') || ' ' ||
       coalesce(numeric_scale::text, '-') || ' ' || is_nullable
  FROM information_schema.columns WHERE table_schema NOT IN ('pg_catalog', 'information_schema')
UNION ALL SELECT 'idx ' || indexdef FROM pg_indexes WHERE schemaname NOT IN ('pg_catalog', 'information_schema')
UNION ALL SELECT 'con ' || conrelid::regclass::text || ' ' || conname || ' ' || pg_get_constraintdef(oid)
  FROM pg_constraint WHERE conrelid <> 0
   AND connamespace NOT IN ('pg_catalog'::regnamespace, 'information_schema'::regnamespace)
ORDER BY 1)";

std::string sqlite_catalogue(const std::vector<std::string>& attached) {
  std::string q = R"(
SELECT 'col ' || m.name || ' ' || p.name || ' ' || p.type || ' ' || p."notnull" || ' ' || p.pk
  FROM sqlite_master m JOIN pragma_table_info(m.name) p WHERE m.type = 'table'
UNION ALL SELECT 'idx ' || sql FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL)";
  for (const std::string& a : attached) {
    q += "\nUNION ALL SELECT 'col " + a + ".' || m.name || ' ' || p.name || ' ' || p.type || ' ' || "
         "p.\"notnull\" || ' ' || p.pk FROM " + a + ".sqlite_master m JOIN pragma_table_info(m.name, '" + a +
         "') p WHERE m.type = 'table'"
         "\nUNION ALL SELECT 'idx " + a + ": ' || sql FROM " + a + ".sqlite_master WHERE type = 'index' AND sql IS NOT NULL";
  }
  return q + "\nORDER BY 1";
}

const std::string kSqliteCatalogue = sqlite_catalogue({});

std::vector<std::string> without(const std::vector<std::string>& sent, const std::vector<Lacking>& lacking) {
  std::vector<std::string> out;
  for (const std::string& s : sent) {
    bool lacks = false;
    for (const Lacking& l : lacking) lacks = lacks || std::regex_search(s, std::regex(l.pattern));
    if (!lacks) out.push_back(s);
  }
  return out;
}

std::vector<std::pair<std::string, std::string>> without(
    const std::vector<std::pair<std::string, std::string>>& sent, const std::vector<Lacking>& lacking) {
  std::vector<std::pair<std::string, std::string>> out;
  for (const auto& s : sent) {
    if (!without({s.first}, lacking).empty()) out.push_back(s);
  }
  return out;
}

namespace {

// Writes the statements one per line and runs a judge program over them;
// it prints "FAIL <n>: <message>" for each statement it refuses, and
// "MISSING" (status 3) when its parser is not installed.
ParserRun run_parser(const std::string& program, const std::string& ext, const std::string& interpreter,
                     const std::vector<std::string>& lines, const std::string& extra = "") {
  const fs::path dir = fs::temp_directory_path() / ("qn_ddl_judge_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::ofstream(dir / ("judge" + ext)) << program;
  {
    std::ofstream out(dir / "statements.txt");
    for (const std::string& s : lines) out << s << "\n";
  }
  ParserRun r;
  const std::string cmd = interpreter + " " + (dir / ("judge" + ext)).string() + " " +
                          (dir / "statements.txt").string() + (extra.empty() ? "" : " " + extra) + " 2>&1";
  if (FILE* p = ::popen(cmd.c_str(), "r")) {
    char buf[4096];
    while (std::fgets(buf, sizeof buf, p)) r.output += buf;
    const int st = ::pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  }
  fs::remove_all(dir);
  return r;
}

const char* kSqlglot = R"(import sys
try:
    import sqlglot
    from sqlglot.errors import ErrorLevel
except ImportError:
    print("MISSING")
    sys.exit(3)
bad = 0
for n, line in enumerate(open(sys.argv[1]), 1):
    text, _, dialect = line.rstrip("\n").rpartition("\t")
    try:
        trees = sqlglot.parse(text, read=dialect, error_level=ErrorLevel.RAISE)
        if len(trees) != 1 or trees[0] is None:
            raise ValueError("not one statement")
        if trees[0].find(sqlglot.exp.Command) is not None and trees[0].key == "command":
            raise ValueError("parsed only as an opaque command")
    except Exception as e:
        bad += 1
        print("FAIL %d: %s: %s" % (n, text, str(e).splitlines()[0] if str(e) else type(e).__name__))
sys.exit(1 if bad else 0)
)";

const char* kNodeSqlParser = R"(let Parser;
try { Parser = require('node-sql-parser').Parser; } catch (e) { console.log('MISSING'); process.exit(3); }
const fs = require('fs');
const parser = new Parser();
const database = process.argv[3];
let bad = 0;
fs.readFileSync(process.argv[2], 'utf8').split('\n').filter(l => l).forEach((text, i) => {
  try { parser.astify(text, { database: database }); }
  catch (e) { bad++; console.log('FAIL ' + (i + 1) + ': ' + text + ': ' + String(e.message).split('\n')[0]); }
});
process.exit(bad ? 1 : 0);
)";

}  // namespace

ParserRun sqlglot_parse(const std::vector<std::pair<std::string, std::string>>& statements) {
  std::vector<std::string> lines;
  for (const auto& [text, dialect] : statements) lines.push_back(text + "\t" + dialect);
  // Debian's python3-sqlglot is installed for the system's python.
  ParserRun r = run_parser(kSqlglot, ".py", "/usr/bin/python3", lines);
  if (r.status == 127 || r.output.find("MISSING") != std::string::npos) {
    r.missing = "sqlglot is missing: install the Debian packages python3 and python3-sqlglot";
  }
  return r;
}

ParserRun node_sql_parser_parse(const std::vector<std::string>& statements, const std::string& database) {
  ParserRun r = run_parser(kNodeSqlParser, ".js", "NODE_PATH=$(npm root -g 2>/dev/null) node",
                           statements, database);
  if (r.status == 127) r.missing = "node is missing: install the Debian package nodejs";
  if (r.output.find("MISSING") != std::string::npos) {
    r.missing = "node-sql-parser is missing: scripts/setup installs it from npm";
  }
  return r;
}

}  // namespace qn::sqlcheck

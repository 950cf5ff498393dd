// The golden cases of the SQL statements (testdata/<case>/): the top levels
// of facts.pl written in turn as the navigation cases write them, against
// the knowledge base of kb.txt when the case has one. Three files are
// compared with expected/:
//   body.java    the declarations the levels made, then the levels' lines;
//   cursors.txt  each embedded statement: its cursor, mode and kind, its
//                parameters in marker order, and its SQL text;
//   sql.txt      each statement's verdict by SQLite and by PostgreSQL 15
//                ("ok", or "-" and the construct that judge's database
//                lacks); the immediate statements are taken from the
//                cmdBuffer lines of the body, rejoined.
// A judge that refuses a statement holding none of the known constructs is
// an error of the case. The body, framed as a procedure class, compiles
// against the runtime stand-in together with the cursor classes of its
// statements and the data and supplier classes of its tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <sstream>

#include "engine/clause_io.h"
#include "logic/core/golden.h"
#include "logic/core/rule_terms.h"
#include "logic/driver/gen_main.h"
#include "logic/java/class_frame.h"
#include "logic/java/db_classes.h"
#include "logic/navigation/levels.h"
#include "logic/navigation/test_fixture.h"
#include "logic/toolbox/declarations.h"
#include "tests/java_check/java_check.h"
#include "tests/sql_check/sql_check.h"

namespace qn::logic {
namespace {

namespace fs = std::filesystem;
using engine::Term;

const fs::path kArea = fs::path(QN_SOURCE_DIR) / "logic" / "sql";

// The cluster goes before the scratch folder does.
struct PgEnvironment : ::testing::Environment {
  void TearDown() override { sqlcheck::stop_postgres(); }
};
const auto* const kPgEnv = ::testing::AddGlobalTestEnvironment(new PgEnvironment);

// The constructs a judge's database lacks that the database systems'
// statements use on purpose, and the judges they keep out.
struct Construct {
  const char* text;
  bool sqlite, postgres;
};
const Construct kConstructs[] = {
    {"WHERE CURRENT OF", true, false},
    {"trim( TRAILING FROM", true, false},
    {"'00000000'", false, true},
    {"-00.00.00'", false, true},  // a DB2 timestamp
    {"+ '%'", false, true},
    {"= ''", false, true},  // an empty date
    {", OUTER", true, true},
    {"DATETIME(", true, true},
    {"(+) =", true, true},
    {"=*", true, true},
    {"EXECUTE PROCEDURE", true, true},
    {"CREATE PROCEDURE", true, true},
    {"#", true, true},
};

// The verdict of a judge: "ok", "- <construct>", or "error: <message>".
std::string verdict(const std::string& message, const std::string& sql, bool sqlite) {
  if (message.empty()) return "ok";
  for (const Construct& c : kConstructs) {
    if ((sqlite ? c.sqlite : c.postgres) && sql.find(c.text) != std::string::npos) {
      return std::string("- ") + c.text;
    }
  }
  return "error: " + message;
}

std::string field(const std::string& line, const std::string& key) {
  const std::regex re("(^| )" + key + "=(\"[^\"]*\"|[^ ]*)");
  std::smatch m;
  if (!std::regex_search(line, m, re)) return "";
  std::string v = m[2];
  if (v.size() >= 2 && v.front() == '"') v = v.substr(1, v.size() - 2);
  return v;
}

// The judges' tables: those of kb.txt with their attributes, typed by the
// case's attri_i/2 (else by the knowledge base's type code).
sqlcheck::Schema case_schema(const fs::path& kb, engine::Engine& eng) {
  std::map<std::string, std::string> tables, atts, kb_types;
  std::vector<std::pair<std::string, std::string>> columns;  // table number, attribute number
  std::istringstream in(golden::read_text(kb));
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("obj ", 0) == 0 && field(line, "type") == "7")
      tables[field(line, "number")] = field(line, "name");
    if (line.rfind("att ", 0) == 0) {
      atts[field(line, "number")] = field(line, "name");
      kb_types[field(line, "number")] = field(line, "type") + "/" + field(line, "length");
    }
    if (line.rfind("tba ", 0) == 0)
      columns.emplace_back(field(line, "table"), field(line, "attribute"));
  }
  auto upper = [](std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
  };
  std::map<std::string, std::string> typed;  // upper-cased name -> SQL type
  for (const Term& a : eng.facts().clauses("attri_i", 2)) {
    const auto d = a.arg(2).list_items();
    if (d.size() < 4 || !d[2].is_int() || !d[3].is_int()) continue;
    const std::string type = text_of(d[1]);
    const std::string len = std::to_string(d[2].as_int()), dec = std::to_string(d[3].as_int());
    std::string sql = "NUMERIC(" + len + "," + dec + ")";
    if (type == "char") sql = "CHAR(" + len + ")";
    if (type == "vchar" || type == "svchar") sql = "VARCHAR(" + len + ")";
    if (type == "date") sql = "DATE";
    if (type == "dtime") sql = "TIMESTAMP";
    typed[upper(text_of(d[0]))] = sql;
  }
  std::map<std::string, std::vector<std::string>> cols;
  for (const auto& [t, a] : columns) {
    const std::string name = atts[a];
    std::string type = typed.count(upper(name)) ? typed[upper(name)] : "";
    if (type.empty()) {
      const std::string k = kb_types[a];
      const std::string code = k.substr(0, k.find('/')), len = k.substr(k.find('/') + 1);
      type = code == "5" ? "CHAR(" + len + ")" : code == "6" ? "DATE" : "NUMERIC(" + len + ",0)";
    }
    cols[t].push_back(name + " " + type);
  }
  sqlcheck::Schema s;
  for (const auto& [n, name] : tables) {
    if (cols[n].empty()) continue;
    std::string text = "CREATE TABLE " + name + " (";
    for (size_t i = 0; i < cols[n].size(); ++i) text += (i ? ", " : "") + cols[n][i];
    s.create_tables.push_back(text + ")");
  }
  return s;
}

// A Java string literal's text.
std::string unquoted(const std::string& literal) {
  std::string out;
  if (literal.size() < 2) return literal;
  for (size_t i = 1; i + 1 < literal.size(); ++i) {
    if (literal[i] == '\\' && i + 2 < literal.size()) ++i;
    out += literal[i];
  }
  return out;
}

struct CaseRun {
  golden::Outcome outcome;
  std::vector<golden::File> sources;  // the body framed as a class, and the classes it uses
};

CaseRun run_sql_case(const fs::path& dir, const std::string& cls) {
  CaseRun r;
  navtest::Fixture f(golden::read_text(dir / "facts.pl"), {"cursor_info"});
  std::unique_ptr<golden::detail::CaseKb> kb;
  sqlcheck::Schema schema;
  if (fs::exists(dir / "kb.txt")) {
    kb = std::make_unique<golden::detail::CaseKb>(dir / "kb.txt", 1);
    if (!f.eng.facts().exists(fact("model_i", {var(), var()})))
      f.eng.facts().assertz(fact("model_i", {num(1), num(1)}));
    if (!f.eng.facts().exists(fact("model_num_i", {var()})))
      f.eng.facts().assertz(fact("model_num_i", {num(1)}));
    schema = case_schema(dir / "kb.txt", f.eng);
  }
  // The attributes' auxiliary names, as the object loop gives them.
  object_aux_names(f.run);
  for (const Term& l : f.eng.facts().clauses("level_i", 2)) {
    const Term& level = l.arg(1);
    Term kind = atom("nvg");
    if (auto b = f.eng.facts().first(fact("break_i", {level, var(), var(), var(), var()}))) {
      kind = b->arg(2);
      // A level under another runs inside it.
      if (!(b->arg(3).is_int() && b->arg(3).as_int() == 0) && !(b->arg(3) == level)) continue;
    }
    gen_level_kind(f.run, kind, level, Term::nil(), Term::nil(), Term::nil());
  }
  const auto body = f.lines();
  const size_t n = body.size();
  gen_var_declarations(f.run);
  const auto all = f.lines();
  const std::vector<std::string> decls(all.begin() + static_cast<long>(n), all.end());

  std::string text;
  for (const std::string& d : decls) text += d + "\n";
  text += "\n";
  for (const std::string& l : body) text += l + "\n";
  r.outcome.files.push_back({"body.java", text});

  // The embedded statements, and the immediate ones of the body.
  std::vector<std::pair<std::string, std::string>> statements;  // label, SQL
  std::string cursors;
  for (const Term& e : f.eng.facts().clauses("embsql_cursor_i", 2)) {
    const auto d = e.arg(2).list_items();
    if (d.size() < 7) continue;
    const std::string cursor = text_of(e.arg(1)), sql = unquoted(text_of(d[0]));
    std::string params;
    for (const Term& p : d[4].list_items())
      params += (params.empty() ? "" : ", ") + engine::writeq(p);
    cursors +=
        cursor + " " + text_of(d[2]) + "/" + text_of(d[5]) + " (" + params + ")\n   " + sql + "\n";
    statements.emplace_back(cursor, sql);
  }
  std::string pending;
  int immediate = 0;
  for (const std::string& l : body) {
    const std::string s = l.substr(std::min(l.find_first_not_of(' '), l.size()));
    const auto q1 = s.find('"'), q2 = s.rfind('"');
    if (s.rfind("cmdBuffer = ", 0) == 0) pending = unquoted(s.substr(q1, q2 - q1 + 1));
    if (s.rfind("cmdBuffer += ", 0) == 0) pending += unquoted(s.substr(q1, q2 - q1 + 1));
    if (s.rfind("ExecuteDirectSQL.execute(", 0) == 0) {
      statements.emplace_back("immediate " + std::to_string(++immediate), pending);
      cursors += "immediate " + std::to_string(immediate) + "\n   " + pending + "\n";
    }
  }
  r.outcome.files.push_back({"cursors.txt", cursors});
  std::string verdicts;
  for (const auto& [label, sql] : statements) {
    verdicts += label + " sqlite: " + verdict(sqlcheck::sqlite_verdict(schema, sql), sql, true) +
                ", postgres: " + verdict(sqlcheck::postgres_verdict(schema, sql), sql, false) +
                "\n";
  }
  r.outcome.files.push_back({"sql.txt", verdicts});

  // The frame the body compiles in: the program's class with the cursor
  // classes of its statements, and the data classes of its tables, each a
  // source of its own.
  std::ostringstream out;
  for (const std::string& imp : class_imports(f.run, "proc")) out << "import " << imp << ";\n";
  out << "\npublic class " << cls << " extends " << class_superclass(f.run, "proc") << "\n{\n";
  for (const std::string& d : decls) out << "   " << d << "\n";
  // The error variables of an insert level are the program frame's.
  out << "   int Err;\n   String Errmsg;\n";
  out << "   void levels() throws Exception\n   {\n";
  for (const std::string& l : body) out << (l.empty() ? "" : "      " + l) << "\n";
  out << "   }\n}\n";
  const size_t before = all.size();
  EXPECT_TRUE(gen_embedded_cursor_classes(f.run));
  const auto classes = f.lines();
  for (size_t i = before; i < classes.size(); ++i) out << classes[i] << "\n";
  r.sources.push_back({cls + ".java", out.str()});
  EmitCapture& capture = *f.run.capture();
  const size_t files = capture.files.size();
  std::set<int64_t> tables;
  for (const Term& e : f.eng.facts().clauses("embsql_cursor_i", 2)) {
    const auto d = e.arg(2).list_items();
    for (const Term& t : d.size() > 1 ? d[1].list_items() : std::vector<Term>{}) {
      const Term table = t.is_cons() ? t.head() : t;
      if (table.is_int()) tables.insert(table.as_int());
    }
  }
  for (int64_t t : tables) {
    auto in = table_class_input(f.run, 1, t, "cpm");
    EXPECT_TRUE(in) << "table " << t;
    if (in) {
      EXPECT_TRUE(gen_table_data_class(f.run, *in));
      EXPECT_TRUE(gen_table_supplier_class(f.run, *in));
    }
  }
  for (size_t i = files; i < capture.files.size(); ++i) {
    std::string source;
    for (const std::string& l : capture.files[i].lines) source += l + "\n";
    static const std::regex kClass(R"(public (final )?class (\w+))");
    std::smatch m;
    if (std::regex_search(source, m, kClass)) r.sources.push_back({m[2].str() + ".java", source});
  }
  return r;
}

class SqlGolden : public testing::TestWithParam<std::string> {};

TEST_P(SqlGolden, Case) {
  const std::string name = GetParam();
  const std::string cls = "PSql" + name;
  const CaseRun r = run_sql_case(kArea / "testdata" / name, cls);
  const fs::path actual = fs::path(QN_BINARY_DIR) / "golden" / "logic" / "sql" / name;
  const std::string report =
      golden::compare(kArea / "testdata" / name / "expected", r.outcome, actual / "actual");
  EXPECT_TRUE(report.empty()) << report;
  for (const golden::File& file : r.outcome.files) {
    if (file.name == "sql.txt") {
      EXPECT_EQ(file.text.find("error: "), std::string::npos) << file.text;
    }
  }
  ASSERT_TRUE(test::java::available())
      << "the JDK is needed (Debian package openjdk-17-jdk-headless)";
  fs::remove_all(actual / "java");
  fs::create_directories(actual / "java");
  fs::create_directories(actual / "classes");
  std::vector<std::string> sources;
  for (const golden::File& s : r.sources) {
    sources.push_back((actual / "java" / s.name).string());
    std::ofstream(sources.back(), std::ios::binary) << s.text;
  }
  const auto compiled = test::java::compile_against_stub(sources, (actual / "classes").string());
  EXPECT_EQ(compiled.status, 0) << compiled.output;
}

INSTANTIATE_TEST_SUITE_P(Cases, SqlGolden, testing::ValuesIn(golden::case_names(kArea)));

}  // namespace
}  // namespace qn::logic

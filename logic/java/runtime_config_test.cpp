// The run-time configuration files: the lines the options give, and every
// file read back by a strict INI reader.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/core/rule_terms.h"
#include "logic/java/runtime_config.h"
#include "tests/ini_check/ini_check.h"

namespace qn::logic {
namespace {

namespace fs = std::filesystem;
using engine::Term;

struct Files {
  std::vector<CapturedFile> files;
  const CapturedFile* named(const std::string& name) const {
    for (const CapturedFile& f : files) {
      if (f.path.size() >= name.size() && f.path.compare(f.path.size() - name.size(), name.size(), name) == 0)
        return &f;
    }
    return nullptr;
  }
};

using Prefs = std::map<std::pair<int64_t, std::string>, std::string>;

// The files of one pass end; the host's model directory, options and
// data-store preferences stood in.
Files generate(const std::vector<std::pair<std::string, std::string>>& options,
               const std::string& protocol = "", const std::string& clauses = "",
               const Prefs& prefs = {}) {
  engine::Engine eng;
  Run run(eng);
  EmitCapture& capture = run.capture_output();
  run.stand_in_host("i_model_info", 2, [](Run&, std::span<Term> a) {
    a[1] = Term::string("mdl");
    return true;
  });
  run.stand_in_host("i_config", 2, [](Run&, std::span<Term>) { return false; });
  run.stand_in_host("i_dstorepref", 4, [prefs](Run&, std::span<Term> a) {
    auto it = prefs.find({a[1].as_int(), a[0].text()});
    if (it == prefs.end()) return false;
    a[3] = Term::string(it->second);
    return true;
  });
  EXPECT_TRUE(eng.consult_text("model_num_i(5). model_i(5, 1005). " + clauses, false));
  for (const auto& [k, v] : options) run.facts().assertz(fact("config_i", {atom(k), str(v)}));
  if (!protocol.empty()) run.facts().assertz(fact("config_i", {atom("REMOTE_CALLS"), str(protocol)}));
  gen_devmenu_and_cfg(run, 0);
  return {capture.files};
}

bool has(const CapturedFile* f, const std::string& line) {
  return f && std::find(f->lines.begin(), f->lines.end(), line) != f->lines.end();
}

TEST(RuntimeConfig, OptionsGiveTheirLines) {
  struct Case {
    const char* name;
    std::vector<std::pair<std::string, std::string>> options;
    std::string protocol;
    const char* file;
    std::vector<std::string> present, absent;
  } cases[] = {
      {"no options", {}, "", "client.cfg",
       {"[Client]", "LDAP_LOGIN=0", "[default]", "NAME_SPACE= default", "QNDBType=1",
        "DataSource1=DEFAULT", "[default|DEFAULT]", "CS_REORGJAVA=1", "ODBC_CALLS=0"},
       {"AUTO_REMOTE="}},
      {"package without name space", {{"PACKAGE", "com.acme.app"}}, "", "client.cfg",
       {"NAME_SPACE= com.acme.app", "NameSpace1= com.acme.app", "[com.acme.app]",
        "PACKAGE=com.acme.app"},
       {"[default]"}},
      {"remote calls best", {{"REMOTE_CALLS", "best"}}, "", "server.cfg",
       {"WLRmiEnabled=1", "RmiEnabled=1", "DComEnabled=1", "CorbaEnabled=1", "QNDBType=0"}, {}},
      {"one protocol", {{"REMOTE_CALLS", "SUN_RMI"}}, "", "server.cfg",
       {"WLRmiEnabled=0", "RmiEnabled=1", "DComEnabled=0", "CorbaEnabled=0"}, {}},
      {"client of a remote database", {{"QNDB_LOCATION", "Srv1"}}, "SUN_RMI", "client.cfg",
       {"AUTO_REMOTE=", "QNDBType=0", "QNDB_LOCATION= srv1"},
       {"QNDBType=1", "DataSource1=DEFAULT", "JDBCLogEnabled=0"}},
      {"remote protocol, local database", {}, "SUN_RMI", "client.cfg",
       {"AUTO_REMOTE=", "QNDBType=1", "DataSource1=DEFAULT", "[default|DEFAULT]"}, {}},
      {"orb log to stdout", {{"ORB_LOG", "stdout"}}, "", "server.cfg",
       {"LogEnabled=1", "LogConsole=1", "ORB_LOG=stdout"}, {}},
      {"flag of another value", {{"LDAP_LOGIN", "maybe"}, {"WEB_POOL", "no"}}, "", "client.cfg",
       {"LDAP_LOGIN=0", "WEB_POOL=0"}, {}},
      {"reorganisation archive", {{"QNDB_LOCATION", "Db"}}, "", "reorg.cfg",
       {"AUTO_REMOTE=", "QNDBType=1", "AutoReload=0", "Archive=db.jar"}, {}},
      {"pools", {{"POOLSIZE_RO", "0"}, {"POOLSIZE_RW", "5"}}, "", "server.cfg",
       {"PoolROEnabled=0", "UnlimitedROPool=0", "UnlimitedRWPool=0", "POOLSIZE_RW=5"}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Files files = generate(c.options, c.protocol);
    const CapturedFile* f = files.named(c.file);
    ASSERT_NE(f, nullptr);
    for (const std::string& l : c.present) EXPECT_TRUE(has(f, l)) << l;
    for (const std::string& l : c.absent) EXPECT_FALSE(has(f, l)) << l;
  }
}

// Store 1 and an Informix store in ANSI mode, each with its section; the
// cursor and isolation entries always come from store 1.
TEST(RuntimeConfig, TwoStoresOneInformixAnsi) {
  const Files files = generate({}, "", "datastore_i([2, 'Legacy', 11]). datastore_i([2, 'Legacy', 11]).",
                               {{{1, "MAX_CURSOR"}, "50"}, {{2, "MAX_CURSOR"}, "7"},
                                {{2, "INFORMIX_DB"}, "ANSI"}, {{2, "CS_DBNAME"}, "old"}});
  for (const char* name : {"client.cfg", "reorg.cfg", "server.cfg"}) {
    SCOPED_TRACE(name);
    const CapturedFile* f = files.named(name);
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(has(f, "DataSource1=DEFAULT"));
    EXPECT_TRUE(has(f, "DataSource2=LEGACY"));
    EXPECT_FALSE(has(f, "DataSource3=LEGACY"));
    const auto at = std::find(f->lines.begin(), f->lines.end(), "[default|LEGACY]");
    ASSERT_NE(at, f->lines.end());
    const std::vector<std::string> legacy(at, f->lines.end());
    for (const char* l : {"CS_DBNAME=old", "INFORMIX_DB=ANSI", "MAX_CURSOR=50", "XBASE_TINT=1",
                          "DBMS=informix"})
      EXPECT_NE(std::find(legacy.begin(), legacy.end(), l), legacy.end()) << l;
  }
}

TEST(RuntimeConfig, FilesInOrderAndClientStartsWithItsSection) {
  const Files files = generate({});
  std::vector<std::string> names;
  for (const CapturedFile& f : files.files) {
    EXPECT_TRUE(f.closed) << f.path;
    names.push_back(fs::path(f.path).filename().string());
  }
  // The page is opened before its template is asked for: without one it stays empty.
  EXPECT_EQ(names, (std::vector<std::string>{"developermenu.java", "developermenu.htm", "QNcfg.java",
                                             "reorg.cfg", "client.cfg", "server.cfg"}));
  const CapturedFile* client = files.named("client.cfg");
  ASSERT_NE(client, nullptr);
  ASSERT_GE(client->lines.size(), 3u);
  EXPECT_EQ(client->lines[0], "[Client]");
  EXPECT_EQ(client->lines[1].rfind("MODEL_NUM=", 0), 0u);
  EXPECT_EQ(client->lines[2], "LDAP_LOGIN=0");
}

// Every key of every file is read back by Python's strict INI reader (no
// duplicate sections or keys, no interpolation).
TEST(RuntimeConfig, StrictIniReaderReadsEveryFile) {
  for (const auto& options : std::vector<std::vector<std::pair<std::string, std::string>>>{
           {}, {{"PACKAGE", "com.acme.app"}, {"REMOTE_CALLS", "BEST"}, {"ORB_LOG", "x"}}}) {
    const Files files = generate(options, "SUN_RMI");
    for (const char* name : {"client.cfg", "reorg.cfg", "server.cfg"}) {
      SCOPED_TRACE(name);
      const CapturedFile* f = files.named(name);
      ASSERT_NE(f, nullptr);
      std::string text;
      for (const std::string& l : f->lines) text += l + '\n';
      EXPECT_EQ(test::ini::strict_ini_errors(name, text), "");
    }
  }
}

}  // namespace
}  // namespace qn::logic

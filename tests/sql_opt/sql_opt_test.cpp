// The statements the optimised-command and stored-procedure rules write,
// run by PostgreSQL 15 in a cluster of this program's own (initdb into the
// scratch folder, a unix socket only, stopped at the end; as nobody when
// run as root). A missing server or client library fails, naming the
// Debian package.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#ifndef QN_NO_LIBPQ
#include <libpq-fe.h>
#endif

#include "engine/engine.h"
#include "logic/core/rule_terms.h"
#include "logic/core/run.h"
#include "logic/sql/optimised_statements.h"
#include "logic/sql/stored_procs.h"
#include "logic/sql/table_locks.h"

namespace qn::logic {
namespace {

namespace fs = std::filesystem;
using engine::Term;

#ifndef QN_NO_LIBPQ

// The PostgreSQL programs: the version 15 folder of the Debian package.
fs::path pg_bin() {
  for (const char* d : {"/usr/lib/postgresql/15/bin"}) {
    if (fs::exists(fs::path(d) / "initdb") && fs::exists(fs::path(d) / "pg_ctl")) return d;
  }
  return {};
}

class Cluster : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const fs::path bin = pg_bin();
    if (bin.empty()) return;
    const char* tmp = std::getenv("TMPDIR");
    dir_ = fs::path(tmp ? tmp : "/tmp") / "pg";
    fs::create_directories(dir_);
    // The server refuses to run as root: the cluster is nobody's then.
    prefix_ = "";
    if (::geteuid() == 0) {
      std::system(("chown -R nobody " + dir_.string()).c_str());
      prefix_ = "setpriv --reuid=nobody --regid=nogroup --clear-groups ";
    }
    const std::string data = (dir_ / "data").string();
    if (run(prefix_ + (bin / "initdb").string() + " -D " + data +
            " --auth=trust --no-sync -U postgres >" + (dir_ / "initdb.log").string() + " 2>&1") !=
        0) {
      return;
    }
    if (run(prefix_ + (bin / "pg_ctl").string() + " -D " + data + " -w -l " +
            (dir_ / "server.log").string() + " -o \"-c listen_addresses='' -k " + dir_.string() +
            " -F\" start >/dev/null 2>&1") != 0) {
      return;
    }
    started_ = true;
    conn_ = PQconnectdb(("host=" + dir_.string() + " user=postgres dbname=postgres").c_str());
  }
  static void TearDownTestSuite() {
    if (conn_) PQfinish(conn_);
    conn_ = nullptr;
    if (started_) {
      run(prefix_ + (pg_bin() / "pg_ctl").string() + " -D " + (dir_ / "data").string() +
          " -m fast -w stop >/dev/null 2>&1");
    }
    started_ = false;
  }
  void SetUp() override {
    ASSERT_FALSE(pg_bin().empty())
        << "PostgreSQL 15 is missing: install the Debian package postgresql";
    ASSERT_TRUE(started_) << "the test cluster did not start; see " << dir_;
    ASSERT_EQ(PQstatus(conn_), CONNECTION_OK) << PQerrorMessage(conn_);
  }
  static int run(const std::string& cmd) { return std::system(cmd.c_str()); }

  // Runs a script; the error text, "" when it succeeded.
  static std::string exec(const std::string& sql) {
    PGresult* r = PQexec(conn_, sql.c_str());
    const auto s = PQresultStatus(r);
    std::string err =
        (s == PGRES_COMMAND_OK || s == PGRES_TUPLES_OK) ? "" : PQresultErrorMessage(r);
    PQclear(r);
    return err;
  }
  // Prepares a statement with n parameters; the error text, "" when it succeeded.
  static std::string prepare(const std::string& name, const std::string& sql, int n) {
    PGresult* r = PQprepare(conn_, name.c_str(), sql.c_str(), n, nullptr);
    std::string err = PQresultStatus(r) == PGRES_COMMAND_OK ? "" : PQresultErrorMessage(r);
    PQclear(r);
    return err;
  }

  static inline fs::path dir_;
  static inline std::string prefix_;
  static inline bool started_ = false;
  static inline PGconn* conn_ = nullptr;
};

// The JDBC markers "?" as PostgreSQL's $1, $2 ...; Count their number.
std::string numbered_markers(const std::string& text, int& count) {
  std::string sql;
  count = 0;
  for (char c : text) {
    if (c == '?') {
      sql += "$" + std::to_string(++count);
    } else {
      sql += c;
    }
  }
  return sql;
}

// A run whose options come from a map.
struct Rules {
  explicit Rules(std::string source) : run(eng), dtasrc(std::move(source)) {
    eng.consult_text("model_num_i(5). model_i(1, 1005).", false);
    run.stand_in_host("i_config", 2, [this](Run&, std::span<Term> a) {
      if (a[0].text() != "DTASRC") return false;
      a[1] = str(this->dtasrc);
      return true;
    });
    run.stand_in_host("i_dstorepref", 4, [](Run&, std::span<Term>) { return false; });
  }
  engine::Engine eng;
  Run run;
  std::string dtasrc;
};

TEST_F(Cluster, LockTableRunsInATransaction) {
  ASSERT_EQ(exec("CREATE TABLE IF NOT EXISTS customer (id integer)"), "");
  for (const char* dtasrc : {"7", "5", "4"}) {  // oracle (NOWAIT), db2, as400
    SCOPED_TRACE(dtasrc);
    Rules r(dtasrc);
    const auto text = lock_table_text(r.run, atom("customer"), atom("customer"));
    ASSERT_TRUE(text);
    EXPECT_EQ(exec("BEGIN; " + *text + "; COMMIT"), "") << *text;
  }
}

// CALL NAME ( ?, ?) against a procedure of two INOUT parameters; the JDBC
// markers become $1, $2 and there are as many as parameters.
TEST_F(Cluster, CallsPrepare) {
  ASSERT_EQ(exec("CREATE OR REPLACE PROCEDURE calc(INOUT a numeric, INOUT b text) LANGUAGE plpgsql "
                 "AS $$ BEGIN a := a + 1; b := b || 'x'; END $$"),
            "");
  const Term args = *engine::parse_term("[t('&A', 23), t(',', 7), t('&B', 23), t(')', 4)]");
  int n = 0;
  for (const char* dtasrc : {"3", "5", "1", "7"}) {  // access, db2, qedbase, oracle
    SCOPED_TRACE(dtasrc);
    Rules r(dtasrc);
    const SpCall call = sp_call_text(r.run, "calc", args);
    int marker = 0;
    const std::string sql = numbered_markers(call.text, marker);
    EXPECT_EQ(marker, static_cast<int>(call.parameters.size()));
    EXPECT_EQ(prepare("call" + std::to_string(++n), sql, marker), "") << call.text;
  }
}

// The optimised copy's INSERT ... SELECT with a condition on a variable.
TEST_F(Cluster, InsertSelectPrepares) {
  ASSERT_EQ(exec("CREATE TABLE IF NOT EXISTS invline (invid integer, lineno integer, price numeric)"),
            "");
  ASSERT_EQ(exec("CREATE TABLE IF NOT EXISTS hist (hid integer, hline integer)"), "");
  Rules r("7");
  std::vector<Term> params;
  const std::string text = insert_select_text(
      r.run, atom("hist"), {atom("hid"), atom("hline")}, {atom("invid"), atom("lineno")},
      *engine::parse_term("[c([t(invid, 2), t('>', 10), t('&First', 23)], [])]"),
      *engine::parse_term("[invline]"), params);
  int markers = 0;
  const std::string sql = numbered_markers(text, markers);
  EXPECT_EQ(markers, 1);
  EXPECT_EQ(params.size(), 1u);
  EXPECT_EQ(prepare("copy", sql, markers), "") << text;
}

#else

TEST(Cluster, ClientLibrary) {
  FAIL() << "the PostgreSQL client library is missing: install the Debian package libpq-dev";
}

#endif

}  // namespace
}  // namespace qn::logic

#include "tests/sql_check/sql_check.h"

#include <pwd.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <cctype>
#include <functional>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <regex>
#include <sstream>

#ifdef QN_HAVE_LIBPQ
#include <libpq-fe.h>
#endif

namespace qn::sqlcheck {

namespace {

const std::regex::flag_type kIcase = std::regex::ECMAScript | std::regex::icase;

// Applies fn to the parts of sql outside '...' literals.
std::string outside_literals(const std::string& sql, const std::function<std::string(const std::string&)>& fn) {
  std::string out, part;
  bool in = false;
  for (char c : sql) {
    if (c == '\'') {
      if (!in) {
        out += fn(part);
        part.clear();
      } else {
        out += part;
        part.clear();
      }
      out += c;
      in = !in;
      continue;
    }
    part += c;
  }
  out += in ? part : fn(part);
  return out;
}

std::string common_rewrites(const std::string& sql) {
  return outside_literals(sql, [](const std::string& s) {
    std::string r = std::regex_replace(s, std::regex(R"(\bFOR\s+FETCH\s+ONLY\b)", kIcase), "");
    r = std::regex_replace(r, std::regex(R"(\bOPTIMIZE\s+FOR\s+\d+\s+ROWS\b)", kIcase), "");
    r = std::regex_replace(r, std::regex(R"(/\*\+[^*]*\*/)"), "");
    r = std::regex_replace(r, std::regex(R"(\bCONCAT\b)", kIcase), "||");
    r = std::regex_replace(r, std::regex(R"([{}])"), "");
    r = std::regex_replace(
        r, std::regex(R"(\s*\((\s*(NOLOCK|UPDLOCK|FASTFIRSTROW|LOCKING=RECORD|LOCKING=NONE))+\s*\))", kIcase), "");
    return r;
  });
}

const char* kShimsPg[] = {
    "CREATE FUNCTION day(date) RETURNS integer AS 'SELECT extract(day FROM $1)::integer' LANGUAGE sql",
    "CREATE FUNCTION month(date) RETURNS integer AS 'SELECT extract(month FROM $1)::integer' LANGUAGE sql",
    "CREATE FUNCTION year(date) RETURNS integer AS 'SELECT extract(year FROM $1)::integer' LANGUAGE sql",
    "CREATE FUNCTION last_day(date) RETURNS date AS "
    "'SELECT (date_trunc(''month'', $1) + interval ''1 month - 1 day'')::date' LANGUAGE sql",
    "CREATE FUNCTION to_number(text) RETURNS numeric AS 'SELECT $1::numeric' LANGUAGE sql",
};

}  // namespace

std::string rewrite_for_sqlite(const std::string& sql) {
  std::string r = common_rewrites(sql);
  return outside_literals(r, [](const std::string& s) {
    return std::regex_replace(s, std::regex(R"(\bFOR\s+UPDATE(\s+OF\s+[\w.]+(\s*,\s*[\w.]+)*)?(\s+NOWAIT)?)", kIcase),
                              "");
  });
}

std::string rewrite_for_postgres(const std::string& sql) {
  std::string r = common_rewrites(sql);
  r = outside_literals(r, [](const std::string& s) {
    return std::regex_replace(s, std::regex(R"(\bFOR\s+UPDATE\s+OF\s+[\w.]+(\s*,\s*[\w.]+)*)", kIcase),
                              "FOR UPDATE");
  });
  int n = 0;
  return outside_literals(r, [&n](const std::string& s) {
    std::string out;
    for (char c : s) {
      if (c == '?') out += "$" + std::to_string(++n);
      else out += c;
    }
    return out;
  });
}

// --- SQLite -------------------------------------------------------------------------------

namespace {

void fn_text_arg(sqlite3_context* ctx, int, sqlite3_value** v) {
  sqlite3_result_value(ctx, v[0]);
}
void fn_int(sqlite3_context* ctx, int, sqlite3_value**) { sqlite3_result_int(ctx, 1); }

// The columns a FOR UPDATE OF clause names: each must be a column of the
// statement's first table (checked by preparing a SELECT of them).
std::string check_for_update_columns(sqlite3* db, const std::string& sql) {
  std::smatch m;
  static const std::regex kFrom(R"(\bFROM[\s(]+([\w.]+))", kIcase);
  static const std::regex kOf(R"(\bFOR\s+UPDATE\s+OF\s+([\w.]+(?:\s*,\s*[\w.]+)*))", kIcase);
  if (!std::regex_search(sql, m, kOf)) return "";
  const std::string cols = m[1];
  if (!std::regex_search(sql, m, kFrom)) return "FOR UPDATE OF without FROM";
  const std::string q = "SELECT " + cols + " FROM " + std::string(m[1]);
  sqlite3_stmt* st = nullptr;
  const int rc = sqlite3_prepare_v2(db, q.c_str(), -1, &st, nullptr);
  std::string msg = rc == SQLITE_OK ? "" : std::string("FOR UPDATE OF: ") + sqlite3_errmsg(db);
  sqlite3_finalize(st);
  return msg;
}

}  // namespace

std::string sqlite_verdict(const Schema& schema, const std::string& sql) {
  sqlite3* db = nullptr;
  if (sqlite3_open(":memory:", &db) != SQLITE_OK) return "sqlite3_open failed (libsqlite3-0)";
  sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
  sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
  sqlite3_create_function(db, "to_date", 2, SQLITE_UTF8, nullptr, fn_text_arg, nullptr, nullptr);
  sqlite3_create_function(db, "to_char", 2, SQLITE_UTF8, nullptr, fn_text_arg, nullptr, nullptr);
  sqlite3_create_function(db, "to_number", 1, SQLITE_UTF8, nullptr, fn_text_arg, nullptr, nullptr);
  sqlite3_create_function(db, "last_day", 1, SQLITE_UTF8, nullptr, fn_text_arg, nullptr, nullptr);
  for (const char* f : {"day", "month", "year"}) {
    sqlite3_create_function(db, f, 1, SQLITE_UTF8, nullptr, fn_int, nullptr, nullptr);
  }
  std::string msg;
  for (const std::string& ddl : schema.create_tables) {
    // A schema-qualified table lives in an attached database of that name.
    std::smatch m;
    if (std::regex_search(ddl, m, std::regex(R"(CREATE\s+TABLE\s+(\w+)\.)", kIcase))) {
      const std::string attach = "ATTACH DATABASE ':memory:' AS " + std::string(m[1]);
      sqlite3_exec(db, attach.c_str(), nullptr, nullptr, nullptr);
    }
    char* err = nullptr;
    if (sqlite3_exec(db, ddl.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
      msg = "schema: " + std::string(err ? err : "?");
      sqlite3_free(err);
      break;
    }
  }
  if (msg.empty()) msg = check_for_update_columns(db, sql);
  if (msg.empty()) {
    const std::string text = rewrite_for_sqlite(sql);
    sqlite3_stmt* st = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db, text.c_str(), -1, &st, &tail) != SQLITE_OK) {
      msg = sqlite3_errmsg(db);
    } else {
      while (tail && std::isspace(static_cast<unsigned char>(*tail))) ++tail;
      if (tail && *tail) msg = std::string("text after the statement: ") + tail;
    }
    sqlite3_finalize(st);
  }
  sqlite3_close(db);
  return msg;
}

ScriptResult sqlite_script(const std::vector<std::string>& statements, const std::string& query) {
  ScriptResult out;
  sqlite3* db = nullptr;
  if (sqlite3_open(":memory:", &db) != SQLITE_OK) {
    out.setup_error = "sqlite3_open failed (libsqlite3-0)";
    return out;
  }
  for (const std::string& s : statements) {
    char* err = nullptr;
    if (sqlite3_exec(db, s.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
      out.errors.emplace_back(err ? err : "?");
    } else {
      out.errors.emplace_back();
    }
    sqlite3_free(err);
  }
  sqlite3_stmt* st = nullptr;
  if (!query.empty() && sqlite3_prepare_v2(db, query.c_str(), -1, &st, nullptr) == SQLITE_OK) {
    while (sqlite3_step(st) == SQLITE_ROW) {
      std::string row;
      for (int i = 0; i < sqlite3_column_count(st); ++i) {
        if (i) row += '|';
        const unsigned char* t = sqlite3_column_text(st, i);
        row += t ? reinterpret_cast<const char*>(t) : "";
      }
      out.rows.push_back(row);
    }
  } else if (!query.empty()) {
    out.setup_error = std::string("query: ") + sqlite3_errmsg(db);
  }
  sqlite3_finalize(st);
  sqlite3_close(db);
  return out;
}

// --- PostgreSQL ---------------------------------------------------------------------------

namespace {

int run_cmd(const std::vector<std::string>& argv, bool as_nobody) {
  std::vector<std::string> full;
  if (as_nobody && ::geteuid() == 0) {
    full = {"/usr/bin/setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"};
  }
  full.insert(full.end(), argv.begin(), argv.end());
  const pid_t pid = ::fork();
  if (pid == 0) {
    std::vector<char*> args;
    for (std::string& a : full) args.push_back(a.data());
    args.push_back(nullptr);
    int devnull = ::open("/dev/null", O_WRONLY);
    if (devnull >= 0) {
      ::dup2(devnull, 1);
      ::dup2(devnull, 2);
    }
    ::execv(args[0], args.data());
    ::_exit(127);
  }
  int status = 0;
  if (pid < 0 || ::waitpid(pid, &status, 0) < 0) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct Cluster {
  std::string dir;
  std::string error;
  bool started = false;
  int next_db = 0;

  ~Cluster() { stop(); }

  void start() {
    const std::string bin = QN_PG_BINDIR;
    if (!std::filesystem::exists(bin + "/initdb")) {
      error = "PostgreSQL 15 server not installed (package postgresql-15)";
      return;
    }
    const char* tmp = std::getenv("TMPDIR");
    std::string templ = std::string(tmp ? tmp : "/tmp") + "/pgXXXXXX";
    if (!::mkdtemp(templ.data())) {
      error = "cannot make the cluster folder";
      return;
    }
    dir = templ;
    if (::geteuid() == 0) {
      struct passwd* pw = ::getpwnam("nobody");
      if (!pw || ::chown(dir.c_str(), pw->pw_uid, pw->pw_gid) != 0) {
        error = "cannot hand the cluster folder to nobody";
        return;
      }
    }
    if (run_cmd({bin + "/initdb", "--auth=trust", "--no-sync", "-U", "postgres", "-D", dir + "/data"}, true) != 0) {
      error = "initdb failed";
      return;
    }
    if (run_cmd({bin + "/pg_ctl", "-D", dir + "/data", "-l", dir + "/log", "-w", "-o",
                 "-c listen_addresses='' -k " + dir + " -c fsync=off", "start"},
                true) != 0) {
      error = "pg_ctl start failed (see " + dir + "/log)";
      return;
    }
    started = true;
  }

  void stop() {
    if (!started) return;
    started = false;
    run_cmd({std::string(QN_PG_BINDIR) + "/pg_ctl", "-D", dir + "/data", "-m", "immediate", "-w", "stop"}, true);
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
};

Cluster& the_cluster() {
  static Cluster c;
  return c;
}

Cluster& cluster() {
  static std::once_flag once;
  std::call_once(once, [] { the_cluster().start(); });
  return the_cluster();
}

}  // namespace

void stop_postgres() { the_cluster().stop(); }

std::string postgres_verdict(const Schema& schema, const std::string& sql) {
#ifndef QN_HAVE_LIBPQ
  (void)schema;
  (void)sql;
  return "libpq not found at build time (package libpq-dev)";
#else
  Cluster& c = cluster();
  if (!c.error.empty()) return c.error;
  if (!c.started) return "PostgreSQL cluster stopped";
  const std::string admin = "host=" + c.dir + " user=postgres dbname=postgres";
  PGconn* a = PQconnectdb(admin.c_str());
  if (PQstatus(a) != CONNECTION_OK) {
    std::string m = PQerrorMessage(a);
    PQfinish(a);
    return "connect: " + m;
  }
  const std::string db = "case" + std::to_string(++c.next_db);
  PQclear(PQexec(a, ("CREATE DATABASE " + db).c_str()));
  PQfinish(a);
  PGconn* conn = PQconnectdb(("host=" + c.dir + " user=postgres dbname=" + db).c_str());
  std::string msg;
  if (PQstatus(conn) != CONNECTION_OK) msg = std::string("connect: ") + PQerrorMessage(conn);
  auto exec = [&](const std::string& q) {
    if (!msg.empty()) return;
    PGresult* r = PQexec(conn, q.c_str());
    if (PQresultStatus(r) != PGRES_COMMAND_OK) msg = "schema: " + std::string(PQerrorMessage(conn));
    PQclear(r);
  };
  for (const char* s : kShimsPg) exec(s);
  for (const std::string& ddl : schema.create_tables) {
    std::smatch m;
    if (std::regex_search(ddl, m, std::regex(R"(CREATE\s+TABLE\s+(\w+)\.)", kIcase))) {
      exec("CREATE SCHEMA IF NOT EXISTS " + std::string(m[1]));
    }
    exec(ddl);
  }
  if (msg.empty()) {
    PGresult* r = PQprepare(conn, "", rewrite_for_postgres(sql).c_str(), 0, nullptr);
    if (PQresultStatus(r) != PGRES_COMMAND_OK) msg = PQerrorMessage(conn);
    PQclear(r);
  }
  PQfinish(conn);
  return msg;
#endif
}

ScriptResult postgres_script(const std::vector<std::string>& statements, const std::string& query) {
  ScriptResult out;
#ifndef QN_HAVE_LIBPQ
  (void)statements;
  (void)query;
  out.setup_error = "libpq not found at build time (package libpq-dev)";
  return out;
#else
  Cluster& c = cluster();
  if (!c.error.empty() || !c.started) {
    out.setup_error = c.error.empty() ? "PostgreSQL cluster stopped" : c.error;
    return out;
  }
  PGconn* a = PQconnectdb(("host=" + c.dir + " user=postgres dbname=postgres").c_str());
  const std::string db = "script" + std::to_string(++c.next_db);
  PQclear(PQexec(a, ("CREATE DATABASE " + db).c_str()));
  PQfinish(a);
  PGconn* conn = PQconnectdb(("host=" + c.dir + " user=postgres dbname=" + db).c_str());
  if (PQstatus(conn) != CONNECTION_OK) {
    out.setup_error = std::string("connect: ") + PQerrorMessage(conn);
    PQfinish(conn);
    return out;
  }
  for (const std::string& s : statements) {
    PGresult* r = PQexec(conn, s.c_str());
    out.errors.emplace_back(PQresultStatus(r) == PGRES_COMMAND_OK ? "" : PQerrorMessage(conn));
    PQclear(r);
    // A refused statement inside a transaction it opened ends that
    // transaction, so the next statements are judged on their own.
    if (PQtransactionStatus(conn) == PQTRANS_INERROR) PQclear(PQexec(conn, "ROLLBACK"));
  }
  if (!query.empty()) {
    PGresult* r = PQexec(conn, query.c_str());
    if (PQresultStatus(r) == PGRES_TUPLES_OK) {
      for (int i = 0; i < PQntuples(r); ++i) {
        std::string row;
        for (int j = 0; j < PQnfields(r); ++j) {
          if (j) row += '|';
          row += PQgetvalue(r, i, j);
        }
        out.rows.push_back(row);
      }
    } else {
      out.setup_error = std::string("query: ") + PQerrorMessage(conn);
    }
    PQclear(r);
  }
  PQfinish(conn);
  return out;
#endif
}

}  // namespace qn::sqlcheck

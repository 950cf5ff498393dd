#include "logic/core/dbms_caps.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "logic/core/options.h"
#include "logic/core/options_test_fixture.h"

namespace qn::logic {
namespace {

using engine::Term;
using Opt = std::optional<std::string>;
using Prefs = std::map<std::pair<int64_t, std::string>, std::string>;

// The nine drivers in the order of the expected strings below, each as the
// model option that makes it the driver of a table without entry.
constexpr const char* kDrivers[] = {
    "rule_i(0, prop('DTASRC', \"7\")).",            // Ora  qeoracle7
    "rule_i(0, prop('DTASRC', \"12\")).",           // SQL  qesqlserver
    "rule_i(0, prop('DTASRC', \"5\")).",            // DB2  db2cae
    "rule_i(0, prop('DTASRC', \"4\")).",            // 400  db2400
    "rule_i(0, prop('DTASRC', \"11\")).",           // Ifx  qeinfrmx
    "rule_i(0, prop('DTASRC', \"6\")).",            // Btr  qebtrieve
    "rule_i(0, prop('CS_DRIVER', \"SHOWCASE\")).",  // SC showcase
    "rule_i(0, prop('DTASRC', \"1\")).",            // DBF  qedbf
    "rule_i(0, prop('DTASRC', \"3\")).",            // Acc  access
};

class LogicCoreDbmsCaps : public OptionsFixture {
 protected:
  // Runs probe for each driver with the extra facts and data store 1's
  // preferences; gives one character per driver.
  template <typename Probe>
  std::string per_driver(const std::string& extra, const Prefs& prefs, Probe probe) {
    std::string out;
    for (const char* driver : kDrivers) {
      new_run();
      prefs_ = prefs;
      object(std::string(driver) + " " + extra);
      out += probe(Term::atom("t"));
    }
    return out;
  }
};

using Cap = bool (*)(logic::Run&, const Term&);

// Every yes/no capability for each driver, with the options of its notes
// set and unset. Columns: Ora SQL DB2 400 Ifx Btr SC DBF Acc.
TEST_F(LogicCoreDbmsCaps, CapabilityTable) {
  const std::string proc = "spec_i([proc, 1, 'P', p]). ";
  const Cap insert_select = [](logic::Run& r, const Term& t) {
    return insert_select_ok(r, Term::integer(5), t,
                            Term::list({Term::atom("a1"), Term::atom("a2")}));
  };
  const Cap ordered_for_update = [](logic::Run& r, const Term& t) {
    return for_update_usable(r, t, Term::list({Term::atom("a1")}));
  };
  const Cap plain_for_update = [](logic::Run& r, const Term& t) {
    return for_update_usable(r, t, Term::nil());
  };
  struct Case {
    const char* name;
    Cap cap;
    std::string extra;
    Prefs prefs;
    const char* expect;
  } cases[] = {
      {"dbms_for_update", dbms_for_update, proc, {}, "yyyyyyyy-"},
      {"dbms_for_update CS_ORA_FORUPD No",
       dbms_for_update,
       proc,
       {{{1, "CS_ORA_FORUPD"}, "No"}},
       "-yyyyyyy-"},
      {"dbms_for_update CS_ORA_FORUPD No, trn",
       dbms_for_update,
       "spec_i([trn, 1, 'T', t]).",
       {{{1, "CS_ORA_FORUPD"}, "No"}},
       "yyyyyyyy-"},
      {"dbms_for_update CS_ORA_FORUPD Yes",
       dbms_for_update,
       proc,
       {{{1, "CS_ORA_FORUPD"}, "Yes"}},
       "yyyyyyyy-"},
      {"dbms_for_update_order", dbms_for_update_order, "", {}, "yy-y-yy--"},
      {"for_update_usable []", plain_for_update, proc, {}, "yyyyyyyy-"},
      {"for_update_usable [a1]", ordered_for_update, proc, {}, "yy-y-yy--"},
      {"tbl_positioned_delete", tbl_positioned_delete, "", {}, "---y-y---"},
      {"comment_on_enabled", comment_on_enabled, "", {}, "---------"},
      {"comment_on_enabled Yes",
       comment_on_enabled,
       "rule_i(0, prop('COMMENT_ON', \"Yes\")).",
       {},
       "y-yy-----"},
      {"ref_int_in_db", ref_int_in_db, "", {}, "---------"},
      {"ref_int_in_db R",
       ref_int_in_db,
       "rule_i(0, prop('DCL_REF_INT_DB', \"R\")).",
       {},
       "yyyyy----"},
      {"ref_int_in_db Y",
       ref_int_in_db,
       "rule_i(0, prop('DCL_REF_INT_DB', \"y\")).",
       {},
       "yyyyy----"},
      {"ref_int_in_db_y R",
       ref_int_in_db_y,
       "rule_i(0, prop('DCL_REF_INT_DB', \"R\")).",
       {},
       "---------"},
      {"ref_int_in_db_y Y",
       ref_int_in_db_y,
       "rule_i(0, prop('DCL_REF_INT_DB', \"Y\")).",
       {},
       "yyyyy----"},
      {"pk_as_primary_key", pk_as_primary_key, "", {}, "yyyyy----"},
      {"pk_as_primary_key PK",
       pk_as_primary_key,
       "rule_i(0, prop('PRIMARY_KEY_TYPE', \"pk\")).",
       {},
       "yyyyy----"},
      {"pk_as_primary_key CNST",
       pk_as_primary_key,
       "rule_i(0, prop('PRIMARY_KEY_TYPE', \"CNST\")).",
       {},
       "---------"},
      {"unique_as_constraint", unique_as_constraint, "", {}, "---------"},
      {"unique_as_constraint CNST",
       unique_as_constraint,
       "rule_i(0, prop('PRIMARY_KEY_TYPE', \"CNST\")).",
       {},
       "yy--y----"},
      {"unique_as_constraint PK",
       unique_as_constraint,
       "rule_i(0, prop('PRIMARY_KEY_TYPE', \"PK\")).",
       {},
       "----y----"},
      {"unique_as_constraint IDX",
       unique_as_constraint,
       "rule_i(0, prop('PRIMARY_KEY_TYPE', \"IDX\")).",
       {},
       "---------"},
      {"unique_as_constraint IDX, DCL Y",
       unique_as_constraint,
       "rule_i(0, prop('PRIMARY_KEY_TYPE', \"IDX\")). rule_i(0, prop('DCL_REF_INT_DB', \"Y\")).",
       {},
       "y--------"},
      {"tbl_storage_dbms", tbl_storage_dbms, "", {}, "yyy-y----"},
      {"idx_storage_dbms", idx_storage_dbms, "", {}, "y---y----"},
      {"idx_storage_dbms version 7",
       idx_storage_dbms,
       "",
       {{{1, "SQLSERVER_VERSION"}, "7"}},
       "yy--y----"},
      {"dbms_has_tblspace", dbms_has_tblspace, "", {}, "yy--y----"},
      {"desc_idx_dbms", desc_idx_dbms, "", {}, "--yyy----"},
      {"insert_select_ok", insert_select, "attri_i(a1, [n1, char, 5, 0, '']).", {}, "yyyyy----"},
      {"insert_select_ok vchar",
       insert_select,
       "attri_i(a2, [n2, vchar, 50, 0, '']).",
       {},
       "-yyyy----"},
      // Informix: a model in mode ansi logs, so LOCK TABLE is allowed; in
      // mode wlog only when intt_i holds; in mode wolog always.
      {"lock_table_ok", lock_table_ok, "", {}, "y-yyy-y--"},
      {"lock_table_ok wlog",
       lock_table_ok,
       "rule_i(0, prop(informix_db, \"log\")).",
       {},
       "y-yy--y--"},
      {"lock_table_ok wlog, logged",
       lock_table_ok,
       "rule_i(0, prop(informix_db, \"log\")). intt_i.",
       {},
       "y-yyy-y--"},
      {"lock_table_ok wolog",
       lock_table_ok,
       "rule_i(0, prop(informix_db, \"nolog\")).",
       {},
       "y-yyy-y--"},
      {"unlock_table_ok", unlock_table_ok, "", {}, "---------"},
      {"unlock_table_ok wolog",
       unlock_table_ok,
       "rule_i(0, prop(informix_db, \"NOLOG\")).",
       {},
       "----y----"},
      {"alter_add_col_ok", alter_add_col_ok, "", {}, "yyy-y----"},
      {"alter_add_col_ok CS_REORG No",
       alter_add_col_ok,
       "rule_i(0, prop('CS_REORG', \"No\")).",
       {},
       "---------"},
      {"alter_drop_col_ok", alter_drop_col_ok, "", {}, "----y----"},
      {"alter_drop_col_ok version 7",
       alter_drop_col_ok,
       "",
       {{{1, "SQLSERVER_VERSION"}, "7"}},
       "-y--y----"},
      {"alter_drop_col_ok version 7, CS_REORG N",
       alter_drop_col_ok,
       "rule_i(0, prop('CS_REORG', \"N\")).",
       {{{1, "SQLSERVER_VERSION"}, "7"}},
       "---------"},
      {"not_null_dbms", not_null_dbms, "", {}, "yyyyy----"},
      {"null_dbms", null_dbms, "", {}, "-y-------"},
      {"idx_name_qualified", idx_name_qualified, "", {}, "y-yyyyyyy"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(
        per_driver(c.extra, c.prefs, [&](const Term& t) { return c.cap(run_, t) ? 'y' : '-'; }),
        c.expect);
  }
}

// The capabilities that give a text; "." where there is none.
TEST_F(LogicCoreDbmsCaps, TextCapabilities) {
  using TextCap = Opt (*)(logic::Run&, const Term&);
  const TextCap nowait = [](logic::Run& r, const Term& t) -> Opt {
    const std::string s = nowait_clause(r, t);
    return s.empty() ? std::nullopt : Opt(s);
  };
  const TextCap join = [](logic::Run& r, const Term& t) -> Opt { return join_op(r, t); };
  struct Case {
    const char* name;
    TextCap cap;
    std::string extra;
    Prefs prefs;
    std::vector<std::string> expect;
  } cases[] = {
      {"nowait_clause", nowait, "", {}, {" NOWAIT", ".", ".", ".", ".", ".", ".", ".", "."}},
      {"clustered_idx_dbms",
       clustered_idx_dbms,
       "",
       {},
       {".", " CLUSTERED", ".", ".", " CLUSTER", ".", ".", ".", "."}},
      {"outer_join_op", outer_join_op, "", {}, {"(+) =", "=*", ".", ".", ".", ".", ".", ".", "."}},
      {"outer_join_op version 6",
       outer_join_op,
       "",
       {{{1, "SQLSERVER_VERSION"}, "6"}},
       {"(+) =", "=*", ".", ".", ".", ".", ".", ".", "."}},
      {"outer_join_op version 7",
       outer_join_op,
       "",
       {{{1, "SQLSERVER_VERSION"}, "7"}},
       {"(+) =", "=", ".", ".", ".", ".", ".", ".", "."}},
      {"outer_join_op version 7.0",
       outer_join_op,
       "",
       {{{1, "SQLSERVER_VERSION"}, "7.0"}},
       {"(+) =", "=*", ".", ".", ".", ".", ".", ".", "."}},
      {"join_op",
       join,
       "",
       {{{1, "SQLSERVER_VERSION"}, "7"}},
       {"(+) =", "=", "=", "=", "=", "=", "=", "=", "="}},
      {"join_op natural",
       join,
       "rule_i(0, prop('JOIN_TYPE', \"Natural\")).",
       {},
       {"=", "=", "=", "=", "=", "=", "=", "=", "="}},
      {"join_op outer",
       join,
       "rule_i(0, prop('JOIN_TYPE', \"outer\")).",
       {},
       {"(+) =", "=*", "=", "=", "=", "=", "=", "=", "="}},
      {"informix_table_server",
       informix_table_server,
       "",
       {},
       {".", ".", ".", ".", "ol", ".", ".", ".", "."}},
      {"informix_table_server se",
       informix_table_server,
       "rule_i(0, prop(informix_server, \"SE7\")).",
       {},
       {".", ".", ".", ".", "se", ".", ".", ".", "."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> got;
    per_driver(c.extra, c.prefs, [&](const Term& t) {
      got.push_back(c.cap(run_, t).value_or("."));
      return ' ';
    });
    EXPECT_EQ(got, c.expect);
  }
}

// The by-DBMS capabilities for the DBMS of each code, on a store other than
// the default one (the only way to a table of DBMS na). Columns: codes 1 3
// 4 5 6 7 8 9 11 12.
TEST_F(LogicCoreDbmsCaps, ByDbmsCapabilitiesOfStores) {
  const int codes[] = {1, 3, 4, 5, 6, 7, 8, 9, 11, 12};
  struct Case {
    const char* name;
    Cap cap;
    const char* expect;
  } cases[] = {
      {"tbl_storage_dbms", tbl_storage_dbms, "---y-yy-yy"},
      {"idx_storage_dbms", idx_storage_dbms, "-----y--yy"},
      {"dbms_has_tblspace", dbms_has_tblspace, "-----y--yy"},
  };
  std::string dbms;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string got;
    dbms.clear();
    for (int code : codes) {
      new_run();
      prefs_ = {{{2, "SQLSERVER_VERSION"}, "7"}};
      object("rule_i(0, prop('DTASRC', \"1\")). datastore_i([2, s2, " + std::to_string(code) +
             "]). " +
             "rule_i(1, p(0, 0, fv, k, [table, t])). rule_i(1, p(0, 0, fv, k, [datastore, 2])).");
      got += c.cap(run_, Term::atom("t")) ? 'y' : '-';
      dbms += table_dbms(run_, Term::atom("t")).value_or("?") + " ";
    }
    EXPECT_EQ(got, c.expect);
  }
  EXPECT_EQ(dbms, "qedbase access as400 db2 na oracle7 db2 as400 informix sqlserver ");
}

TEST_F(LogicCoreDbmsCaps, OuterJoinNatural) {
  struct Case {
    const char* join_type;  // nullptr: unset
    std::string expect;     // Ora SQL DB2 400 Ifx Btr SC DBF Acc
  } cases[] = {
      {nullptr, "yy---yyyy"},
      {"outer", "yyyyyyyyy"},
      {"natural", "---------"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.join_type ? c.join_type : "(unset)");
    const std::string extra =
        c.join_type ? std::string("rule_i(0, prop('JOIN_TYPE', \"") + c.join_type + "\"))." : "";
    EXPECT_EQ(per_driver(extra, {},
                         [&](const Term& t) { return outer_join_natural(run_, t) ? 'y' : '-'; }),
              c.expect);
  }
}

// A table of an SQL Server store other than the default one reads that
// store's preferences.
TEST_F(LogicCoreDbmsCaps, StoreVersionAndModes) {
  prefs_ = {{{3, "SQLSERVER_VERSION"}, "8"},
            {{1, "SQLSERVER_VERSION"}, "6"},
            {{4, "SQLSERVER_VERSION"}, "x"}};
  object(
      "rule_i(0, prop('DTASRC', \"12\")). datastore_i([3, s3, 12]). datastore_i([4, s4, 12]). "
      "datastore_i([5, ifx, 11]). "
      "rule_i(1, p(0, 0, fv, k3, [table, t3])). rule_i(1, p(0, 0, fv, k3, [datastore, 3])). "
      "rule_i(1, p(0, 0, fv, k4, [table, t4])). rule_i(1, p(0, 0, fv, k4, [datastore, 4])). "
      "rule_i(1, p(0, 0, fv, k5, [table, t5])). rule_i(1, p(0, 0, fv, k5, [datastore, ifx])).");
  struct Case {
    const char* table;
    bool ge7;
    bool ge9;
  } cases[] = {
      {"t3", true, false}, {"t1", false, false}, {"t4", false, false}, {"t5", false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.table);
    EXPECT_EQ(sqlserver_version_ge(run_, Term::atom(c.table), 7), c.ge7);
    EXPECT_EQ(sqlserver_version_ge(run_, Term::atom(c.table), 9), c.ge9);
  }
  EXPECT_EQ(outer_join_op(run_, Term::atom("t3")), "=");
  EXPECT_EQ(outer_join_op(run_, Term::atom("t1")), "=*");

  struct Mode {
    const char* option;  // informix_db; nullptr: unset
    Opt mode;
  } modes[] = {{nullptr, "ansi"}, {"Log", "wlog"}, {"nolog", "wolog"}, {"ansi", "ansi"}};
  for (const auto& m : modes) {
    SCOPED_TRACE(m.option ? m.option : "(unset)");
    new_run();
    object(std::string("rule_i(0, prop('DTASRC', \"12\")). datastore_i([5, ifx, 11]). ") +
           (m.option ? std::string("rule_i(0, prop(informix_db, \"") + m.option + "\"))." : ""));
    EXPECT_EQ(dstore_informix_mode(run_, Term::integer(5)), m.mode);
    EXPECT_EQ(dstore_informix_mode(run_, Term::string("IFX")), m.mode);
    EXPECT_EQ(dstore_informix_mode(run_, Term::integer(1)), std::nullopt);
  }
}

TEST_F(LogicCoreDbmsCaps, Os400Version) {
  struct Case {
    const char* option;  // nullptr: unset
    const char* v;
    bool ge;
  } cases[] = {
      {nullptr, "V2R2", true}, {nullptr, "V3R1", false}, {"V4R4", "V4R4", true},
      {"v4r5", "V4R4", true},  {"V3R1", "V4R4", false},  {"V1R1", "V2R1", true},
      {"V4R4", "V4R5", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.option ? c.option : "(unset)") + " " + c.v);
    object(c.option ? std::string("rule_i(0, prop('OS400_VERSION', \"") + c.option + "\"))." : "");
    EXPECT_EQ(os400_version_ge(run_, c.v), c.ge);
  }
}

TEST_F(LogicCoreDbmsCaps, Synonyms) {
  struct Case {
    const char* rules;
    bool y;
    bool r;
  } cases[] = {
      {"rule_i(0, prop('DTASRC', \"7\")). rule_i(0, prop('CS_SCHEMA', \"S\")). "
       "rule_i(0, prop(create_and_use_synonyms, \"Yes\")).",
       true, false},
      {"rule_i(0, prop('DTASRC', \"7\")). rule_i(0, prop('CS_SCHEMA', \"S\")). "
       "rule_i(0, prop(create_and_use_synonyms, \"R\")).",
       false, true},
      {"rule_i(0, prop('DTASRC', \"7\")). rule_i(0, prop('CS_SCHEMA', \"\")). "
       "rule_i(0, prop(create_and_use_synonyms, \"Yes\")).",
       false, false},
      {"rule_i(0, prop('DTASRC', \"7\")). rule_i(0, prop(create_and_use_synonyms, \"Yes\")).",
       false, false},
      {"rule_i(0, prop('DTASRC', \"12\")). rule_i(0, prop('CS_SCHEMA', \"S\")). "
       "rule_i(0, prop(create_and_use_synonyms, \"Yes\")).",
       false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rules);
    object(c.rules);
    EXPECT_EQ(use_synonyms_y(run_, Term::atom("t")), c.y);
    EXPECT_EQ(use_synonyms_r(run_, Term::atom("t")), c.r);
  }
}

TEST_F(LogicCoreDbmsCaps, StatusCodes) {
  struct Case {
    const char* rules;
    const char* codes;  // nullptr: no row
  } cases[] = {
      {"rule_i(0, prop('DTASRC', \"4\")).", "[0,100,-803,-913,[-204],[-601],-530]"},
      {"rule_i(0, prop('DTASRC', \"8\")).", "[0,100,-803,-911,[-204],[],-530]"},
      {"rule_i(0, prop('DTASRC', \"7\")).", "[0,100,1,54,[942,1418,950,2443],[],2291]"},
      {"rule_i(0, prop('DTASRC', \"6\")).", "[0,100,5,84,[12,1280,1272],[],[]]"},
      {"rule_i(0, prop('DTASRC', \"1\")).", "[0,100,1236,[],[-3,4149,4036],[],[]]"},
      {"rule_i(0, prop('DTASRC', \"12\")).",
       "[0,100,[2601,2627],[],[3701,3703,3731,4902,3728],[],[503]]"},
      {"rule_i(0, prop('DTASRC', \"11\")).",
       "[0,100,[-239,-268,2601],[-243,-244,-245,-246],[-3,-206,-319,-623],[],[-691]]"},
      {"rule_i(0, prop('DTASRC', \"3\")).", nullptr},
      {"rule_i(0, prop('CS_DRIVER', \"SHOWCASE\")).", nullptr},
      {"rule_i(0, prop('DTASRC', \"13\")).", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rules);
    object(c.rules);
    auto codes = dbms_status_codes(run_);
    if (c.codes) {
      ASSERT_TRUE(codes);
      EXPECT_EQ(engine::writeq(*codes), c.codes);
    } else {
      EXPECT_FALSE(codes);
    }
  }
}

TEST(LogicCoreQualifyName, EveryRow) {
  struct Case {
    const char* dbms;
    const char* loc;
    const char* schema;
    const char* result;
  } cases[] = {
      {"oracle7", "", "", "T"},
      {"as400", "LIB", "", "LIB/T"},
      {"as400", "LIB", "S", "LIB/T"},
      {"as400", "", "S", "S.T"},  // no library: never "/T"
      {"informix", "", "S", "S.T"},
      {"sqlserver", "db", "", "db..T"},
      {"sqlserver", "db", "dbo", "db.dbo.T"},
      {"oracle7", "link", "", "T@link"},
      {"oracle7", "link", "S", "S.T@link"},
      {"informix", "srv", "", "srv:T"},
      {"informix", "srv", "S", "srv:S.T"},
      {"db2", "loc", "S", "S.T"},
      {"db2", "loc", "", "T"},  // no schema: never ".T"
      {"qedbase", "loc", "S", "T"},
      {"access", "loc", "", "T"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.dbms) + " '" + c.loc + "' '" + c.schema + "'");
    EXPECT_EQ(qualify_name(c.dbms, c.loc, c.schema, "T"), c.result);
  }
}

TEST_F(LogicCoreDbmsCaps, TransactionLogging) {
  struct Case {
    const char* name;
    std::string facts;
    bool logging;
    bool commit;
  } cases[] = {
      {"logged", "intt_i.", true, true},
      {"not logged", "", false, false},
      {"xbase_tint No", "rule_i(0, prop(xbase_tint, \"No\")). set", false, false},
      {"xbase_tint n", "rule_i(0, prop(xbase_tint, \"n\")). set", false, false},
      {"xbase_tint Yes", "rule_i(0, prop(xbase_tint, \"Yes\")). set", true, true},
      {"xbase_tint unset", "set", true, true},
      {"Informix store in mode wolog",
       "intt_i. datastore_i([2, ifx, 11]). rule_i(0, prop(informix_db, \"N\")).", false, false},
      {"Informix store in mode ansi", "rule_i(0, datastore([2, ifx, 11])).", true, true},
      {"Informix model in mode wlog",
       "intt_i. rule_i(0, prop('DTASRC', \"11\")). rule_i(0, prop(informix_db, l)).", true, true},
      {"ansi with a reorganisation", "gen_reo_i. rule_i(0, prop('DTASRC', \"11\")).", true, true},
      {"reorganisation", "intt_i. gen_reo_i.", false, false},
      {"reorganisation object", "intt_i. spec_i([ce, 1, 'R', r]).", false, false},
      {"own end of transaction", "intt_i. rule_i(0, rule([a(13, [endtrn])], [], [], [])).", true,
       false},
      {"other rule a(13)", "intt_i. rule_i(0, rule([a(13, [nocancel])], [], [], [])).", true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    new_run();
    std::string facts = c.facts;
    const bool set = facts.ends_with("set");
    if (set) facts.resize(facts.size() - 3);
    object(facts);
    if (set) set_trn_logging_flag(run_);
    EXPECT_EQ(trn_logging(run_), c.logging);
    EXPECT_EQ(needs_commit(run_), c.commit);
  }
}

}  // namespace
}  // namespace qn::logic

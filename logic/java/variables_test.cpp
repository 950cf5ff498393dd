#include "logic/java/variables.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/core/golden.h"
#include "logic/toolbox/declarations.h"

namespace qn::logic {
namespace {

using engine::Term;

Term t(const char* text) { return *engine::parse_term(text); }

struct Fixture {
  explicit Fixture(const std::string& facts = "") : run(eng) {
    if (!facts.empty()) {
      EXPECT_TRUE(eng.consult_text(facts, false)) << facts;
    }
  }
  std::string all(const char* name, uint32_t arity) {
    std::string out;
    for (const Term& f : eng.facts().clauses(name, arity)) out += engine::writeq(f) + " ";
    return out;
  }
  engine::Engine eng;
  Run run;
};

TEST(Variables, TemporariesAreReusedWidenedAndNumbered) {
  Fixture f;
  // Three new temporaries in one statement: numbered across all types.
  EXPECT_EQ(temp_var(f.run, "u", t("[int, 4, 0, 1]")), "QNt_int1");
  EXPECT_EQ(temp_var(f.run, "u", t("[date, 8, 0, 1]")), "QNt_date2");
  EXPECT_EQ(temp_var(f.run, "u", t("[char, 10, 0, 1]")), "QNt_char3");
  EXPECT_EQ(temp_var(f.run, "n", t("[char, 10, 0, 1]")), std::nullopt);
  EXPECT_EQ(f.all("fld_to_dcl_i", 3),
            "fld_to_dcl_i('QNt_int1',s,['QNt_int1',int,4,0,1]) "
            "fld_to_dcl_i('QNt_date2',s,['QNt_date2',date,8,0,1]) "
            "fld_to_dcl_i('QNt_char3',s,['QNt_char3',char,10,0,1]) ");

  // The next statement: every temporary is free again.
  f.eng.facts().abolish("var_used_i", 1);
  // A longer fixed string widens the char temporary in place.
  EXPECT_EQ(temp_var(f.run, "u", t("[svchar, 30, 0, 1]")), "QNt_char3");
  // Same Java cast: a 3-digit integer is a short too.
  EXPECT_EQ(temp_var(f.run, "u", t("[int, 3, 0, 1]")), "QNt_int1");
  // int 4 is in use now; a vchar fits none; usage other than u makes a new one.
  EXPECT_EQ(temp_var(f.run, "u", t("[int, 4, 0, 1]")), "QNt_int4");
  EXPECT_EQ(temp_var(f.run, "u", t("[vchar, 100, 0, 1]")), "QNt_vchar5");
  EXPECT_EQ(temp_var(f.run, "x", t("[date, 8, 0, 1]")), "QNt_date6");
  EXPECT_EQ(temp_var(f.run, "u", t("[obj('QNSubfile'), 0, 0, 0]")), "QNt_QNSubfile7");
  EXPECT_EQ(f.all("fld_to_dcl_i", 3),
            "fld_to_dcl_i('QNt_int1',s,['QNt_int1',int,4,0,1]) "
            "fld_to_dcl_i('QNt_date2',s,['QNt_date2',date,8,0,1]) "
            "fld_to_dcl_i('QNt_char3',s,['QNt_char3',char,30,0,1]) "
            "fld_to_dcl_i('QNt_int4',s,['QNt_int4',int,4,0,1]) "
            "fld_to_dcl_i('QNt_vchar5',s,['QNt_vchar5',vchar,100,0,1]) "
            "fld_to_dcl_i('QNt_date6',s,['QNt_date6',date,8,0,1]) "
            "fld_to_dcl_i('QNt_QNSubfile7',s,['QNt_QNSubfile7',obj('QNSubfile'),0,0,0]) ");

  // Two vchars share a temporary as well.
  f.eng.facts().abolish("var_used_i", 1);
  EXPECT_EQ(temp_var(f.run, "u", t("[int, 1, 1, 1]")), "QNt_int8");  // a double: no short fits
  EXPECT_EQ(temp_var(f.run, "u", t("[vchar, 400, 0, 1]")), "QNt_vchar5");
}

TEST(Variables, RecordRules) {
  const std::string desc = "attri_i('CustName', ['CUSTNAME', char, 30, 0, '', 0]). ";
  struct Case {
    std::string facts;
    const char* att;
    const char* name;
    const char* kind;
    std::string records;  // fld_to_dcl_i/3 afterwards
  } cases[] = {
      // Names that record nothing.
      {"is_i(v, [t(x, 2)]).", "v", "v", "s", ""},
      {"", "'*x'", "'*x'", "s", ""},
      // A record is kept for the same kind, or when the old one is h or rp.
      {desc + "fld_to_dcl_i('CustName', s, [old]).", "'CustName'", "'CustName'", "s",
       "fld_to_dcl_i('CustName',s,[old]) "},
      {desc + "fld_to_dcl_i('CustName', h, [old]).", "'CustName'", "'CustName'", "s",
       "fld_to_dcl_i('CustName',h,[old]) "},
      {desc + "fld_to_dcl_i('CustName', rp, [old]).", "'CustName'", "'CustName'", "h",
       "fld_to_dcl_i('CustName',rp,[old]) "},
      // Kind h replaces another kind's record, at the end.
      {desc + "fld_to_dcl_i('CustName', s, [old]). fld_to_dcl_i(y, s, [y]).", "'CustName'",
       "'CustName'", "h", "fld_to_dcl_i(y,s,[y]) fld_to_dcl_i('CustName',h,[old]) "},
      // A new record from the description, with its flag.
      {desc, "'CustName'", "'CustName'", "s",
       "fld_to_dcl_i('CustName',s,['CustName',char,30,0,0]) "},
      // A standard variable is signed.
      {"", "'Qnoper'", "'Qnoper'", "s", "fld_to_dcl_i('Qnoper',s,['Qnoper',char,30,0,1]) "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.facts + " " + c.name);
    Fixture f(c.facts);
    EXPECT_TRUE(record_var_decl(f.run, t(c.att), t(c.name), c.kind));
    EXPECT_EQ(f.all("fld_to_dcl_i", 3), c.records);
  }
  // Any other attribute: its knowledge-base type, flag 1, and a type entry
  // for the name; an attribute the knowledge base lacks fails.
  golden::detail::CaseKb kb(std::filesystem::path(QN_SOURCE_DIR) / "examples/sample-model/kb.txt",
                            1);
  Fixture f("model_num_i(1).");
  EXPECT_TRUE(record_var_decl(f.run, t("2"), t("v"), "s"));
  EXPECT_EQ(f.all("fld_to_dcl_i", 3), "fld_to_dcl_i(v,s,[2,char,30,0,1]) ");
  EXPECT_EQ(f.all("attri_i", 2), "attri_i(v,[v,char,30,0,\"\",1]) ");
  EXPECT_FALSE(record_var_decl(f.run, t("999"), t("w"), "s"));
}

TEST(Variables, DeclarationsKeepTheirTypeEntry) {
  Fixture f("attri_i(x, [x, int, 9, 0, '', 1]).");
  EXPECT_TRUE(declare_var(f.run, t("x"), t("[char, 5, 0, 1]"), "s", t("[]")));
  EXPECT_TRUE(declare_var(f.run, t("arguments"), t("[obj('Object[]'), 1, 0, 0]"), "s", t("[]")));
  EXPECT_EQ(
      f.all("attri_i", 2),
      "attri_i(x,[x,int,9,0,'',1]) attri_i(arguments,[arguments,obj('Object[]'),1,0,\"\",0]) ");
  EXPECT_EQ(f.all("fld_to_dcl_i", 3),
            "fld_to_dcl_i(x,s,[x,int,9,0,1]) "
            "fld_to_dcl_i(arguments,s,[arguments,obj('Object[]'),1,0,0]) ");
  // An initial value needs the expression translator.
  EXPECT_FALSE(declare_var(f.run, t("y"), t("[int, 4, 0, 1]"), "s", t("[t('1', 3)]")));
}

TEST(Variables, AuxiliaryNamesAndSqlReferences) {
  Fixture f(
      "p_auxname(a, 'AV1a'). is_i(b, [t('&x', 23)]). attri_i(c, [c, int, 4, 0, '', 1]). "
      "sql_level_i(2). attri_i(d, [d, int, 4, 0, '', 1]). "
      // Level 2 shows the form's subfile 1, whose elements are [d].
      "lit_i(1, 1, s(1), []). sf_break_i(2, 1). subfile_elements_i(1, [d]).");
  EXPECT_EQ(auxname(f.run, t("a")), "AV1a");
  EXPECT_EQ(auxname(f.run, t("b")), "x");  // the translator's Java name of &x
  EXPECT_EQ(auxname(f.run, t("c")), std::nullopt);
  EXPECT_EQ(parm_var_ref(t("c"), "this.c"), "this.c");
  EXPECT_EQ(sql_var_ref(f.run, t("c"), "c"), "c");
  EXPECT_EQ(sql_var_ref(f.run, t("d"), "d"), "d");
  EXPECT_EQ(f.all("fld_to_dcl_i", 3), "fld_to_dcl_i(c,s,[c,int,4,0,1]) ");
}

TEST(Variables, ControlAndAttributeVariables) {
  Fixture f("attri_i(a, [a, int, 4, 0, '', 1]). p_auxname(a, 'AV1a').");
  struct Case {
    const char* control;
    bool declared;
  } cases[] = {{"Wname", true}, {"Oname", true}, {"lname", true},  {"Lname", true},
               {"Xname", true}, {"Ename", true}, {"Bname", false}, {"wname", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.control);
    EXPECT_TRUE(declare_ctl_var(f.run, Term::atom(c.control), t("a")));
    EXPECT_EQ(f.eng.facts().exists(*engine::parse_term(std::string("fld_to_dcl_i('") + c.control +
                                                       "', s, [a, int, 4, 0, 1])")),
              c.declared);
  }
  EXPECT_EQ(get_att_var(f.run, t("a")), "AV1a");
  EXPECT_TRUE(f.eng.facts().exists(t("fld_to_dcl_i('AV1a', s, [a, int, 4, 0, 1])")));
  EXPECT_EQ(get_att_var(f.run, t("b")), std::nullopt);
}

TEST(Variables, TargetReferences) {
  const std::string facts = "attri_i(a, ['CustName', char, 30, 0, '', 1]). p_auxname(a, 'AV1a'). ";
  struct Case {
    const char* levels;
    const char* scope;
    const char* ref;
    bool recorded;
  } cases[] = {
      // A member of another object is declared by whoever made it.
      {"[[b, 'other'], [a, 'this.a']]", "dec", "this.a", false},
      {"[[b, 'other'], [a, 'Local']]", "dec", "Local", true},
      {"[]", "dec", "AV1a", true},
      {"[]", "nodec", "AV1a", false},
      // The table-qualified column: its SQL host variable, the auxiliary.
      {"[[a, 3]]", "dec", "AV1a", true},
      {"[[b, 'x']]", "nodec", "CustName", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.levels) + " " + c.scope);
    Fixture f(facts);
    EXPECT_EQ(var_target_ref(f.run, t("a"), t(c.levels), c.scope), c.ref);
    // The Java reference is the declared name, the variable its attribute.
    EXPECT_EQ(f.all("fld_to_dcl_i", 3),
              c.recorded
                  ? "fld_to_dcl_i(" + engine::writeq(Term::atom(c.ref)) + ",s,[a,char,30,0,1]) "
                  : "");
  }
}

// The class declares the names the code uses: "&B" is written B, an
// attribute by its described name.
TEST(Variables, DeclarationsNameTheJavaReference) {
  Fixture f(
      "attri_i('&B', ['B', int, 4, 0, '', 0]). attri_i(days, ['ADAYS', int, 9, 0, '', 1]). "
      "rule_i(1, dim('&B', [10])).");
  f.run.capture_output();
  EXPECT_EQ(var_target_ref(f.run, t("'&B'"), t("[]"), "dec"), "B");
  EXPECT_EQ(var_target_ref(f.run, t("days"), t("[]"), "dec"), "ADAYS");
  EXPECT_EQ(var_target_ref(f.run, t("'&Undescribed'"), t("[]"), "dec"), "Undescribed");
  ASSERT_TRUE(gen_var_declarations(f.run));
  EXPECT_EQ(f.run.capture()->all_lines(),
            (std::vector<std::string>{"protected short B[] ;", "protected int ADAYS ;"}));
}

TEST(Variables, TargetReferencesRecordAsTheDeclarationsChange) {
  Fixture f("attri_i(a, ['CustName', char, 30, 0, '', 1]). ");
  const auto ref = [&] { return var_target_ref(f.run, t("a"), t("[]"), "dec"); };
  EXPECT_EQ(ref(), "CustName");
  EXPECT_EQ(ref(), "CustName");
  EXPECT_EQ(f.all("fld_to_dcl_i", 3), "fld_to_dcl_i('CustName',s,[a,char,30,0,1]) ");
  // The object's declarations cleared: the next reference records again.
  f.eng.facts().abolish("fld_to_dcl_i", 3);
  EXPECT_EQ(ref(), "CustName");
  EXPECT_EQ(f.all("fld_to_dcl_i", 3), "fld_to_dcl_i('CustName',s,[a,char,30,0,1]) ");
  // An is_i name records nothing; once its is_i goes, it records.
  f.eng.facts().abolish("fld_to_dcl_i", 3);
  f.eng.facts().assertz(t("is_i(a, [t(b, 23)])"));
  ref();
  EXPECT_EQ(f.all("fld_to_dcl_i", 3), "");
  f.eng.facts().abolish("is_i", 2);
  EXPECT_EQ(ref(), "CustName");
  EXPECT_EQ(f.all("fld_to_dcl_i", 3), "fld_to_dcl_i('CustName',s,[a,char,30,0,1]) ");
  // Declared first with another kind: every reference adds its s clause.
  f.eng.facts().abolish("fld_to_dcl_i", 3);
  f.eng.facts().assertz(t("fld_to_dcl_i('CustName', p, [a, char, 30, 0, 1])"));
  ref();
  ref();
  EXPECT_EQ(f.all("fld_to_dcl_i", 3),
            "fld_to_dcl_i('CustName',p,[a,char,30,0,1]) fld_to_dcl_i('CustName',s,[a,char,30,0,1]) "
            "fld_to_dcl_i('CustName',s,[a,char,30,0,1]) ");
}

TEST(Variables, ReadCommittedMatrix) {
  struct Case {
    std::string facts;
    const char* flag;
  } cases[] = {
      {"spec_i([trn, 1, 'T', t]). rule_i(0, prop('READUNC', 'Yes')).", "false"},
      {"spec_i([scr, 1, 'T', t]). rule_i(0, prop('READUNC', 'No')).", "true"},
      {"spec_i([scr, 1, 'W', w]).", "true"},
      {"spec_i([scr, 1, 'W', w]). rule_i(0, prop('READUNC_WKP', no)).", "true"},
      {"spec_i([scr, 1, 'W', w]). rule_i(0, prop('READUNC_WKP', 'YES')).", "false"},
      {"spec_i([rpt, 1, 'R', r]).", "true"},
      {"spec_i([rpt, 1, 'R', r]). rule_i(0, prop('READUNC_RPT', 'YES')).", "false"},
      {"spec_i([web, 1, 'H', h]).", "true"},
      {"spec_i([web, 1, 'H', h]). rule_i(0, prop('READUNC_WEB', 'YES')).", "false"},
      {"spec_i([trn, 1, 'T', t]).", "false"},
      {"spec_i([trn, 1, 'T', t]). rule_i(0, prop('READUNC_TRN', 'No')).", "true"},
      {"spec_i([proc, 1, 'P', p]).", "false"},
      {"spec_i([proc, 1, 'P', p]). rule_i(0, prop('READUNC_PRC', 'NO')).", "true"},
      {"spec_i([proc, 1, 'P', p]). rule_i(0, prop('READUNC_TRN', 'NO')).", "false"},
      {"spec_i([mbr, 1, 'B', b]).", "false"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.facts);
    Fixture f(c.facts);
    EXPECT_EQ(read_committed_flag(f.run), c.flag);
  }
}

TEST(Variables, FieldVisibility) {
  struct Case {
    std::string facts;
    const char* cls;
    const char* visibility;
  } cases[] = {
      {"spec_i([trn, 1, 'T', t]). is_remote_object(v).", "QNSubfile", "protected"},
      {"spec_i([trn, 1, 'T', t]).", "QNSubfile", "public"},
      {"spec_i([trn, 1, 'T', t]).", "GUIObjectText", "public"},
      {"spec_i([trn, 1, 'T', t]).", "IQNButton", "public"},
      {"spec_i([trn, 1, 'T', t]).", "QNSubfil", "protected"},
      {"spec_i([trn, 1, 'T', t]). trn_server_side_i.", "QNSubfile", "protected"},
      {"spec_i([scr, 1, 'W', w]).", "QNSubfile", "protected"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.facts + " " + c.cls);
    Fixture f(c.facts);
    EXPECT_EQ(field_visibility(f.run, t("v"), c.cls), c.visibility);
  }
  // A remote object is reported once.
  Fixture f("spec_i([trn, 1, 'T', t]). is_remote_object(v).");
  EXPECT_EQ(field_visibility(f.run, t("v"), "QNSubfile"), "protected");
  EXPECT_EQ(field_visibility(f.run, t("v"), "QNSubfile"), "public");
}

}  // namespace
}  // namespace qn::logic

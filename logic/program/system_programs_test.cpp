// Both tables of system programs, row by row, and the choice between them.
#include "logic/program/system_programs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/engine.h"

namespace qn::logic {
namespace {

std::string row_text(const SystemProgram& s) {
  std::string out = s.method + "(";
  for (size_t i = 0; i < s.parms.size(); ++i) out += (i ? ", " : "") + system_parm_text(s.parms[i]);
  return out + ")";
}

std::string rep(const std::string& p, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += (i ? ", " : "") + p;
  return out;
}

TEST(SystemPrograms, MainTable) {
  const std::string ftp = "com.quenora.internet.QNFTP.", xls = "com.quenora.office.QNOffice.",
                    mail = "com.quenora.internet.QNMail.", dlg = "QNCommonDialogs.";
  const std::string c9 = "i char(9)", i9 = "i int(9)";
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"rseed", "QNutil.rseed(i int(16,2))"},
      {"qnftpcon", ftp + "connect(" + rep(c9, 3) + ")"},
      {"qnftpget", ftp + "get(" + rep(c9, 3) + ")"},
      {"qnftpput", ftp + "put(" + rep(c9, 3) + ")"},
      {"qnftpdis", ftp + "disconnect()"},
      {"qnftpstat", ftp + "status(o char(9))"},
      {"qnftperror", ftp + "lastError(o int(9))"},
      {"qnxlsvie", xls + "xlsVie(" + c9 + ")"},
      {"qnxlsval", xls + "xlsVal(" + c9 + ", i any, " + rep(i9, 3) + ", " + c9 + ", " + rep(i9, 2) + ")"},
      {"qnxlscre", xls + "xlsCre(i any, " + rep(i9, 2) + ", i any, " + i9 + ", " + c9 + ")"},
      {"qnxclose", xls + "xlsClose(" + i9 + ")"},
      {"qnxsave", xls + "xlsSave(" + i9 + ")"},
      {"qnxclear", xls + "xlsClear(" + i9 + ")"},
      {"qnxshow", xls + "xlsShow(" + i9 + ")"},
      {"qnxhide", xls + "xlsHide(" + i9 + ")"},
      {"qnxput", xls + "xlsPut(" + i9 + ", i any, " + rep(i9, 2) + ", " + c9 + ", " + rep(i9, 2) + ")"},
      {"qnxopen", xls + "xlsOpen(i char(10), o int(9))"},
      {"qnxtype", xls + "xlsType(" + rep(i9, 3) + ", o char(9))"},
      {"qnxget", xls + "xlsGet(" + i9 + ", o any, " + rep(i9, 2) + ", o char(10), " + rep("o int(9)", 2) + ")"},
      {"readproperty", "QNutil.readProperty(" + rep(c9, 2) + ", o char(9))"},
      {"saveproperty", "QNutil.saveProperty(" + rep(c9, 3) + ")"},
      {"qnsetfrm", "com.quenora.reports.ReportsUtil.qnsetfrm()"},
      {"qnselpict", dlg + "qnselpict(o char(9), " + rep(c9, 4) + ")"},
      {"qnnewfile", dlg + "qnnewfile(o char(9), " + rep(c9, 4) + ")"},
      {"qnselprn", dlg + "qnselprn(o char(9))"},
      {"qncalculate", dlg + "qncalculate(o int(15,3))"},
      {"qncopyfile", dlg + "qncopyfile(" + rep(c9, 2) + ")"},
      {"qnselfont", dlg + "qnselfont(o char(9), o int(12), o char(9))"},
      {"qnselcolor", dlg + "qnselcolor(o int(9), " + i9 + ")"},
      {"qnselfile", dlg + "qnselfile(o char(9), " + rep(c9, 4) + ", " + i9 + ")"},
      {"qnseldir", dlg + "qnseldir(o char(9), " + rep(c9, 2) + ")"},
      {"qnmlgin", mail + "qnmlon(" + c9 + ")"},
      {"qnmsnd", mail + "qnmsnd(" + rep(c9, 3) + ", " + i9 + ")"},
      {"qnmsndb", mail + "qnmsndb(" + rep(c9, 4) + ", " + i9 + ")"},
      {"qnmlgout", mail + "qnmloff()"},
      {"qnmsend", mail + "qnmsend(" + rep(c9, 6) + ", " + rep(i9, 2) + ", " + c9 + ")"},
      {"qnmloginpop3", mail + "qnMLoginPOP3(" + rep(c9, 3) + ", " + rep(i9, 2) + ", " + c9 + ")"},
      {"qnmreceive", mail + "qnMReceive(" + rep("o char(9)", 3) + ", o dtime(8), " + rep("o char(9)", 3) + ")"},
      {"qnmerror", mail + "qnMError(o int(9))"},
      {"qnmlogout", mail + "qnMLogout()"},
      {"qnmdisplaymessages", mail + "qnMDisplayMessages(" + i9 + ")"},
      {"qnmaddressformat", mail + "qnMAddressFormat(" + i9 + ")"},
      {"webputsessionvalue", "webPutSessionValue(i char(30), i any)"},
      {"webgetsessionvalue", "webGetSessionValue(i char(30), o any)"},
      {"websessionid", "webSessionId(o char(30))"},
      {"qnmattachdir", mail + "qnMAttachDir(" + c9 + ")"},
      {"sendtableheader", "sendTableHeader(" + rep(c9, 3) + ")"},
      {"dfrgtxt(", "DelimitedFiles.dfrgtxt(o char(255), i int(4))"},
      {"dfrgnum(", "DelimitedFiles.dfrgnum(o int(0,4))"},
      {"dfrgdate(", "DelimitedFiles.dfrgdate(o date(8), i char(3), i char(1))"},
  };
  EXPECT_EQ(system_program_keys(false).size(), rows.size());
  for (const auto& [key, text] : rows) {
    SCOPED_TRACE(key);
    auto s = system_program_row(key, false);
    ASSERT_TRUE(s);
    EXPECT_EQ(row_text(*s), text);
  }
}

TEST(SystemPrograms, OfficeTable) {
  const std::string i9 = "i int(9)", st = "o int(9)";
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"qnxopen", "i char(255)"}, {"qnxshow", i9}, {"qnxclose", i9}, {"qnxsave", i9},
      {"qnxhide", i9}, {"qnxclear", i9}, {"qnxdspmsg", i9}, {"qnxautofit", i9},
      {"qnxreadonly", i9}, {"qnxget", rep(i9, 3) + ", o any"}, {"qnxput", rep(i9, 3) + ", i any"},
      {"qnxtype", rep(i9, 3) + ", o char(10)"}, {"qnxerror", ""},
      {"qnxdefaultpath", "i char(255)"},
      {"qnxgetformat", rep(i9, 3) + ", o int(10), o char(254), o int(14,2)"},
      {"qnxputformat", rep(i9, 6) + ", i char(254), i int(14,2)"},
      {"qnxprint", rep(i9, 2)}, {"qnxselectsheet", i9 + ", i char(254)"},
      {"qnxrenamesheet", i9 + ", i char(254)"}, {"qnxtemplate", "i char(254)"},
      {"qnwopen", "i char(254), o int(9)"}, {"qnwclose", i9}, {"qnwsave", i9}, {"qnwshow", i9},
      {"qnwhide", i9}, {"qnwreadonly", i9}, {"qnwspellcheck", i9}, {"qnwdspmsg", i9},
      {"qnwsaveas", i9 + ", " + rep("i char(254)", 2) + ", " + rep(i9, 2)},
      {"qnwget", i9 + ", o char(254)"}, {"qnwput", i9 + ", i char(254), " + i9},
      {"qnwprint", rep(i9, 3)}, {"qnwtemplate", "i char(255)"},
      {"qnwreplace", i9 + ", " + rep("i char(255)", 2) + ", " + rep(i9, 2)}, {"qnwerror", ""},
      {"qnmmode", "i char(1)"}, {"qnmloginmapi", "i char(30), " + rep(i9, 2)},
      {"qnmloginsmtp", rep("i char(30)", 5) + ", " + i9},
      {"qnmloginpop3", rep("i char(30)", 3) + ", " + rep(i9, 3)}, {"qnmlogout", ""},
      {"qnmsend", rep("i char(30)", 6)},
      {"qnmreceive", rep("o char(30)", 6) + ", " + rep("o date(30)", 2)},
      {"qnmchangefolder", "i char(30), " + rep(i9, 2)}, {"qnmeditwindow", i9},
      {"qnmaddressformat", i9}, {"qnmdspmsg", i9}, {"qnmattachdir", "i char(254)"},
      {"qnmcount", ""}, {"qnmerror", ""},
  };
  EXPECT_EQ(system_program_keys(true).size(), rows.size());
  for (const auto& [key, parms] : rows) {
    SCOPED_TRACE(key);
    auto s = system_program_row(key, true);
    ASSERT_TRUE(s);
    EXPECT_EQ(row_text(*s), "com.quenora.qnoffice.QnOffice.getQNOffice()." + key + "(" + parms +
                                (parms.empty() ? "" : ", ") + st + ")");
  }
}

// USE_QNOFFICE Y: the office table first, except for rseed; a key of
// neither table is no system program.
TEST(SystemPrograms, OfficeTableFirstWithUseQnoffice) {
  engine::Engine eng;
  logic::Run plain(eng);
  EXPECT_EQ(system_program(plain, "qnxopen")->method, "com.quenora.office.QNOffice.xlsOpen");
  EXPECT_FALSE(system_program(plain, "acalc"));
  EXPECT_EQ(system_program(plain, "dfrgdate")->method, "DelimitedFiles.dfrgdate");
  ASSERT_TRUE(eng.consult_text("rule_i(0, prop('USE_QNOFFICE', 'Y')).", false));
  logic::Run office(eng);
  EXPECT_EQ(system_program(office, "qnxopen")->method,
            "com.quenora.qnoffice.QnOffice.getQNOffice().qnxopen");
  EXPECT_EQ(system_program(office, "qnxopen")->parms.size(), 2u);
  EXPECT_EQ(system_program(office, "rseed")->method, "QNutil.rseed");
  EXPECT_EQ(system_program(office, "qnxlsvie")->method, "com.quenora.office.QNOffice.xlsVie");
}

}  // namespace
}  // namespace qn::logic

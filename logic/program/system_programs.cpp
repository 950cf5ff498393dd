#include "logic/program/system_programs.h"

#include <sstream>

#include "logic/core/options.h"
#include "platform/cp1252.h"

namespace qn::logic {

namespace {

// A row: key, Java method, parameters as "mode type length[.decimals][*count]"
// separated by ",".
struct Row {
  const char* key;
  const char* method;
  const char* parms;
};

constexpr const char* kFtp = "com.quenora.internet.QNFTP.";
constexpr const char* kXls = "com.quenora.office.QNOffice.";
constexpr const char* kMail = "com.quenora.internet.QNMail.";
constexpr const char* kDlg = "QNCommonDialogs.";

const std::vector<std::pair<std::string, Row>>& main_rows() {
  static const std::vector<std::pair<std::string, Row>> rows = [] {
    const auto p = [](const char* prefix, const char* name) { return std::string(prefix) + name; };
    std::vector<std::pair<std::string, Row>> r;
    const auto add = [&](const char* key, std::string method, const char* parms) {
      r.push_back({method, Row{key, nullptr, parms}});
    };
    add("rseed", "QNutil.rseed", "i int 16.2");
    add("qnftpcon", p(kFtp, "connect"), "i char 9*3");
    add("qnftpget", p(kFtp, "get"), "i char 9*3");
    add("qnftpput", p(kFtp, "put"), "i char 9*3");
    add("qnftpdis", p(kFtp, "disconnect"), "");
    add("qnftpstat", p(kFtp, "status"), "o char 9");
    add("qnftperror", p(kFtp, "lastError"), "o int 9");
    add("qnxlsvie", p(kXls, "xlsVie"), "i char 9");
    add("qnxlsval", p(kXls, "xlsVal"), "i char 9, i any, i int 9*3, i char 9, i int 9*2");
    add("qnxlscre", p(kXls, "xlsCre"), "i any, i int 9*2, i any, i int 9, i char 9");
    add("qnxclose", p(kXls, "xlsClose"), "i int 9");
    add("qnxsave", p(kXls, "xlsSave"), "i int 9");
    add("qnxclear", p(kXls, "xlsClear"), "i int 9");
    add("qnxshow", p(kXls, "xlsShow"), "i int 9");
    add("qnxhide", p(kXls, "xlsHide"), "i int 9");
    add("qnxput", p(kXls, "xlsPut"), "i int 9, i any, i int 9*2, i char 9, i int 9*2");
    add("qnxopen", p(kXls, "xlsOpen"), "i char 10, o int 9");
    add("qnxtype", p(kXls, "xlsType"), "i int 9*3, o char 9");
    add("qnxget", p(kXls, "xlsGet"), "i int 9, o any, i int 9*2, o char 10, o int 9*2");
    add("readproperty", "QNutil.readProperty", "i char 9*2, o char 9");
    add("saveproperty", "QNutil.saveProperty", "i char 9*3");
    add("qnsetfrm", "com.quenora.reports.ReportsUtil.qnsetfrm", "");
    add("qnselpict", p(kDlg, "qnselpict"), "o char 9, i char 9*4");
    add("qnnewfile", p(kDlg, "qnnewfile"), "o char 9, i char 9*4");
    add("qnselprn", p(kDlg, "qnselprn"), "o char 9");
    add("qncalculate", p(kDlg, "qncalculate"), "o int 15.3");
    add("qncopyfile", p(kDlg, "qncopyfile"), "i char 9*2");
    add("qnselfont", p(kDlg, "qnselfont"), "o char 9, o int 12, o char 9");
    add("qnselcolor", p(kDlg, "qnselcolor"), "o int 9, i int 9");
    add("qnselfile", p(kDlg, "qnselfile"), "o char 9, i char 9*4, i int 9");
    add("qnseldir", p(kDlg, "qnseldir"), "o char 9, i char 9*2");
    add("qnmlgin", p(kMail, "qnmlon"), "i char 9");
    add("qnmsnd", p(kMail, "qnmsnd"), "i char 9*3, i int 9");
    add("qnmsndb", p(kMail, "qnmsndb"), "i char 9*4, i int 9");
    add("qnmlgout", p(kMail, "qnmloff"), "");
    add("qnmsend", p(kMail, "qnmsend"), "i char 9*6, i int 9*2, i char 9");
    add("qnmloginpop3", p(kMail, "qnMLoginPOP3"), "i char 9*3, i int 9*2, i char 9");
    add("qnmreceive", p(kMail, "qnMReceive"), "o char 9*3, o dtime 8, o char 9*3");
    add("qnmerror", p(kMail, "qnMError"), "o int 9");
    add("qnmlogout", p(kMail, "qnMLogout"), "");
    add("qnmdisplaymessages", p(kMail, "qnMDisplayMessages"), "i int 9");
    add("qnmaddressformat", p(kMail, "qnMAddressFormat"), "i int 9");
    add("webputsessionvalue", "webPutSessionValue", "i char 30, i any");
    add("webgetsessionvalue", "webGetSessionValue", "i char 30, o any");
    add("websessionid", "webSessionId", "o char 30");
    add("qnmattachdir", p(kMail, "qnMAttachDir"), "i char 9");
    add("sendTableHeader", "sendTableHeader", "i char 9*3");
    add("dfrgtxt(", "DelimitedFiles.dfrgtxt", "o char 255, i int 4");
    add("dfrgnum(", "DelimitedFiles.dfrgnum", "o int 0.4");
    add("dfrgdate(", "DelimitedFiles.dfrgdate", "o date 8, i char 3, i char 1");
    return r;
  }();
  return rows;
}

// The office table: each key's own parameters, then the output status.
const std::vector<std::pair<const char*, const char*>>& office_rows() {
  static const std::vector<std::pair<const char*, const char*>> rows = {
      {"qnxopen", "i char 255"},       {"qnxshow", "i int 9"},
      {"qnxclose", "i int 9"},         {"qnxsave", "i int 9"},
      {"qnxhide", "i int 9"},          {"qnxclear", "i int 9"},
      {"qnxdspmsg", "i int 9"},        {"qnxautofit", "i int 9"},
      {"qnxreadonly", "i int 9"},      {"qnxget", "i int 9*3, o any"},
      {"qnxput", "i int 9*3, i any"},  {"qnxtype", "i int 9*3, o char 10"},
      {"qnxerror", ""},                {"qnxdefaultpath", "i char 255"},
      {"qnxgetformat", "i int 9*3, o int 10, o char 254, o int 14.2"},
      {"qnxputformat", "i int 9*6, i char 254, i int 14.2"},
      {"qnxprint", "i int 9*2"},       {"qnxselectsheet", "i int 9, i char 254"},
      {"qnxrenamesheet", "i int 9, i char 254"},
      {"qnxtemplate", "i char 254"},   {"qnwopen", "i char 254, o int 9"},
      {"qnwclose", "i int 9"},         {"qnwsave", "i int 9"},
      {"qnwshow", "i int 9"},          {"qnwhide", "i int 9"},
      {"qnwreadonly", "i int 9"},      {"qnwspellcheck", "i int 9"},
      {"qnwdspmsg", "i int 9"},        {"qnwsaveas", "i int 9, i char 254*2, i int 9*2"},
      {"qnwget", "i int 9, o char 254"},
      {"qnwput", "i int 9, i char 254, i int 9"},
      {"qnwprint", "i int 9*3"},       {"qnwtemplate", "i char 255"},
      {"qnwreplace", "i int 9, i char 255*2, i int 9*2"},
      {"qnwerror", ""},                {"qnmmode", "i char 1"},
      {"qnmloginmapi", "i char 30, i int 9*2"},
      {"qnmloginsmtp", "i char 30*5, i int 9"},
      {"qnmloginpop3", "i char 30*3, i int 9*3"},
      {"qnmlogout", ""},               {"qnmsend", "i char 30*6"},
      {"qnmreceive", "o char 30*6, o date 30*2"},
      {"qnmchangefolder", "i char 30, i int 9*2"},
      {"qnmeditwindow", "i int 9"},    {"qnmaddressformat", "i int 9"},
      {"qnmdspmsg", "i int 9"},        {"qnmattachdir", "i char 254"},
      {"qnmcount", ""},                {"qnmerror", ""},
  };
  return rows;
}

std::vector<SystemParm> parse_parms(std::string_view text) {
  std::vector<SystemParm> out;
  std::stringstream items{std::string(text)};
  std::string item;
  while (std::getline(items, item, ',')) {
    std::stringstream words(item);
    std::string mode, type, size;
    words >> mode >> type >> size;
    if (mode.empty()) continue;
    SystemParm p{mode[0], type};
    int count = 1;
    if (const auto star = size.find('*'); star != std::string::npos) {
      count = std::stoi(size.substr(star + 1));
      size = size.substr(0, star);
    }
    if (!size.empty()) {
      const auto dot = size.find('.');
      p.length = std::stoll(size.substr(0, dot));
      if (dot != std::string::npos) p.decimals = std::stoll(size.substr(dot + 1));
    }
    for (int i = 0; i < count; ++i) out.push_back(p);
  }
  return out;
}

}  // namespace

std::vector<std::string> system_program_keys(bool office) {
  std::vector<std::string> keys;
  if (office) {
    for (const auto& [key, parms] : office_rows()) keys.push_back(key);
  } else {
    for (const auto& [method, row] : main_rows()) keys.push_back(row.key);
  }
  return keys;
}

std::optional<SystemProgram> system_program_row(std::string_view key, bool office) {
  if (office) {
    for (const auto& [k, parms] : office_rows()) {
      if (key != k) continue;
      SystemProgram s{"com.quenora.qnoffice.QnOffice.getQNOffice()." + std::string(k),
                      parse_parms(parms)};
      s.parms.push_back({'o', "int", 9, 0});
      return s;
    }
    return std::nullopt;
  }
  for (const auto& [method, row] : main_rows()) {
    // Keys compare ignoring case: the caller's target is lower-cased, and
    // sendTableHeader would otherwise never be found.
    if (platform::lower_1252(key) == platform::lower_1252(row.key)) {
      return SystemProgram{method, parse_parms(row.parms)};
    }
  }
  return std::nullopt;
}

std::optional<SystemProgram> system_program(Run& run, std::string_view key) {
  // The delimited-file functions are listed with their "(", which a call's
  // target has lost.
  if (!key.empty() && key.back() != '(') {
    if (auto s = system_program(run, std::string(key) + "(")) return s;
  }
  const bool office = platform::upper_1252(pgm_prop_value(run, "USE_QNOFFICE").value_or("")) == "Y";
  if (office && key != "rseed") {
    if (auto s = system_program_row(key, true)) return s;
  }
  return system_program_row(key, false);
}

std::string system_parm_text(const SystemParm& p) {
  std::string out = std::string(1, p.mode) + " " + p.type;
  if (p.type == "any") return out;
  out += "(" + std::to_string(p.length);
  if (p.decimals != 0) out += "," + std::to_string(p.decimals);
  return out + ")";
}

}  // namespace qn::logic

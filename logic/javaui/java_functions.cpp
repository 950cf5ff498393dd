#include "logic/javaui/java_functions.h"

#include <algorithm>
#include <unordered_map>

#include "logic/core/rule_terms.h"
#include "logic/program/expressions.h"
#include "logic/program/type_adapter.h"

namespace qn::logic {

using engine::Term;

namespace {

FnParm C(int64_t n) { return {type_desc("char", n)}; }
FnParm I(int64_t n, int64_t d = 0, int64_t s = 0) { return {type_desc("int", n, d, s)}; }
FnParm D(int64_t n = 8, int64_t d = 0) { return {type_desc("date", n, d)}; }
FnParm T(int64_t n = 10, int64_t d = 8) { return {type_desc("dtime", n, d)}; }
FnParm Ref(FnParm p) {
  p.by_ref = true;
  return p;
}
const FnParm kNone{};  // [] in the server-clock functions
OptType c(int64_t n) { return type_desc("char", n); }
OptType i(int64_t n, int64_t d = 0, int64_t s = 0) { return type_desc("int", n, d, s); }
OptType d(int64_t n = 8, int64_t dec = 0) { return type_desc("date", n, dec); }
OptType t(int64_t n = 10, int64_t dec = 8) { return type_desc("dtime", n, dec); }
OptType b(int64_t n) { return type_desc("boolean", n); }

constexpr const char* kWeb = "com.quenora.webpanels.QNWebPanel";

const std::vector<JavaFunctionRow>& rows() {
  static const std::vector<JavaFunctionRow> r = [] {
    const std::string w = kWeb;
    static const std::string dyn = w + ".getDynURL", created = w + ".isStaticCreated",
                             overwrite = w + ".isStaticOverwrite", expand = w + ".isExpandLinks",
                             generation = w + ".isStaticGeneration", dir = w + ".getStaticDir",
                             copy = w + ".copyFiles", prefix = w + ".prefixURL",
                             convert = w + ".convertURL";
    std::vector<JavaFunctionRow> v = {
        {{"FormatDouble("}, {}, {}, {}, FnCond::kAny, "str("},
        {{"deletefile("}, {"QNutil.deleteFile"}, {C(254)}, i(1)},
        {{"wasvisited("}, {"wasVisited"}, {C(254)}, i(1)},
        {{"staticdynurl("}, {dyn.c_str()}, {}, c(254)},
        {{"staticgenerated("}, {created.c_str()}, {C(254)}, i(1)},
        {{"staticoverwrite("}, {overwrite.c_str()}, {}, i(1)},
        {{"staticexpandlinks("}, {expand.c_str()}, {}, i(1)},
        {{"staticgeneration("}, {generation.c_str()}, {}, i(1)},
        {{"staticdir("}, {dir.c_str()}, {}, c(40)},
        {{"fileexist("}, {"QNutil.fileExists"}, {C(254)}, i(1)},
        {{"remoteaddr("}, {"getRemoteAddr"}, {}, c(254)},
        {{"browserid("}, {"getBrowserType"}, {}, i(254)},
        {{"browserversion("}, {"getBrowserVersion"}, {}, c(254)},
        {{"transformNumeric("}, {"localUtil.format"}, {I(14, 2), C(254)}, c(254)},
        {{"transformChar("}, {"localUtil.format"}, {C(254), C(254)}, c(254)},
        {{"transformDate("}, {"localUtil.format"}, {D(8), C(254)}, c(254)},
        {{"transformDateTime("}, {"localUtil.format"}, {T(10, 8), C(254)}, c(254)},
        {{"FormatInt(", "FormatLong("}, {"QNutil.formatLong"}, {I(10)}, c(254)},
        {{"CGIGet("}, {"cgiGet"}, {C(18)}, c(9)},
        {{"GetNextPar("}, {"GetNextPar"}, {}, c(254)},
        {{"websessionid("}, {"webSessionId"}, {}, c(50)},
        {{"formatLink("}, {"formatLink"}, {C(9)}, c(9)},
        {{"GetFont("}, {"getHTMLFont"}, {C(9), I(9), C(8)}, c(9)},
        {{"HtmlColor("}, {"getHTMLColor"}, {I(12)}, c(9)},
        {{"str("}, {"QNutil.str"}, {I(18, 2, 1), I(9, 0, 1), I(9, 0, 1)}, c(254)},
        {{"wrkst("}, {"QNutil.wrkst"}, {}, c(40)},
        {{"servernow("}, {"QNutil.serverNow"}, {kNone, I(9), C(254)}, t(8, 0)},
        {{"servertime("}, {"QNutil.serverTime"}, {kNone, I(9), C(254)}, c(8)},
        {{"setenvproperty("}, {"PrivateUtilities.setSystemProperty"}, {C(254), C(254)}, i(8)},
        {{"copystaticfiles("}, {copy.c_str()}, {}, i(8)},
        {{"serverdate("}, {"QNutil.serverDate"}, {kNone, I(9), C(254)}, d(8)},
        {{"userid("}, {"getUserId"}, {C(1), I(9), I(9), C(254)}, c(40), FnCond::kWebPanel},
        {{"userid("}, {"QNutil.userId"}, {C(1), I(9), I(9), C(254)}, c(40), FnCond::kNotWebPanel},
        {{"cursor("}, {"cursor"}, {C(254)}, b(1)},
        {{"hour(", "minute(", "second("},
         {"QNutil.hour", "QNutil.minute", "QNutil.second"},
         {T(10, 8)},
         i(9)},
        {{"day(", "month(", "year("}, {"QNutil.day", "QNutil.month", "QNutil.year"}, {D(8)}, i(9)},
        {{"cdow(", "cmonth("}, {"localUtil.cdow", "localUtil.cmonth"}, {D(8), C(3)}, c(254)},
        {{"concat("}, {"QNutil.concat"}, {C(254), C(254), C(254)}, c(254)},
        {{"space("}, {"QNutil.space"}, {I(4)}, c(254)},
        {{"right(", "left("}, {"QNutil.right", "QNutil.left"}, {C(254), I(3)}, c(254)},
        {{"alltrim("}, {"QNutil.alltrim"}, {C(254)}, c(254)},
        {{"prefixurl("}, {prefix.c_str()}, {C(254)}, c(254)},
        {{"convertURL("}, {convert.c_str()}, {C(254)}, c(254)},
        {{"rtrim("}, {"QNutil.rtrim"}, {C(254)}, c(254)},
        {{"aleat("}, {"QNutil.aleat"}, {}, i(9)},
        {{"rand("}, {"QNutil.rand"}, {}, i(18, 3)},
        {{"rseed("}, {"QNutil.rseed"}, {I(18, 3)}, std::nullopt},
        {{"random("}, {"QNutil.random"}, {}, i(11, 9)},
        {{"cgiget("}, {"cgiGet"}, {C(254)}, c(18)},
        {{"qnmlines("}, {"QNutil.qnmlines"}, {C(254), I(4)}, i(9)},
        {{"qngetmli("}, {"QNutil.qngetmli"}, {C(254), I(4), I(4)}, c(254)},
        {{"trim(", "lower(", "upper(", "ltrim(", "packstr("},
         {"QNutil.trim", "QNutil.lower", "QNutil.upper", "QNutil.ltrim", "QNutil.packstr"},
         {C(254)},
         c(254)},
        {{"padr(", "padl("}, {"QNutil.padr", "QNutil.padl"}, {C(254), I(3), C(1)}, c(254)},
        {{"ttoc(", "ttocl("}, {"localUtil.ttoc"}, {T(10, 8), I(2), I(2)}, c(254)},
        {{"rgb("}, {"UIFactory.getColor"}, {I(9), I(9), I(9)}, i(9)},
        {{"int("}, {"java.lang.Math.floor"}, {I(19, 5, 1)}, i(19, 5, 1)},
        {{"abs("}, {"java.lang.Math.abs"}, {I(19, 5, 1)}, i(19, 5, 1)},
        {{"round("}, {"QNutil.round"}, {I(19, 5, 1), I(8)}, i(19, 5, 1)},
        {{"trunc("}, {"QNutil.trunc"}, {I(19, 5, 1), I(9)}, i(19, 5, 1)},
        {{"int("}, {"QNutil.int"}, {I(19, 0, 1)}, i(19, 5, 1)},
        {{"systime(", "time("}, {"QNutil.time"}, {}, c(8)},
        {{"getenv("}, {"QNutil.getEnv"}, {C(254)}, c(254)},
        {{"today(", "date(", "sysdate("}, {"QNutil.today"}, {}, d(8)},
        {{"ctodl("}, {"localUtil.ctod"}, {C(12)}, d(8)},
        {{"ctod("}, {"localUtil.ctod"}, {C(12), I(9)}, d(8)},
        {{"ymdtod(", "xtd("}, {"localUtil.ymdtod"}, {I(9), I(9), I(9)}, d(8)},
        {{"testdate("}, {"QNutil.vdate"}, {D(8)}, i(1)},
        {{"testcdate("}, {"localUtil.vcdate"}, {C(22), I(2)}, i(1)},
        {{"testcdt("}, {"localUtil.vcdtime"}, {C(22), I(2), I(2)}, i(1)},
        {{"dow("}, {"QNutil.dow"}, {D(8)}, i(1)},
        {{"addmth(", "addyr("},
         {"QNutil.addmth", "QNutil.addyr"},
         {T(10, 8), I(4, 0, 1)},
         t(10, 8)},
        {{"addmth(", "addyr("},
         {"QNutil.addmth", "QNutil.addyr"},
         {D(10, 8), I(4, 0, 1)},
         d(10, 8)},
        {{"age("}, {"QNutil.age"}, {T(10, 8), T(10, 8)}, i(5, 0, 1)},
        {{"eom("}, {"QNutil.eomdate"}, {D(8)}, d(8)},
        {{"eom("}, {"QNutil.eom"}, {T(10, 8)}, t(10, 8)},
        {{"val("}, {"QNutil.val"}, {C(64)}, i(19, 5, 1)},
        {{"link("}, {"QNutil.link"}, {C(3), I(9)}, c(9), FnCond::kPanelOrTrn},
        {{"now("}, {"QNutil.now"}, {}, t(10, 8)},
        {{"respondfile("}, {"respondFile"}, {C(254)}, i(1)},
        {{"responsecontenttype("}, {"responseContentType"}, {C(254)}, i(1)},
        {{"printdocument("}, {"QNutil.openPrintDocument"}, {C(254)}, i(1)},
        {{"opendocument("}, {"QNutil.openDocument"}, {C(254)}, i(1)},
        {{"shell("}, {"QNutil.shell"}, {C(254), I(9)}, i(8)},
        {{"asc("}, {"QNutil.asc"}, {C(1)}, i(3)},
        {{"newline("}, {"QNutil.newLine"}, {}, c(2)},
        {{"chr("}, {"QNutil.chr"}, {I(3)}, c(1)},
        {{"ctot("}, {"localUtil.ctot"}, {C(22), I(6)}, t(10, 8)},
        {{"ctotl("}, {"localUtil.ctot"}, {C(22)}, t(10, 8)},
        {{"QNStr2Date(", "QNWebStr2Date(", "ymdtodate("}, {"parseDateParm"}, {C(4)}, d(10, 8)},
        {{"QNStr2Time(", "QNWebStr2Time(", "ymdhmstodatetime("},
         {"parseDTimeParm"},
         {C(4)},
         t(10, 8)},
        {{"QNWebTime2Str("}, {"formatDateTimeParm"}, {T(10, 8)}, c(10)},
        {{"QNWebDate2Str("}, {"formatDateParm"}, {D(8)}, c(10)},
        {{"encodeStaticParm("}, {"PrivateUtilities.encodeStaticParm"}, {C(10)}, c(10)},
        {{"urlencode("}, {"PrivateUtilities.encodeURL"}, {C(10)}, c(10)},
        {{"ymdhmstot("}, {"localUtil.ymdhmsToT"}, {I(4), I(2), I(2), I(2), I(2), I(2)}, t(10, 8)},
        {{"substr("}, {"QNutil.substring"}, {C(254), I(9), I(9)}, c(254)},
        {{"dtoc(", "dtocl("}, {"localUtil.dtoc"}, {D(8)}, c(254)},
        {{"tadd("}, {"QNutil.dtadd"}, {T(10, 8), I(8, 0, 1)}, t(10, 8)},
        {{"tdiff("}, {"QNutil.dtdiff"}, {T(10, 8), T(10, 8)}, i(15)},
        {{"dfropen("}, {"DelimitedFiles.dfropen"}, {C(254), I(6), C(2), C(2)}, i(3)},
        {{"dfrnext(", "dfrclose(", "dfwnext(", "dfwclose("},
         {"DelimitedFiles.dfrnext", "DelimitedFiles.dfrclose", "DelimitedFiles.dfwnext",
          "DelimitedFiles.dfwclose"},
         {},
         i(3)},
        {{"dfwopen("}, {"DelimitedFiles.dfwopen"}, {C(254), C(2), C(2)}, i(3)},
        {{"dfwptxt("}, {"DelimitedFiles.dfwptxt"}, {C(255), I(4)}, i(3)},
        {{"dfwpnum("}, {"DelimitedFiles.dfwpnum"}, {I(19, 4), I(4)}, i(3)},
        {{"dfwpdate("}, {"DelimitedFiles.dfwpdate"}, {D(8), C(3), C(1)}, i(3)},
        {{"dfrgtxt("}, {"DelimitedFiles.dfrgtxt"}, {Ref(C(255)), I(4)}, i(3)},
        {{"dfrgnum("}, {"DelimitedFiles.dfrgnum"}, {Ref(I(19, 4))}, i(3)},
        {{"dfrgdate("}, {"DelimitedFiles.dfrgdate"}, {Ref(D(8)), C(3), C(1)}, i(3)},
        {{"getcookie("}, {"getCookie"}, {C(256)}, c(256)},
        {{"setcookie("}, {"setCookie"}, {C(256), C(256), C(256), D(8), C(8), I(3)}, i(3)},
        {{"xmlend("}, {"xml.xmlEnd"}, {}, i(4), FnCond::kXml},
        {{"xmlstart("}, {"xml.xmlStartWeb"}, {C(254)}, i(4), FnCond::kXmlHttp},
        {{"xmlstart("}, {"xml.xmlStart"}, {C(254)}, i(4), FnCond::kXmlOther},
        {{"xmlbeginelement(", "xmlendelement("},
         {"xml.xmlBeginElement", "xml.xmlEndElement"},
         {C(254)},
         i(4),
         FnCond::kXml,
         nullptr,
         std::vector<FnParm>{}},
        {{"xmlvalue(", "xmlatt("},
         {"xml.xmlValue", "xml.xmlAtt"},
         {C(254), C(254)},
         i(4),
         FnCond::kXml},
        {{"xmltext(", "xmlraw("}, {"xml.xmlText", "xml.xmlRaw"}, {C(254)}, i(4), FnCond::kXml},
    };
    return v;
  }();
  return r;
}

bool cond_holds(Run& run, FnCond cond) {
  switch (cond) {
    case FnCond::kWebPanel:
      return web_panel(run);
    case FnCond::kNotWebPanel:
      return !web_panel(run);
    case FnCond::kPanelOrTrn: {
      const std::string k = pgm_kind(run);
      return k == "scr" || k == "trn";
    }
    case FnCond::kXmlHttp:
      return http_main_pgm(run);
    case FnCond::kXmlOther:
      return !http_main_pgm(run);
    default:
      return true;
  }
}

const std::vector<FixedValue>& fixed_rows() {
  static const std::vector<FixedValue> v = {
      {"count(", type_desc("int", 1), "1 /* Count */"},
      {"level(", type_desc("boolean", 1), "true /* Level */"},
      {"after(", type_desc("boolean", 1), "true /* After */"},
      {"modified(", type_desc("boolean", 1), "false /* Modif */"},
      {"confirmed(", type_desc("boolean", 1, 0, 1), "QNutil.Confirmed"},
      {"insmode(", type_desc("char", 3), "\"INS\""},
      {"updmode(", type_desc("char", 3), "\"UPD\""},
      {"delmode(", type_desc("char", 3), "\"DLT\""},
      {"dspmode(", type_desc("char", 3), "\"DSP\""},
  };
  return v;
}

// The order of Java's numeric types by width.
int java_width(std::string_view java) {
  static const char* order[] = {"byte", "short", "int", "long", "double"};
  for (int k = 0; k < 5; ++k) {
    if (java == order[k]) return k;
  }
  return -1;
}

}  // namespace

std::span<const JavaFunctionRow> java_function_rows() { return rows(); }

// The rows of each key, in table order.
static const std::unordered_map<std::string_view, std::vector<const JavaFunctionRow*>>&
rows_by_key() {
  static const auto index = [] {
    std::unordered_map<std::string_view, std::vector<const JavaFunctionRow*>> m;
    for (const JavaFunctionRow& row : rows()) {
      for (const char* k : row.keys) m[k].push_back(&row);
    }
    return m;
  }();
  return index;
}

std::optional<JavaFunction> java_function(Run& run, std::string_view key,
                                          const OptType& first_arg) {
  const JavaFunctionRow* first = nullptr;
  const JavaFunctionRow* typed = nullptr;
  size_t key_at = 0, first_key_at = 0;
  const auto found = rows_by_key().find(key);
  if (found == rows_by_key().end()) return std::nullopt;
  for (const JavaFunctionRow* rp : found->second) {
    const JavaFunctionRow& row = *rp;
    auto k =
        std::find_if(row.keys.begin(), row.keys.end(), [&](const char* s) { return key == s; });
    if (k == row.keys.end() || !cond_holds(run, row.cond)) continue;
    if (row.alias) return java_function(run, row.alias, first_arg);
    const size_t at = static_cast<size_t>(k - row.keys.begin());
    const std::vector<FnParm>& parms = at > 0 && row.parms2 ? *row.parms2 : row.parms;
    if (!first) {
      first = &row;
      first_key_at = at;
    }
    if (!typed && first_arg && !parms.empty() && parms[0].type &&
        parms[0].type->type == first_arg->type) {
      typed = &row;
      key_at = at;
    }
  }
  if (!first) return std::nullopt;
  const JavaFunctionRow& row = typed ? *typed : *first;
  const size_t at = typed ? key_at : first_key_at;
  JavaFunction f;
  f.key = std::string(key);
  f.java = row.java.size() > at ? row.java[at] : row.java.front();
  f.parms = at > 0 && row.parms2 ? *row.parms2 : row.parms;
  f.result = row.result;
  f.xml = row.cond == FnCond::kXml || row.cond == FnCond::kXmlHttp || row.cond == FnCond::kXmlOther;
  return f;
}

JavaFunction len_function() { return {"len(", "length", {C(3000)}, i(9, 0, 1), false}; }

std::span<const FixedValue> fixed_value_rows() { return fixed_rows(); }

std::optional<FixedValue> fixed_value_function(std::string_view key) {
  for (const FixedValue& f : fixed_rows()) {
    if (key == f.key) return f;
  }
  return std::nullopt;
}

std::string pgm_kind(const Run& run) {
  // Asked for every control and assignment: the items are read in place.
  static const engine::Atom kPgmId("pgm_id"), kSpec("spec_i");
  if (auto id = run.facts().first(Term::compound(kPgmId, {var()}))) {
    const Term& l = id->arg(1);
    if (l.is_cons() && l.tail().is_cons()) return text_of(l.tail().head());
  }
  if (auto spec = run.facts().first(Term::compound(kSpec, {var()}))) {
    const Term& l = spec->arg(1);
    if (l.is_cons()) return text_of(l.head());
  }
  return "";
}

bool web_panel(const Run& run) { return pgm_kind(run) == "web"; }
bool web_object(Run& run) { return web_panel(run) || http_main_pgm(run); }

std::optional<JavaText> java_date_arith(Run&, const JavaText& left, std::string_view op,
                                        const JavaText& right) {
  const OptType& tl = left.type;
  const OptType& tr = right.type;
  const bool additive = op == "+" || op == "-";
  const bool dates = is_date(tl) || is_date(tr);
  if (!dates && op != "^" && op != "/" && !(op == "+" && is_string(tl) && is_string(tr)))
    return std::nullopt;
  const std::string l = join_pieces(left.pieces);
  const std::string r = join_pieces(right.pieces);
  if (tl && (tl->type == "dtime" || tl->type == "date") && additive && is_numeric(tr)) {
    const std::string fn = tl->type == "dtime" ? "QNutil.dtadd(" : "QNutil.dadd(";
    const std::string days = conv_to_type(type_desc("int", 9), tr, r);
    return JavaText{{fn + l + "," + std::string(op) + "(" + days + "))"}, tl};
  }
  if (op == "-" && tl && tr && tl->type == "dtime" && tr->type == "dtime") {
    return JavaText{{"QNutil.dtdiff(" + l + "," + r + ")"}, type_desc("int", 15, 0, 1)};
  }
  if (op == "-" && tl && tr && tl->type == "date" && tr->type == "date") {
    return JavaText{{"QNutil.ddiff(" + l + "," + r + ")"}, type_desc("int", 15, 0, 1)};
  }
  if (op == "^")
    return JavaText{{"java.lang.Math.pow(" + l + "," + r + ")"}, type_desc("int", 15, 5)};
  if (op == "/") {
    std::vector<std::string> p = left.pieces;
    p.push_back("/ (double) (");
    p.insert(p.end(), right.pieces.begin(), right.pieces.end());
    p.push_back(")");
    return JavaText{p, type_desc("int", 15, 5)};
  }
  if (op == "+" && is_string(tl) && is_string(tr)) {
    std::vector<std::string> p = left.pieces;
    p.push_back("+");
    p.push_back(r);
    return JavaText{p, type_desc("char", tl->length + tr->length)};
  }
  return std::nullopt;
}

namespace {

// A comparison of numbers keeps its pieces.
std::vector<std::string> pieces_compare(const JavaText& left, std::string_view op,
                                        const JavaText& right) {
  std::vector<std::string> p{"("};
  p.insert(p.end(), left.pieces.begin(), left.pieces.end());
  p.push_back(std::string(op));
  p.insert(p.end(), right.pieces.begin(), right.pieces.end());
  p.push_back(")");
  return p;
}

}  // namespace

std::vector<std::string> java_compare_expr(const OptType& type, const JavaText& left,
                                           std::string_view op, const JavaText& right) {
  // Only dates and texts need either side as one text.
  if (!is_date(type) && !is_string(type)) return pieces_compare(left, op, right);
  const std::string l = join_pieces(left.pieces);
  const std::string r = join_pieces(right.pieces);
  if (is_date(type)) {
    auto call = [&](std::string_view o) -> std::string {
      const char* m = o == ">" ? "after" : o == "<" ? "before" : "equals";
      std::string s = l + "." + m + "(" + r + ")";
      return o == "!=" ? "!(" + s + ")" : s;
    };
    if (op == "==" || op == "!=" || op == ">" || op == "<") return {call(op)};
    if (op == "<=" || op == ">=") {
      return {"((" + call(op == "<=" ? "<" : ">") + ") || (" + call("==") + "))"};
    }
  }
  if (is_string(type)) {
    if (op == "like") {
      // The length goes to padr('s int(3) parameter: Java passes no int
      // constant to a short without a cast.
      const std::string len = std::to_string(left.type ? left.type->length : 0);
      return {"QNutil.like(" + l + "," + "QNutil.padr(" + r + "," +
              conv_to_type(type_desc("int", 3), type_desc("int", 9), len) + ", \"%\"))"};
    }
    return {"(", "QNutil.strcmp(" + l + ", " + r + ")", std::string(op), "0", ")"};
  }
  return pieces_compare(left, op, right);
}

std::string conv_to_type(const OptType& target, const OptType& source, const std::string& text) {
  if (!target) return text;
  if (target->type == "boolean" || is_string(target) || is_date(target)) return text;
  if (is_numeric(target) && is_numeric(source)) {
    auto jt = typed::java_var_type(*target);
    auto js = typed::java_var_type(*source);
    if (jt && js && java_width(*jt) >= java_width(*js) && java_width(*js) >= 0) return text;
  }
  if (auto cast = typed::cast_expr(*target, text)) return *cast;
  return text;
}

std::string empty_value(const OptType& type) {
  if (!type) return "0 /* Unhandled type [] */";
  const std::string& t = type->type;
  if (t == "char" || t == "svchar" || t == "bits" || t == "vchar") return "\"\"";
  if (t == "boolean") return "false";
  if (t == "int" || t == "charp" || t == "filep" || is_numeric(type)) return "0";
  if (t == "date" || t == "dtime") return "QNutil.nullDate()";
  if (t == "obj") return type->cls == "Statement" ? "Application.con.createStatement()" : "null";
  return "0 /* Unhandled type " + t + " */";
}

std::string number_literal_text(std::string_view number, const OptType& type) {
  std::string s(number);
  size_t z = 0;
  while (z < s.size() && s[z] == '0') ++z;
  s = s.substr(z);
  if (!s.empty() && s.front() == '.') s = "0" + s;
  if (s.empty()) s = "0";
  const bool decimals = type && type->decimals > 0;
  if (!decimals && s.find('.') == std::string::npos && s.size() > 9) s += "L";
  return s;
}

}  // namespace qn::logic

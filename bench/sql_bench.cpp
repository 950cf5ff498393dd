// The SELECT text of three tables with six conditions (aim: under 20 µs),
// and the whole navigation SELECT with its Java lines (aim: under 150 µs).
#include <benchmark/benchmark.h>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/core/rule_terms.h"
#include "logic/core/run.h"
#include "logic/sql/select_text.h"
#include "logic/sql/sql_statements.h"

namespace {

using namespace qn;
using engine::Term;
Term t(const std::string& s) { return *engine::parse_term(s); }

const char* kFacts = R"(
attri_i('CustId', ['CustId', int, 6, 0, '', 1]).
attri_i('CustName', ['CustName', char, 30, 0, '', 1]).
attri_i('OrdId', ['OrdId', int, 6, 0, '', 1]).
attri_i('OrdTotal', ['OrdTotal', pac, 10, 2, '', 1]).
attri_i('LineQty', ['LineQty', int, 4, 0, '', 1]).
attri_i('&Id', ['&Id', int, 6, 0, '', 1]).
attri_i('&Name', ['&Name', char, 30, 0, '', 1]).
table_i(1, 'CUSTOMER'). table_i(2, 'ORDERS'). table_i(3, 'LINES').
spec_i([proc, 3, 'Title', 'Calc', 0, 0]).
rule_i(0, prop('DTASRC', '12')).
)";

logic::SelectRequest make_spec() {
  logic::SelectRequest s;
  s.level = logic::num(1);
  s.read_kind = "b";
  s.columns = t("[[1, 'CustName'], [2, 'OrdTotal'], [3, 'LineQty']]").list_items();
  s.tables = t("[[1], [2], [3]]").list_items();
  s.where_items = {};
  s.conds = t("[c([t('CustId', 2), t('>', 10), t('&Id', 23)], []),"
              " c([t('CustName', 2), t('.LIKE.', 10), t('&Name', 23)], []),"
              " c([t('OrdTotal', 2), t('>', 10), t(100, 3)], []),"
              " c([t('LineQty', 2), t('<', 10), t(5, 3), t('.OR.', 9), t('LineQty', 2), t('>', 10), t(9, 3)], []),"
              " c([t('OrdId', 2), t('<>', 10), t(0, 3)], []),"
              " c([t('CustName', 2), t('<>', 10), t('\"X\"', 3)], [])]")
                .list_items();
  s.order = t("[[1, 'CustName'], [2, -('OrdTotal')]]").list_items();
  return s;
}

// The knowledge base's answers: the tables' names and attributes.
void stand_in_model(logic::Run& run) {
  run.stand_in_host("i_tblname", 3, [](logic::Run&, std::span<Term> a) {
    a[2] = Term::string(a[1].as_int() == 1 ? "CUSTOMER" : a[1].as_int() == 2 ? "ORDERS" : "LINES");
    return true;
  });
  static const Term kAtts[] = {t("['CustId', 'CustName']"), t("['OrdId', 'OrdTotal', 'CustId']"),
                               t("['LineQty', 'OrdId']")};
  run.stand_in_host("i_all_atrisr", 3, [](logic::Run&, std::span<Term> a) {
    if (!a[1].is_int() || a[1].as_int() < 1 || a[1].as_int() > 3) return false;
    a[2] = kAtts[a[1].as_int() - 1];
    return true;
  });
}

void BM_SqlSelectStmt(benchmark::State& state) {
  engine::Engine eng;
  logic::Run run(eng);
  eng.consult_text(kFacts, false);
  stand_in_model(run);
  const logic::SelectRequest s = make_spec();
  for (auto _ : state) benchmark::DoNotOptimize(logic::sql_select_stmt(run, s));
}
BENCHMARK(BM_SqlSelectStmt)->Unit(benchmark::kMicrosecond);

void BM_GenSqlSelect(benchmark::State& state) {
  engine::Engine eng;
  logic::Run run(eng);
  eng.consult_text(kFacts, false);
  run.capture_output();
  stand_in_model(run);
  logic::SelectRequest s = make_spec();
  int64_t level = 1;
  for (auto _ : state) {
    s.level = logic::num(++level);  // a new cursor every time
    benchmark::DoNotOptimize(logic::gen_sql_select(run, "s", s));
    state.PauseTiming();
    logic::level_sql_end(run, s.level, logic::num(1));
    run.capture()->files.clear();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_GenSqlSelect)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

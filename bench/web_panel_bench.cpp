// A web panel's class with 100 controls of each kind the page writes (texts,
// edits, checkboxes, buttons, radios, combos, text areas, dates, images and
// bitmaps), all in its designed HTML, and two subfiles of 10 columns, into
// captured output; and the lookup of a form literal among 500.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "engine/term.h"
#include "logic/core/run.h"
#include "logic/web/web_class.h"
#include "logic/web/web_request.h"

namespace {

std::string big_panel(int per_kind) {
  std::string f = "spec_i([web, 1, 'Big panel', 'Big', 0, 0]). level_i(1, [0]). ";
  f += "struct_i(1, 0, [], []). lit_i(1, 1, window, []). ";
  int n = 2;
  int html = 1;
  auto add = [&](const std::string& item, const std::string& props) {
    f += "lit_i(" + std::to_string(n) + ", 1, " + item + ", " + props + "). ";
    f += "html_i(" + std::to_string(html++) + ", ctl(" + std::to_string(n) + ")). ";
    return n++;
  };
  for (int i = 0; i < per_kind; ++i) {
    const std::string e = "'&E" + std::to_string(i) + "'";
    const std::string c = "'&C" + std::to_string(i) + "'";
    f += "attri_i(" + e + ", [" + e + ", int, 9, 2, 'ZZZZZZ9.99']). ";
    f += "attri_i(" + c + ", [" + c + ", char, 1, 0, '']). ";
    add("t('Text " + std::to_string(i) + "', 3)", "[]");
    add("t(" + e + ", 23)", "[ctrltype(edit, 0)]");
    const int chk = add("t(" + c + ", 23)", "[ctrltype(checkbox, 0)]");
    f += "ctrl_info_i(" + std::to_string(chk) + ", ['Y', 'N', 'Check'], 0). ";
    add("button('Ev" + std::to_string(i) + "')", "[]");
    const std::string is = std::to_string(i);
    f += "attri_i('&R" + is + "', ['&R" + is + "', int, 1, 0, '']). ";
    const int rad = add("t('&R" + is + "', 23)", "[ctrltype(radio, 2)]");
    f += "ctrl_info_i(" + std::to_string(rad) + ", radio, [[1, 'One'], [2, 'Two']]). ";
    f += "attri_i('&L" + is + "', ['&L" + is + "', char, 3, 0, '']). ";
    add("t('&L" + is + "', 23)", "[ctrltype(combo, 0)]");
    f += "attri_i('&V" + is + "', ['&V" + is + "', vchar, 200, 0, '']). ";
    add("t('&V" + is + "', 23)", "[ctrltype(edit, 0), wrap, width(40), height(4)]");
    f += "attri_i('&D" + is + "', ['&D" + is + "', date, 10, 0, '99/99/9999']). ";
    add("t('&D" + is + "', 23)", "[ctrltype(edit, 0)]");
    f += "attri_i('&P" + is + "', ['&P" + is + "', bits, 1024, 0, '']). ";
    add("t('&P" + is + "', 23)", "[ctrltype(edit, 0)]");
    add("bitmap('b" + is + ".gif')", "[border(1)]");
  }
  for (int s = 1; s <= 2; ++s) {
    add("s(" + std::to_string(s) + ")", "[]");
    for (int c = 0; c < 10; ++c) {
      f += "lit_i(" + std::to_string(n++) + ", 1, s(t('&S" + std::to_string(s) + "_" +
           std::to_string(c) + "', 23), " + std::to_string(s) + "), [title(['Column " +
           std::to_string(c) + "'])]). ";
    }
  }
  return f;
}

void BM_WebPanel(benchmark::State& state) {
  const std::string facts = big_panel(static_cast<int>(state.range(0)));
  const qn::engine::Term spec = *qn::engine::parse_term("[web, 'Big panel', 'Big', 0, 0]");
  size_t lines = 0;
  bool written = false;
  for (auto _ : state) {
    qn::engine::Engine engine;
    engine.consult_text(facts, false);
    qn::logic::Run run(engine);
    run.capture_output();
    run.stand_in_host("i_called_pgms", 4, [](qn::logic::Run&, std::span<qn::engine::Term> a) {
      a[3] = qn::engine::Term::list({});
      return true;
    });
    written = qn::logic::gen_webpanel_object(run, 1, spec);
    lines = run.capture()->all_lines().size();
  }
  // What one class holds, so that a run that stops early shows.
  state.counters["lines"] = static_cast<double>(lines);
  state.counters["written"] = written ? 1 : 0;
}
// 100 controls of each kind; 50 shows the cost grows with the form.
BENCHMARK(BM_WebPanel)->Arg(100)->Arg(50)->Unit(benchmark::kMillisecond);

// call_liti/4 among 500 form literals: the number asked goes round them.
void BM_CallLiti(benchmark::State& state) {
  std::string facts;
  for (int i = 1; i <= 500; ++i)
    facts += "lit_i(" + std::to_string(i) + ", 1, t('Text " + std::to_string(i) + "', 3), []). ";
  qn::engine::Engine engine;
  engine.consult_text(facts, false);
  qn::logic::Run run(engine);
  int64_t n = 0;
  size_t found = 0;
  for (auto _ : state) {
    n = n % 500 + 1;
    auto lit = qn::logic::web::call_liti(run, qn::engine::Term::integer(n));
    found += lit.has_value();
    benchmark::DoNotOptimize(lit);
  }
  state.counters["found"] = static_cast<double>(found) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_CallLiti)->Unit(benchmark::kNanosecond);

}  // namespace

BENCHMARK_MAIN();

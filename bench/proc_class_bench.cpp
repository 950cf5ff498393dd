// A procedure class with 20 parameters whose one navigation writes 2,000
// command lines (calls of a program with 3 arguments, messages and commits,
// through the call and command writers) into captured output; and
// parm_list/2 of 200 parameters.
#include <benchmark/benchmark.h>

#include <span>
#include <string>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "engine/term.h"
#include "logic/core/run.h"
#include "logic/java/commands.h"
#include "logic/program/expressions.h"
#include "logic/program/java_expr.h"
#include "logic/program/pgm_calls.h"
#include "logic/program/proc_class.h"
#include "logic/program/program_frame.h"

namespace {

using qn::engine::Term;

std::string facts_with_parms(int n) {
  std::string facts = "spec_i([proc, 1, 'T', 'Big', 0, 0]). break_i(1, nvg, 0, 0, 0). ";
  std::string parms;
  for (int i = 0; i < n; ++i) {
    const std::string a = "p" + std::to_string(i);
    facts += "attri_i(" + a + ", ['P" + std::to_string(i) + "', " +
             (i % 3 == 0 ? "char, 20" : i % 3 == 1 ? "int, 9" : "date, 8") + ", 0, '']). ";
    parms += (parms.empty() ? "" : ", ") + a;
  }
  return facts + "rule_i(0, parm([" + parms + "], [])).";
}

// The procedure's one group (level 0 of a repeat level) holds the 2,000
// command lines, each a statement of its own as the specification file
// gives them: calls of PCalcTax with 3 arguments, messages and commits.
std::string command_lines(int n) {
  std::string facts =
      "level_i(1, []). break_i(1, rpt, 0, 0, 0). b_group_i(1, 0, lit, 0, 0, 0). "
      "attri_i('&A', ['&A', int, 9, 0, '']). attri_i('&B', ['&B', int, 9, 0, '']). "
      "attri_i('&C', ['&C', char, 20, 0, '']). ";
  for (int i = 1; i <= n; ++i) {
    const std::string line = "b_line_i(" + std::to_string(i) + ", 1, 0, cmd, 0, [";
    if (i % 3 == 1) {
      facts += line + "t('call(', 104), t('\\'PCalcTax\\'', 3), t(',', 7), t('&A', 23), t(',', 7), "
                      "t('&B', 23), t(',', 7), t('&C', 23), t(')', 4)]). ";
    } else if (i % 3 == 2) {
      facts += line + "t('msg(', 141), t('\\'Line " + std::to_string(i) + "\\'', 3), t(')', 4)]). ";
    } else {
      facts += line + "t(commit, 132)]). ";
    }
  }
  return facts;
}

void BM_ProcClass(benchmark::State& state) {
  const std::string facts = facts_with_parms(20) + command_lines(state.range(0));
  size_t lines = 0;
  for (auto _ : state) {
    state.PauseTiming();  // the specification's facts are loaded outside the figure
    qn::engine::Engine engine;
    engine.consult_text(facts, false);
    qn::logic::Run run(engine);
    run.capture_output();
    state.ResumeTiming();
    if (!qn::logic::gen_proc_object(run, 0, 1, *qn::engine::parse_term("[proc, 'T', 'Big', 0, 0]"))) {
      state.SkipWithError("the procedure failed");
      break;
    }
    lines = run.capture()->all_lines().size();
  }
  state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_ProcClass)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

// A procedure of n subroutines each calling the next after printing a
// variable of its own: the block analysis and every subroutine's
// declarations of what it and the chain after it print.
std::string chained_subroutines(int n) {
  std::string facts =
      "level_i(1, []). break_i(1, rpt, 0, 0, 0). b_group_i(1, 0, lit, 0, 0, 0). "
      "b_line_i(1, 1, 0, cmd, 0, [t(do, 145), t('S1', 3)]). "
      "b_line_i(2, 1, 0, cmd, 0, [t(return, 118)]). ";
  int line = 3;
  auto add = [&](const std::string& tokens) {
    facts += "b_line_i(" + std::to_string(line++) + ", 1, 0, cmd, 0, [" + tokens + "]). ";
  };
  for (int i = 1; i <= n; ++i) {
    const std::string v = "'&V" + std::to_string(i) + "'";
    facts += "attri_i(" + v + ", [" + v + ", int, 9, 0, '']). ";
    add("t(sub, 143), t('S" + std::to_string(i) + "', 3)");
    add("t('msg(', 141), t(" + v + ", 23), t(')', 4)");
    if (i < n) add("t(do, 145), t('S" + std::to_string(i + 1) + "', 3)");
    add("t(endsub, 144)");
  }
  return facts;
}

void BM_ProcSubroutines(benchmark::State& state) {
  const std::string facts = chained_subroutines(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    qn::engine::Engine engine;
    engine.consult_text(facts, false);
    qn::logic::Run run(engine);
    run.capture_output();
    state.ResumeTiming();
    if (!qn::logic::gen_proc_object(run, 0, 1, *qn::engine::parse_term("[proc, 'T', 'Subs', 0, 0]"))) {
      state.SkipWithError("the procedure failed");
      break;
    }
  }
}
BENCHMARK(BM_ProcSubroutines)->Arg(300)->Arg(3000)->Unit(benchmark::kMillisecond);

void BM_ParmList200(benchmark::State& state) {
  qn::engine::Engine engine;
  engine.consult_text(facts_with_parms(200), false);
  qn::logic::Run run(engine);
  std::vector<Term> parms;
  for (int i = 0; i < 200; ++i) {
    parms.push_back(Term::list({Term::atom("p" + std::to_string(i)), Term::atom("u")}));
  }
  for (auto _ : state) benchmark::DoNotOptimize(qn::logic::parm_list(run, parms));
}
BENCHMARK(BM_ParmList200)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

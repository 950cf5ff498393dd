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

void BM_ProcClass(benchmark::State& state) {
  const std::string facts = facts_with_parms(20);
  for (auto _ : state) {
    qn::engine::Engine engine;
    engine.consult_text(facts, false);
    qn::logic::Run run(engine);
    run.capture_output();
    run.stand_in_host("gen_level_kind", 5, [](qn::logic::Run& r, std::span<Term>) {
      static const Term args = *qn::engine::parse_term(
          "[t(p0, 2), t(',', 7), t(p1, 2), t(',', 7), t(p2, 2)]");
      for (int i = 0; i < 2000; ++i) {
        // Each command line is a statement of its own, as the statement
        // driver starts it: the temporaries of the last one are free again.
        qn::logic::reset_exp_state(r);
        if (i % 3 == 0) {
          qn::logic::gen_pgm_call(r, "udp", Term::string("'acalc'"), 3, args,
                                  qn::logic::ExprCtx{});
        } else if (i % 3 == 1) {
          qn::logic::gen_msg_stmt(r, "\"Line " + std::to_string(i) + "\"");
        } else {
          qn::logic::gen_db_command(r, "qncommit", {});
        }
      }
      return true;
    });
    benchmark::DoNotOptimize(
        qn::logic::gen_proc_object(run, 0, 1, *qn::engine::parse_term("[proc, 'T', 'Big', 0, 0]")));
    benchmark::DoNotOptimize(run.capture()->all_lines().size());
  }
}
BENCHMARK(BM_ProcClass)->Unit(benchmark::kMillisecond);

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

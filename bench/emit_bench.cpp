// Lines emitted per second through the rules' emit routine, the term-slot
// crossing and the host writer into a file.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/term.h"
#include "host/source_writer.h"
#include "logic/core/emit.h"
#include "logic/core/host_interface.h"
#include "logic/core/out.h"
#include "logic/core/run.h"

namespace {

using qn::engine::Term;

// A typical generated Java line of 8 pieces at a margin.
Term java_line() {
  return Term::list({Term::atom("if"), Term::atom("("), Term::atom("AV12CustName"),
                     Term::atom(".compareTo("), Term::string("localUtil.getMessages()"),
                     Term::atom(")"), Term::integer(0), Term::atom("{")});
}

struct Output {
  std::string path;
  Output() {
    path = "/tmp/qn_emit_bench_" + std::to_string(::getpid()) + ".java";
    qn::host::WriterHost h = qn::host::default_writer_host();
    h.show_status = [](std::string_view) {};
    qn::host::source_writer().set_host(h);
    qn::host::source_writer().set_output_path(path);
    qn::host::source_writer().open_output_file();
  }
  ~Output() {
    qn::host::source_writer().close_output_file();
    std::remove(path.c_str());
  }
};

// One emit_text call per line.
void BM_EmitOneLinePerCall(benchmark::State& state) {
  qn::engine::Engine engine;
  qn::logic::Run run(engine);
  Output out;
  const Term lines = Term::list({java_line()});
  for (auto _ : state) {
    if (!qn::logic::emit_text(run, lines)) state.SkipWithError("write failed");
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EmitOneLinePerCall);

// Blocks of lines as the rules usually emit them, with margin lines.
void BM_EmitBlocksOfTen(benchmark::State& state) {
  qn::engine::Engine engine;
  qn::logic::Run run(engine);
  Output out;
  std::vector<Term> block;
  block.push_back(Term::list({Term::integer(0), Term::integer(3), java_line()}));
  for (int i = 0; i < 8; ++i) block.push_back(java_line());
  block.push_back(Term::list({Term::integer(-3), Term::integer(0), Term::list({Term::atom("}")})}));
  const Term lines = Term::list(block);
  for (auto _ : state) {
    if (!qn::logic::emit_text(run, lines)) state.SkipWithError("write failed");
  }
  state.SetItemsProcessed(state.iterations() * 10);
}
BENCHMARK(BM_EmitBlocksOfTen);

// The C++ generators' path: one line of eight pieces through Out.
void BM_OutOneLine(benchmark::State& state) {
  qn::engine::Engine engine;
  qn::logic::Run run(engine);
  Output out;
  qn::logic::Out o(run);
  for (auto _ : state) {
    o.pieces({"if", "(", "AV12CustName", ".compareTo(", "localUtil.getMessages()", ")", 0, "{"});
    if (!o.ok()) state.SkipWithError("write failed");
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OutOneLine);

// The same lines captured in memory (no file): the cost of the crossing
// and the line format alone.
void BM_EmitCaptured(benchmark::State& state) {
  qn::engine::Engine engine;
  qn::logic::Run run(engine);
  qn::logic::EmitCapture& cap = run.capture_output();
  const Term lines = Term::list({java_line()});
  for (auto _ : state) {
    qn::logic::emit_text(run, lines);
    if (cap.files.back().lines.size() > 100000) cap.files.back().lines.clear();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EmitCaptured);

// The host writer alone: blocks of ten formatted lines (term-value trees of
// eight pieces) into a file. Aim: at least 3 M lines a second.
qn::host::TermValue text_value(const char* s) {
  qn::host::TermValue v;
  qn::host::term_new(v, qn::host::kTermAtom, 0, 0);
  qn::host::term_alloc_text(v, s);
  return v;
}

qn::host::TermValue list_value(std::vector<qn::host::TermValue> items) {
  qn::host::TermValue list = text_value("[]");
  for (auto it = items.rbegin(); it != items.rend(); ++it) {
    qn::host::TermValue cell;
    qn::host::term_new(cell, qn::host::kTermCompound, 2, 1);
    qn::host::term_alloc_text(cell, ".");
    qn::host::term_set_arg(1, cell, std::move(*it));
    qn::host::term_set_arg(2, cell, std::move(list));
    list = std::move(cell);
  }
  return list;
}

void BM_WriterLines(benchmark::State& state) {
  Output out;
  std::vector<qn::host::TermValue> lines;
  for (int i = 0; i < 10; ++i) {
    std::vector<qn::host::TermValue> pieces;
    for (const char* p :
         {"if", "(", "AV12CustName", ".compareTo(", "localUtil.getMessages()", ")", "0", "{"}) {
      pieces.push_back(text_value(p));
    }
    lines.push_back(list_value(std::move(pieces)));
  }
  const qn::host::TermValue tree = list_value(std::move(lines));
  for (auto _ : state) {
    if (!qn::host::source_writer().output_lines(tree)) state.SkipWithError("write failed");
  }
  state.SetItemsProcessed(state.iterations() * 10);
}
BENCHMARK(BM_WriterLines);

}  // namespace

BENCHMARK_MAIN();

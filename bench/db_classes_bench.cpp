// The table classes of a large model: the data and supplier classes of 500
// tables of 20 attributes each, written to the in-memory capture (the aim:
// under 1 s for the whole set).
#include <benchmark/benchmark.h>

#include <span>
#include <string>

#include "engine/engine.h"
#include "logic/core/rule_terms.h"
#include "logic/java/db_classes.h"
#include "logic/java/java_types.h"

namespace {

using qn::engine::Term;
using namespace qn::logic;

TableClassInput table(int64_t n) {
  static const char* types[] = {"int", "char", "date", "vchar", "dtime"};
  TableClassInput in;
  in.model = 0;
  in.table = n;
  in.name = "T" + std::to_string(n);
  in.mode = "cpm";
  in.data_store = "DEFAULT";
  for (int64_t a = 1; a <= 20; ++a) {
    TableClassAtt att;
    att.number = n * 100 + a;
    att.name = "A" + std::to_string(a);
    att.type = Term::atom(types[a % 5]);
    att.length = 8;
    att.java_type = get_c_type(att.type, att.length, 0);
    att.column = att.name;
    att.key = a <= 2;
    in.own.push_back(att);
  }
  return in;
}

void BM_TableClasses500x20(benchmark::State& state) {
  std::vector<TableClassInput> tables;
  for (int64_t n = 1; n <= 500; ++n) tables.push_back(table(n));
  for (auto _ : state) {
    qn::engine::Engine eng;
    Run run(eng);
    run.capture_output();
    run.stand_in_host("get_serialization_type", 4, [](Run&, std::span<Term> a) {
      a[3] = Term::string("Int");
      return true;
    });
    // The knowledge base's answers: the table's name.
    run.stand_in_host("i_tblname", 3, [](Run&, std::span<Term> a) {
      a[2] = Term::string("T" + std::to_string(a[1].as_int()));
      return true;
    });
    for (const TableClassInput& t : tables) {
      gen_table_data_class(run, t);
      gen_table_supplier_class(run, t);
    }
    benchmark::DoNotOptimize(run.capture()->files.size());
  }
}
BENCHMARK(BM_TableClasses500x20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

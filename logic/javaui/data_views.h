// Data views, files of the specifier that describe a table-like view and
// get database classes as a table does; and the webExecute method of a main
// procedure called over HTTP.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "logic/core/run.h"

namespace qn::logic {

// The folder of the data views: the source folder (dir_i(s, Dir)) cut just
// before its last "GEN<nn>\" component; none without one.
std::optional<std::string> dv_spec_dir(Run& run);

// load_data_views/2: every "*.dv" file of that folder (else of the current
// one), in name order, loaded in place of the object's specification facts
// (which are restored afterwards): the view named by its fv entry
// (rule_i(_, p(_, _, fv, X, [table | intname, Name | _]))), its unique
// indexes recorded as index_i(Name, [_, u, Attributes]), its attributes
// from its file entry (the table's own when it lists none), and the data
// and supplier classes written as for a table numbered X (X + 1000 for an
// intname view, whose name stands in table_i/2 while they are written). A
// file that cannot be read, names no view, or gives no attribute goes to
// the error log and the next file is read.
void load_data_views(Run& run, int64_t model);

// gen_http_web_execute/0: the initContext method, then "public void
// webExecute()": when the program declares the XML writer xml, the writer is
// pointed at the HTTP response first; then "execute_int();".
bool gen_http_web_execute(Run& run);

}  // namespace qn::logic

// Callees of the menu generators that the form, web-page and print writers
// own. Until those are written each body asks the run's stand-in of its
// name and arity (tests) and otherwise fails, writing nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// norm_path_slashes/2 (Path, Normalised): a bitmap's path as the runtime
// loads it. Owner: the work-panel form generator.
std::optional<std::string> norm_path_slashes(Run& run, std::string_view path);
// gen_html_text/1 (Tokens): one piece of the page, the text Tokens (a
// model-language expression) handed to the page writer's qnhtml_text call.
// Owner: the web-page HTML writer.
bool gen_html_text(Run& run, const engine::Term& tokens);
// gen_skip_lines/1 (N): N line breaks of the output. Owner: the print
// writer.
bool gen_skip_lines(Run& run, int64_t n);

}  // namespace qn::logic

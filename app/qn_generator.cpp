#include "app/qn_generator.h"

#include <limits>

#include "app/generator_descriptor.h"
#include "host/riraze_dlg.h"
#include "host/user_name.h"
#include "kb/model_select.h"

namespace qn::app {
namespace {

using nlohmann::json;

const json& param(const json& params, size_t i, size_t count) {
  if (!params.is_array() || params.size() != count) {
    throw platform::RpcInvalidParams("expected " + std::to_string(count) + " positional parameter" +
                                     (count == 1 ? "" : "s"));
  }
  return params[i];
}

std::string text_param(const json& params) {
  const json& p = param(params, 0, 1);
  if (!p.is_string()) throw platform::RpcInvalidParams("expected a text");
  return p.get<std::string>();
}

int16_t short_param(const json& params, size_t i) {
  const json& p = param(params, i, 2);
  if (p.is_number_integer()) {
    const auto v = p.get<int64_t>();
    if (v >= std::numeric_limits<int16_t>::min() && v <= std::numeric_limits<int16_t>::max()) {
      return static_cast<int16_t>(v);
    }
  }
  throw platform::RpcInvalidParams("expected a 16-bit integer");
}

}  // namespace

CQnGenerator::CQnGenerator(int id, Generation& generation) : generation_(generation) {
  if (const GeneratorDescriptor* row = find_generator_descriptor(id)) {
    set_current_generator(*row);
    host::set_dialog_title(row->display_name);
  }
}

bool CQnGenerator::SetModelPath(std::string_view path) { return kb::chdir_model_path(path) != 0; }

bool CQnGenerator::SetUserName(std::string_view name) {
  host::set_user_name(name);
  return true;
}

bool CQnGenerator::Generate(int16_t first, int16_t model) {
  return generation_.Generate(first, model);
}

void CQnGenerator::add_methods(platform::AutomationServer& server) {
  server.add_method("SetModelPath", 1,
                    [this](const json& p) { return json(SetModelPath(text_param(p))); });
  server.add_method("SetUserName", 2,
                    [this](const json& p) { return json(SetUserName(text_param(p))); });
  server.add_method("Generate", 3, [this, &server](const json& p) {
    const int16_t first = short_param(p, 0);
    const int16_t model = short_param(p, 1);
    bool answer;
    {
      // A client whose end of our input closes during the run has gone:
      // the run is cancelled, and the session then ends with the input.
      platform::HangupWatch watch(server.input_fd(), [this] { generation_.RequestCancel(); });
      answer = Generate(first, model);
    }
    // The client learns of a cancel before the answer.
    if (generation_.cancelled()) server.notify("RunCancelled", json::array());
    server.notify("RunSummary",
                  json::array({generation_.objects_generated(), generation_.files_written()}));
    return json(answer);
  });
}

}  // namespace qn::app

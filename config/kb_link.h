// The knowledge-base steps of model selection: setting the model-number
// block size and caching the model record (mdl_info). The knowledge base
// has no header for them yet, so model selection reaches them through
// these hooks, which the knowledge base or the start-up sets once. Without
// a hook the step is skipped (mdl_info then reads the record at its first
// use).
#pragma once

#include <functional>

namespace qn::config {

struct ModelRecordHooks {
  std::function<void(int block_size)> set_model_block_size;
  std::function<void(int model)> cache_model_record;
};

void set_model_record_hooks(ModelRecordHooks hooks);

}  // namespace qn::config

#include "kb/list_terms.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "host/error_log.h"

namespace qn::kb {
namespace {

using host::TermValue;

// Unifies node with a list of count elements; element(i, head) unifies one.
template <class Element>
bool unify_list(TermValue& node, int count, Element element) {
  TermValue* cell = &node;
  for (int i = 0; i < count; ++i) {
    if (!host::term_unify_functor(".", 2, *cell)) return false;
    TermValue* head = host::term_arg_ref(1, *cell);
    TermValue* tail = host::term_arg_ref(2, *cell);
    if (!head || !tail || !element(i, *head)) return false;
    cell = tail;
  }
  return host::term_unify_atom("[]", *cell);
}

bool unify_ints(TermValue& node, const int16_t* values, int count) {
  return unify_list(node, count,
                    [&](int i, TermValue& head) { return host::term_unify_int(values[i], head); });
}

}  // namespace

int ints_to_list(std::span<const int16_t> values, TermValue& term) {
  return unify_ints(term, values.data(), static_cast<int>(values.size())) ? 1 : 0;
}

int relations_to_list(const RelationTable& entries, TermValue& term) {
  return unify_list(term, entries.count,
                    [&](int i, TermValue& head) {
                      const RelationEntry& e = entries.items[i];
                      return unify_list(head, 2, [&](int j, TermValue& part) {
                        return j == 0 ? host::term_unify_int(e.table, part)
                                      : unify_ints(part, e.atts.items, e.atts.count);
                      });
                    })
             ? 1
             : 0;
}

int navigation_to_list(const NavTable& nav, TermValue& term) {
  const int count = nav.count > 1 ? nav.count - 1 : 0;
  return unify_list(term, count,
                    [&](int i, TermValue& head) {
                      const NavEntry& e = nav.items[i + 1];
                      return unify_list(head, 2, [&](int j, TermValue& part) {
                        if (j == 0) return host::term_unify_int(e.table, part);
                        return unify_list(part, e.count, [&](int k, TermValue& item) {
                          const int16_t fwp[3] = {e.items[k].f, e.items[k].w, e.items[k].p};
                          return unify_ints(item, fwp, 3);
                        });
                      });
                    })
             ? 1
             : 0;
}

int list_to_ints(const TermValue& term, AttList& list) {
  const TermValue* cell = &term;
  while (cell->is_cons()) {
    int32_t v;
    if (!host::term_get_int(cell->args[0], v)) return 0;
    push_att(list, v);
    cell = &cell->args[1];
  }
  return cell->is_nil() ? 1 : 0;
}

int list_to_texts(const TermValue& term, char** out, int n) {
  int taken = 0;
  out[0] = nullptr;
  const TermValue* cell = &term;
  while (cell->is_cons() && taken < n) {
    std::string text;
    if (!host::term_get_text(cell->args[0], text)) return 0;
    char* copy = static_cast<char*>(std::malloc(text.size() + 1));
    if (!copy) {
      host::LogError(host::kErrNoMemory, "ltosp");
      throw host::CCTreeException("Internal Error 201 in function ltosp");
    }
    std::memcpy(copy, text.c_str(), text.size() + 1);
    out[taken++] = copy;
    out[taken] = nullptr;
    cell = &cell->args[1];
  }
  return taken > 0 ? 1 : 0;
}

void free_texts(char** texts) {
  for (; texts && *texts; ++texts) {
    std::free(*texts);
    *texts = nullptr;
  }
}

}  // namespace qn::kb

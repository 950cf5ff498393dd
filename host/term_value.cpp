#include "host/term_value.h"

#include <utility>

namespace qn::host {

namespace {

std::array<TermValue, kTermSlotCount> g_slots;

}  // namespace

std::array<TermValue, kTermSlotCount>& term_slots() { return g_slots; }

TermValue& term_slot(int n) { return g_slots.at(static_cast<size_t>(n)); }

void term_new(TermValue& slot, TermKind kind, int count, int64_t value) {
  TermValue node;
  node.kind = kind;
  if (count > 0) node.args.resize(static_cast<size_t>(count));
  if (kind == kTermInt) {
    node.int_value = static_cast<int32_t>(value);
  } else if ((kind == kTermText || kind == kTermAtom || kind == kTermCompound) && value > 0) {
    node.text.reserve(static_cast<size_t>(value));
  }
  slot = std::move(node);
}

void term_set_int(TermValue& slot, int32_t value) { slot.int_value = value; }

void term_set_real(TermValue& slot, double value) { slot.real_value = value; }

void term_alloc_text(TermValue& slot, std::string_view text) { slot.text.assign(text); }

bool term_set_arg(int n, TermValue& node, TermValue child) {
  if (n < 1 || static_cast<size_t>(n) > node.args.size()) return false;
  node.args[static_cast<size_t>(n) - 1] = std::move(child);
  return true;
}

TermValue* term_arg_ref(int n, TermValue& slot) {
  if (n < 1 || static_cast<size_t>(n) > slot.args.size()) return nullptr;
  return &slot.args[static_cast<size_t>(n) - 1];
}

TermKind term_kind(const TermValue& node) { return node.kind; }

bool term_get_int(const TermValue& node, int32_t& out) {
  if (node.kind != kTermInt) return false;
  out = node.int_value;
  return true;
}

bool term_get_real(const TermValue& node, double& out) {
  if (node.kind != kTermReal) return false;
  out = node.real_value;
  return true;
}

bool term_get_text(const TermValue& node, std::string& out) {
  if (node.kind != kTermText && node.kind != kTermAtom) return false;
  out = node.text;
  return true;
}

bool term_get_functor(const TermValue& node, std::string& name, int& count) {
  if (node.kind != kTermCompound || node.args.empty()) return false;
  name = node.text;
  count = static_cast<int>(node.args.size());
  return true;
}

bool term_get_arg(const TermValue& node, int n, const TermValue*& out) {
  if (node.kind != kTermCompound || n < 1 || static_cast<size_t>(n) > node.args.size()) {
    return false;
  }
  out = &node.args[static_cast<size_t>(n) - 1];
  return true;
}

bool term_unify_int(int32_t value, TermValue& node) {
  if (node.unbound()) {
    node = TermValue{};
    node.kind = kTermInt;
    node.int_value = value;
    return true;
  }
  return node.kind == kTermInt && node.int_value == value;
}

bool term_unify_string(std::string_view text, TermValue& node) {
  if (node.unbound()) {
    node = TermValue{};
    node.kind = kTermAtom;
    node.text.assign(text);
    return true;
  }
  return (node.kind == kTermText || node.kind == kTermAtom) && node.text == text;
}

bool term_unify_atom(std::string_view text, TermValue& node) {
  return term_unify_string(text, node);
}

bool term_unify_functor(std::string_view name, int count, TermValue& node) {
  if (node.unbound()) {
    node = TermValue{};
    node.kind = kTermCompound;
    node.text.assign(name);
    if (count > 0) node.args.resize(static_cast<size_t>(count));
    return true;
  }
  return node.kind == kTermCompound && static_cast<int>(node.args.size()) == count &&
         node.text == name;
}

void term_free(TermValue& node) { node = TermValue{}; }

void term_release(TermValue& slot) { term_free(slot); }

void term_release_slots() {
  for (TermValue& slot : g_slots) term_release(slot);
}

void term_slots_open() {}

void term_slots_close() {}

}  // namespace qn::host

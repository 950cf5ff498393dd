#include "office/excel/handles.h"

namespace qn::office {

void HandleTable::reset() {
  release_all();
  entries_.clear();
  documents_.reserve(4);
  visible_.reserve(4);
}

int HandleTable::add(com::Ref<com::IDispatch> document) {
  if (issued() >= kMaxHandles) return -1;
  entries_.push_back(open_count());
  documents_.push_back(std::move(document));
  visible_.push_back(0);
  return issued() - 1;
}

bool HandleTable::valid(long h) const {
  return h >= 0 && h < static_cast<long>(entries_.size()) && entries_[h] != -1;
}

com::IDispatch* HandleTable::document(int h) const {
  return valid(h) ? documents_[entries_[h]].get() : nullptr;
}

bool HandleTable::visible(int h) const { return valid(h) && visible_[entries_[h]] != 0; }

void HandleTable::set_visible(int h, bool on) {
  if (valid(h)) visible_[entries_[h]] = on ? 1 : 0;
}

void HandleTable::remove(int h) {
  if (!valid(h)) return;
  const int i = entries_[h];
  documents_.erase(documents_.begin() + i);
  visible_.erase(visible_.begin() + i);
  entries_[h] = -1;
  if (documents_.size() > 4) {
    documents_.shrink_to_fit();
    visible_.shrink_to_fit();
  }
  for (size_t later = h + 1; later < entries_.size(); ++later) {
    if (entries_[later] > 0) --entries_[later];
  }
}

void HandleTable::release_all() {
  documents_.clear();
  visible_.clear();
  for (std::int32_t& e : entries_) e = -1;
}

bool HandleTable::any_visible() const {
  for (std::uint8_t v : visible_) {
    if (v) return true;
  }
  return false;
}

std::vector<int> HandleTable::open_handles() const {
  std::vector<int> handles;
  for (size_t h = 0; h < entries_.size(); ++h) {
    if (entries_[h] != -1) handles.push_back(static_cast<int>(h));
  }
  return handles;
}

}  // namespace qn::office

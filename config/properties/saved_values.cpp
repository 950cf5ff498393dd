#include "config/properties/saved_values.h"

#include <set>

#include "platform/profile.h"

namespace qn::config {

int ValueClassOfKind(int kind) {
  switch (kind) {
    case 5:
    case 7:
    case 9:
    case 10:
    case 12:
    case 14:
      return 1;
    case 6:
    case 8:
      return 2;
    case 11:
      return 3;
    default:
      return 4;
  }
}

void CPropSavedValues::SetValue(const std::string& name, const std::string& value,
                                const std::string& third, int kind, const void* link) {
  auto& entry = values_[name];
  if (!entry) entry = std::make_unique<CPSVAtt>();
  entry->name = name;
  entry->value = value;
  entry->third = third;
  entry->value_class = ValueClassOfKind(kind);
  entry->link = link;
}

int CPropSavedValues::LoadIniSection(const std::string& file, const std::string& section) {
  constexpr std::size_t kMaxValue = 199;
  std::set<std::string> seen;
  for (auto& [key, value] : platform::profile_key_lines(file, section)) {
    if (!seen.insert(key).second) continue;
    if (value.size() > kMaxValue) value.resize(kMaxValue);
    SetValue(key, value, "", 5, nullptr);
  }
  return 1;
}

const CPSVAtt* CPropSavedValues::Lookup(const std::string& name) const {
  auto it = values_.find(name);
  return it == values_.end() ? nullptr : it->second.get();
}

void CPropSavedValues::Serialize(CArchive& ar) {
  if (ar.IsLoading()) {
    ar.ReadByte();
    for (;;) {
      std::string name = ar.ReadString();
      if (name.empty()) break;
      std::string value = ar.ReadString();
      SetValue(name, value, "", 5, nullptr);
    }
  } else {
    ar.WriteByte(0);
    for (const auto& [name, entry] : values_) {
      if (entry->link) continue;
      ar.WriteString(name);
      ar.WriteString(entry->value);
    }
    ar.WriteString("");
  }
}

CIter<iOneProperty*>* CPropSavedValues::GetValues() {
  using It = CMapIter<CPSVAtt*, Map, std::string>;
  iter_ = std::make_unique<CFilterIter<iOneProperty, It, Map>>(
      &values_, [](iOneProperty* p) { return static_cast<CPSVAtt*>(p)->link == nullptr; });
  return iter_.get();
}

}  // namespace qn::config

// Saved property values: name -> text, read from a preferences section of
// the model file and applied to the property objects.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "config/properties/archive.h"
#include "config/properties/prop_interfaces.h"
#include "config/properties/prop_iter.h"

namespace qn::config {

// The value class of a property kind: 1 for kinds 5, 7, 9, 10, 12 and 14; 2
// for 6 and 8; 3 for 11; 4 for any other.
int ValueClassOfKind(int kind);

class CPSVAtt : public iOneProperty {
 public:
  std::string name, value, third;
  int value_class = 1;
  const void* link = nullptr;  // a value with a link is neither applied nor written

  std::string GetName() override { return name; }
  std::string GetValue() override { return value; }
  std::string GetThirdText() override { return third; }
  int GetValueClass() override { return value_class; }
};

class CPropSavedValues {
 public:
  using Map = std::map<std::string, std::unique_ptr<CPSVAtt>>;

  void SetValue(const std::string& name, const std::string& value, const std::string& third,
                int kind, const void* link);
  // Every key line of the section, in file order and as spelled; a spelling
  // met again keeps its first value. Values are cut to 199 characters. A
  // missing file or section gives nothing. Always 1.
  int LoadIniSection(const std::string& file, const std::string& section);
  // The entry of exactly that name, or null.
  const CPSVAtt* Lookup(const std::string& name) const;
  void Serialize(CArchive& ar);
  void RemoveAll() { values_.clear(); }
  std::size_t size() const { return values_.size(); }

  // The entries without link, as iOneProperty.
  CIter<iOneProperty*>* GetValues();

 private:
  Map values_;
  std::unique_ptr<CIter<iOneProperty*>> iter_;
};

}  // namespace qn::config

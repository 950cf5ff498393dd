// Saved table and index properties: the property values a user set on a
// table or an index, kept in the knowledge base as one object text of
// "name=value" lines. The entries of the last table and of the last index
// asked for are cached, across generation runs.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "config/properties/archive.h"

namespace qn::kb {

using config::CArchive;

class CSavedProperty {
 public:
  CSavedProperty() = default;
  CSavedProperty(std::string name, std::string value, std::string default_text = {})
      : name_(std::move(name)), value_(std::move(value)), default_(std::move(default_text)) {}
  virtual ~CSavedProperty() = default;

  virtual const char* GetRuntimeClass() const { return "CSavedProperty"; }
  // WORD version (10 written; a later one is refused), name, value, default
  // text, WORD state.
  virtual void Serialize(CArchive& ar);
  virtual void AssertValid() const {}
  virtual void Dump() const {}
  virtual void SetValue(const std::string& value) { value_ = value; }
  virtual const std::string& Name() const { return name_; }
  virtual std::string Value() const { return value_; }
  virtual std::string DefaultText() const { return default_; }
  virtual void SetDefaultText(const std::string& text) { default_ = text; }
  virtual std::unique_ptr<CSavedProperty> Clone() const {
    return std::make_unique<CSavedProperty>(name_, value_, default_);
  }
  virtual int State() const { return state_; }

 private:
  std::string name_, value_, default_;
  int state_ = 0;
  int reserved_ = 0;
};

// The framework's other serialisable collection of saved properties.
class CProperties {
 public:
  virtual ~CProperties() = default;
  virtual const char* GetRuntimeClass() const { return "CProperties"; }
  std::vector<std::unique_ptr<CSavedProperty>> items;
  std::string first, second;
};

// The entries of an object text: one per non-empty line, the name up to the
// first '=' and the value after it (a line without '=' is a name with an
// empty value; a CR before the line feed is dropped).
std::vector<std::unique_ptr<CSavedProperty>> SplitSavedProperties(const std::string& text);

// The value of a saved property of a table, or of an index found by name;
// 0 when there is none. Names compare exactly.
int TableProperty(int model, int table, const std::string& name, std::string& value);
int IndexProperty(int model, const std::string& index_name, const std::string& name,
                  std::string& value);

// Test seams: how often an object text was read, and empty caches.
int saved_property_loads();
void reset_saved_property_caches();

}  // namespace qn::kb

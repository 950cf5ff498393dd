// The property manager and the data-store preferences.
//
// DataStorePref(name, store, model) answers the value of a preference of one
// data store of a model: the definitions of the store's kind come from
// DTASTORE.PTY in the program folder (the kind is field 2 of the store's data
// source in QN.INI), the saved values from "Preferences ..." of MODEL.INI,
// and two computed properties (MAIN_DS, REORG_GEN) are set. The manager keeps
// the last (store, model) loaded, so repeated questions read nothing again.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "config/properties/obj_with_prop.h"
#include "config/properties/prop_defs.h"
#include "config/properties/prop_handlers.h"
#include "config/properties/saved_values.h"

namespace qn::config {

class CPropManager : public iProperties, public iPropDefinition, public iPropAccess {
 public:
  CPropManager();
  ~CPropManager() override;
  CPropManager(const CPropManager&) = delete;
  CPropManager& operator=(const CPropManager&) = delete;

  void Reset();
  // Reads the archive file and builds the objects of the definition object.
  // A file that cannot be opened shows the box "File '%s' could not be opened
  // (0x%08X)" and answers 0. A damaged archive raises CArchiveException.
  int LoadDefinitions(const std::string& path, const std::string& object_name);
  int BuildObjects(std::span<const uint8_t> archive, const std::string& object_name);
  void ApplySavedValues(const CPropSavedValues& saved, int overwrite);

  const std::vector<std::unique_ptr<CObjWithProp>>& objects() const { return objects_; }

  // iProperties (over the flattened index: each object's own entry, then its properties)
  std::string GetName() override { return name_; }
  int GetCount() override;
  bool GetPropertyInfo(int index, std::string& caption, std::string& description, int& editor_kind,
                       int& parent_index) override;
  bool GetValueAndState(int index, com::VARIANT& value, int& state) override;
  int SetValueAt(int index, const com::VARIANT& value, int& referenced) override;
  int SetUseDefaultAt(int index, int flag, int& referenced) override;
  void ListValuesAt(int index, iPropValues* sink) override;
  iCustomProp* GetCustomHandlerAt(int index, int number) override;
  int CheckRequired(int& index) override;
  iProperties* GetSubProperties(int index) override;
  void TakeSnapshot() override;

  // iPropDefinition (the first object that defines the name answers)
  std::string GetNameAt(int index) override;
  int GetKindByName(const std::string& name) override;
  int GetKindAt(int index) override;
  void GetValueByName(com::VARIANT& value, const std::string& name) override;
  void GetDefaultByName(com::VARIANT& value, const std::string& name) override;
  int GetUseDefaultByName(const std::string& name) override;
  int SetValueByName(const std::string& name, const com::VARIANT& value) override;
  void SetUseDefaultByName(const std::string& name, int flag) override;
  std::string GetCustomTypeByName(const std::string& name) override;
  int HasName(const std::string& name) override;

  // iPropAccess
  iProperties* GetProperties() override { return this; }
  iPropDefinition* GetDefinition() override { return this; }
  CIter<iPropAccess*>* GetChildren() override;

 private:
  CObjWithProp* owner_of(const std::string& name) const;
  // The object and its local index (-1 for its own entry) of a global index.
  CObjWithProp* locate(int index, int& local, int& base) const;

  std::string name_ = "Property Manager";
  std::vector<std::unique_ptr<CObjWithProp>> objects_;
  std::unique_ptr<CIter<iPropAccess*>> object_iter_;
  CPropHandlerContainer handlers_;
};

// The process-wide manager.
CPropManager& property_manager();

// Copies the preference's value as text into out (at most 10239
// characters): 1, or 0 when there is no value.
int DataStorePref(const std::string& name, int store, int model, std::string& out);

// Test seams: how often the definitions file was read, and a fresh start
// (empty manager, no cached store).
int definition_loads();
void reset_data_store_prefs();

}  // namespace qn::config

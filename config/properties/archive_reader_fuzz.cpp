// Fuzz target of the property-definition archive reader: every input reads,
// or raises CArchiveException; what reads is selected, indexed and written
// again, and the written archive reads back.
#include <cstddef>
#include <cstdint>
#include <span>

#include "config/properties/prop_defs.h"

using namespace qn::config;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  PropArchive archive;
  try {
    archive = ReadPropArchive(std::span<const uint8_t>(data, size));
  } catch (const CArchiveException&) {
    return 0;
  }
  const std::vector<uint8_t> written = WritePropArchive(archive);
  PropArchive again = ReadPropArchive(written);  // must not raise
  const std::string first =
      archive.objects.order().empty() ? std::string() : archive.objects.order().front();
  const CPropObjIdList chain =
      first.empty() ? CPropObjIdList::All() : archive.objects.GetObjectChain(first);
  if (CPropDefList* chosen = SelectObjectDefinition(*again.root, chain)) {
    chosen->GatherLoose(kKindPage, kKindPage);
    for (auto& page : chosen->children) {
      int counter = -1;
      page->AssignIndex(counter);
      for (int i = 0; i < counter; ++i) page->FindByIndex(i);
    }
  }
  return 0;
}

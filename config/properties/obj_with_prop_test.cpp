#include "config/properties/obj_with_prop.h"

#include <gtest/gtest.h>

#include "config/properties/prop_font.h"
#include "config/properties/pty_fixture.h"
#include "config/properties/qnextc.h"
#include "config/properties/saved_values.h"
#include "platform/message_box.h"

namespace qn::config {
namespace {

using namespace com;

// One object over the first page of a description's root.
struct Object {
  PropArchive archive;
  std::unique_ptr<CObjWithProp> obj;
  CPropHandlerContainer manager;

  explicit Object(std::string_view page_lines) {
    archive = ReadPropArchive(
        pty_bytes(std::string("list kind=1\n  list kind=3 name=PAGE\n") + std::string(page_lines)));
    std::unique_ptr<CPropDefList> page(
        static_cast<CPropDefList*>(archive.root->children[0].release()));
    page->parent = nullptr;
    obj = std::make_unique<CObjWithProp>(std::move(page));
    obj->LinkHandlers(manager);
  }

  std::string text(const std::string& name) {
    VariantValue v;
    obj->GetValueByName(*v, name);
    std::string t;
    return v.to_text(t) ? t : "<" + std::to_string(v.vt()) + ">";
  }
  VARTYPE type(const std::string& name) {
    VariantValue v;
    obj->GetValueByName(*v, name);
    return v.vt();
  }
  int set(const std::string& name, const VariantValue& v) { return obj->SetValueByName(name, *v); }
};

TEST(PropObject, IntegerBounds) {
  Object o(
      "    elem kind=6 name=LOW min=1\n    elem kind=6 name=FREE\n    elem kind=6 name=HIGH "
      "max=10\n");
  auto* low = static_cast<CPropDefElem*>(o.obj->page()->FindByName("LOW"));
  auto* high = static_cast<CPropDefElem*>(o.obj->page()->FindByName("HIGH"));
  struct Case {
    CPropDefElem* elem;
    VariantValue value;
    bool ok;
    const char* message;
  };
  const Case cases[] = {
      {low, VariantValue::i4(0), false, "Must be grater than 1"},
      {low, VariantValue::i4(1), true, ""},
      {low, VariantValue::text("5"), false, "Must be a number"},
      {low, VariantValue::r8(0.2), false, "Must be grater than 1"},
      {high, VariantValue::i2(11), false, "Must be less than 10"},
      {high, VariantValue::r8(5e9), false, "Must be less than 10"},
      {high, VariantValue(), true, ""},
  };
  for (const auto& c : cases) {
    std::string message;
    EXPECT_EQ(o.obj->Validate(*c.elem, *c.value, &message), c.ok) << c.message;
    EXPECT_EQ(message, c.message);
  }
  EXPECT_EQ(o.set("FREE", VariantValue::i4(-2147483647)), 1);
  EXPECT_EQ(o.text("FREE"), "-2147483647");
  // An integer without a default reads 0.
  EXPECT_EQ(o.text("LOW"), "0");
  EXPECT_EQ(o.set("PAGE", VariantValue::i4(1)), 0);  // a list
  EXPECT_EQ(o.set("NOPE", VariantValue::i4(1)), 0);  // unknown
}

TEST(PropObject, DefaultsFollowConditionsUntilSet) {
  Object o(
      "    elem kind=6 name=MAIN_DS flags=0x2\n"
      "    elem kind=5 name=P default=bstr:A\n"
      "      depend 1 bstr:B eq(MAIN_DS,i4:-1)\n"
      "    elem kind=5 name=Q\n"
      "      depend 8 bstr:P true\n"
      "    elem kind=5 name=SELF default=bstr:S\n"
      "      depend 1 bstr:T eq(SELF,bstr:S)\n");
  EXPECT_EQ(o.text("P"), "A");
  EXPECT_EQ(o.text("Q"), "A");  // the current value of P
  ASSERT_EQ(o.set("MAIN_DS", VariantValue::i2(-1)), 1);
  EXPECT_EQ(o.text("P"), "B");
  EXPECT_EQ(o.text("Q"), "B");
  ASSERT_EQ(o.set("P", VariantValue::text("mine")), 1);
  ASSERT_EQ(o.set("MAIN_DS", VariantValue::i2(0)), 1);
  EXPECT_EQ(o.text("P"), "mine");
  // A default whose condition names the property itself reads its stored
  // value there instead of asking itself again without end.
  const std::string self = o.text("SELF");
  EXPECT_TRUE(self == "S" || self == "T") << self;
}

TEST(PropObject, ChoicesAndExclusions) {
  Object o(
      "    elem kind=10 name=FLAG\n"
      "    elem kind=7 name=C default=bstr:one\n"
      "      depend 2 bstr:two eq(FLAG,bool:True)\n"
      "      choice bstr:one caption=One\n"
      "      choice bstr:two caption=Two\n"
      "      choice bstr:three caption=Three\n");
  auto* c = static_cast<CPropDefElem*>(o.obj->page()->FindByName("C"));
  EXPECT_EQ(o.obj->AvailableChoices(*c).size(), 3u);
  EXPECT_EQ(o.set("C", VariantValue::text("two")), 1);
  ASSERT_EQ(o.set("FLAG", VariantValue::boolean(true)), 1);
  EXPECT_EQ(o.obj->AvailableChoices(*c), (std::vector<int>{0, 2}));
  EXPECT_EQ(o.set("C", VariantValue::text("two")), 0);
  EXPECT_EQ(o.set("C", VariantValue::text("three")), 1);
}

TEST(PropObject, SetByIndexRechecksReferencedValues) {
  Object o(
      "    elem kind=6 name=LIMIT\n"
      "    elem kind=6 name=N\n"
      "      depend 2 i4:5 eq(LIMIT,i4:1)\n");
  std::vector<std::string> boxes;
  auto old = platform::set_message_box_hook(
      [&](std::string_view text, std::string_view caption, unsigned) {
        boxes.push_back(std::string(caption) + "|" + std::string(text));
        return platform::kIdOk;
      });
  int referenced = 0;
  ASSERT_EQ(o.obj->SetValueAt(1, *VariantValue::i4(5), referenced), 1);
  EXPECT_EQ(referenced, 0);
  ASSERT_EQ(o.obj->SetValueAt(0, *VariantValue::i4(1), referenced), 1);
  EXPECT_EQ(referenced, 1);
  EXPECT_EQ(o.obj->GetUseDefaultByName("N"), 1);  // 5 is refused now: back to its default
  EXPECT_EQ(o.text("N"), "0");
  EXPECT_EQ(o.obj->SetValueAt(1, *VariantValue::i4(5), referenced), 0);
  EXPECT_EQ(boxes, std::vector<std::string>{"Error|Invalid value"});
  platform::set_message_box_hook(old);
}

TEST(PropObject, StateBits) {
  Object o(
      "    elem kind=5 name=R flags=0x10001\n"
      "    elem kind=5 name=H\n"
      "      depend 0 i4:0 true\n"
      "    elem kind=9 name=COL default=i4:-2147483643 flags=0x2000000\n"
      "    list kind=4 name=FONT type={BEF6E003-A874-101A-8BBA-00AA00300CAB}\n"
      "      elem kind=5 name=Name\n");
  o.obj->TakeSnapshot();
  struct Case {
    int index;
    int state;
  };
  const Case cases[] = {
      {0, kStateUseDefault | kStateRequired | 0x100},
      {1, kStateUseDefault | kStateHidden},
      {2, kStateUseDefault | kStateRgb},
      {3, kStateBit8},
      {4, kStateHidden},
  };
  for (const auto& c : cases) {
    VariantValue v;
    int state = -1;
    ASSERT_TRUE(o.obj->GetValueAndState(c.index, *v, state));
    EXPECT_EQ(state, c.state) << c.index;
  }
  EXPECT_EQ(o.text("COL"), std::to_string(0xFFFFFF));  // the window colour of the system table
  int index = -1;
  EXPECT_EQ(o.obj->CheckRequired(index), 0);
  EXPECT_EQ(index, 0);
  o.set("R", VariantValue::text("x"));
  VariantValue v;
  int state = 0;
  o.obj->GetValueAndState(0, *v, state);
  EXPECT_EQ(state & kStateModified, kStateModified);
}

TEST(PropObject, FontGroups) {
  Object o(
      "    list kind=4 name=FONT type={BEF6E003-A874-101A-8BBA-00AA00300CAB}\n"
      "      elem kind=5 name=Name default=bstr:Arial\n"
      "      elem kind=5 name=Size default=cy:10.5\n"
      "      elem kind=6 name=Weight default=i4:700\n"
      "      elem kind=10 name=Italic default=bool:True\n"
      "      elem kind=5 name=Charset default=bstr:none\n");
  VariantValue v;
  o.obj->GetValueByName(*v, "FONT");
  ASSERT_EQ(v.vt(), VT_DISPATCH);
  auto* font = static_cast<CPropFont*>(v->pdispVal);
  EXPECT_EQ(font->desc().size.int64, 105000);
  EXPECT_EQ(font->desc().weight, 700);
  EXPECT_TRUE(font->desc().italic);
  EXPECT_EQ(font->desc().charset, 0);  // "none" does not convert: left as it was
  EXPECT_EQ(o.text("FONT"), "Arial");  // a font reads as its name

  // Setting the group from a font sets its members.
  FontDesc other;
  other.name = "Courier";
  other.weight = 400;
  VariantValue courier;
  courier->vt = VT_DISPATCH;
  courier->pdispVal = CPropFont::Create(other);
  int referenced = 0;
  ASSERT_EQ(o.obj->SetValueAt(0, *courier, referenced), 1);
  EXPECT_EQ(o.text("Name"), "Courier");
  EXPECT_EQ(o.text("Weight"), "400");
  EXPECT_EQ(o.text("Italic"), "False");
}

TEST(PropSaved, ApplyToObject) {
  Object o(
      "    elem kind=5 name=a\n"
      "    elem kind=5 name=NEWNAME aliases=OLDNAME\n"
      "    elem kind=5 name=BOTH aliases=OLD2\n"
      "    elem kind=6 name=INT\n"
      "    elem kind=6 name=BAD\n"
      "    elem kind=5 name=CUR version=2 valuetype=6\n"
      "    elem kind=5 name=SECRET flags=0x10000\n"
      "    elem kind=5 name=EMPTY default=bstr:x\n");
  CPropSavedValues saved;
  for (auto [k, v] :
       std::vector<std::pair<std::string, std::string>>{{"A", "upper"},
                                                        {"a", "lower"},
                                                        {"OLDNAME", "old"},
                                                        {"OLD2", "old"},
                                                        {"BOTH", "new"},
                                                        {"INT", "12"},
                                                        {"BAD", "abc"},
                                                        {"CUR", "1234.5"},
                                                        {"SECRET", encrypt_text("pass")},
                                                        {"EMPTY", ""}}) {
    saved.SetValue(k, v, "", 5, nullptr);
  }
  o.obj->ApplySavedValue(saved, 0, 1);
  EXPECT_EQ(o.text("a"), "lower");
  EXPECT_EQ(o.text("NEWNAME"), "old");
  EXPECT_EQ(o.text("BOTH"), "new");
  EXPECT_EQ(o.type("INT"), VT_I4);
  EXPECT_EQ(o.text("INT"), "12");
  EXPECT_EQ(o.type("BAD"), VT_BSTR);
  EXPECT_EQ(o.text("BAD"), "abc");
  EXPECT_EQ(o.type("CUR"), VT_CY);
  EXPECT_EQ(o.text("CUR"), "1234.5");
  EXPECT_EQ(o.text("SECRET"), "pass");
  EXPECT_EQ(o.text("EMPTY"), "");
  EXPECT_EQ(o.obj->GetUseDefaultByName("INT"), 0);
}

TEST(PropHandlers, RegistriesFallBackAndListen) {
  CPropHandlerContainer manager, object;
  object.LinkTo(manager);
  static int calls;
  auto mine = +[](void*) { return 1; };
  auto theirs = +[](void*) { return 2; };
  manager.enabled->Register("Colour", theirs, nullptr);
  void* context = nullptr;
  EXPECT_EQ(object.enabled->Lookup("Colour", context), theirs);
  object.enabled->Register("Colour", mine, nullptr);
  EXPECT_EQ(object.enabled->Lookup("Colour", context), mine);
  EXPECT_EQ(manager.enabled->Lookup("Colour", context), theirs);
  manager.enabled->Register("Colour", theirs,
                            nullptr);  // the manager's change drops the object's own
  EXPECT_EQ(object.enabled->Lookup("Colour", context), theirs);

  // Two children of one parent are both told of its changes.
  CPropHandlerContainer second;
  second.LinkTo(manager);
  calls = 0;
  auto count = +[](void*, const std::string*) { ++calls; };
  object.enabled->Listen(count, &object);
  second.enabled->Listen(count, &second);
  manager.enabled->Register("X", theirs, nullptr);
  EXPECT_EQ(calls, 2);

  // Custom types are found upper-cased.
  struct Custom : iCustomProp {
    bool ToText(const VARIANT&, std::string&) override { return false; }
    bool FromText(const std::string&, VARIANT&) override { return false; }
    bool Copy(VARIANT&, const VARIANT&) override { return false; }
    bool Equal(const VARIANT&, const VARIANT&) override { return false; }
  } custom;
  manager.custom_types->Register("myType", &custom, nullptr);
  EXPECT_EQ(object.custom_types->Lookup("MYTYPE", context), &custom);
}

TEST(PropIterators, ArraysAndFilters) {
  std::vector<int> empty, three{1, 2, 3};
  CArrayIter<int, std::vector<int>> none(&empty), it(&three);
  EXPECT_EQ(none.GetStartPosition(), 0u);
  IterPos pos = it.GetLastPosition();
  std::vector<int> back;
  while (pos) back.push_back(it.GetPrev(pos));
  EXPECT_EQ(back, (std::vector<int>{3, 2, 1}));

  CPropSavedValues saved;
  saved.SetValue("B", "2", "", 6, nullptr);
  saved.SetValue("A", "1", "", 5, &saved);  // linked: not presented
  saved.SetValue("C", "3", "", 11, nullptr);
  CIter<iOneProperty*>* values = saved.GetValues();
  std::vector<std::string> names;
  for (IterPos p = values->GetStartPosition(); p;) {
    iOneProperty* one = values->GetNext(p);
    names.push_back(one->GetName() + std::to_string(one->GetValueClass()));
  }
  EXPECT_EQ(names, (std::vector<std::string>{"B2", "C3"}));
}

}  // namespace
}  // namespace qn::config

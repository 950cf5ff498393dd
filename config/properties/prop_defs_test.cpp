#include "config/properties/prop_defs.h"

#include <gtest/gtest.h>

#include <functional>

#include "config/properties/pty_fixture.h"

namespace qn::config {
namespace {

using namespace com;

CPropObjIdList E(std::vector<std::string> n) { return CPropObjIdList::Of(std::move(n)); }
CPropObjIdList C(std::vector<std::string> n) { return CPropObjIdList{0, true, std::move(n)}; }

TEST(PropObjIds, AlgebraTable) {
  enum Op { kIntersect, kUnite, kSubtract };
  struct Case {
    const char* name;
    CPropObjIdList a, b;
    Op op;
    CPropObjIdList expect;
  };
  const auto X = std::vector<std::string>{"X", "Y"};
  const auto Y = std::vector<std::string>{"Y", "Z"};
  const Case cases[] = {
      {"eX & eY", E(X), E(Y), kIntersect, E({"Y"})},
      {"eX | eY", E(X), E(Y), kUnite, E({"X", "Y", "Z"})},
      {"eX - eY", E(X), E(Y), kSubtract, E({"X"})},
      {"eX & cY", E(X), C(Y), kIntersect, E({"X"})},
      {"eX | cY", E(X), C(Y), kUnite, C({"Z"})},
      {"eX - cY", E(X), C(Y), kSubtract, E({"Y"})},
      {"cX & eY", C(X), E(Y), kIntersect, E({"Z"})},
      {"cX | eY", C(X), E(Y), kUnite, C({"X"})},
      {"cX - eY", C(X), E(Y), kSubtract, C({"X", "Y", "Z"})},
      {"cX & cY", C(X), C(Y), kIntersect, C({"X", "Y", "Z"})},
      {"cX | cY", C(X), C(Y), kUnite, C({"Y"})},
      {"cX - cY", C(X), C(Y), kSubtract, E({"Z"})},
  };
  for (const auto& c : cases) {
    CPropObjIdList r = c.a;
    switch (c.op) {
      case kIntersect:
        r = c.a.Intersect(c.b);
        break;
      case kUnite:
        r = c.a.Unite(c.b);
        break;
      case kSubtract:
        r.Subtract(c.b);
        break;
    }
    EXPECT_TRUE(r.Equals(c.expect)) << c.name;
  }
  // Complement {X} with explicit {X, Y} is explicit {Y}.
  EXPECT_TRUE(C({"X"}).Intersect(E({"X", "Y"})).Equals(E({"Y"})));
  EXPECT_TRUE(C({}).IsAll());
  EXPECT_TRUE(C({"A"}).Contains("B"));
  EXPECT_FALSE(C({"A"}).Contains("A"));
  EXPECT_FALSE(E({}).IsNonEmpty());
}

TEST(PropObjIds, ObjectChain) {
  CPropDefObjs dir;
  dir.Set("A", {1, "", "B", 0});
  dir.Set("B", {2, "", "", 0});
  dir.Set("P", {3, "", "Q", 0});
  dir.Set("Q", {4, "", "P", 0});  // a cycle ends the chain
  dir.Set("R", {5, "", "missing", 0});
  EXPECT_EQ(dir.GetObjectChain("A").names, (std::vector<std::string>{"A", "B"}));
  EXPECT_TRUE(dir.GetObjectChain("Z").names.empty());
  EXPECT_EQ(dir.GetObjectChain("P").names, (std::vector<std::string>{"P", "Q"}));
  EXPECT_EQ(dir.GetObjectChain("R").names, (std::vector<std::string>{"R"}));
  // A later entry of the same name replaces the earlier one.
  PropArchive a =
      ReadPropArchive(pty_bytes("object A parent=X\nobject A parent=B\nobject B\nlist kind=1\n"));
  EXPECT_EQ(a.objects.Lookup("A")->parent, "B");
  EXPECT_EQ(a.objects.GetObjectChain("a").names.size(), 0u);  // exact names
}

TEST(PropSelection, LaterDefinitionWinsAndLooseChildrenGather) {
  const char* description =
      "object A\n"
      "object B\n"
      "list kind=1\n"
      "  elem kind=5 name=LOOSE\n"
      "  list kind=2 name=FIRST ids=A\n"
      "    elem kind=5 name=P1\n"
      "  list kind=2 name=SECOND ids=A,B\n"
      "    elem kind=5 name=ONLY_B ids=B\n"
      "    list kind=3 name=PAGE\n"
      "      elem kind=5 name=P2\n";
  PropArchive a = ReadPropArchive(pty_bytes(description));
  CPropDefList* chosen = SelectObjectDefinition(*a.root, a.objects.GetObjectChain("A"));
  ASSERT_NE(chosen, nullptr);
  EXPECT_EQ(chosen->name, "SECOND");
  ASSERT_EQ(a.root->children.size(), 3u);
  EXPECT_EQ(a.root->children[0]->caption, "General");  // the loose element, first
  EXPECT_TRUE(a.root->children[0]->ids.IsAll());
  chosen->GatherLoose(kKindPage, kKindPage);
  ASSERT_EQ(chosen->children.size(), 2u);
  EXPECT_EQ(chosen->children[0]->caption, "General");
  EXPECT_FALSE(chosen->FindByName("ONLY_B"));  // not active for A
  EXPECT_TRUE(chosen->FindByName("P2"));

  // Without loose children the root gets no "General"; a chain no
  // definition meets selects nothing.
  PropArchive b = ReadPropArchive(pty_bytes("object A\nlist kind=1\n  list kind=2 ids=A\n"));
  EXPECT_EQ(SelectObjectDefinition(*b.root, E({"Z"})), nullptr);
  EXPECT_EQ(b.root->children.size(), 1u);
}

TEST(PropSelection, IndexesAndNames) {
  PropArchive a =
      ReadPropArchive(pty_bytes("list kind=1\n  list kind=3 name=PAGE\n    elem name=A\n    list "
                                "kind=4 name=G\n      elem name=B\n"
                                "    elem name=OFF ids=NONE\n    elem name=C\n"));
  a.root->Activate(E({"X"}));
  auto* page = static_cast<CPropDefList*>(a.root->children[0].get());
  int counter = -1;
  page->AssignIndex(counter);
  EXPECT_EQ(counter, 4);
  EXPECT_EQ(page->index, -1);
  EXPECT_EQ(page->FindByIndex(1)->name, "G");
  EXPECT_EQ(page->FindByIndex(2)->name, "B");
  EXPECT_EQ(page->FindByIndex(3)->name, "C");
  EXPECT_EQ(page->FindByName("OFF"), nullptr);
  EXPECT_EQ(page->FindByName("b"), nullptr);
  EXPECT_EQ(page->FindByNameFor("b", nullptr)->name, "B");
}

TEST(PropDefinitions, CloneEqualsAndCollect) {
  PropArchive a =
      ReadPropArchive(pty_bytes("list kind=1\n  list kind=2 name=D ids=A,B\n    elem kind=7 name=C "
                                "default=bstr:x ids=C aliases=OLD\n"
                                "      depend 2 bstr:y and(eq(N,i4:1),obj(A))\n      choice bstr:x "
                                "caption=X\n    elem kind=6 name=N min=1\n"));
  const CPropDefBase& d = *a.root->children[0];
  auto copy = d.Clone();
  EXPECT_TRUE(copy->Equals(d));
  auto* list = static_cast<CPropDefList*>(copy.get());
  EXPECT_EQ(list->children[0]->parent, list);
  struct Case {
    const char* name;
    std::function<void(CPropDefList&)> change;
  };
  const Case cases[] = {
      {"caption", [](CPropDefList& l) { l.caption = "x"; }},
      {"ids", [](CPropDefList& l) { l.ids = CPropObjIdList::Of({"A"}); }},
      {"default",
       [](CPropDefList& l) {
         static_cast<CPropDefElem&>(*l.children[0]).default_value = VariantValue::text("z");
       }},
      {"choice",
       [](CPropDefList& l) {
         static_cast<CPropDefElem&>(*l.children[0]).choices[0].caption = "Y";
       }},
      {"expression",
       [](CPropDefList& l) {
         l.children[0]->depends[0]->expr->left->constant = VariantValue::i4(2);
       }},
      {"bound", [](CPropDefList& l) { static_cast<CPropDefElem&>(*l.children[1]).minimum = 2; }},
      {"alias",
       [](CPropDefList& l) { static_cast<CPropDefElem&>(*l.children[0]).aliases.clear(); }},
  };
  for (const auto& c : cases) {
    auto changed = d.Clone();
    c.change(static_cast<CPropDefList&>(*changed));
    EXPECT_FALSE(changed->Equals(d)) << c.name;
  }
  // An inactive child is left out of the comparison.
  auto fewer = d.Clone();
  static_cast<CPropDefList&>(*fewer).children[1]->active = false;
  EXPECT_FALSE(fewer->Equals(d));
  CPropObjIdList all;
  d.CollectIds(all);
  EXPECT_TRUE(all.Equals(E({"A", "B", "C"})));
}

// Values by name for expressions.
struct FakeValues : iObjPropVals {
  std::map<std::string, VariantValue> values;
  std::vector<std::string> asked, marked;
  void MarkReferenced(const std::string& n) override { marked.push_back(n); }
  void GetValueByName(VARIANT& v, const std::string& n) override {
    asked.push_back(n);
    VariantClear(&v);
    if (auto it = values.find(n); it != values.end()) VariantCopy(&v, it->second.get());
  }
  DefaultProvider FindDefaultProvider(const std::string&, void*&) override { return nullptr; }
  EnabledHandler FindEnabledHandler(const std::string&, void*&) override { return nullptr; }
  VisibleHandler FindVisibleHandler(const std::string&, void*&) override { return nullptr; }
  ValidationHandler FindValidationHandler(const std::string&, void*&) override { return nullptr; }
};

TEST(PropExpressions, Evaluate) {
  // Each expression is a dependency of element E inside group GRP.
  struct Case {
    const char* expr;
    bool expect;
  };
  const Case cases[] = {
      {"eq(MAIN_DS,i2:-1)", true},   {"eq(MAIN_DS,i4:-1)", true},
      {"ne(MAIN_DS,i4:0)", true},    {"gt(N,i4:2)", true},
      {"ge(N,i4:3)", true},          {"lt(N,i4:3)", false},
      {"le(N,bstr:3)", true},        {"eq(UNSET,empty:)", true},
      {"eq(UNSET,i4:0)", true},      {"ne(ERR,i4:0)", true},
      {"eq(ERR,i4:0)", false},       {"op(32768)", true},
      {"op(49152)", false},          {"op(0)", false},
      {"group(GRP)", true},          {"group(grp)", false},
      {"never(GRP)", false},         {"obj(A)", false},
      {"not(obj(A))", true},         {"and(true,eq(N,i4:3))", true},
      {"or(op(0),never(X))", false},
  };
  FakeValues values;
  values.values["MAIN_DS"] = VariantValue::i2(-1);
  values.values["N"] = VariantValue::i4(3);
  values.values["ERR"] = VariantValue::error(0);
  for (const auto& c : cases) {
    std::string d =
        std::string("list kind=1\n  list kind=4 name=GRP\n    elem name=E\n      depend 1 i4:0 ") +
        c.expr + "\n";
    PropArchive a = ReadPropArchive(pty_bytes(d));
    const CPropDefBase* e =
        static_cast<CPropDefList*>(a.root->children[0].get())->children[0].get();
    EXPECT_EQ(e->depends[0]->expr->Evaluate(values, e), c.expect) << c.expr;
  }
  // An OR whose left side is true still evaluates its right side.
  PropArchive a = ReadPropArchive(
      pty_bytes("list kind=1\n  elem name=E\n    depend 1 i4:0 or(true,eq(RIGHT,i4:1))\n"));
  values.asked.clear();
  EXPECT_TRUE(a.root->children[0]->depends[0]->expr->Evaluate(values, a.root->children[0].get()));
  EXPECT_EQ(values.asked, std::vector<std::string>{"RIGHT"});
}

TEST(PropExpressions, ObjectTestsSetBySelection) {
  PropArchive a =
      ReadPropArchive(pty_bytes("object A\nobject B\nlist kind=1\n  list kind=2 ids=A,B\n    elem "
                                "name=E\n      depend 0 i4:0 and(obj(A),not(obj(B)))\n"));
  CPropDefList* chosen = SelectObjectDefinition(*a.root, E({"A"}));
  ASSERT_NE(chosen, nullptr);
  FakeValues values;
  const CPropDefBase* e = chosen->children[0].get();
  EXPECT_TRUE(e->depends[0]->expr->Evaluate(values, e));
  EXPECT_TRUE(e->AnyDependTrue(kDepHidden, values, 0));
  EXPECT_FALSE(e->IsVisible(values));
}

}  // namespace
}  // namespace qn::config

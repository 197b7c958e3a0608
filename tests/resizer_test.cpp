#include <gtest/gtest.h>

#include <map>

#include "app/resizer.h"
#include "ui/resource.h"

namespace {

using app::Rect;

// A dialog of plain rectangles whose moves are applied in one batch.
class FakeWindow final : public app::ResizableWindow {
 public:
  Rect client;
  std::map<std::int32_t, Rect> controls;
  int batches = 0;

  Rect ClientRect() const override { return client; }
  std::optional<Rect> ControlRect(std::int32_t id) const override {
    const auto it = controls.find(id);
    if (it == controls.end()) return std::nullopt;
    return it->second;
  }
  void MoveControls(const std::vector<app::ControlPlacement>& placements) override {
    ++batches;
    for (const auto& p : placements) controls[p.controlId] = p.rect;
  }
};

FakeWindow MainDialog() {
  FakeWindow w;
  w.client = {0, 0, 565, 445};
  w.controls = {{IDC_INTRO_FRAME, {11, 5, 554, 70}},   {IDC_INTRO_TEXT, {35, 26, 525, 68}},
                {IDC_VERSION_COMBO, {32, 85, 526, 107}}, {IDC_STATUS_LIST, {32, 117, 526, 397}},
                {IDC_CREATE_REPORT, {32, 405, 120, 428}}, {IDC_SYSINFO_BUTTON, {345, 405, 433, 428}}};
  return w;
}

TEST(CResizer, ShrinkingTheMainDialogKeepsTheButtonsInTheirCorners) {
  FakeWindow w = MainDialog();
  const auto before = w.controls;
  app::CResizer resizer;
  const auto& rules = app::MainDialogResizeRules();
  ASSERT_TRUE(resizer.Init(w, rules.data(), static_cast<int>(rules.size())));

  w.client = {0, 0, 505, 405};  // 60 narrower, 40 shorter
  resizer.Layout();
  EXPECT_EQ(w.batches, 1);
  EXPECT_EQ(w.controls[IDC_CREATE_REPORT], (Rect{32, 365, 120, 388}));
  EXPECT_EQ(w.controls[IDC_SYSINFO_BUTTON], (Rect{285, 365, 373, 388}));
  EXPECT_EQ(w.controls[IDC_STATUS_LIST], (Rect{32, 117, 466, 357}));
  EXPECT_EQ(w.controls[IDC_VERSION_COMBO], (Rect{32, 85, 466, 107}));
  EXPECT_EQ(w.controls[IDC_INTRO_FRAME], (Rect{11, 5, 494, 70}));

  // Back at the initial size every control is where it started.
  w.client = {0, 0, 565, 445};
  resizer.Layout();
  EXPECT_EQ(w.controls, before);
}

TEST(CResizer, GrowingTheSysInfoDialogWidensOnlyTheDetailList) {
  FakeWindow w;
  w.client = {0, 0, 600, 400};
  w.controls = {{IDC_CATEGORY_LIST, {10, 10, 160, 390}}, {IDC_DETAIL_LIST, {170, 10, 590, 390}}};
  app::CResizer resizer;
  const auto& rules = app::SysInfoDialogResizeRules();
  resizer.Init(w, rules.data(), static_cast<int>(rules.size()));
  w.client = {0, 0, 700, 450};
  resizer.Layout();
  EXPECT_EQ(w.controls[IDC_CATEGORY_LIST], (Rect{10, 10, 160, 440}));
  EXPECT_EQ(w.controls[IDC_DETAIL_LIST], (Rect{170, 10, 690, 440}));
}

TEST(CResizer, EdgeModesAndReferences) {
  using namespace app;
  struct Case {
    const char* name;
    ResizeRule rule;
    Rect start;
    Rect grownClient;
    Rect want;
  };
  const Rect client{0, 0, 400, 300};
  const Case cases[] = {
      {"proportional to the client's left side", {7, {Proportional, 0, SideLeft}, {KeepOffset, 0, SideTop},
        {KeepWidth, 0, 0}, {KeepHeight, 0, 0}}, {100, 20, 140, 40}, {0, 0, 600, 300}, {150, 20, 190, 40}},
      {"keep offset from the centre lines", {7, {KeepOffset, 0, SideCenterX}, {KeepOffset, 0, SideCenterY},
        {KeepOffset, 0, SideCenterX}, {KeepOffset, 0, SideCenterY}}, {190, 140, 210, 160}, {0, 0, 501, 401},
       {240, 190, 260, 210}},
      {"proportional vertically uses the height", {7, {KeepOffset, 0, SideLeft}, {Proportional, 0, SideTop},
        {KeepOffset, 0, SideLeft}, {Proportional, 0, SideTop}}, {0, 30, 10, 60}, {0, 0, 400, 600}, {0, 60, 10, 120}},
      {"an unknown mode gives 0", {7, {99, 0, SideLeft}, {KeepOffset, 0, SideTop}, {KeepOffset, 0, SideRight},
        {KeepOffset, 0, SideBottom}}, {10, 10, 20, 20}, {0, 0, 410, 310}, {0, 10, 30, 30}},
  };
  for (const Case& c : cases) {
    FakeWindow w;
    w.client = client;
    w.controls[7] = c.start;
    CResizer resizer;
    resizer.Init(w, &c.rule, 1);
    w.client = c.grownClient;
    resizer.Layout();
    EXPECT_EQ(w.controls[7], c.want) << c.name;
  }
}

TEST(CResizer, ProportionalToAReferenceOfZeroExtentDividesByOne) {
  using namespace app;
  // Control 5 has no width at start; control 6 is proportional to it and
  // sees its new position, which is earlier in the table.
  const ResizeRule rules[] = {
      {5, {KeepOffset, 0, SideLeft}, {KeepOffset, 0, SideTop}, {KeepOffset, 0, SideRight}, {KeepOffset, 0, SideTop}},
      {6, {Proportional, 5, SideLeft}, {KeepOffset, 0, SideTop}, {Proportional, 5, SideLeft}, {KeepOffset, 0, SideTop}},
  };
  FakeWindow w;
  w.client = {0, 0, 100, 100};
  w.controls = {{5, {50, 0, 50, 10}}, {6, {60, 20, 70, 30}}};
  CResizer resizer;
  resizer.Init(w, rules, 2);
  w.client = {0, 0, 120, 100};  // control 5 becomes 20 wide
  resizer.Layout();
  EXPECT_EQ(w.controls[5], (Rect{50, 0, 70, 10}));
  // left: 50 + (60 - 50) * 20 / 1 = 250; right: 50 + (70 - 50) * 20 / 1 = 450.
  EXPECT_EQ(w.controls[6], (Rect{250, 20, 450, 30}));

  // A negative extent at start (right left of left) divides by one as well,
  // rather than turning the scale around.
  w.client = {0, 0, 100, 100};
  w.controls = {{5, {50, 0, 40, 10}}, {6, {60, 20, 70, 30}}};
  resizer.Init(w, rules, 2);
  w.client = {0, 0, 120, 100};  // control 5 becomes 10 wide
  resizer.Layout();
  EXPECT_EQ(w.controls[5], (Rect{50, 0, 60, 10}));
  // left: 50 + (60 - 50) * 10 / 1 = 150; right: 50 + (70 - 50) * 10 / 1 = 250.
  EXPECT_EQ(w.controls[6], (Rect{150, 20, 250, 30}));
}

TEST(CResizer, LayoutBeforeInitAndMissingControlsMoveNothing) {
  FakeWindow w = MainDialog();
  w.controls.erase(IDC_INTRO_TEXT);
  app::CResizer idle;
  idle.Layout();
  EXPECT_EQ(w.batches, 0);

  app::CResizer resizer;
  const auto& rules = app::MainDialogResizeRules();
  resizer.Init(w, rules.data(), static_cast<int>(rules.size()));
  w.client.right += 10;
  resizer.Layout();
  EXPECT_EQ(w.controls.count(IDC_INTRO_TEXT), 0u);
  EXPECT_EQ(w.controls[IDC_STATUS_LIST].right, 536);
}

}  // namespace

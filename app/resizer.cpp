#include "app/resizer.h"

#include "ui/resource.h"

namespace app {

namespace {

std::int32_t Side(const Rect& r, std::int32_t side) {
  switch (side) {
    case SideLeft: return r.left;
    case SideTop: return r.top;
    case SideRight: return r.right;
    case SideBottom: return r.bottom;
    case SideCenterX: return (r.left + r.right) / 2;
    case SideCenterY: return (r.top + r.bottom) / 2;
    default: return 0;
  }
}

std::int32_t Value(const Rect& r, EdgeSide own) { return Side(r, own); }

bool IsVertical(EdgeSide own) { return own == SideTop || own == SideBottom; }

constexpr EdgeRule Offset(std::int32_t reference, EdgeSide side) { return EdgeRule{KeepOffset, reference, side}; }

}  // namespace

bool CResizer::Init(ResizableWindow& window, const ResizeRule* rules, int count) {
  initial_.clear();
  placements_.clear();
  placedCount_ = 0;
  window_ = &window;
  initialClient_ = window.ClientRect();
  for (int i = 0; i < count; ++i) {
    const ResizeRule& rule = rules[i];
    const std::optional<Rect> rect = rule.controlId == 0 ? initialClient_ : window.ControlRect(rule.controlId);
    initial_.push_back(Initial{&rule, rect.value_or(Rect{})});
  }
  return true;
}

void CResizer::Layout() {
  if (!window_ || initial_.empty()) return;
  if (placements_.size() != initial_.size()) placements_.assign(initial_.size(), ControlPlacement{});
  for (std::size_t i = 0; i < initial_.size(); ++i) {
    placedCount_ = i + 1;
    const Initial& control = initial_[i];
    ControlPlacement& placement = placements_[i];
    placement.controlId = control.rule->controlId;
    placement.rect.left = Edge(control, placement.rect, control.rule->left, SideLeft);
    placement.rect.top = Edge(control, placement.rect, control.rule->top, SideTop);
    placement.rect.right = Edge(control, placement.rect, control.rule->right, SideRight);
    placement.rect.bottom = Edge(control, placement.rect, control.rule->bottom, SideBottom);
  }
  // A rule for a control the dialog lacks has nothing to move.
  std::vector<ControlPlacement> moves;
  for (std::size_t i = 0; i < placements_.size(); ++i) {
    if (window_->ControlRect(placements_[i].controlId)) moves.push_back(placements_[i]);
  }
  window_->MoveControls(moves);
}

std::int32_t CResizer::Edge(const Initial& control, const Rect& placed, const EdgeRule& rule, EdgeSide own) const {
  const std::int32_t a = Value(control.rect, own);
  // A reference that is not found (no such earlier control) falls back to
  // the client area, so a faulty table still gives a sensible layout.
  const Rect start = ReferenceAtStart(rule.referenceId).value_or(initialClient_);
  const Rect now = ReferenceNow(rule.referenceId).value_or(window_->ClientRect());
  switch (rule.mode) {
    case KeepOffset:
      return a + (Side(now, rule.referenceSide) - Side(start, rule.referenceSide));
    case Proportional: {
      const bool vertical = IsVertical(own);
      const std::int32_t extentNow = vertical ? now.bottom - now.top : now.right - now.left;
      std::int32_t extentStart = vertical ? start.bottom - start.top : start.right - start.left;
      if (extentStart <= 0) extentStart = 1;
      const std::int64_t scaled =
          static_cast<std::int64_t>(a - Side(start, rule.referenceSide)) * extentNow / extentStart;
      return Side(now, rule.referenceSide) + static_cast<std::int32_t>(scaled);
    }
    case KeepWidth:
      return placed.left + (control.rect.right - control.rect.left);
    case KeepHeight:
      return placed.top + (control.rect.bottom - control.rect.top);
    default:
      return 0;
  }
}

std::optional<Rect> CResizer::ReferenceAtStart(std::int32_t id) const {
  if (id == 0) return initialClient_;
  for (const Initial& control : initial_) {
    if (control.rule->controlId == id) return control.rect;
  }
  return std::nullopt;
}

std::optional<Rect> CResizer::ReferenceNow(std::int32_t id) const {
  if (id == 0) return window_->ClientRect();
  for (std::size_t i = 0; i < placedCount_ && i < placements_.size(); ++i) {
    if (placements_[i].controlId == id) return placements_[i].rect;
  }
  return std::nullopt;
}

const std::vector<ResizeRule>& MainDialogResizeRules() {
  static const std::vector<ResizeRule> rules = {
      {IDC_INTRO_FRAME, Offset(0, SideLeft), Offset(0, SideTop), Offset(0, SideRight), Offset(0, SideTop)},
      {IDC_INTRO_TEXT, Offset(0, SideLeft), Offset(0, SideTop), Offset(0, SideRight), Offset(0, SideTop)},
      {IDC_VERSION_COMBO, Offset(0, SideLeft), Offset(0, SideTop), Offset(0, SideRight), Offset(0, SideTop)},
      {IDC_STATUS_LIST, Offset(0, SideLeft), Offset(0, SideTop), Offset(0, SideRight), Offset(0, SideBottom)},
      {IDC_CREATE_REPORT, Offset(0, SideLeft), Offset(0, SideBottom), Offset(0, SideLeft), Offset(0, SideBottom)},
      {IDC_SYSINFO_BUTTON, Offset(0, SideRight), Offset(0, SideBottom), Offset(0, SideRight), Offset(0, SideBottom)},
  };
  return rules;
}

const std::vector<ResizeRule>& SysInfoDialogResizeRules() {
  static const std::vector<ResizeRule> rules = {
      {IDC_CATEGORY_LIST, Offset(0, SideLeft), Offset(0, SideTop), Offset(0, SideLeft), Offset(0, SideBottom)},
      {IDC_DETAIL_LIST, Offset(IDC_CATEGORY_LIST, SideRight), Offset(0, SideTop), Offset(0, SideRight),
       Offset(0, SideBottom)},
  };
  return rules;
}

}  // namespace app

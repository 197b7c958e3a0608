// Keeps a resizable dialog's controls anchored: each edge of each control is
// tied by a fixed rule to an edge of the client area or of a control earlier
// in the same table. Rectangles are captured once; every resize computes the
// new ones from them and moves all controls in one batch.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace app {

struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

enum EdgeMode : std::int32_t { KeepOffset = 1, Proportional = 2, KeepWidth = 3, KeepHeight = 4 };
enum EdgeSide : std::int32_t { SideLeft = 1, SideTop = 2, SideRight = 3, SideBottom = 4, SideCenterX = 5, SideCenterY = 6 };

struct EdgeRule {
  std::int32_t mode;
  std::int32_t referenceId;  // 0: the client area
  std::int32_t referenceSide;
};

struct ResizeRule {
  std::int32_t controlId;
  EdgeRule left;
  EdgeRule top;
  EdgeRule right;
  EdgeRule bottom;
};

struct ControlPlacement {
  std::int32_t controlId = 0;
  Rect rect;
};

// The dialog as the resizer sees it, in client coordinates.
class ResizableWindow {
 public:
  virtual ~ResizableWindow() = default;
  virtual Rect ClientRect() const = 0;
  // nullopt when the dialog has no such control.
  virtual std::optional<Rect> ControlRect(std::int32_t id) const = 0;
  // Moves and sizes all the controls at once.
  virtual void MoveControls(const std::vector<ControlPlacement>& placements) = 0;
};

class CResizer {
 public:
  CResizer() = default;
  CResizer(const CResizer&) = delete;
  CResizer& operator=(const CResizer&) = delete;
  virtual ~CResizer() = default;

  bool Init(ResizableWindow& window, const ResizeRule* rules, int count);
  void Layout();

 private:
  struct Initial {
    const ResizeRule* rule;
    Rect rect;
  };

  std::int32_t Edge(const Initial& control, const Rect& placed, const EdgeRule& rule, EdgeSide own) const;
  std::optional<Rect> ReferenceAtStart(std::int32_t id) const;
  std::optional<Rect> ReferenceNow(std::int32_t id) const;

  ResizableWindow* window_ = nullptr;
  Rect initialClient_;
  std::vector<Initial> initial_;
  std::vector<ControlPlacement> placements_;
  std::size_t placedCount_ = 0;
};

// The anchoring tables of the two resizable dialogs.
const std::vector<ResizeRule>& MainDialogResizeRules();
const std::vector<ResizeRule>& SysInfoDialogResizeRules();

}  // namespace app

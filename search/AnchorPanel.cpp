#include "AnchorPanel.h"

#include <algorithm>

namespace search {
namespace {

// One dimension of a child's place: its start and length, given the growth
// of the panel along it.
std::pair<int, int> Along(int start, int length, int growth, bool nearEdge, bool farEdge) {
  if (nearEdge && farEdge) return {start, std::max(length + growth, 0)};
  if (farEdge) return {start + growth, length};
  return {start, length};
}

}  // namespace

AnchorPanel::AnchorPanel(QSize designSize, QWidget* parent) : QWidget(parent), designSize_(designSize) {
  resize(designSize);
}

QRect AnchorPanel::Designed(const QWidget* child) const {
  const auto found = std::ranges::find(placed_, child, &Placed::child);
  return found == placed_.end() ? QRect() : found->designed;
}

void AnchorPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  for (const Placed& placed : placed_) Arrange(placed);
}

void AnchorPanel::Arrange(const Placed& placed) {
  const QRect& d = placed.designed;
  const auto [x, w] = Along(d.x(), d.width(), width() - designSize_.width(), placed.anchors & AnchorLeft,
                            placed.anchors & AnchorRight);
  const auto [y, h] = Along(d.y(), d.height(), height() - designSize_.height(), placed.anchors & AnchorTop,
                            placed.anchors & AnchorBottom);
  placed.child->setGeometry(x, y, w, h);
}

}  // namespace search

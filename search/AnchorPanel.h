#pragma once
// A panel whose children keep the places they were designed at, each tied to
// the edges of the panel it is anchored to: anchored left and right, a child
// stretches with the panel's width; right alone, it moves with the right
// edge; likewise top and bottom for the height.

#include <QRect>
#include <QSize>
#include <QWidget>

#include <vector>

namespace search {

enum Anchor : unsigned { AnchorLeft = 1, AnchorTop = 2, AnchorRight = 4, AnchorBottom = 8 };
inline constexpr unsigned AnchorLeftTop = AnchorLeft | AnchorTop;

class AnchorPanel : public QWidget {
 public:
  // designSize: the panel's size that the children's places are given for.
  AnchorPanel(QSize designSize, QWidget* parent = nullptr);

  // Puts child (made a child of this panel) at its designed place.
  template <typename Widget>
  Widget* Place(Widget* child, QRect designed, unsigned anchors = AnchorLeftTop) {
    child->setParent(this);
    placed_.push_back({child, designed, anchors});
    Arrange(placed_.back());
    return child;
  }

  // The designed place of a child; an empty rectangle for one not placed here.
  QRect Designed(const QWidget* child) const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Placed {
    QWidget* child;
    QRect designed;
    unsigned anchors;
  };
  void Arrange(const Placed& placed);

  QSize designSize_;
  std::vector<Placed> placed_;
};

}  // namespace search

// The marks on a district's button that tell its owner and its danger without colour: the owner's
// letter on a round badge in the gang's colour, the gang's own shape on a round badge of paper,
// and a warning sign on a district the next turn end would attack.
#pragma once

#include <QColor>
#include <QLabel>
#include <QWidget>

namespace golmok::screens {

// The owner's letter on a disc of the gang's colour, ringed in ink: round at any size.
class OwnerBadge : public QLabel {
    Q_OBJECT
  public:
    explicit OwnerBadge(QWidget* parent);
    void SetColor(const QColor& color);
    QColor color() const { return color_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor color_;
};

// The owning gang's shape (the same as in 연대기's legend) in ink on a disc of paper.
class GangEmblem : public QWidget {
    Q_OBJECT
  public:
    explicit GangEmblem(QWidget* parent);
    // The gang whose shape is drawn; -1 for none (the badge hides).
    void SetGang(int gang);
    int gang() const { return gang_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int gang_ = -1;
};

// A warning triangle with an exclamation mark, ink on lamplight: the district is attacked at the
// next turn end (다음 주 예상). Its shape says it on any colour and to any eye.
class ThreatSign : public QWidget {
    Q_OBJECT
  public:
    explicit ThreatSign(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace golmok::screens

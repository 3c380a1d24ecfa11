// THE END: two pages and a joke after a victory, one page after a defeat. The program ends from
// here.
#pragma once

#include "screens/Screen.h"

class QLabel;

namespace golmok::screens {

class Picture;

class PicturePrint : public Screen {
    Q_OBJECT
  public:
    PicturePrint(Screens& screens, bool victory);
    // A key or a click on the picture.
    void Advance();
    const QString& pictureShown() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void Unload() override;

  private:
    bool victory_;
    Picture* image1_;
    QLabel* label1_;
};

}  // namespace golmok::screens

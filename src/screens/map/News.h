// 이번 주 소식: what the computer gangs did at the last turn end, told in sentences under the
// standings, in the order it happened. It opens after every turn end while the option
// 옵션 > 보기 > 이번 주 소식 is on, and stays open, refilled, until the player closes it.
#pragma once

#include <QSize>

#include "screens/Screen.h"

class QListWidget;

namespace golmok::screens {

class News : public Screen {
    Q_OBJECT
  public:
    explicit News(Screens& screens);

    // Fills the list from the session's last turn end.
    void Refresh();
    // The window at `scale` times its size at 100 %, its type, borders and room with it; it
    // takes that size again only when the scale changes, so a size the player gave it stays.
    void SetScale(double scale);

    static constexpr QSize kSize{460, 380};  // at 100 %

  private:
    QListWidget* list_;  // NewsList: the standings, then the sentences
};

}  // namespace golmok::screens

// What the windows ask of the desktop: message boxes, the browser, the end of the program. The
// game goes through this one seam so that the screen tests can answer questions and record what
// the player would have been told.
#pragma once

#include <QString>

class QWidget;

namespace golmok::screens {

inline constexpr const char* kGameTitle = "골목패권기";

class Platform {
  public:
    virtual ~Platform() = default;
    // A message box with one OK button and the game's title as caption; waits for the player.
    virtual void Inform(QWidget* parent, const QString& text) = 0;
    // A Yes/No question (예, 아니요) with a warning icon; true for 예. Enter answers 예 and Esc
    // 아니요.
    virtual bool Ask(QWidget* parent, const QString& title, const QString& text) = 0;
    // Opens the player's guide in the default browser.
    virtual void OpenHomePage() = 0;
    virtual void EndProgram() = 0;
};

// The real desktop. The guide is the HTML page that lies beside the program.
class DesktopPlatform : public Platform {
  public:
    explicit DesktopPlatform(QString guidePath) : guidePath_(std::move(guidePath)) {}
    void Inform(QWidget* parent, const QString& text) override;
    bool Ask(QWidget* parent, const QString& title, const QString& text) override;
    void OpenHomePage() override;
    void EndProgram() override;

  private:
    QString guidePath_;
};

}  // namespace golmok::screens

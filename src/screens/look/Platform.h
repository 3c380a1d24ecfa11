// What the windows ask of the desktop: message boxes, the browser, the end of the program. The
// game goes through this one seam so that the screen tests can answer questions and record what
// the player would have been told.
#pragma once

#include <QPixmap>
#include <QString>
#include <string>
#include <vector>

class QMessageBox;
class QWidget;

namespace golmok::screens {

inline constexpr const char* kGameTitle = "골목패권기";

class Platform {
  public:
    virtual ~Platform() = default;
    // A message box with one OK button and the game's title as caption; waits for the player.
    virtual void Inform(QWidget* parent, const QString& text) = 0;
    // The same with `detail` (the figures behind the text) as a second, smaller line.
    virtual void InformDetail(QWidget* parent, const QString& text, const QString& detail) = 0;
    // A Yes/No question (예, 아니요) with a warning icon; true for 예. Enter answers 예 and Esc
    // 아니요.
    virtual bool Ask(QWidget* parent, const QString& title, const QString& text) = 0;
    // Opens the player's guide in the default browser; false when no browser took it.
    virtual bool OpenHomePage() = 0;
    virtual void EndProgram() = 0;
};

// The real desktop. The guide is the HTML page that lies beside the program.
class DesktopPlatform : public Platform {
  public:
    explicit DesktopPlatform(QString guidePath) : guidePath_(std::move(guidePath)) {}
    void Inform(QWidget* parent, const QString& text) override;
    void InformDetail(QWidget* parent, const QString& text, const QString& detail) override;
    bool Ask(QWidget* parent, const QString& title, const QString& text) override;
    bool OpenHomePage() override;
    void EndProgram() override;

  private:
    QString guidePath_;
};

// The signs of the game's message boxes, drawn by us as vector pictures: a notice for what the
// player is told, a warning for a question whose 예 may lose something.
enum class BoxSign { Notice, Warning };

// The sign painted at 48 × 48 pixels for a screen of `ratio` device pixels a pixel.
QPixmap BoxSignPixmap(BoxSign sign, qreal ratio);

// Gives `box` the game's own sign instead of Qt's bitmap, sharp on the screen that shows
// `parent` (the application's when there is none) at any scale, and bare buttons.
void SetBoxSign(QMessageBox& box, BoxSign sign, const QWidget* parent);

// A failure that ends the program before any window of the game opened, in a box of its own.
void ShowFailure(const QString& text);

// The messages of an operation in order, the first with the operation's detail under it.
void InformAll(Platform& platform, QWidget* parent, const std::vector<std::string>& messages,
               const std::string& detail);

}  // namespace golmok::screens

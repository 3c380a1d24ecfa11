// The map told apart without colour, at 100 % and at 200 %: the map is grabbed as the player sees
// it and looked at through protanopia, deuteranopia and tritanopia (Machado, Oliveira and
// Fernandes 2009, severity 1.0, applied to linear RGB). Every pair of gangs must stay apart under
// each: their districts' colours at least kApart (CIE76) from each other, or their emblems drawn
// as different shapes, which no loss of colour can merge. The owner's letter is a glyph of 12
// pixels or more, the badges are round, and a threatened district carries a sign, not only a red
// border.
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <array>
#include <cmath>

#include "ScreenTestSupport.h"
#include "screens/look/Look.h"
#include "screens/map/DistrictBadges.h"
#include "screens/map/MainGame.h"
#include "world/Tables.h"

using namespace golmok;
using namespace golmok::screens;
using namespace golmok::screens::testing;

namespace {

// Colours this far apart (CIE76) are told apart at a glance on the map.
constexpr double kApart = 20.0;

using Matrix = std::array<std::array<double, 3>, 3>;
struct Deficiency {
    const char* name;
    Matrix m;
};
// Machado et al. 2009, severity 1.0.
constexpr std::array<Deficiency, 3> kDeficiencies = {{
    {"protanopia",
     {{{0.152286, 1.052583, -0.204868},
       {0.114503, 0.786281, 0.099216},
       {-0.003882, -0.048116, 1.051998}}}},
    {"deuteranopia",
     {{{0.367322, 0.860646, -0.227968},
       {0.280085, 0.672501, 0.047413},
       {-0.011820, 0.042940, 0.968881}}}},
    {"tritanopia",
     {{{1.255528, -0.076749, -0.178779},
       {-0.078411, 0.930809, 0.147602},
       {0.004733, 0.691367, 0.303900}}}},
}};

double ToLinear(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
double ToGamma(double c) {
    c = std::clamp(c, 0.0, 1.0);
    return c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
}

QColor Simulate(const QColor& colour, const Matrix& m) {
    const std::array<double, 3> rgb = {ToLinear(colour.redF()), ToLinear(colour.greenF()),
                                       ToLinear(colour.blueF())};
    std::array<double, 3> out{};
    for (int i = 0; i < 3; ++i)
        out[i] = ToGamma(m[i][0] * rgb[0] + m[i][1] * rgb[1] + m[i][2] * rgb[2]);
    return QColor::fromRgbF(float(out[0]), float(out[1]), float(out[2]));
}

std::array<double, 3> Lab(const QColor& colour) {
    const double r = ToLinear(colour.redF()), g = ToLinear(colour.greenF()),
                 b = ToLinear(colour.blueF());
    const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
    const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
    const auto f = [](double t) {
        return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
    };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

double Cie76(const QColor& a, const QColor& b) {
    const auto la = Lab(a), lb = Lab(b);
    return std::hypot(la[0] - lb[0], la[1] - lb[1], la[2] - lb[2]);
}

// The ink of a grabbed emblem as seen with `m`: the dark pixels, as a mask.
QImage InkOf(const QImage& image, const Matrix& m) {
    QImage mask(image.size(), QImage::Format_Mono);
    mask.fill(0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor seen = Simulate(image.pixelColor(x, y), m);
            if (seen.lightnessF() < 0.4) mask.setPixel(x, y, 1);
        }
    }
    return mask;
}

// How many pixels of two masks of the same size disagree, as a share of the area.
double Unlike(const QImage& a, const QImage& b) {
    int differ = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            differ += a.pixelIndex(x, y) != b.pixelIndex(x, y);
    }
    return double(differ) / (a.width() * a.height());
}

}  // namespace

class MapColourTest : public QObject, public GameOnScreen {
    Q_OBJECT

  private:
    MainGame* Map() {
        MainGame* map = StartOnMap(0);
        map->show();
        if (!QTest::qWaitForWindowExposed(map)) qWarning("the map is not shown");
        return map;
    }

    // The map as the player sees it; saved beside the test's build when GOLMOK_MAP_SHOTS names a
    // folder, to look at.
    static QImage Grab(MainGame* map, const QString& name) {
        const QImage image = map->grab().toImage();
        const QByteArray folder = qgetenv("GOLMOK_MAP_SHOTS");
        if (!folder.isEmpty())
            image.save(QStringLiteral("%1/%2@%3.png")
                           .arg(QString::fromLocal8Bit(folder), name)
                           .arg(image.devicePixelRatio()));
        return image;
    }

  private slots:
    void init() { StartGame(); }
    void cleanup() { StopGame(); }

    // Every pair of gangs apart under each deficiency, by colour or by emblem.
    void everyPairOfGangsIsToldApart() {
        MainGame* map = Map();
        const QImage shot = Grab(map, "map");
        const qreal ratio = shot.devicePixelRatio();
        // A district of each gang at the start, its colour as grabbed (inside the button, clear
        // of its name and badges) and its emblem.
        std::array<int, kGroupCount> district{};
        district.fill(-1);
        for (int c = 0; c < kCityCount; ++c) {
            const auto owner = world().OwnerOf(c);
            if (owner && district[*owner] < 0) district[*owner] = c;
        }
        std::array<QColor, kGroupCount> colour;
        std::array<QImage, kGroupCount> emblem;
        for (int g = 0; g < kGroupCount; ++g) {
            QVERIFY2(district[g] >= 0, "every gang holds a district at the start");
            auto* button = Control<QPushButton>(map, "Cmd", district[g]);
            const QPoint inside =
                button->mapTo(map, QPoint(button->width() / 2, button->height() - 4));
            colour[g] = shot.pixelColor(inside * ratio);
            QCOMPARE(colour[g], GangColor(world().CityOwnerColor[district[g]]));
            auto* badge = Control<GangEmblem>(map, "GangEmblem", district[g]);
            QVERIFY(badge && badge->isVisible());
            QCOMPARE(badge->gang(), g);
            const QRect area(badge->mapTo(map, QPoint(0, 0)) * ratio, badge->size() * ratio);
            emblem[g] = shot.copy(area);
        }
        for (const Deficiency& d : kDeficiencies) {
            std::array<QImage, kGroupCount> ink;
            for (int g = 0; g < kGroupCount; ++g)
                ink[g] = InkOf(emblem[g], d.m);
            for (int a = 0; a < kGroupCount; ++a) {
                for (int b = a + 1; b < kGroupCount; ++b) {
                    const double apart = Cie76(Simulate(colour[a], d.m), Simulate(colour[b], d.m));
                    const double unlike = Unlike(ink[a], ink[b]);
                    const QString pair =
                        QStringLiteral("%1: %2 and %3, colours %4 apart, emblems %5 % unlike")
                            .arg(d.name, QString::fromStdString(kGroups[a].name),
                                 QString::fromStdString(kGroups[b].name))
                            .arg(apart, 0, 'f', 1)
                            .arg(100 * unlike, 0, 'f', 0);
                    if (apart < kApart) qInfo("%s", qPrintable(pair));
                    // Shapes differing in a tenth of the badge are seen at a glance.
                    QVERIFY2(apart >= kApart || unlike >= 0.10, qPrintable(pair));
                }
            }
        }
    }

    // The owner's letter is a glyph of 12 pixels or more at 100 %; the letter's badge and the
    // emblem are round at every scale: their corners show the map, not the badge.
    void theBadgesReadAndAreRound() {
        MainGame* map = Map();
        const QImage shot = Grab(map, "badges");
        const qreal ratio = shot.devicePixelRatio();
        for (int c = 0; c < kCityCount; ++c) {
            auto* letter = Control<OwnerBadge>(map, "OwnerMark", c);
            QVERIFY(letter && letter->isVisible());
            const QFontMetrics metrics(letter->font());
            QVERIFY2(metrics.tightBoundingRect(letter->text()).height() >= 12,
                     qPrintable(letter->text()));
            for (QWidget* badge :
                 {static_cast<QWidget*>(letter),
                  static_cast<QWidget*>(Control<GangEmblem>(map, "GangEmblem", c))}) {
                const QRect area(badge->mapTo(map, QPoint(0, 0)) * ratio, badge->size() * ratio);
                const QImage seen = shot.copy(area);
                const QColor middle =
                    seen.pixelColor(seen.width() / 2, seen.height() - seen.height() / 4);
                const QColor corner = seen.pixelColor(1, 1);
                QVERIFY2(corner != middle, qPrintable(QStringLiteral("district %1").arg(c)));
                // The disc touches the middle of each edge.
                QVERIFY(seen.pixelColor(seen.width() / 2, 1) != corner);
            }
        }
    }

    // 다음 주 예상 marks a threatened district with a warning sign as well as its red border,
    // and no other district.
    void aThreatenedDistrictCarriesASign() {
        MainGame* map = Map();
        map->findChild<QAction*>("옵션_다음주예상")->trigger();
        int signs = 0;
        for (int c = 0; c < kCityCount; ++c) {
            const bool threatened =
                Control<QPushButton>(map, "Cmd", c)->property("threatened").toBool();
            QWidget* sign = Control<ThreatSign>(map, "ThreatSign", c);
            QCOMPARE(sign->isVisible(), threatened);
            signs += threatened;
        }
        QVERIFY(signs > 0);  // 지존파's 강동 and the empty 금천 in the first week
        Grab(map, "threatened");
    }
};

QTEST_MAIN(MapColourTest)
#include "MapColourTest.moc"

// SPDX-License-Identifier: MIT
// Draws the window's pictures and icons. Deterministic: a fixed seed and raw generator output,
// so that the same machine writes the same files. Run it and commit what it wrote:
//   QT_QPA_PLATFORM=offscreen build/purzo-make-pictures resources
#include "design/arrow_keys.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>
#include <random>

namespace {

constexpr std::uint32_t kSeed = 19830523;

class Noise {
public:
    explicit Noise(std::uint32_t seed) : engine_(seed) {}
    // Uniform in [0, 1), from the raw engine so that it is the same on every platform.
    double next() { return double(engine_()) / 4294967296.0; }
    double between(double lo, double hi) { return lo + (hi - lo) * next(); }
    void skip(unsigned long long count) { engine_.discard(count); }

private:
    std::mt19937 engine_;
};

QColor Shade(QColor c, double amount) {
    auto clamp = [](double v) { return std::clamp(int(std::lround(v)), 0, 255); };
    return QColor(clamp(c.red() + amount), clamp(c.green() + amount), clamp(c.blue() + amount));
}

// Where a picture is drawn: its image, how many image pixels one design pixel takes, and the
// noise. The shapes draw from `shapes`. At the designed size the per-pixel grain draws from the
// same stream; a larger picture takes its grain from a stream of its own and skips in `shapes`
// what the designed size's grain takes, so both sizes show the same shapes and the designed
// files stay as they are.
struct Sheet {
    QImage& image;
    int scale;
    Noise& shapes;
    Noise& grain;
};

constexpr std::uint32_t kLargeGrainSeed = 19830524;

// Paints again after the image was changed pixel by pixel.
void Resume(QPainter& p, Sheet& sheet) {
    p.begin(&sheet.image);
    p.setRenderHint(QPainter::Antialiasing);
    if (sheet.scale != 1) {
        p.scale(sheet.scale, sheet.scale);
    }
}

// Sprinkles per-pixel grain over a rectangle given in design pixels.
void Grain(Sheet& sheet, QRect area, double strength) {
    QImage& image = sheet.image;
    area = area.intersected(QRect(QPoint(0, 0), image.size() / sheet.scale));
    Noise& noise = sheet.grain;
    if (sheet.scale != 1) {
        sheet.shapes.skip((unsigned long long)area.width() * area.height());
        area = QRect(area.topLeft() * sheet.scale, area.size() * sheet.scale);
    }
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            const double d = (noise.next() - 0.5) * strength;
            line[x] = Shade(QColor::fromRgb(line[x]), d).rgb();
        }
    }
}

void DrawConcrete(QPainter& p, Sheet& sheet, QRect area) {
    Noise& noise = sheet.shapes;
    p.fillRect(area, QColor(214, 211, 204));
    // Soft blotches of the cast concrete.
    for (int i = 0; i < 140; ++i) {
        const QPointF c(noise.between(area.left(), area.right()),
                        noise.between(area.top(), area.bottom()));
        const double r = noise.between(12, 60);
        QRadialGradient g(c, r);
        const int tone = noise.next() < 0.5 ? 196 : 226;
        g.setColorAt(0, QColor(tone, tone - 2, tone - 7, 70));
        g.setColorAt(1, QColor(tone, tone - 2, tone - 7, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, r, r * noise.between(0.5, 1.0));
    }
    p.end();
    Grain(sheet, area, 18);
    Resume(p, sheet);
    // Formwork joints and tie holes.
    const int panelW = 120, panelH = 90;
    p.setPen(QPen(QColor(188, 185, 178), 1));
    for (int x = area.left() + 60; x < area.right(); x += panelW) {
        p.drawLine(x, area.top(), x, area.bottom());
    }
    for (int y = area.top() + panelH; y < area.bottom(); y += panelH) {
        p.drawLine(area.left(), y, area.right(), y);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(176, 173, 166));
    for (int x = area.left() + 30; x < area.right(); x += panelW / 2) {
        for (int y = area.top() + 22; y < area.bottom() - 5; y += panelH / 2) {
            p.drawEllipse(QPointF(x, y), 2.2, 2.2);
        }
    }
}

void DrawPanelling(QPainter& p, Sheet& sheet, QRect area) {
    Noise& noise = sheet.shapes;
    const int plankW = 34;
    for (int x = area.left(); x < area.right(); x += plankW) {
        const QColor base(226 + int(noise.between(-6, 6)), 200 + int(noise.between(-6, 6)),
                          156 + int(noise.between(-6, 6)));
        const QRect plank(x, area.top(), plankW, area.height());
        p.fillRect(plank, base);
        // Grain: long wavy lines down the plank.
        for (int k = 0; k < 5; ++k) {
            QPainterPath grain;
            double gx = x + noise.between(3, plankW - 3);
            grain.moveTo(gx, area.top());
            for (int y = area.top(); y <= area.bottom(); y += 20) {
                gx += noise.between(-1.2, 1.2);
                grain.lineTo(gx, y);
            }
            p.setPen(QPen(Shade(base, -16), noise.between(0.6, 1.3)));
            p.setBrush(Qt::NoBrush);
            p.drawPath(grain);
        }
        p.setPen(QPen(QColor(176, 146, 104), 2));
        p.drawLine(x, area.top(), x, area.bottom());
    }
    // Top rail of the panelling.
    p.fillRect(QRect(area.left(), area.top(), area.width(), 7), QColor(196, 164, 118));
    p.fillRect(QRect(area.left(), area.top() + 7, area.width(), 2), QColor(170, 140, 98));
    p.end();
    Grain(sheet, area, 8);
    Resume(p, sheet);
}

void DrawFloor(QPainter& p, Sheet& sheet, QRect area) {
    QLinearGradient g(0, area.top(), 0, area.bottom());
    g.setColorAt(0, QColor(150, 150, 148));
    g.setColorAt(1, QColor(178, 178, 175));
    p.fillRect(area, g);
    p.fillRect(QRect(area.left(), area.top(), area.width(), 3), QColor(112, 112, 110));
    p.end();
    Grain(sheet, area, 10);
    Resume(p, sheet);
    p.setPen(QPen(QColor(226, 226, 222), 2)); // a court line
    p.drawLine(area.left(), area.top() + 22, area.right(), area.top() + 22);
}

void DrawDoor(QPainter& p, QRect door) {
    p.fillRect(door.adjusted(-8, -8, 8, 0), QColor(128, 132, 138)); // steel frame
    const int half = door.width() / 2;
    for (int i = 0; i < 2; ++i) {
        const QRect leaf(door.left() + i * half, door.top(), half, door.height());
        QLinearGradient g(leaf.topLeft(), leaf.topRight());
        g.setColorAt(0, QColor(196, 200, 204));
        g.setColorAt(1, QColor(178, 182, 188));
        p.fillRect(leaf.adjusted(1, 1, -1, 0), g);
        // Small wired-glass window in each leaf.
        const QRect glass(leaf.left() + 12, leaf.top() + 24, half - 24, 48);
        p.fillRect(glass, QColor(206, 222, 228));
        p.setPen(QPen(QColor(150, 154, 160), 2));
        p.drawRect(glass);
        p.setPen(QPen(QColor(176, 192, 200), 1));
        for (int x = glass.left() + 6; x < glass.right(); x += 6) {
            p.drawLine(x, glass.top(), x, glass.bottom());
        }
        p.fillRect(QRect(leaf.left() + 6, leaf.bottom() - 22, half - 12, 16),
                   QColor(160, 164, 170));
    }
    p.setPen(QPen(QColor(96, 100, 106), 2));
    p.drawLine(door.center().x(), door.top(), door.center().x(), door.bottom());
    // Push bars.
    p.setPen(QPen(QColor(110, 114, 120), 4, Qt::SolidLine, Qt::RoundCap));
    const int barY = door.top() + door.height() / 2;
    p.drawLine(door.left() + 10, barY, door.center().x() - 10, barY);
    p.drawLine(door.center().x() + 10, barY, door.right() - 10, barY);
    // Exit sign above.
    const QRect sign(door.center().x() - 22, door.top() - 30, 44, 16);
    p.fillRect(sign, QColor(40, 150, 80));
    p.fillRect(sign.adjusted(16, 4, -16, -4), QColor(236, 248, 238));
}

void DrawBasket(QPainter& p, QPointF centre) {
    // Wall bracket.
    p.setPen(QPen(QColor(110, 112, 116), 4));
    p.drawLine(centre + QPointF(-40, -20), centre + QPointF(-40, -70));
    p.drawLine(centre + QPointF(40, -20), centre + QPointF(40, -70));
    // Backboard with its shooter's square.
    const QRectF board(centre.x() - 70, centre.y() - 100, 140, 86);
    p.setPen(QPen(QColor(90, 92, 96), 3));
    p.setBrush(QColor(246, 246, 244));
    p.drawRect(board);
    p.setPen(QPen(QColor(200, 60, 40), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(centre.x() - 24, centre.y() - 56, 48, 36));
    // Hoop and net.
    const QPointF rim(centre.x(), centre.y() - 10);
    p.setPen(QPen(QColor(226, 96, 30), 3));
    p.drawEllipse(rim, 26, 6);
    p.setPen(QPen(QColor(150, 150, 150), 1.4));
    for (int i = 0; i <= 8; ++i) {
        const double t = -1.0 + i * 0.25;
        p.drawLine(QPointF(rim.x() + 26 * t, rim.y() + 2), QPointF(rim.x() + 15 * t, rim.y() + 40));
    }
    for (int k = 1; k <= 3; ++k) {
        const double w = 26 - k * 3.6;
        p.drawLine(QPointF(rim.x() - w, rim.y() + k * 11), QPointF(rim.x() + w, rim.y() + k * 11));
    }
}

void DrawWallPad(QPainter& p, QRect pad) {
    QLinearGradient g(pad.topLeft(), pad.topRight());
    g.setColorAt(0, QColor(38, 62, 132));
    g.setColorAt(0.5, QColor(48, 76, 150));
    g.setColorAt(1, QColor(34, 56, 122));
    p.setPen(QPen(QColor(26, 40, 90), 2));
    p.setBrush(g);
    p.drawRoundedRect(pad, 4, 4);
    p.setPen(QPen(QColor(30, 48, 108), 1));
    for (int y = pad.top() + 60; y < pad.bottom(); y += 60) {
        p.drawLine(pad.left() + 2, y, pad.right() - 2, y);
    }
}

QImage SportsHall(int scale) {
    Noise shapes(kSeed);
    Noise largeGrain(kLargeGrainSeed);
    QImage image(722 * scale, 541 * scale, QImage::Format_RGB32);
    Sheet sheet{image, scale, shapes, scale == 1 ? shapes : largeGrain};
    QPainter p;
    Resume(p, sheet);
    DrawConcrete(p, sheet, QRect(0, 0, 722, 280));
    DrawPanelling(p, sheet, QRect(0, 280, 722, 228));
    DrawFloor(p, sheet, QRect(0, 508, 722, 33));
    DrawWallPad(p, QRect(356, 196, 46, 312));
    DrawBasket(p, QPointF(250, 200));
    DrawDoor(p, QRect(572, 322, 118, 186));
    // A little light from above keeps the wall calm.
    QLinearGradient light(0, 0, 0, 541);
    light.setColorAt(0, QColor(255, 255, 255, 30));
    light.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRect(0, 0, 722, 541), light);
    return image;
}

void DrawKey(QPainter& p, QRectF key, double arrowAngleDeg) {
    p.setPen(QPen(QColor(120, 120, 126), 1.5));
    QLinearGradient g(key.topLeft(), key.bottomLeft());
    g.setColorAt(0, QColor(252, 252, 252));
    g.setColorAt(1, QColor(214, 214, 220));
    p.setBrush(g);
    p.drawRoundedRect(key, 6, 6);
    p.setPen(QPen(QColor(150, 150, 156), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(key.adjusted(4, 3, -4, -6), 4, 4);
    p.save();
    p.translate(key.center() - QPointF(0, 1.5));
    p.rotate(arrowAngleDeg);
    QPainterPath arrow;
    arrow.moveTo(0, -10);
    arrow.lineTo(8, 0);
    arrow.lineTo(3, 0);
    arrow.lineTo(3, 9);
    arrow.lineTo(-3, 9);
    arrow.lineTo(-3, 0);
    arrow.lineTo(-8, 0);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 46));
    p.drawPath(arrow);
    p.restore();
}

// The words under the left and the right arrow key.
struct KeyWords {
    QString stretch;
    QString tuck;
};

QImage ArrowKeys(int scale, const KeyWords& words) {
    QImage image(purzo::kArrowKeysWidthPx * scale, purzo::kArrowKeysHeightPx * scale,
                 QImage::Format_RGB32);
    image.fill(QColor(244, 244, 240));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (scale != 1) {
        p.scale(scale, scale);
    }
    // The arrow on each key, in degrees clockwise from pointing up.
    const std::pair<purzo::ArrowKey, double> keys[] = {{purzo::ArrowKey::Up, 0},
                                                       {purzo::ArrowKey::Left, -90},
                                                       {purzo::ArrowKey::Down, 180},
                                                       {purzo::ArrowKey::Right, 90}};
    for (const auto& [key, arrowDeg] : keys) {
        const purzo::KeyRect r = purzo::ArrowKeyRect(key);
        DrawKey(p, QRectF(r.left, r.top, r.width, r.height), arrowDeg);
    }
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(20, 60, 170));
    p.drawText(QRectF(0, 100, 62, 18), Qt::AlignCenter, words.stretch);
    p.drawText(QRectF(88, 100, 62, 18), Qt::AlignCenter, words.tuck);
    // Little pointers from the words to their keys.
    p.setPen(QPen(QColor(20, 60, 170), 1.2));
    p.drawLine(QPointF(27, 96), QPointF(27, 99));
    p.drawLine(QPointF(117, 96), QPointF(117, 99));
    return image;
}

QImage Mark(int scale) {
    QImage image(30 * scale, 18 * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (scale != 1) {
        p.scale(scale, scale);
    }
    QPainterPath ink;
    ink.moveTo(2, 12);
    ink.cubicTo(5, 2, 8, 2, 8, 10);
    ink.cubicTo(8, 15, 11, 4, 14, 6);
    ink.cubicTo(16, 8, 13, 13, 17, 11);
    ink.cubicTo(20, 9, 21, 5, 23, 8);
    ink.cubicTo(24, 11, 26, 12, 28, 7);
    p.setPen(QPen(QColor(24, 28, 60), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(ink);
    p.drawLine(QPointF(4, 15), QPointF(25, 14.5));
    return image;
}

// A stick figure in mid-somersault on a rounded tile.
QImage Icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    QLinearGradient tile(0, 0, 0, 64);
    tile.setColorAt(0, QColor(120, 180, 240));
    tile.setColorAt(1, QColor(60, 120, 210));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    // The flight arc.
    p.setPen(QPen(QColor(255, 255, 255, 150), 2.5, Qt::DashLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath arc;
    arc.moveTo(8, 54);
    arc.quadTo(32, -6, 56, 54);
    p.drawPath(arc);
    // Tucked figure, turned.
    p.setPen(QPen(QColor(20, 20, 24), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.translate(32, 30);
    p.rotate(35);
    p.drawLine(QPointF(0, 8), QPointF(0, -8));  // trunk
    p.drawLine(QPointF(0, -8), QPointF(8, -1)); // upper arm
    p.drawLine(QPointF(8, -1), QPointF(12, 6)); // forearm
    p.drawLine(QPointF(0, 8), QPointF(10, 4));  // thigh
    p.drawLine(QPointF(10, 4), QPointF(8, 14)); // shank
    p.drawEllipse(QPointF(0, -14), 4.2, 4.2);   // head
    return image;
}

bool Save(const QImage& image, const QString& path, const char* format, int quality) {
    if (!image.save(path, format, quality)) {
        std::fprintf(stderr, "make-pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources"));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "make-pictures: cannot create %s\n", qPrintable(out.path()));
        return 1;
    }
    // The designed size, and twice it for large scales and high-density screens. The "-2x"
    // names keep Qt from picking the large files by itself, as it would "@2x".
    bool ok = true;
    for (const int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("-2x");
        ok = Save(SportsHall(scale), out.filePath(QStringLiteral("sporthalle%1.jpg").arg(suffix)),
                  "JPEG", 92) &&
             ok;
        ok = Save(ArrowKeys(scale, {QStringLiteral("Strecken"), QStringLiteral("Hocken")}),
                  out.filePath(QStringLiteral("pfeiltasten%1.jpg").arg(suffix)), "JPEG", 95) &&
             ok;
        // The English window's variant.
        ok = Save(ArrowKeys(scale, {QStringLiteral("Stretch"), QStringLiteral("Tuck")}),
                  out.filePath(QStringLiteral("pfeiltasten-en%1.jpg").arg(suffix)), "JPEG", 95) &&
             ok;
        ok = Save(Mark(scale), out.filePath(QStringLiteral("zeichen%1.jpg").arg(suffix)), "JPEG",
                  95) &&
             ok;
    }
    QDir().mkpath(out.filePath(QStringLiteral("icons")));
    // 192 and 512 are for the web page, which browsers install as an app with those sizes.
    for (const int size : {16, 32, 48, 64, 128, 192, 256, 512}) {
        const QString name = QStringLiteral("icons/purzo-%1.png").arg(size);
        ok = Save(Icon(size), out.filePath(name), "PNG", -1) && ok;
    }
    return ok ? 0 : 1;
}

// SPDX-License-Identifier: MIT
// The canvas's decisions both front ends take from one place: the data panel's box, the whole
// view's edge bands and the worksheet's first caption line.
#include "design/edge_bands.h"
#include "design/panel_box.h"
#include "design/playback_keys_design.h"
#include "design/presentation_layout.h"
#include "design/side_by_side_grid.h"
#include "flight/panel_lines.h"

#include <QtTest>

using namespace purzo;

class CanvasRulesTest : public QObject {
    Q_OBJECT

private slots:
    void panelBox_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("landingLines");
        QTest::addColumn<double>("leading");
        QTest::addColumn<double>("scale");
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("lastBaseline");
        QTest::addColumn<double>("border");
        // ascent 10, descent 3: a line is 13 plus the leading; the margin 6 at scale 1.
        QTest::newRow("frame lines") << 3 << 0 << 0.0 << 1.0 << 51.0 << 42.0 << 1.0;
        QTest::newRow("leading not below the last line")
            << 3 << 0 << 2.0 << 1.0 << 55.0 << 46.0 << 1.0;
        QTest::newRow("landing lines after half a gap")
            << 4 << 2 << 2.0 << 1.0 << 77.5 << 68.5 << 1.0;
        QTest::newRow("margin and border grow with the scale")
            << 1 << 0 << 0.0 << 4.0 << 61.0 << 34.0 << 2.0;
        QTest::newRow("a hairline below the designed size")
            << 1 << 0 << 0.0 << 0.5 << 19.0 << 13.0 << 1.0;
    }
    void panelBox() {
        QFETCH(int, lines);
        QFETCH(int, landingLines);
        QFETCH(double, leading);
        QFETCH(double, scale);
        std::vector<double> widths(std::size_t(lines), 50.0);
        widths.front() = 80.0;
        const PanelBox box = PanelBoxFor(widths, landingLines, {10.0, 3.0, leading}, scale);
        QCOMPARE(box.widthPx, 80.0 + 12.0 * scale);
        QTEST(box.heightPx, "height");
        QCOMPARE(box.baselinesPx.size(), std::size_t(lines));
        QCOMPARE(box.baselinesPx.front(), 6.0 * scale + 10.0);
        QTEST(box.baselinesPx.back(), "lastBaseline");
        QTEST(box.borderPx, "border");
    }

    // The side-by-side grid: never beyond 3 × 3, a cell left for the table while there is
    // one to spare, every cell inside the area and none over another.
    void sideBySideGrid_data() {
        QTest::addColumn<int>("flights");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cells");
        QTest::addColumn<bool>("table");
        // 700 × 530 for a 4 : 3 view.
        QTest::newRow("one above the table") << 1 << 1 << 2 << 1 << true;
        QTest::newRow("two: the table takes the second row") << 2 << 2 << 2 << 2 << true;
        QTest::newRow("three") << 3 << 2 << 2 << 3 << true;
        QTest::newRow("four in three rows") << 4 << 2 << 3 << 4 << true;
        QTest::newRow("six") << 6 << 3 << 3 << 6 << true;
        QTest::newRow("eight") << 8 << 3 << 3 << 8 << true;
        QTest::newRow("nine fill the grid") << 9 << 3 << 3 << 9 << false;
        QTest::newRow("more than nine") << 12 << 3 << 3 << 9 << false;
        QTest::newRow("none") << 0 << 0 << 0 << 0 << false;
        QTest::newRow("a negative count") << -3 << 0 << 0 << 0 << false;
    }
    void sideBySideGrid() {
        QFETCH(int, flights);
        const double width = 700, height = 530, scale = 1, gap = kSideBySideGapPx * scale;
        const SideBySideGrid grid = SideBySideGridFor(width, height, flights, scale, 4.0 / 3.0);
        QTEST(grid.columns, "columns");
        QTEST(grid.rows, "rows");
        QTEST(int(grid.cells.size()), "cells");
        QTEST(grid.table.has_value(), "table");
        std::vector<GridRect> all = grid.cells;
        if (grid.table) {
            all.push_back(*grid.table);
            // To the grid's right edge, in the last row.
            const GridRect& first = grid.cells.front();
            QCOMPARE(grid.table->x + grid.table->width,
                     first.x + grid.columns * (first.width + gap) - gap);
            QCOMPARE(grid.table->y, first.y + (grid.rows - 1) * (first.height + gap));
        }
        for (std::size_t i = 0; i < all.size(); ++i) {
            const GridRect& a = all[i];
            if (i < grid.cells.size()) { // of the view's shape
                QCOMPARE(a.width / a.height, 4.0 / 3.0);
            }
            QVERIFY(a.x >= 0 && a.y >= 0 && a.width > 0 && a.height > 0);
            QVERIFY(a.x + a.width <= width + 1e-9 && a.y + a.height <= height + 1e-9);
            for (std::size_t j = i + 1; j < all.size(); ++j) {
                const GridRect& b = all[j];
                const bool apart =
                    a.x + a.width + gap <= b.x + 1e-9 || b.x + b.width + gap <= a.x + 1e-9 ||
                    a.y + a.height + gap <= b.y + 1e-9 || b.y + b.height + gap <= a.y + 1e-9;
                QVERIFY2(apart, qPrintable(QStringLiteral("cells %1 and %2").arg(i).arg(j)));
            }
        }
    }
    void sideBySideGridOnNoArea() {
        QVERIFY(SideBySideGridFor(0, 300, 4, 1, 1.3).cells.empty());
        QVERIFY(SideBySideGridFor(300, -1, 4, 1, 1.3).cells.empty());
        QVERIFY(SideBySideGridFor(300, 300, 4, 1, 0).cells.empty());
    }

    // The same keys do the same in both front ends, with the modifiers that each allows.
    void playbackKeys_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<bool>("other");
        QTest::addColumn<bool>("page");
        QTest::addColumn<int>("action"); // -1: none
        const int none = -1;
        QTest::newRow("space") << " " << false << false << true << int(PlaybackAction::TogglePause);
        QTest::newRow("ctrl+space") << " " << false << true << true << none;
        QTest::newRow("window space")
            << "Space" << false << false << false << int(PlaybackAction::TogglePause);
        QTest::newRow("page down held")
            << "PageDown" << true << true << true << int(PlaybackAction::StepForward);
        QTest::newRow("window page up")
            << "PgUp" << false << false << false << int(PlaybackAction::StepBack);
        QTest::newRow("window name on page") << "PgUp" << false << false << true << none;
        QTest::newRow("shift+F10")
            << "F10" << true << false << true << int(PlaybackAction::OpenMenu);
        QTest::newRow("F10 alone") << "F10" << false << false << false << none;
        QTest::newRow("ctrl+shift+F10") << "F10" << true << true << false << none;
        QTest::newRow("page p") << "p" << false << false << true << int(PlaybackAction::Present);
        QTest::newRow("page P") << "P" << true << false << true << int(PlaybackAction::Present);
        QTest::newRow("page ctrl+p") << "p" << false << true << true << none;
        QTest::newRow("window F5")
            << "F5" << false << false << false << int(PlaybackAction::Present);
        QTest::newRow("page F5 reloads") << "F5" << false << false << true << none;
        QTest::newRow("end is no letter") << "end" << false << false << true << none;
        QTest::newRow("enter") << "Enter" << false << false << true
                               << int(PlaybackAction::StartFlight);
        QTest::newRow("window return")
            << "Return" << false << false << false << int(PlaybackAction::StartFlight);
        QTest::newRow("empty") << "" << false << false << true << none;
    }
    void playbackKeys() {
        QFETCH(QString, key);
        QFETCH(bool, shift);
        QFETCH(bool, other);
        QFETCH(bool, page);
        QFETCH(int, action);
        const auto found = PlaybackActionFor(key.toStdString(), shift, other,
                                             page ? KeyNaming::Page : KeyNaming::Window);
        QCOMPARE(found ? int(*found) : -1, action);
    }
    // Steps wait for a flight to step through; pausing does not.
    void onlyStepsWaitForAFlight() {
        QVERIFY(PlaybackKeyOf(PlaybackAction::ToEnd).onlyWhileStepping);
        QVERIFY(!PlaybackKeyOf(PlaybackAction::TogglePause).onlyWhileStepping);
    }

    void presentationLayout_data() {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::newRow("1920x1080") << 1920.0 << 1080.0;
        QTest::newRow("1024x768") << 1024.0 << 768.0;
        QTest::newRow("portrait phone") << 390.0 << 844.0;
        QTest::newRow("wide strip") << 2000.0 << 300.0;
    }
    // The canvas and the line under it fit the screen, centred, and one of them touches its edge.
    void presentationLayout() {
        QFETCH(double, width);
        QFETCH(double, height);
        const PresentationLayout l = PresentationLayoutFor(width, height);
        QVERIFY(l.canvasLeft >= 0 && l.canvasLeft + l.canvasWidth <= width);
        QVERIFY(l.canvasTop >= 0 && l.verdictTop + l.verdictHeight <= height);
        QCOMPARE(l.verdictTop, l.canvasTop + l.canvasHeight);
        QVERIFY(std::abs(l.canvasLeft - (width - l.canvasLeft - l.canvasWidth)) <= 1);
        const double bottomGap = height - l.verdictTop - l.verdictHeight;
        QVERIFY(std::abs(l.canvasTop - bottomGap) <= 2);
        QVERIFY(width - l.canvasWidth <= 2 || bottomGap + l.canvasTop <= 3);
        // The designed canvas's shape, and the verdict's text grows with it.
        QVERIFY(std::abs(l.canvasWidth / l.canvasHeight - 705.0 / 537.0) < 0.01);
        QVERIFY(l.verdictFontPt > PresentationLayoutFor(width / 2, height / 2).verdictFontPt);
    }
    void presentationLayoutOnNoScreen() {
        const PresentationLayout l = PresentationLayoutFor(-5, 0);
        QCOMPARE(l.canvasWidth, 0.0);
        QCOMPARE(l.verdictHeight, 0.0);
    }

    void edgeBandsAverageAcrossTheirDepth_data() {
        QTest::addColumn<int>("edge");
        QTest::addColumn<int>("depth");
        QTest::addColumn<QList<uint>>("means");
        // A 3 × 2 picture whose bytes are column·16 + row and its channels far apart.
        QTest::newRow("left, 2 deep")
            << int(PictureEdge::Left) << 2 << QList<uint>{0x40302008, 0x40302009};
        QTest::newRow("right, 1 deep")
            << int(PictureEdge::Right) << 1 << QList<uint>{0x40302020, 0x40302021};
        QTest::newRow("top, 1 deep")
            << int(PictureEdge::Top) << 1 << QList<uint>{0x40302000, 0x40302010, 0x40302020};
        QTest::newRow("bottom, 2 deep")
            << int(PictureEdge::Bottom) << 2 << QList<uint>{0x40302000, 0x40302010, 0x40302020};
        QTest::newRow("deeper than the picture")
            << int(PictureEdge::Top) << 9 << QList<uint>{0x40302000, 0x40302010, 0x40302020};
    }
    void edgeBandsAverageAcrossTheirDepth() {
        QFETCH(int, edge);
        QFETCH(int, depth);
        QFETCH(QList<uint>, means);
        std::vector<std::uint32_t> pixels;
        for (std::uint32_t y = 0; y < 2; ++y) {
            for (std::uint32_t x = 0; x < 3; ++x) {
                pixels.push_back(0x40302000u | (x * 16 + y));
            }
        }
        // Row 1 of the left band: (0x01 + 0x11) / 2 = 0x09; row 0: 0x10 / 2 = 0x08.
        const std::vector<std::uint32_t> got =
            EdgeBandMeans(pixels, 3, 2, PictureEdge(edge), depth);
        QCOMPARE(QList<uint>(got.begin(), got.end()), means);
    }

    void edgeBandsRefuseAShortPicture() {
        const std::vector<std::uint32_t> pixels(5, 0xffffffffu);
        QVERIFY(EdgeBandMeans(pixels, 3, 2, PictureEdge::Left, 1).empty());
        QVERIFY(EdgeBandMeans(pixels, 0, 2, PictureEdge::Left, 1).empty());
    }

    void edgeBandDepthStaysInsideThePicture() {
        QCOMPARE(EdgeBandDepth(640, 480, 2.0), 12);
        QCOMPARE(EdgeBandDepth(640, 480, 0.01), 1);
        QCOMPARE(EdgeBandDepth(640, 5, 2.0), 5);
    }

    void captionTakeOffText() {
        const PanelText text =
            CaptionTakeOffText(" 7,5 ", "45\t", Pace::ExtremeSlowMotion, Model::Exact, {}, ',');
        QCOMPARE(QString::fromUtf8(text.source), QStringLiteral("%1 m/s, %2°, %3, %4"));
        QCOMPARE(text.args.size(), std::size_t(4));
        QCOMPARE(text.args[0].text, std::string("7,5"));
        QCOMPARE(text.args[1].text, std::string("45"));
        QCOMPARE(QString::fromUtf8(text.args[2].source), QStringLiteral("Extrem-Zeitlupe"));
        QCOMPARE(QString::fromUtf8(text.args[3].source), QStringLiteral("exaktes Modell"));
        // The classic model flies the standard figure, whatever athlete is chosen.
        const PanelText classic =
            CaptionTakeOffText("6", "60", Pace::RealTime, Model::Classic, {50, 1.6, 0}, ',');
        QCOMPARE(classic.args.size(), std::size_t(4));
        QCOMPARE(QString::fromUtf8(classic.args[2].source), QStringLiteral("Echtzeit"));
        QCOMPARE(QString::fromUtf8(classic.args[3].source), QStringLiteral("klassisches Modell"));
        // Another athlete in the exact model is named after the model.
        const PanelText other =
            CaptionTakeOffText("6", "60", Pace::RealTime, Model::Exact, {52.5, 1.6, 0, 12.5}, '.');
        QCOMPARE(QString::fromUtf8(other.source),
                 QStringLiteral("%1 m/s, %2°, %3, %4, %5 kg, %6 m, %7 °/s, %8 rad/s"));
        QCOMPARE(other.args.size(), std::size_t(8));
        QCOMPARE(other.args[4].text, std::string("52.5"));
        QCOMPARE(other.args[5].text, std::string("1.60"));
        QCOMPARE(other.args[6].text, std::string("0"));
        QCOMPARE(other.args[7].text, std::string("12.5"));
        // Only the limbs another than the standard: she is named too.
        QCOMPARE(
            CaptionTakeOffText("6", "60", Pace::RealTime, Model::Exact, {70, 1.8, 170, 30}, ',')
                .args.size(),
            std::size_t(8));
    }
};

QTEST_GUILESS_MAIN(CanvasRulesTest)
#include "test_canvas_rules.moc"

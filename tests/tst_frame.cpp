// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The drawn window frame: its edges, its layout, its buttons, activation and dragging.
#include "frameartwork.h"
#include "frameimage.h"
#include "framehittest.h"
#include "framelayout.h"
#include "tfrm_qixneoform.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <algorithm>
#include <memory>

Q_DECLARE_METATYPE(FrameHit)
Q_DECLARE_METATYPE(TFormBorderStyle)
Q_DECLARE_METATYPE(TBorderIcons)
Q_DECLARE_METATYPE(BorderIconFlags)

namespace {

// A framed window designed with a given panel, border style and border icons.
class FramedWindow : public Tfrm_qixNeoForm {
public:
    explicit FramedWindow(QSize panel, TFormBorderStyle style, TBorderIcons icons = biSystemMenu)
    {
        setWindowTitle(QStringLiteral("测试窗口"));
        FormCreate(panel, style, icons);
    }
};

const QSize StartPanel(377, 233);
const QSize ExamPanel(634, 430);
const TBorderIcons AllIcons = biSystemMenu | biMinimize | biMaximize;

void showAndWait(QWidget &window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

} // namespace

class TestFrame : public QObject {
    Q_OBJECT

    // The first framed window made, hence the application's main window.
    std::unique_ptr<FramedWindow> m_main;

private slots:
    void initTestCase()
    {
        m_main = std::make_unique<FramedWindow>(StartPanel, TFormBorderStyle::bsSingle, AllIcons);
    }

    void cleanupTestCase() { m_main.reset(); }

    void edgesAreFoundByTheHitRules_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("canResize");
        QTest::addColumn<int>("states");
        QTest::addColumn<FrameHit>("hit");
        QTest::addColumn<int>("edges");

        // An exam-sized window, 654 × 490: left and top bands 5 pixels, right and bottom 4.
        const int normal = Qt::WindowNoState;
        QTest::newRow("top left corner") << QPoint(3, 3) << true << normal << FrameHit::HTTOPLEFT << int(Qt::TopEdge | Qt::LeftEdge);
        QTest::newRow("column W-5 is inside") << QPoint(649, 245) << true << normal << FrameHit::Default << 0;
        QTest::newRow("column W-4 is the right edge") << QPoint(650, 245) << true << normal << FrameHit::HTRIGHT << int(Qt::RightEdge);
        QTest::newRow("column 4 is the left edge") << QPoint(4, 245) << true << normal << FrameHit::HTLEFT << int(Qt::LeftEdge);
        QTest::newRow("column 5 is inside") << QPoint(5, 245) << true << normal << FrameHit::Default << 0;
        QTest::newRow("row 4 is the top edge") << QPoint(300, 4) << true << normal << FrameHit::HTTOP << int(Qt::TopEdge);
        QTest::newRow("row H-5 is inside") << QPoint(300, 485) << true << normal << FrameHit::Default << 0;
        QTest::newRow("row H-4 is the bottom edge") << QPoint(300, 486) << true << normal << FrameHit::HTBOTTOM << int(Qt::BottomEdge);
        QTest::newRow("top right corner") << QPoint(653, 0) << true << normal << FrameHit::HTTOPRIGHT << int(Qt::TopEdge | Qt::RightEdge);
        QTest::newRow("bottom right corner") << QPoint(650, 486) << true << normal << FrameHit::HTBOTTOMRIGHT << int(Qt::BottomEdge | Qt::RightEdge);
        QTest::newRow("bottom left corner") << QPoint(0, 489) << true << normal << FrameHit::HTBOTTOMLEFT << int(Qt::BottomEdge | Qt::LeftEdge);
        QTest::newRow("top band beside the right band") << QPoint(649, 2) << true << normal << FrameHit::HTTOP << int(Qt::TopEdge);
        QTest::newRow("caption bar") << QPoint(300, 25) << true << normal << FrameHit::Default << 0;
        QTest::newRow("not sizeable") << QPoint(3, 3) << false << normal << FrameHit::Default << 0;
        QTest::newRow("maximised") << QPoint(3, 3) << true << int(Qt::WindowMaximized) << FrameHit::Default << 0;
        QTest::newRow("minimised") << QPoint(650, 245) << true << int(Qt::WindowMinimized) << FrameHit::Default << 0;
        QTest::newRow("full screen") << QPoint(300, 486) << true << int(Qt::WindowFullScreen) << FrameHit::Default << 0;
    }
    void edgesAreFoundByTheHitRules()
    {
        QFETCH(QPoint, point);
        QFETCH(bool, canResize);
        QFETCH(int, states);
        QFETCH(FrameHit, hit);
        QFETCH(int, edges);
        const FrameHit found = FrameHitTest::hit(point, QSize(654, 490), canResize, Qt::WindowStates(states));
        QCOMPARE(found, hit);
        QCOMPARE(int(FrameHitTest::edges(found)), edges);
        QCOMPARE(FrameHitTest::cursor(found) == Qt::ArrowCursor, hit == FrameHit::Default);
    }

    void borderIconsFollowStyleThenIcons_data()
    {
        QTest::addColumn<TFormBorderStyle>("style");
        QTest::addColumn<TBorderIcons>("icons");
        QTest::addColumn<BorderIconFlags>("flags");

        using S = TFormBorderStyle;
        const BorderIconFlags nothing{};
        const BorderIconFlags closeOnly{true, false, false, false};
        QTest::newRow("none") << S::bsNone << AllIcons << nothing;
        QTest::newRow("dialog") << S::bsDialog << AllIcons << closeOnly;
        QTest::newRow("tool window") << S::bsToolWindow << AllIcons << closeOnly;
        QTest::newRow("sizeable tool window") << S::bsSizeToolWin << AllIcons << closeOnly;
        QTest::newRow("single, all icons") << S::bsSingle << AllIcons << BorderIconFlags{true, true, true, true};
        QTest::newRow("sizeable, all icons") << S::bsSizeable << AllIcons << BorderIconFlags{true, true, true, true};
        QTest::newRow("system menu only") << S::bsSizeable << TBorderIcons(biSystemMenu) << BorderIconFlags{true, false, false, true};
        QTest::newRow("no maximise") << S::bsSingle << (biSystemMenu | biMinimize) << BorderIconFlags{true, false, true, true};
        QTest::newRow("no minimise") << S::bsSingle << (biSystemMenu | biMaximize) << BorderIconFlags{true, true, false, true};
        QTest::newRow("no system menu") << S::bsSingle << (biMinimize | biMaximize) << nothing;
        QTest::newRow("dialog without system menu") << S::bsDialog << (biMinimize | biMaximize) << nothing;
    }
    void borderIconsFollowStyleThenIcons()
    {
        QFETCH(TFormBorderStyle, style);
        QFETCH(TBorderIcons, icons);
        QFETCH(BorderIconFlags, flags);
        QCOMPARE(BorderIcons::flags(style, icons), flags);

        // The window shows exactly the parts the flags name.
        FramedWindow window(StartPanel, style, icons);
        QCOMPARE(window.ImageClose->isVisibleTo(&window), flags.showClose);
        QCOMPARE(window.ImageMax->isVisibleTo(&window), flags.showMax);
        QCOMPARE(window.ImageMin->isVisibleTo(&window), flags.showMin);
        QCOMPARE(window.ImageIcon->isVisibleTo(&window), flags.showIcon);
        QCOMPARE(window.ImageIcon->isEnabled(), flags.showIcon);
        QVERIFY(!window.ImageNormal->isVisibleTo(&window));
        QCOMPARE(window.GetcanResize(), style == TFormBorderStyle::bsSizeable || style == TFormBorderStyle::bsSizeToolWin);
        QCOMPARE(window.BorderStyle(), TFormBorderStyle::bsNone);
    }

    void theFrameSurroundsThePanel_data()
    {
        QTest::addColumn<QSize>("panel");
        QTest::addColumn<int>("style");
        QTest::newRow("the start window") << StartPanel << int(TFormBorderStyle::bsSingle);
        QTest::newRow("the exam window") << ExamPanel << int(TFormBorderStyle::bsSizeable);
    }
    void theFrameSurroundsThePanel()
    {
        QFETCH(QSize, panel);
        QFETCH(int, style);
        FramedWindow window(panel, TFormBorderStyle(style));
        // The designed panel keeps its size; the frame adds a caption bar and three borders.
        QCOMPARE(window.PanelBkGnd->size(), panel);
        QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
        const QRect inner = window.PanelBkGnd->geometry();
        QVERIFY(inner.left() > 0 && inner.right() < window.width() - 1 && inner.bottom() < window.height() - 1);
        QVERIFY(inner.top() >= window.ImageClose->geometry().bottom());
        QCOMPARE(window.PanelBkGnd->palette().color(QPalette::Window), QColor(207, 207, 207));

        // Every pixel around the panel is covered by a picture of the frame.
        const QList<QWidget *> pictures{window.ImageTop,   window.ImageLeft,       window.ImageLeftTop,
                                        window.ImageRightTop, window.ImageRight,   window.ImageBottom,
                                        window.ImageLeftBottom, window.ImageRightBottom};
        QStringList bare;
        for (int y = 0; y < window.height(); ++y) {
            for (int x = 0; x < window.width(); ++x) {
                const QPoint p(x, y);
                if (inner.contains(p))
                    continue;
                const bool covered = std::any_of(pictures.begin(), pictures.end(), [&](QWidget *picture) {
                    return picture->isVisibleTo(&window) && picture->geometry().contains(p);
                });
                if (!covered && bare.size() < 5)
                    bare << QStringLiteral("(%1, %2)").arg(x).arg(y);
            }
        }
        QVERIFY2(bare.isEmpty(), qPrintable(bare.join(QStringLiteral(" "))));

        // The close button at the right end of the caption bar, the caption centred across it.
        const QRect close = window.ImageClose->geometry();
        QVERIFY(window.rect().contains(close));
        QVERIFY(close.bottom() < inner.top());
        QVERIFY(window.width() - close.right() < 30);
        const QRect caption = window.LabelCaption->geometry();
        QVERIFY(qAbs(caption.center().x() - window.rect().center().x()) <= 1);
        QVERIFY(caption.bottom() < inner.top());
        QVERIFY(!window.CoolBar->isVisibleTo(&window));
    }

    void aSingleBorderWindowHasNoResizingEdges()
    {
        FramedWindow window(StartPanel, TFormBorderStyle::bsSingle);
        const int w = window.width();
        const int h = window.height();
        // No edge reacts: every point of every band is left to the control under it.
        for (int x = 0; x < w; x += 3)
            for (int y : {0, 2, 4, h - 4, h - 1})
                QCOMPARE(window.hitTest(QPoint(x, y)), FrameHit::Default);
        for (int y = 0; y < h; y += 3)
            for (int x : {0, 4, w - 4, w - 1})
                QCOMPARE(window.hitTest(QPoint(x, y)), FrameHit::Default);
    }

    void thePanelAndButtonsLieAboveThePictures()
    {
        FramedWindow window(StartPanel, TFormBorderStyle::bsSingle, AllIcons);
        const QObjectList children = window.children();
        const auto index = [&](QObject *o) { return children.indexOf(o); };
        for (QObject *picture : {static_cast<QObject *>(window.ImageTop), static_cast<QObject *>(window.ImageLeft),
                                 static_cast<QObject *>(window.ImageRightTop), static_cast<QObject *>(window.ImageBottom),
                                 static_cast<QObject *>(window.ImageRightBottom)}) {
            QVERIFY(index(picture) < index(window.PanelBkGnd));
            QVERIFY(index(picture) < index(window.CoolBar));
        }
        QVERIFY(index(window.ImageTop) < index(window.ImageLeftTop));
        QVERIFY(index(window.ImageTop) < index(window.LabelCaption));
        QVERIFY(index(window.LabelCaption) < index(window.ImageClose));
        QVERIFY(index(window.ImageBottom) < index(window.ImageLeftBottom));
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("LabelCaption")), window.LabelCaption);
        QCOMPARE(window.findChild<QFrame *>(QStringLiteral("PanelBkGnd")), window.PanelBkGnd);
        QCOMPARE(window.findChild<FrameImage *>(QStringLiteral("ImageClose")), window.ImageClose);
    }

    void allThreeButtonsStandFromTheRightAndSwapWhenMaximised()
    {
        FramedWindow window(StartPanel, TFormBorderStyle::bsSingle, AllIcons);
        const int w = window.width();
        QCOMPARE(window.ImageClose->pos(), QPoint(w - 22, 6));
        QCOMPARE(window.ImageMax->pos(), QPoint(w - 39, 6));
        QCOMPARE(window.ImageNormal->pos(), QPoint(w - 39, 6));
        QCOMPARE(window.ImageMin->pos(), QPoint(w - 56, 6));
        QVERIFY(window.ImageMax->isVisibleTo(&window));
        QVERIFY(!window.ImageNormal->isVisibleTo(&window));

        showAndWait(window);
        QTest::mouseClick(window.ImageMax, Qt::LeftButton);
        QTRY_VERIFY(window.isMaximized());
        QTRY_VERIFY(window.ImageNormal->isVisible());
        QVERIFY(!window.ImageMax->isVisible());
        QCOMPARE(window.ImageNormal->pos(), QPoint(window.width() - 39, 6));
        QCOMPARE(window.ImageClose->pos(), QPoint(window.width() - 22, 6));
        // No resizing edges while maximised.
        QCOMPARE(window.hitTest(QPoint(2, 2)), FrameHit::Default);

        // A double click on the caption acts as the button that shows.
        QTest::mouseDClick(window.LabelCaption, Qt::LeftButton, {}, QPoint(window.width() / 2, 5));
        QTRY_VERIFY(!window.isMaximized());
        QTRY_VERIFY(window.ImageMax->isVisible());
        QVERIFY(!window.ImageNormal->isVisible());
    }

    void theCaptionComesFromTheTitleAtEachShowing()
    {
        FramedWindow window(StartPanel, TFormBorderStyle::bsSingle);
        QVERIFY(window.LabelCaption->text().isEmpty());
        showAndWait(window);
        QCOMPARE(window.LabelCaption->text(), QStringLiteral("测试窗口"));
        window.setWindowTitle(QStringLiteral("评分"));
        QCOMPARE(window.LabelCaption->text(), QStringLiteral("测试窗口"));
        window.hide();
        window.show();
        QCOMPARE(window.LabelCaption->text(), QStringLiteral("评分"));
        // A double click on the caption of a window without the maximise pair does nothing.
        QTest::mouseDClick(window.LabelCaption, Qt::LeftButton, {}, QPoint(100, 5));
        QCOMPARE(window.windowState(), Qt::WindowNoState);
    }

    void theSizeFloorAndTheStretchingSwitches()
    {
        FramedWindow window(ExamPanel, TFormBorderStyle::bsSizeable);
        QCOMPARE(window.size(), QSize(654, 490));
        showAndWait(window);

        window.resize(800, 599);
        QVERIFY(window.ImageBottom->stretch());
        QVERIFY(window.ImageTop->stretch());
        QVERIFY(!window.ImageLeft->stretch());
        QVERIFY(!window.ImageRight->stretch());
        window.resize(799, 600);
        QVERIFY(!window.ImageBottom->stretch());
        QVERIFY(!window.ImageTop->stretch());
        QVERIFY(window.ImageLeft->stretch());
        QVERIFY(window.ImageRight->stretch());

        // Down to the floor: the panel shrinks with the window, the close button stays at its right.
        const QMargins frame(window.PanelBkGnd->x(), window.PanelBkGnd->y(),
                             window.width() - 1 - window.PanelBkGnd->geometry().right(),
                             window.height() - 1 - window.PanelBkGnd->geometry().bottom());
        const int closeFromRight = window.width() - window.ImageClose->x();
        window.resize(120, 80);
        QCOMPARE(window.size(), QSize(300, 200));
        QCOMPARE(window.PanelBkGnd->geometry(), window.rect().marginsRemoved(frame));
        QCOMPARE(window.width() - window.ImageClose->x(), closeFromRight);

        int w = 300;
        int h = 201;
        QVERIFY(window.FormCanResize(w, h));
        QCOMPARE(QSize(w, h), QSize(300, 201));
        w = -5;
        h = 0;
        QVERIFY(window.FormCanResize(w, h));
        QCOMPARE(QSize(w, h), QSize(300, 200));
    }

    void draggingAnEdgeResizesDownToTheFloor()
    {
        FramedWindow window(ExamPanel, TFormBorderStyle::bsSizeable);
        window.move(100, 80);
        showAndWait(window);
        const QRect start = window.geometry();

        // The right edge grows the window to the right.
        QTest::mousePress(window.ImageRight, Qt::LeftButton, {}, QPoint(8, 200));
        QVERIFY(!window.isDragging());
        QTest::mouseMove(window.ImageRight, QPoint(48, 200));
        QTest::mouseRelease(window.ImageRight, Qt::LeftButton, {}, QPoint(48, 200));
        QCOMPARE(window.geometry(), start.adjusted(0, 0, 40, 0));

        // The top-left corner keeps the bottom-right one where it is, and stops at the floor.
        const QRect before = window.geometry();
        QTest::mousePress(window.ImageLeftTop, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(!window.isDragging());
        QTest::mouseMove(window.ImageLeftTop, QPoint(600, 500));
        QTest::mouseRelease(window.ImageLeftTop, Qt::LeftButton, {}, QPoint(600, 500));
        QCOMPARE(window.size(), QSize(300, 200));
        QCOMPARE(window.geometry().bottomRight(), before.bottomRight());

        // A right press on an edge resizes nothing.
        const QRect floor = window.geometry();
        QTest::mousePress(window.ImageBottom, Qt::RightButton, {}, QPoint(100, 10));
        QTest::mouseMove(window.ImageBottom, QPoint(100, 60));
        QTest::mouseRelease(window.ImageBottom, Qt::RightButton, {}, QPoint(100, 60));
        QCOMPARE(window.geometry(), floor);
    }

    // Within the top five rows a press resizes the window by its top edge wherever it
    // lands: over the icon as over the middle of the bar.
    void aPressInTheTopBandResizesOverTheIconToo_data()
    {
        QTest::addColumn<QPoint>("press");
        QTest::newRow("over the icon") << QPoint(10, 4);
        QTest::newRow("middle of the bar") << QPoint(100, 4);
    }

    void aPressInTheTopBandResizesOverTheIconToo()
    {
        QFETCH(QPoint, press);
        FramedWindow window(ExamPanel, TFormBorderStyle::bsSizeable);
        window.move(100, 120);
        showAndWait(window);
        const QRect start = window.geometry();
        QWidget *under = window.childAt(press);
        QVERIFY(under);
        const QPoint local = under->mapFrom(&window, press);
        QTest::mousePress(under, Qt::LeftButton, {}, local);
        QVERIFY(!window.isDragging());
        QTest::mouseMove(under, local - QPoint(0, 30));
        QTest::mouseRelease(under, Qt::LeftButton, {}, local - QPoint(0, 30));
        QCOMPARE(window.geometry(), start.adjusted(0, -30, 0, 0));
        QVERIFY(window.isVisible());
    }

    void aWindowThatIsNotSizeableIgnoresItsEdges()
    {
        FramedWindow window(StartPanel, TFormBorderStyle::bsSingle);
        window.move(100, 80);
        showAndWait(window);
        const QRect start = window.geometry();
        QTest::mousePress(window.ImageRight, Qt::LeftButton, {}, QPoint(8, 100));
        QTest::mouseMove(window.ImageRight, QPoint(60, 100));
        QTest::mouseRelease(window.ImageRight, Qt::LeftButton, {}, QPoint(60, 100));
        QCOMPARE(window.geometry(), start);
    }

    void activationSwapsTheCaptionPictures()
    {
        FramedWindow first(ExamPanel, TFormBorderStyle::bsSizeable);
        FramedWindow second(StartPanel, TFormBorderStyle::bsSingle);
        // Before its first activation the three caption-bar pictures are empty.
        for (const FrameImage *part : {first.ImageLeftTop, first.ImageTop, first.ImageRightTop})
            QVERIFY2(part->picture().isNull(), qPrintable(part->objectName()));

        showAndWait(first);
        showAndWait(second);
        first.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&first));
        QCOMPARE(first.ImageLeftTop->size(), QSize(85, 50));
        QCOMPARE(first.ImageLeftTop->picture().cacheKey(), first.ImageActiveLeftTop->picture().cacheKey());
        QCOMPARE(first.ImageTop->picture().cacheKey(), first.ImageActiveTop->picture().cacheKey());
        QCOMPARE(first.ImageRightTop->picture().cacheKey(), first.ImageActiveRightTop->picture().cacheKey());
        QCOMPARE(first.CoolBar->picture().cacheKey(), first.ImageActiveMenubar->picture().cacheKey());

        second.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&second));
        QTRY_COMPARE(first.ImageLeftTop->size(), QSize(81, 50));
        QCOMPARE(first.ImageTop->picture().cacheKey(), first.ImageDeactiveTop->picture().cacheKey());
        QCOMPARE(first.ImageRightTop->picture().cacheKey(), first.ImageDeactiveRightTop->picture().cacheKey());
        QCOMPARE(first.CoolBar->picture().cacheKey(), first.ImageDeactiveMenubar->picture().cacheKey());
        QCOMPARE(second.ImageLeftTop->width(), 85);
        // The right end keeps its place whatever its state.
        QCOMPARE(first.ImageRightTop->pos(), QPoint(first.width() - 97, 0));
    }

    void theCaptionBarDragsWithTheLeftButtonOnly()
    {
        FramedWindow window(ExamPanel, TFormBorderStyle::bsSizeable);
        window.move(50, 40);
        showAndWait(window);
        const QPoint start = window.pos();

        QTest::mousePress(window.ImageTop, Qt::RightButton, {}, QPoint(200, 35));
        QVERIFY(!window.isDragging());
        QTest::mouseMove(window.ImageTop, QPoint(260, 55));
        QTest::mouseRelease(window.ImageTop, Qt::RightButton, {}, QPoint(260, 55));
        QCOMPARE(window.pos(), start);

        QTest::mousePress(window.ImageTop, Qt::LeftButton, {}, QPoint(200, 35));
        QVERIFY(window.isDragging());
        QTest::mouseMove(window.ImageTop, QPoint(260, 55));
        QTRY_COMPARE(window.pos(), start + QPoint(60, 20));
        QTest::mouseRelease(window.ImageTop, Qt::LeftButton, {}, QPoint(260, 55));
        QVERIFY(!window.isDragging());

        // The caption strip is not part of the drag area.
        QTest::mousePress(window.LabelCaption, Qt::LeftButton, {}, QPoint(300, 5));
        QVERIFY(!window.isDragging());
        QTest::mouseRelease(window.LabelCaption, Qt::LeftButton, {}, QPoint(300, 5));
        // Nor does a double click on the bar change the window's state.
        QTest::mouseDClick(window.ImageTop, Qt::LeftButton, {}, QPoint(200, 35));
        QCOMPARE(window.windowState(), Qt::WindowNoState);
    }

    void theCloseButtonAndTheIconCloseTheWindow()
    {
        FramedWindow window(StartPanel, TFormBorderStyle::bsSingle);
        showAndWait(window);
        QTest::mouseClick(window.ImageClose, Qt::LeftButton);
        QVERIFY(!window.isVisible());

        showAndWait(window);
        QTest::mouseClick(window.ImageIcon, Qt::LeftButton);
        QVERIFY(window.isVisible());  // one click is not enough
        QTest::mouseDClick(window.ImageIcon, Qt::LeftButton);
        QVERIFY(!window.isVisible());
    }

    void minimisingTheMainWindowMinimisesTheApplication()
    {
        FramedWindow other(StartPanel, TFormBorderStyle::bsSingle, AllIcons);
        showAndWait(other);
        showAndWait(*m_main);

        QTest::mouseClick(other.ImageMin, Qt::LeftButton);
        QTRY_VERIFY(other.isMinimized());
        QVERIFY(!m_main->isMinimized());

        other.showNormal();
        QTest::mouseClick(m_main->ImageMin, Qt::LeftButton);
        QTRY_VERIFY(m_main->isMinimized());
        QTRY_VERIFY(other.isMinimized());
        m_main->hide();
    }

    void aMainMenuIsHostedInTheCaptionBar()
    {
        FramedWindow window(ExamPanel, TFormBorderStyle::bsSizeable);
        QVERIFY(!window.CoolBar->isVisibleTo(&window));
        QMenu file(QStringLiteral("文件"));
        QMenu help(QStringLiteral("帮助"));
        window.setMainMenu({&file, &help});
        QVERIFY(window.CoolBar->isVisibleTo(&window));
        QCOMPARE(window.MenuBar->actions(), (QList<QAction *>{file.menuAction(), help.menuAction()}));
        window.setMainMenu({&file, &help});
        QCOMPARE(window.MenuBar->actions().size(), 2);
        window.setMainMenu({});
        QVERIFY(!window.CoolBar->isVisibleTo(&window));
        QVERIFY(window.MenuBar->actions().isEmpty());
    }

    void aTransparentPictureLeavesOutItsBottomLeftColour()
    {
        QWidget ground;
        ground.resize(8, 8);
        QPalette palette = ground.palette();
        palette.setColor(QPalette::Window, Qt::green);
        ground.setPalette(palette);
        ground.setAutoFillBackground(true);
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::white);
        picture.setPixel(1, 1, qRgb(0, 0, 255));
        auto *image = new FrameImage(&ground);
        image->setAutoSize(true);
        image->setPicture(QPixmap::fromImage(picture));
        QCOMPARE(image->size(), QSize(4, 4));

        QImage drawn = ground.grab().toImage();
        QCOMPARE(drawn.pixelColor(0, 0), QColor(Qt::white));
        image->setTransparent(true);
        drawn = ground.grab().toImage();
        QCOMPARE(drawn.pixelColor(0, 0), QColor(Qt::green));
        QCOMPARE(drawn.pixelColor(3, 3), QColor(Qt::green));
        QCOMPARE(drawn.pixelColor(1, 1), QColor(Qt::blue));
    }

    void theArtworkHasTheSizesTheLayoutNeeds()
    {
        const FrameArtwork &art = FrameArtwork::instance();
        QCOMPARE(art.active.leftTop.size(), QSize(85, 50));
        QCOMPARE(art.inactive.leftTop.size(), QSize(81, 50));
        for (const FrameArtwork::CaptionSet *set : {&art.active, &art.inactive}) {
            QCOMPARE(set->top.size(), QSize(800, 50));
            QCOMPARE(set->rightTop.size(), QSize(100, 50));
        }
        QCOMPARE(art.active.menuBar.size(), QSize(800, 19));
        QCOMPARE(art.inactive.menuBar.size(), QSize(800, 17));
        QCOMPARE(art.left.size(), QSize(12, 600));
        QCOMPARE(art.right.size(), QSize(13, 600));
        QCOMPARE(art.bottom.size(), QSize(800, 12));
        QCOMPARE(art.leftBottom.size(), QSize(10, 12));
        QCOMPARE(art.rightBottom.size(), QSize(13, 12));
        const QList<QImage> buttons{art.close.toImage(), art.max.toImage(), art.min.toImage(), art.normal.toImage()};
        for (qsizetype i = 0; i < buttons.size(); ++i) {
            QCOMPARE(buttons[i].size(), QSize(17, 19));
            for (qsizetype j = 0; j < i; ++j)
                QVERIFY(buttons[i] != buttons[j]);
        }
        // The two states look different: the middle of the bar differs in most pixels.
        const QImage active = art.active.top.toImage();
        const QImage inactive = art.inactive.top.toImage();
        int different = 0;
        for (int y = 0; y < 50; ++y)
            different += active.pixel(400, y) != inactive.pixel(400, y);
        QVERIFY(different > 45);
        // The middle is the same in every column, so that it joins its ends at any width.
        for (int y = 0; y < 50; ++y)
            QCOMPARE(active.pixel(0, y), active.pixel(799, y));
        // The ends join the middle without a seam.
        for (const FrameArtwork::CaptionSet *set : {&art.active, &art.inactive}) {
            const QImage left = set->leftTop.toImage();
            const QImage middle = set->top.toImage();
            for (int y = 0; y < 50; ++y)
                QCOMPARE(left.pixel(left.width() - 1, y), middle.pixel(0, y));
        }
    }
};

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"

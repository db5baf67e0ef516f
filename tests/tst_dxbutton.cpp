// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gradientbitmap.h"
#include "tdxbutton.h"

#include "widgetpixels.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLineEdit>
#include <QPainter>
#include <QRandomGenerator>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

namespace {

const QColor Background(192, 192, 192);
const QColor Face(255, 255, 255);
const QColor HotRing(255, 160, 0);
const QColor FocusRing(0, 0, 255);
const QColor PressedFace(128, 128, 128);
const QColor Caption(0, 0, 0);

QColor at(const QImage &image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

// Rows where the colour changes from the row above, counting row 0: the bands of a bitmap.
QList<int> bandStarts(const QImage &image, int column)
{
    QList<int> starts;
    for (int y = 0; y < image.height(); ++y)
        if (y == 0 || image.pixel(column, y) != image.pixel(column, y - 1))
            starts.append(y);
    return starts;
}

// Each gradient a single colour, so that every pixel of a look can be named; text unsmoothed.
void useSolidLook(TdxButton &button)
{
    TdxColors &c = button.Colors();
    c.setBackgroundFrom(Face);
    c.setBackgroundTo(Face);
    c.setHighlightFrom(HotRing);
    c.setHighlightTo(HotRing);
    c.setFocusedFrom(FocusRing);
    c.setFocusedTo(FocusRing);
    c.setClickedFrom(PressedFace);
    c.setClickedTo(PressedFace);
    QPalette palette = button.palette();
    palette.setColor(QPalette::Window, Background);
    palette.setColor(QPalette::ButtonText, Caption);
    button.setPalette(palette);
    QFont font = button.font();
    font.setPixelSize(13);
    font.setStyleStrategy(QFont::NoAntialias);
    button.setFont(font);
}

void sendMouse(QWidget *widget, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void enter(QWidget *widget)
{
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(widget->mapToGlobal(QPoint(5, 5))));
    QApplication::sendEvent(widget, &event);
}

void leave(QWidget *widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

void sendKey(QWidget *widget, QEvent::Type type, int key, bool autoRepeat = false)
{
    QKeyEvent event(type, key, Qt::NoModifier, key == Qt::Key_Space ? QStringLiteral(" ") : QString(),
                    autoRepeat);
    QApplication::sendEvent(widget, &event);
}

// A look like the trainer's buttons: gold to white behind a green border, a caption that
// turns green while hot, 211 wide.
void applyTrainerLook(TdxButton &button, const QString &caption)
{
    button.setCaption(caption);
    button.Colors().setBackgroundFrom(QColor(255, 243, 206));
    button.Colors().setBackgroundTo(Qt::white);
    button.Colors().setBorderLine(QColor(0, 128, 0));
    button.Colors().setHotTrack(QColor(0, 128, 0));
    button.setHotTrack(true);
    button.setLayout(TdxButton::blGlyphRight);
    button.setQuality(TdxButton::bqHigh);
    button.setShowFocusRect(false);
    button.resize(211, button.height());
}

// A window with a line edit and two buttons like the start window's, shown and active.
struct StartWindow {
    QWidget window;
    QLineEdit *edit = new QLineEdit(&window);
    TdxButton *start = new TdxButton(&window);
    TdxButton *quit = new TdxButton(&window);

    StartWindow()
    {
        applyTrainerLook(*start, QStringLiteral("&S开始考试"));
        applyTrainerLook(*quit, QStringLiteral("&Q退出"));
        edit->setGeometry(10, 10, 100, 22);
        start->move(10, 40);
        quit->move(10, 70);
        window.resize(240, 110);
        window.show();
        window.activateWindow();
    }
};

} // namespace

class TestDxButton : public QObject {
    Q_OBJECT

private slots:
    // --- gradient bitmaps ---

    void colourTableRunsFromFirstToLastColourRounded_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QColor>("expected");
        // 255 → 239, 255 → 235, 255 → 231: entry 1 of 8 is 255 − 16/7, 255 − 20/7, 255 − 24/7.
        QTest::newRow("first of 8") << 8 << 0 << QColor(255, 255, 255);
        QTest::newRow("second of 8, rounded") << 8 << 1 << QColor(253, 252, 252);
        QTest::newRow("middle of 8") << 8 << 4 << QColor(246, 244, 241);
        QTest::newRow("last of 8") << 8 << 7 << QColor(239, 235, 231);
        QTest::newRow("last of 64") << 64 << 63 << QColor(239, 235, 231);
        QTest::newRow("second of 16") << 16 << 1 << QColor(254, 254, 253);
    }
    void colourTableRunsFromFirstToLastColourRounded()
    {
        QFETCH(int, steps);
        QFETCH(int, entry);
        QFETCH(QColor, expected);
        const QList<QColor> table =
            GradientBitmap::colorTable(QColor(255, 255, 255), QColor(239, 235, 231), steps);
        QCOMPARE(table.size(), steps);
        QCOMPARE(table.at(entry), expected);
    }

    void bandsStartAtRoundedRowsHalvesUp()
    {
        // 25 rows in 8 bands: i × 25 / 8 = 0, 3.125, 6.25, 9.375, 12.5, 15.625, 18.75, 21.875.
        QRandomGenerator random(1);
        const QImage image = GradientBitmap::build(20, 25, Qt::black, Qt::white, 8, false, random);
        QCOMPARE(bandStarts(image, 0), (QList<int>{0, 3, 6, 9, 13, 16, 19, 22}));
        QCOMPARE(image.pixel(19, 24), QColor(Qt::white).rgb());
    }

    void highQualityHasSixtyFourEntriesMostlyEmptyAtButtonHeight()
    {
        const QColor from(255, 243, 206);
        const QColor to(255, 255, 255);
        QCOMPARE(GradientBitmap::colorTable(from, to, 64).size(), 64);
        QRandomGenerator random(7);
        const QImage image = GradientBitmap::build(40, 23, Qt::black, Qt::white, 64, false, random);
        // Each row carries the colour of the last band that starts on it.
        const QList<QColor> table = GradientBitmap::colorTable(Qt::black, Qt::white, 64);
        for (int i = 0; i < 64; ++i) {
            const int top = GradientBitmap::bandTop(i, 23, 64);
            if (top < GradientBitmap::bandTop(i + 1, 23, 64))
                QCOMPARE(QColor(image.pixel(0, top)), table.at(i));
        }
        QVERIFY(bandStarts(image, 0).size() <= 23);
    }

    void ditherScattersTheBandAboveAndRepeatsEvery16Columns()
    {
        QRandomGenerator random(42);
        const int steps = 64;
        const int height = 200; // 200 div 63 = 3: a few rows of each band can take the colour above
        const QImage image = GradientBitmap::build(53, height, Qt::black, Qt::white, steps, true, random);
        const QList<QColor> table = GradientBitmap::colorTable(Qt::black, Qt::white, steps);
        int scattered = 0;
        for (int i = 0; i < steps; ++i) {
            const int top = GradientBitmap::bandTop(i, height, steps);
            const int bottom = GradientBitmap::bandTop(i + 1, height, steps);
            for (int y = top; y < bottom; ++y) {
                for (int x = 0; x < 16; ++x) {
                    const QColor pixel(image.pixel(x, y));
                    if (pixel == table.at(i))
                        continue;
                    // Only the colour of a band above, and only near the band's top.
                    QVERIFY2(i > 0 && y - top < height / (steps - 1) + 1,
                             qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
                    QVERIFY(table.indexOf(pixel) >= 0 && table.indexOf(pixel) < i);
                    ++scattered;
                }
            }
        }
        QVERIFY(scattered > 0);
        for (int y = 0; y < height; ++y)
            for (int x = 16; x < image.width(); ++x)
                QCOMPARE(image.pixel(x, y), image.pixel(x % 16, y));
    }

    void emptyOrNarrowBitmapsAreSafe()
    {
        QRandomGenerator random(3);
        QVERIFY(GradientBitmap::build(0, 25, Qt::black, Qt::white, 8, true, random).isNull());
        QVERIFY(GradientBitmap::build(10, -4, Qt::black, Qt::white, 8, true, random).isNull());
        const QImage narrow = GradientBitmap::build(5, 300, Qt::black, Qt::white, 64, true, random);
        QCOMPARE(narrow.size(), QSize(5, 300));
    }

    void lowQualityButtonFaceShowsEightBands()
    {
        TdxButton button;
        button.setQuality(TdxButton::bqLow);
        QCOMPARE(button.size(), QSize(73, 25));
        const QImage image = render(button);
        // The face fills the inside of the border: rows 1 to 23.
        const QImage face = image.copy(1, 1, 71, 23);
        QCOMPARE(bandStarts(face, 35).size(), 8);
        QCOMPARE(at(image, 35, 1), QColor(255, 255, 255));
        QCOMPARE(at(image, 35, 23), QColor(239, 235, 231));
    }

    void gradientsAreBuiltOnlyWhenSizeColoursOrQualityChange()
    {
        TdxButton button;
        (void)render(button);
        const int built = button.gradientBuildCount();
        QCOMPARE(built, 1);

        enter(&button);
        button.setHotTrack(true);
        button.setCaption(QStringLiteral("&Go"));
        button.Colors().setBorderLine(button.Colors().BorderLine()); // same value
        (void)render(button);
        leave(&button);
        (void)render(button);
        QCOMPARE(button.gradientBuildCount(), built);

        button.Colors().setClickedFrom(Qt::red);
        (void)render(button);
        QCOMPARE(button.gradientBuildCount(), built + 1);
        button.setQuality(TdxButton::bqHigh);
        (void)render(button);
        QCOMPARE(button.gradientBuildCount(), built + 2);
        button.resize(100, 30);
        (void)render(button);
        QCOMPARE(button.gradientBuildCount(), built + 3);
        // Several changes between two paints build once.
        button.Colors().setHighlightFrom(Qt::green);
        button.Colors().setHighlightTo(Qt::blue);
        button.setQuality(TdxButton::bqLow);
        (void)render(button);
        QCOMPARE(button.gradientBuildCount(), built + 4);
    }

    // --- looks ---

    void borderIsRoundedWithSoftenedCorners()
    {
        TdxButton button;
        useSolidLook(button);
        const QImage image = render(button);
        const QColor line = button.Colors().BorderLine();
        const QColor edges = button.Colors().BorderEdges();
        const int w = button.width();
        const int h = button.height();
        QCOMPARE(at(image, 0, 0), Background);
        QCOMPARE(at(image, w - 1, h - 1), Background);
        QCOMPARE(at(image, 1, 0), edges);
        QCOMPARE(at(image, 0, 1), edges);
        QCOMPARE(at(image, 1, 1), line);
        QCOMPARE(at(image, 2, 0), line);
        QCOMPARE(at(image, w - 2, h - 1), edges);
        QCOMPARE(at(image, w - 2, h - 2), line);
        QCOMPARE(at(image, 0, h / 2), line);
        QCOMPARE(at(image, w - 1, h / 2), line);
    }

    void looksFollowTheState_data()
    {
        QTest::addColumn<bool>("hot");
        QTest::addColumn<bool>("focused");
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<QColor>("ring");  // pixels (1, y) and (2, y)
        QTest::addColumn<QColor>("inner"); // pixel (3, y)

        QTest::newRow("normal") << false << false << false << Face << Face;
        QTest::newRow("hot: 2-pixel hot ring") << true << false << false << HotRing << Face;
        QTest::newRow("focused: focus ring") << false << true << false << FocusRing << Face;
        QTest::newRow("hot and focused: hot ring wins") << true << true << false << HotRing << Face;
        QTest::newRow("pressed with the mouse over it") << true << true << true << PressedFace
                                                        << PressedFace;
        QTest::newRow("pressed, dragged out: focus look") << false << true << true << FocusRing
                                                          << Face;
    }
    void looksFollowTheState()
    {
        QFETCH(bool, hot);
        QFETCH(bool, focused);
        QFETCH(bool, pressed);
        QFETCH(QColor, ring);
        QFETCH(QColor, inner);

        QWidget window;
        auto *other = new QLineEdit(&window);
        auto *button = new TdxButton(&window);
        useSolidLook(*button);
        button->setCaption(QString());
        button->move(0, 40);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        if (focused)
            button->setFocus();
        if (hot)
            enter(button);
        if (pressed) {
            sendMouse(button, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
            if (!hot)
                sendMouse(button, QEvent::MouseMove, QPoint(-20, 5), Qt::NoButton, Qt::LeftButton);
        }
        QCOMPARE(button->isHot(), hot);
        QCOMPARE(button->isFocused(), focused);
        QCOMPARE(button->isPressed(), pressed);

        const QImage image = render(*button);
        const int y = button->height() / 2;
        QCOMPARE(at(image, 1, y), ring);
        QCOMPARE(at(image, 2, y), ring);
        QCOMPARE(at(image, 3, y), inner);
        QCOMPARE(at(image, 0, y), QColor(button->Colors().BorderLine()));
    }

    void captionMovesOnePixelWhilePressed()
    {
        TdxButton button(QStringLiteral("&S Start"));
        useSolidLook(button);
        button.Colors().setClickedFrom(HotRing); // face and pressed face alike
        button.Colors().setClickedTo(HotRing);
        button.Colors().setBackgroundFrom(HotRing);
        button.Colors().setBackgroundTo(HotRing);
        button.resize(120, 25);
        enter(&button);
        const QSet<QPoint> hot = pixelsOf(render(button), Caption);
        sendMouse(&button, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
        const QSet<QPoint> pressed = pixelsOf(render(button), Caption);
        QVERIFY(!hot.isEmpty());
        QCOMPARE(pressed, shifted(hot, 1, 1));
    }

    void captionIsCentred_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::newRow("one letter") << QStringLiteral("W");
        QTest::newRow("a word") << QStringLiteral("Wwwwwwww");
        QTest::newRow("accelerator") << QStringLiteral("&Quit");
    }
    void captionIsCentred()
    {
        QFETCH(QString, caption);
        TdxButton button(caption);
        useSolidLook(button);
        button.resize(120, 31);
        const QSet<QPoint> ink = pixelsOf(render(button), Caption);
        QVERIFY(!ink.isEmpty());
        QRect box;
        for (const QPoint &p : ink)
            box |= QRect(p, QSize(1, 1));
        // Glyph bearings make the ink a little uneven; a caption off centre is off by far more.
        QVERIFY2(qAbs(box.left() - (button.width() - 1 - box.right())) <= 4, qPrintable(caption));
        QVERIFY2(qAbs(box.top() - (button.height() - 1 - box.bottom())) <= 6, qPrintable(caption));
    }

    void hotTrackColoursTheCaptionWhileHot()
    {
        TdxButton button;
        applyTrainerLook(button, QStringLiteral("&S开始考试"));
        QFont font = button.font();
        font.setStyleStrategy(QFont::NoAntialias);
        button.setFont(font);
        // The border alone: two long and two short sides and four corner pixels.
        const int border = 2 * (button.width() - 4) + 2 * (button.height() - 4) + 4;
        QCOMPARE(pixelsOf(render(button), QColor(0, 128, 0)).size(), border);
        enter(&button);
        QVERIFY(pixelsOf(render(button), QColor(0, 128, 0)).size() > border + 20);
    }

    void focusRectangleOnlyWhenShown()
    {
        TdxButton button;
        useSolidLook(button);
        button.setCaption(QString());
        button.show();
        button.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&button));
        button.setFocus();
        leave(&button); // the window may have come up under the pointer
        QVERIFY(button.isFocused());
        QVERIFY(!button.isHot());

        const auto dotted = [&button](const QImage &image) {
            int count = 0;
            for (int x = 3; x < button.width() - 3; ++x)
                count += at(image, x, 3) != Face;
            return count;
        };
        QVERIFY(dotted(render(button)) > 10);
        button.setShowFocusRect(false);
        const QImage plain = render(button);
        QCOMPARE(dotted(plain), 0);
        QCOMPARE(at(plain, 1, 12), FocusRing);
    }

    void defaultButtonLooksHighlightedWhileNoOtherButtonHasFocus()
    {
        QWidget window;
        auto *edit = new QLineEdit(&window);
        auto *ok = new TdxButton(&window);
        auto *other = new TdxButton(&window);
        useSolidLook(*ok);
        ok->move(0, 30);
        other->move(0, 60);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
        ok->setDefault(true);
        QCOMPARE(at(render(*ok), 1, 12), FocusRing);
        other->setFocus();
        QVERIFY(ok->isOtherActive());
        QCOMPARE(at(render(*ok), 1, 12), Face);
    }

    void faceStillFillsTheButtonAfterAResizeWhileHot()
    {
        TdxButton button;
        useSolidLook(button);
        button.setCaption(QString());
        enter(&button);
        button.resize(90, 30);
        (void)render(button);
        leave(&button);
        const QImage image = render(button);
        QCOMPARE(at(image, 88, 15), Face);
        QCOMPARE(at(image, 45, 28), Face);
    }

    // --- mouse and keyboard ---

    void mouseClickInsideClicksOnceAndSetsTheModalResult()
    {
        QWidget window;
        window.setProperty("ModalResult", 5);
        auto *button = new TdxButton(&window);
        button->setModalResult(0);
        QSignalSpy clicks(button, &TdxButton::clicked);
        sendMouse(button, QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton, Qt::LeftButton);
        QVERIFY(button->isPressed());
        sendMouse(button, QEvent::MouseButtonRelease, QPoint(12, 10), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(clicks.count(), 1);
        QVERIFY(!button->isPressed());
        QCOMPARE(window.property("ModalResult").toInt(), 0);
    }

    void pressDraggedOutAndReleasedOutsideDoesNotClick()
    {
        TdxButton button;
        QSignalSpy clicks(&button, &TdxButton::clicked);
        QSignalSpy leaves(&button, &TdxButton::mouseLeave);
        enter(&button);
        sendMouse(&button, QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton, Qt::LeftButton);
        sendMouse(&button, QEvent::MouseMove, QPoint(100, 10), Qt::NoButton, Qt::LeftButton);
        QVERIFY(!button.isHot());
        QVERIFY(button.isHighlighted());
        QCOMPARE(leaves.count(), 1);
        sendMouse(&button, QEvent::MouseButtonRelease, QPoint(100, 10), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(clicks.count(), 0);
        QVERIFY(!button.isPressed());
    }

    void dragOutThroughTheWindowSystemDoesNotClick()
    {
        StartWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QSignalSpy clicks(w.start, &TdxButton::clicked);
        QSignalSpy leaves(w.start, &TdxButton::mouseLeave);
        QTest::mouseMove(w.start, QPoint(20, 10));
        QTRY_VERIFY(w.start->isHot());
        QTest::mousePress(w.start, Qt::LeftButton, {}, QPoint(20, 10));
        QVERIFY(w.start->isPressed());
        QVERIFY(w.start->isFocused());
        QTest::mouseMove(w.start, QPoint(220, 10));
        QTRY_VERIFY(!w.start->isHot());
        QTest::mouseRelease(w.start, Qt::LeftButton, {}, QPoint(220, 10));
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(leaves.count(), 1);
        QVERIFY(!w.start->isPressed());

        QTest::mouseClick(w.start, Qt::LeftButton, {}, QPoint(20, 10));
        QCOMPARE(clicks.count(), 1);
    }

    void rightButtonNeitherPressesNorClicks()
    {
        TdxButton button;
        QSignalSpy clicks(&button, &TdxButton::clicked);
        sendMouse(&button, QEvent::MouseButtonPress, QPoint(10, 10), Qt::RightButton, Qt::RightButton);
        QVERIFY(!button.isPressed());
        sendMouse(&button, QEvent::MouseButtonRelease, QPoint(10, 10), Qt::RightButton, Qt::NoButton);
        QCOMPARE(clicks.count(), 0);
    }

    void spaceOnTheFocusedButtonClicksOnceOnRelease()
    {
        StartWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.start->setFocus();
        QSignalSpy clicks(w.start, &TdxButton::clicked);
        sendKey(w.start, QEvent::KeyPress, Qt::Key_Space);
        QVERIFY(w.start->isPressed());
        QVERIFY(w.start->isHot());
        QCOMPARE(clicks.count(), 0);
        // A held key repeats as release and press pairs; they do not click.
        sendKey(w.start, QEvent::KeyRelease, Qt::Key_Space, true);
        sendKey(w.start, QEvent::KeyPress, Qt::Key_Space, true);
        QCOMPARE(clicks.count(), 0);
        sendKey(w.start, QEvent::KeyRelease, Qt::Key_Space);
        QCOMPARE(clicks.count(), 1);
        QVERIFY(!w.start->isPressed());
        QCOMPARE(w.start->isHot(), w.start->underMouse());
    }

    void keyReleasedDuringAMousePressDoesNotClickTwice()
    {
        TdxButton button;
        QSignalSpy clicks(&button, &TdxButton::clicked);
        sendMouse(&button, QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton, Qt::LeftButton);
        sendKey(&button, QEvent::KeyPress, Qt::Key_Shift);
        sendKey(&button, QEvent::KeyRelease, Qt::Key_Shift);
        QCOMPARE(clicks.count(), 0);
        sendMouse(&button, QEvent::MouseButtonRelease, QPoint(10, 10), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(clicks.count(), 1);
    }

    void enterClicksTheFocusedButton()
    {
        StartWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QSignalSpy start(w.start, &TdxButton::clicked);
        QSignalSpy quit(w.quit, &TdxButton::clicked);
        w.quit->setFocus();
        QTest::keyClick(w.quit, Qt::Key_Return);
        QCOMPARE(quit.count(), 1);
        QCOMPARE(start.count(), 0);
        // In the line edit Enter reaches no button: none of them is Default.
        w.edit->setFocus();
        QTest::keyClick(w.edit, Qt::Key_Return);
        QCOMPARE(quit.count() + start.count(), 1);
    }

    void defaultAndCancelButtonsAnswerEnterAndEscapeFromTheWindow()
    {
        StartWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.start->setDefault(true);
        w.quit->setCancel(true);
        QSignalSpy start(w.start, &TdxButton::clicked);
        QSignalSpy quit(w.quit, &TdxButton::clicked);
        w.edit->setFocus();
        QTest::keyClick(w.edit, Qt::Key_Return);
        QCOMPARE(start.count(), 1);
        QTest::keyClick(w.edit, Qt::Key_Escape);
        QCOMPARE(quit.count(), 1);
        QTest::keyClick(w.edit, Qt::Key_Escape, Qt::ShiftModifier);
        QCOMPARE(quit.count(), 1);
        // With another custom button focused, Enter is that button's.
        w.quit->setFocus();
        QTest::keyClick(w.quit, Qt::Key_Return);
        QCOMPARE(start.count(), 1);
        QCOMPARE(quit.count(), 2);
    }

    void acceleratorsClickWithAltOrOnTheFocusedButton_data()
    {
        QTest::addColumn<QString>("focus"); // "edit", "start" or "quit"
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("startClicks");
        QTest::addColumn<int>("quitClicks");

        const int alt = int(Qt::AltModifier);
        QTest::newRow("Alt+S from the edit") << "edit" << int(Qt::Key_S) << alt << 1 << 0;
        QTest::newRow("Alt+Q from the edit") << "edit" << int(Qt::Key_Q) << alt << 0 << 1;
        QTest::newRow("Alt+Q with start focused") << "start" << int(Qt::Key_Q) << alt << 0 << 1;
        QTest::newRow("Alt+Shift+S") << "edit" << int(Qt::Key_S) << int(Qt::AltModifier | Qt::ShiftModifier) << 1 << 0;
        QTest::newRow("plain S in the edit") << "edit" << int(Qt::Key_S) << 0 << 0 << 0;
        QTest::newRow("plain s on focused start") << "start" << int(Qt::Key_S) << 0 << 1 << 0;
        QTest::newRow("shifted S on focused start") << "start" << int(Qt::Key_S) << int(Qt::ShiftModifier) << 1 << 0;
        QTest::newRow("plain q on focused start") << "start" << int(Qt::Key_Q) << 0 << 0 << 0;
        QTest::newRow("Ctrl+S on focused start") << "start" << int(Qt::Key_S) << int(Qt::ControlModifier) << 0 << 0;
    }
    void acceleratorsClickWithAltOrOnTheFocusedButton()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, startClicks);
        QFETCH(int, quitClicks);

        StartWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QWidget *target = focus == QLatin1String("edit")    ? static_cast<QWidget *>(w.edit)
                          : focus == QLatin1String("start") ? w.start
                                                            : w.quit;
        target->setFocus();
        QSignalSpy start(w.start, &TdxButton::clicked);
        QSignalSpy quit(w.quit, &TdxButton::clicked);
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(start.count(), startClicks);
        QCOMPARE(quit.count(), quitClicks);
    }

    void disabledOrHiddenButtonIgnoresItsAccelerator()
    {
        StartWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.edit->setFocus();
        QSignalSpy start(w.start, &TdxButton::clicked);
        QSignalSpy quit(w.quit, &TdxButton::clicked);
        w.start->setEnabled(false);
        w.quit->hide();
        QTest::keyClick(w.edit, Qt::Key_S, Qt::AltModifier);
        QTest::keyClick(w.edit, Qt::Key_Q, Qt::AltModifier);
        QCOMPARE(start.count(), 0);
        QCOMPARE(quit.count(), 0);
    }

    void losingFocusEndsAPress()
    {
        StartWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QSignalSpy clicks(w.start, &TdxButton::clicked);
        w.start->setFocus();
        sendKey(w.start, QEvent::KeyPress, Qt::Key_Space);
        w.edit->setFocus();
        QVERIFY(!w.start->isPressed());
        QVERIFY(!w.start->isFocused());
        sendKey(w.start, QEvent::KeyRelease, Qt::Key_Space);
        QCOMPARE(clicks.count(), 0);
    }

    // --- accessibility ---

    void screenReaderSeesAPushButtonItCanPress()
    {
        TdxButton button(QStringLiteral("&S开始考试"));
        QSignalSpy clicks(&button, &TdxButton::clicked);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&button);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::PushButton);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("S开始考试"));
        QAccessibleActionInterface *actions = iface->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks.count(), 1);

        button.setCaption(QStringLiteral("A && B"));
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("A & B"));
        button.setEnabled(false);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks.count(), 1);
    }
};

QTEST_MAIN(TestDxButton)
#include "tst_dxbutton.moc"

// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tkvlabel.h"

#include "widgetpixels.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QSet>
#include <QTest>

namespace {

const QColor Background(192, 192, 192);
const QColor Ink(0, 0, 0);
const QColor Shadow(255, 255, 255);

QSet<QRgb> colours(const QImage &image)
{
    QSet<QRgb> set;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            set.insert(image.pixel(x, y));
    return set;
}

// A label in known colours with unsmoothed text, so that every pixel is ink, shadow or ground.
void prepare(TKvLabel &label, const QString &caption, TKvLabel::TDrawType type)
{
    label.setText(caption);
    label.setDrawType(type);
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, Background);
    palette.setColor(QPalette::WindowText, Ink);
    label.setPalette(palette);
    QFont font = label.font();
    font.setPixelSize(16);
    font.setStyleStrategy(QFont::NoAntialias);
    label.setFont(font);
    label.resize(160, 40);
}

QRect boundingBox(const QSet<QPoint> &points)
{
    QRect box;
    for (const QPoint &p : points)
        box |= QRect(p, QSize(1, 1));
    return box;
}

} // namespace

class TestKvLabel : public QObject {
    Q_OBJECT

private slots:
    void loweredTextHasAWhiteShadowOnePixelRightAndBelow()
    {
        TKvLabel label;
        QCOMPARE(label.DrawType(), TKvLabel::dtLowered);
        prepare(label, QStringLiteral("Exam 考试"), TKvLabel::dtLowered);
        const QImage image = render(label);
        const QSet<QPoint> ink = pixelsOf(image, Ink);
        const QSet<QPoint> shadow = pixelsOf(image, Shadow);
        QVERIFY(!ink.isEmpty());
        QVERIFY(!shadow.isEmpty());
        // The shadow is the ink moved by (1, 1), where the ink does not cover it.
        QCOMPARE(shadow, shifted(ink, 1, 1) - ink);
        QCOMPARE(colours(image).size(), 3);
    }

    void raisedTextStandsOnePixelRightAndBelowPlainText()
    {
        TKvLabel plain;
        prepare(plain, QStringLiteral("Exam 考试"), TKvLabel::dtNone);
        const QImage plainImage = render(plain);
        const QSet<QPoint> plainInk = pixelsOf(plainImage, Ink);
        QVERIFY(pixelsOf(plainImage, Shadow).isEmpty());

        TKvLabel raised;
        prepare(raised, QStringLiteral("Exam 考试"), TKvLabel::dtRaised);
        const QImage image = render(raised);
        const QSet<QPoint> ink = pixelsOf(image, Ink);
        QCOMPARE(ink, shifted(plainInk, 1, 1));
        // Its shadow is the plain text moved one pixel up and left, under the ink.
        QCOMPARE(pixelsOf(image, Shadow), shifted(plainInk, -1, -1) - ink);
    }

    void disabledLabelIsDrawnOnceInGrey_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("lowered") << int(TKvLabel::dtLowered);
        QTest::newRow("raised") << int(TKvLabel::dtRaised);
    }
    void disabledLabelIsDrawnOnceInGrey()
    {
        QFETCH(int, type);
        TKvLabel plain;
        prepare(plain, QStringLiteral("Exam 考试"), TKvLabel::dtNone);
        const QSet<QPoint> plainInk = pixelsOf(render(plain), Ink);

        TKvLabel label;
        prepare(label, QStringLiteral("Exam 考试"), TKvLabel::TDrawType(type));
        label.setEnabled(false);
        const QImage image = render(label);
        const QColor grey = QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text);
        QVERIFY(grey != Ink && grey != Shadow && grey != Background);
        QCOMPARE(colours(image), (QSet<QRgb>{Background.rgb(), grey.rgb()}));
        QCOMPARE(pixelsOf(image, grey), plainInk);
    }

    void vCenterDrawsOneCentredLineAndTurnsWordWrapOff()
    {
        TKvLabel label;
        prepare(label, QStringLiteral("a caption much too long for the label"), TKvLabel::dtNone);
        label.resize(120, 60);
        const QRect wrapped = boundingBox(pixelsOf(render(label), Ink));
        QVERIFY2(wrapped.height() > 20, "the long caption wraps onto several lines");
        QVERIFY(wrapped.top() < 6);

        label.setVCenter(true);
        QVERIFY(!label.wordWrap());
        const QRect line = boundingBox(pixelsOf(render(label), Ink));
        QVERIFY(line.height() <= QFontMetrics(label.font()).height());
        const int above = line.top();
        const int below = label.height() - 1 - line.bottom();
        QVERIFY2(qAbs(above - below) <= 5, qPrintable(QStringLiteral("%1 vs %2").arg(above).arg(below)));

        label.setVCenter(false);
        QVERIFY(label.wordWrap());
    }

    void alignmentPlacesTextAcross_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("side"); // -1 left, 0 centre, 1 right
        QTest::newRow("left") << int(Qt::AlignLeft) << -1;
        QTest::newRow("centre") << int(Qt::AlignHCenter | Qt::AlignVCenter) << 0;
        QTest::newRow("right") << int(Qt::AlignRight | Qt::AlignBottom) << 1;
    }
    void alignmentPlacesTextAcross()
    {
        QFETCH(int, alignment);
        QFETCH(int, side);
        TKvLabel label;
        prepare(label, QStringLiteral("Title"), TKvLabel::dtNone);
        label.resize(200, 60);
        label.setAlignment(Qt::Alignment(alignment));
        const QRect box = boundingBox(pixelsOf(render(label), Ink));
        const int left = box.left();
        const int right = label.width() - 1 - box.right();
        if (side < 0)
            QVERIFY(left < 4);
        else if (side > 0)
            QVERIFY(right < 4);
        else
            QVERIFY(qAbs(left - right) <= 4);
        // The label's own vertical alignment is not used: without VCenter the text is at the top.
        QVERIFY(box.top() < 6);
    }

    void accelCharIsUnderlinedNotShown()
    {
        TKvLabel label;
        prepare(label, QStringLiteral("&S"), TKvLabel::dtNone);
        TKvLabel plain;
        prepare(plain, QStringLiteral("S"), TKvLabel::dtNone);
        const QSet<QPoint> marked = pixelsOf(render(label), Ink);
        const QSet<QPoint> letter = pixelsOf(render(plain), Ink);
        QVERIFY(marked.contains(letter));
        QVERIFY(marked.size() > letter.size()); // the underline
        label.setShowAccelChar(false);
        QVERIFY(boundingBox(pixelsOf(render(label), Ink)).width() > boundingBox(letter).width() + 3);
    }

    void linkLooksLikeALinkWhileTheMouseIsOverIt()
    {
        TKvLabel label(QStringLiteral("www.example.org"));
        QPalette palette = label.palette();
        palette.setColor(QPalette::WindowText, QColor(10, 20, 30));
        label.setPalette(palette);
        label.setLinkType(true);
        QCOMPARE(label.AboveColor(), QColor(0, 0, 255));

        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(&label, &enter);
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(label.font().underline());
        QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);

        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&label, &leave);
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(10, 20, 30));
        QVERIFY(!label.font().underline());
        QCOMPARE(label.cursor().shape(), Qt::ArrowCursor);
    }

    void leavingALinkThatWasNeverEnteredKeepsItsColour()
    {
        TKvLabel label(QStringLiteral("www.example.org"));
        QPalette palette = label.palette();
        palette.setColor(QPalette::WindowText, QColor(10, 20, 30));
        label.setPalette(palette);
        // The mouse is over the label already when it becomes a link.
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(&label, &enter);
        label.setLinkType(true);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&label, &leave);
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(10, 20, 30));
    }

    void notTransparentFillsWithItsColour()
    {
        QWidget parent;
        parent.setAutoFillBackground(true);
        QPalette palette = parent.palette();
        palette.setColor(QPalette::Window, QColor(0, 128, 0));
        parent.setPalette(palette);
        auto *label = new TKvLabel(QString(), &parent);
        QPalette own = label->palette();
        own.setColor(QPalette::Window, Background);
        label->setPalette(own);
        QCOMPARE(QColor(render(*label).pixel(5, 5)), Background);
        label->setTransparent(true);
        parent.resize(200, 100);
        const QImage whole = parent.grab().toImage();
        QCOMPARE(QColor(whole.pixel(5, 5)), QColor(0, 128, 0));
    }

    void screenReaderSeesStaticTextWithTheCaption()
    {
        TKvLabel label(QStringLiteral("&Q评分"));
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&label);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::StaticText);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Q评分"));
    }
};

QTEST_MAIN(TestKvLabel)
#include "tst_kvlabel.moc"

// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The start window's engraved title and gradient buttons, and their keyboard accelerators.
#include "tfrm_ks_sta.h"
#include "tfrm_logo.h"

#include "tapplication.h"
#include "tdxbutton.h"
#include "tkvlabel.h"
#include "widgetpixels.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

class TestStartWindowLook : public QObject {
    Q_OBJECT

    std::unique_ptr<TFrm_Ks_Sta> m_start;

private slots:
    void initTestCase()
    {
        Tfrm_logo::displayMs = 1;
        m_start = std::make_unique<TFrm_Ks_Sta>();
        // The buttons' own clicks are what is looked at here, not starting an exam or quitting.
        disconnect(m_start->Button1, &TdxButton::clicked, m_start.get(), nullptr);
        disconnect(m_start->Button2, &TdxButton::clicked, m_start.get(), nullptr);
        disconnect(m_start->Button3, &TdxButton::clicked, m_start.get(), nullptr);
        m_start->show();
        m_start->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_start.get()));
    }

    void cleanupTestCase() { m_start.reset(); }

    // Across each edge of the panel, from outside in: a lowered outer bevel, four pixels of
    // the panel's colour, a lowered inner bevel. Lowered: dark at the top and left, light
    // at the bottom and right.
    void thePanelHasTwoLoweredBevelsFourPixelsApart()
    {
        const QImage image = render(*m_start->Panel1);
        const int w = image.width();
        const int h = image.height();
        const QRgb face = image.pixel(w / 2, 8);
        const auto isBevel = [face](QRgb c, bool dark) { return dark ? qGray(c) < qGray(face) : qGray(c) > qGray(face); };
        // (pixel on the edge's outer bevel, step inwards), sampled away from the controls
        const struct { QPoint edge; QPoint in; bool dark; } edges[] = {
            {{w / 2, 0}, {0, 1}, true}, {{0, h / 2}, {1, 0}, true},
            {{w / 2, h - 1}, {0, -1}, false}, {{w - 1, h / 2}, {-1, 0}, false}};
        for (const auto &edge : edges) {
            const auto bevel = [&](QRgb c) { return isBevel(c, edge.dark); };
            QVERIFY2(bevel(image.pixel(edge.edge)), qPrintable(QString::number(edge.edge.x()) + "," + QString::number(edge.edge.y())));
            for (int i = 1; i <= 4; ++i)
                QCOMPARE(image.pixel(edge.edge + edge.in * i), face);
            QVERIFY(bevel(image.pixel(edge.edge + edge.in * 5)));
            QCOMPARE(image.pixel(edge.edge + edge.in * 6), face);
        }
    }

    void theTitleIsEngravedAndFitsItsLabel()
    {
        auto *title = qobject_cast<TKvLabel *>(m_start->Label6);
        QVERIFY(title);
        QCOMPARE(title->DrawType(), TKvLabel::dtLowered);
        QVERIFY(title->fontMetrics().horizontalAdvance(title->text()) <= title->width());
        QVERIFY(m_start->Panel1->rect().contains(title->geometry()));
    }

    void theButtonsAreCentredOneAboveTheOther()
    {
        TdxButton *start = m_start->Button1;
        TdxButton *study = m_start->Button3;
        TdxButton *quit = m_start->Button2;
        QCOMPARE(start->size(), quit->size());
        QCOMPARE(study->size(), quit->size());
        for (TdxButton *button : {start, study, quit}) {
            QVERIFY(m_start->Panel1->rect().contains(button->geometry()));
            QVERIFY(qAbs(button->geometry().center().x() - m_start->Panel1->rect().center().x()) <= 1);
            QVERIFY(button->fontMetrics().horizontalAdvance(button->plainCaption()) < button->width());
        }
        // The study button sits in its own row between the two, spaced as they were spaced.
        QVERIFY(start->geometry().bottom() < study->geometry().top());
        QVERIFY(study->geometry().bottom() < quit->geometry().top());
        QCOMPARE(study->y() - start->y(), quit->y() - study->y());
        for (QWidget *label : {static_cast<QWidget *>(m_start->Label4), static_cast<QWidget *>(m_start->Label5)})
            QVERIFY(label->geometry().bottom() < start->geometry().top());
    }

    void aButtonShowsThePointerOverItAndTheFocus()
    {
        for (TdxButton *button : {m_start->Button1, m_start->Button3, m_start->Button2}) {
            TdxButton *other = button == m_start->Button1 ? m_start->Button2 : m_start->Button1;
            other->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), other);
            const QImage plain = render(*button);
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(button->mapToGlobal(QPoint(5, 5))));
            QApplication::sendEvent(button, &enter);
            const QImage hot = render(*button);
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(button, &leave);
            QCOMPARE(render(*button), plain);
            button->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), button);
            const QImage focused = render(*button);
            QVERIFY2(hot != plain, qPrintable(button->plainCaption()));
            QVERIFY2(focused != plain, qPrintable(button->plainCaption()));
        }
        // The two buttons can be told apart while focused, not only by their captions: the
        // start button's ring is green, the exit button's red.
        const auto ringColour = [this](TdxButton *button) {
            button->setFocus();
            const QImage image = render(*button);
            return image.pixelColor(2, button->height() / 2);
        };
        const QColor startRing = ringColour(m_start->Button1);
        const QColor quitRing = ringColour(m_start->Button2);
        QVERIFY(startRing.green() > startRing.red());
        QVERIFY(quitRing.red() > quitRing.green());
    }

    void tabGoesFromTheStartButtonToTheStudyButtonToTheQuitButton()
    {
        m_start->Button1->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), m_start->Button1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m_start->Button3);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m_start->Button2);
    }

    void altSAndAltQClickTheirButtons()
    {
        QSignalSpy starts(m_start->Button1, &TdxButton::clicked);
        QSignalSpy quits(m_start->Button2, &TdxButton::clicked);
        QSignalSpy studies(m_start->Button3, &TdxButton::clicked);
        m_start->Button2->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), m_start->Button2);

        // A plain S acts only on a focused button with that accelerator.
        QTest::keyClick(m_start->Button2, Qt::Key_S);
        QCOMPARE(starts.count(), 0);

        QTest::keyClick(m_start.get(), Qt::Key_S, Qt::AltModifier);
        QCOMPARE(starts.count(), 1);
        QCOMPARE(quits.count(), 0);
        QTest::keyClick(m_start.get(), Qt::Key_Q, Qt::AltModifier);
        QCOMPARE(quits.count(), 1);
        QCOMPARE(starts.count(), 1);
        QTest::keyClick(m_start.get(), Qt::Key_P, Qt::AltModifier);
        QCOMPARE(studies.count(), 1);
        QCOMPARE(starts.count() + quits.count(), 2);
    }
};

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    TestStartWindowLook test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startwindowlook.moc"

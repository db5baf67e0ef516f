// The start window's engraved title and gradient buttons, and their keyboard accelerators.
#include "tfrm_ks_sta.h"
#include "tfrm_logo.h"

#include "tapplication.h"
#include "tdxbutton.h"
#include "tkvlabel.h"

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
        m_start->show();
        m_start->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_start.get()));
    }

    void cleanupTestCase() { m_start.reset(); }

    void theTitleIsAnEngravedLabel()
    {
        auto *title = qobject_cast<TKvLabel *>(m_start->Label6);
        QVERIFY(title);
        QCOMPARE(title->DrawType(), TKvLabel::dtLowered);
        QVERIFY(!title->VCenter());
        QVERIFY(!title->LinkType());
        QCOMPARE(title->font().pixelSize(), 21);
        QCOMPARE(title->text(), QStringLiteral("Tarnel机动车驾驶员法培考试  3.0"));
    }

    void theButtonsHaveTheStartWindowsLook()
    {
        TdxButton *start = m_start->Button1;
        TdxButton *quit = m_start->Button2;
        QCOMPARE(start->Caption(), QStringLiteral("&S开始考试"));
        QCOMPARE(quit->Caption(), QStringLiteral("&Q退出"));
        for (TdxButton *button : {start, quit}) {
            QCOMPARE(button->width(), 211);
            QCOMPARE(button->Quality(), TdxButton::bqHigh);
            QVERIFY(!button->ShowFocusRect());
            QVERIFY(button->HotTrack());
            QCOMPARE(button->Colors().BorderLine(), QColor(0, 128, 0));
            QVERIFY(m_start->Panel1->rect().contains(button->geometry()));
        }
        QCOMPARE(start->Colors().HotTrack(), QColor(0, 128, 0));
        QCOMPARE(quit->Colors().HotTrack(), QColor(255, 0, 0));
        QVERIFY(!start->geometry().intersects(quit->geometry()));
        for (QWidget *label : {static_cast<QWidget *>(m_start->Label4), static_cast<QWidget *>(m_start->Label5)})
            QVERIFY(!start->geometry().intersects(label->geometry()));
    }

    void tabGoesFromTheStartButtonToTheQuitButton()
    {
        m_start->Button1->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), m_start->Button1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m_start->Button2);
    }

    void altSAndAltQClickTheirButtons()
    {
        QSignalSpy starts(m_start->Button1, &TdxButton::clicked);
        QSignalSpy quits(m_start->Button2, &TdxButton::clicked);
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
    }
};

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    TestStartWindowLook test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startwindowlook.moc"

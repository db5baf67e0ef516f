// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The shared window services: exceptions escaping handlers, modal showing, the base window,
// lookups by name and the wait message.
#include "exceptionreporter.h"
#include "findbyname.h"
#include "modalshow.h"
#include "searchanimation.h"
#include "tanimate.h"
#include "tapplication.h"
#include "tfrm_qixneoform.h"
#include "tx_printmessage.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>
#include <stdexcept>

namespace {

class FailingShowWindow : public Tfrm_qixNeoForm {
public:
    FailingShowWindow() { setDesignedPanelSize(QSize(100, 80), true); }
    QStringList steps;

protected:
    void FormShow() override
    {
        Tfrm_qixNeoForm::FormShow();
        steps << LabelCaption->text();
        throw std::runtime_error("显示时出错");
    }
};

} // namespace

class TestUiFrame : public QObject {
    Q_OBJECT

    QStringList m_reported;

private slots:
    void init()
    {
        m_reported.clear();
        setExceptionReporter([this](const QString &message) { m_reported << message; });
    }

    void anExceptionInAHandlerIsReportedAndTheProgramGoesOn()
    {
        QPushButton button(QStringLiteral("出错"));
        int clicks = 0;
        connect(&button, &QPushButton::clicked, &button, [&clicks] {
            if (++clicks == 1)
                throw std::runtime_error("第一次点击出错");
        });
        button.show();
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(m_reported, QStringList{QStringLiteral("第一次点击出错")});
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks, 2);
        QCOMPARE(m_reported.size(), 1);
    }

    void anExceptionInAShowingHandlerIsReportedAndTheWindowStillShown()
    {
        FailingShowWindow window;
        window.setWindowTitle(QStringLiteral("标题"));
        window.show();
        QCOMPARE(window.steps, QStringList{QStringLiteral("标题")});  // the base step ran first
        QCOMPARE(m_reported, QStringList{QStringLiteral("显示时出错")});
        QVERIFY(window.isVisible());
        // A panel this small gives a window below the 300 × 200 floor: the floor wins.
        QCOMPARE(window.size(), QSize(300, 200));
        QCOMPARE(window.PanelBkGnd->geometry(), QRect(10, 50, 280, 140));
    }

    void aModalWindowLocksOnlyTheWindowsAlreadyUp()
    {
        QWidget before;
        before.show();
        QWidget modal;
        QWidget later;
        bool beforeLocked = false;
        bool laterFree = false;
        QTimer::singleShot(0, &modal, [&] {
            beforeLocked = !before.isEnabled();
            later.show();
            laterFree = later.isEnabled();
            modal.close();
        });
        showModal(&modal);
        QVERIFY(beforeLocked);
        QVERIFY(laterFree);
        QVERIFY(before.isEnabled());
        QVERIFY(!modal.isVisible());
    }

    void aModalShowingThatThrowsUnlocksTheOtherWindows()
    {
        class FailingWindow : public QWidget {
        public:
            void setVisible(bool visible) override
            {
                if (visible)
                    throw std::runtime_error("cannot show");
                QWidget::setVisible(visible);
            }
        };
        QWidget before;
        before.show();
        FailingWindow modal;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, showModal(&modal));
        QVERIFY(before.isEnabled());
    }

    void lookupsByNameIgnoreCase()
    {
        QWidget window;
        auto *inner = new QFrame(&window);
        auto *edit = new QLabel(inner);
        edit->setObjectName(QStringLiteral("Edit12"));
        QCOMPARE(findComponent(&window, QStringLiteral("edit12")), edit);
        QCOMPARE(findChildControl(inner, QStringLiteral("EDIT12")), edit);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, (void)findChildControl(&window, QStringLiteral("Edit12")));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, (void)findComponent(&window, QStringLiteral("Edit1")));
    }

    void theWaitMessageShowsTheTextAndTheClipAskedFor()
    {
        Tx_printmessage wait;
        QCOMPARE(wait.Animate1->CommonAVI(), int(SearchAnimation::aviFindFolder));
        ShowWaitMessage(QStringLiteral("正在随机抽题请等待...."), SearchAnimation::aviFindComputer);
        QVERIFY(wait.isVisible());
        QCOMPARE(wait.size(), QSize(334, 96));
        QCOMPARE(wait.LabHint->text(), QStringLiteral("正在随机抽题请等待...."));
        QVERIFY(wait.geometry().contains(wait.LabHint->geometry().translated(wait.pos())));
        QCOMPARE(wait.Animate1->CommonAVI(), int(SearchAnimation::aviFindComputer));
        QVERIFY(wait.Animate1->Active());
        QTRY_VERIFY(wait.Animate1->framesPlayed() >= 3);

        ShowWaitMessage(QStringLiteral("请稍候"), SearchAnimation::aviFindComputer);
        QCOMPARE(wait.LabHint->text(), QStringLiteral("请稍候"));
        QVERIFY(wait.Animate1->Active());

        HideWaitMessage();
        QVERIFY(!wait.isVisible());
        QVERIFY(!wait.Animate1->Active());
    }

    void anUnknownClipCannotBeOpened_data()
    {
        QTest::addColumn<int>("clip");
        QTest::newRow("9") << 9;
        QTest::newRow("-1") << -1;
    }
    void anUnknownClipCannotBeOpened()
    {
        QFETCH(int, clip);
        TAnimate animate;
        try {
            animate.setCommonAVI(clip);
            QFAIL("no error");
        } catch (const std::runtime_error &e) {
            QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("Cannot open AVI"));
        }
    }

    void everyClipPaintsEveryFrame()
    {
        // The frames are drawn from a thread of their own: the painter must work on an image.
        for (int clip = SearchAnimation::aviFindFolder; clip <= SearchAnimation::aviDeleteFile; ++clip) {
            QImage first(SearchAnimation::frameSize(clip), QImage::Format_RGB32);
            QImage middle = first;
            {
                QPainter painter(&first);
                SearchAnimation::paintFrame(painter, clip, 0, Qt::white);
            }
            {
                QPainter painter(&middle);
                SearchAnimation::paintFrame(painter, clip, SearchAnimation::FrameCount / 2, Qt::white);
            }
            QVERIFY2(first != middle, qPrintable(QString::number(clip)));
        }
    }
};

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    TestUiFrame test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_uiframe.moc"

// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real program on an X server (under xvfb-run): the splash, then the start window,
// Alt+S, and the exam window on question 1; a start over a bank too small for a paper; a
// start while an exam is on screen. It looks at the program from outside, through the X
// server, and keeps screenshots of every step in <build>/screenshots.
#include "examtestbank.h"

#include "searchanimation.h"
#include "tanimate.h"
#include "tapplication.h"
#include "tx_printmessage.h"
#include "x11animationplayer.h"

#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <xcb/xcb.h>

#include <cstdlib>
#include <stdexcept>
#include <optional>

namespace {

struct TopWindow {
    xcb_window_t id = 0;
    QString title;
    QRect geometry;
};

template<typename Reply>
struct Freed {
    Reply *reply;
    ~Freed() { std::free(reply); }
};

class XServer {
public:
    XServer() : m_connection(xcb_connect(nullptr, nullptr))
    {
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        m_netWmName = atom("_NET_WM_NAME");
        m_utf8 = atom("UTF8_STRING");
        m_protocols = atom("WM_PROTOCOLS");
        m_deleteWindow = atom("WM_DELETE_WINDOW");
    }
    ~XServer() { xcb_disconnect(m_connection); }

    // The mapped top-level windows of the program.
    QList<TopWindow> windows() const
    {
        QList<TopWindow> result;
        Freed<xcb_query_tree_reply_t> tree{xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, m_root), nullptr)};
        if (!tree.reply)
            return result;
        const xcb_window_t *children = xcb_query_tree_children(tree.reply);
        for (int i = 0; i < xcb_query_tree_children_length(tree.reply); ++i) {
            Freed<xcb_get_window_attributes_reply_t> attributes{xcb_get_window_attributes_reply(
                m_connection, xcb_get_window_attributes(m_connection, children[i]), nullptr)};
            if (!attributes.reply || attributes.reply->map_state != XCB_MAP_STATE_VIEWABLE)
                continue;
            Freed<xcb_get_geometry_reply_t> geometry{
                xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, children[i]), nullptr)};
            Freed<xcb_get_property_reply_t> name{xcb_get_property_reply(
                m_connection, xcb_get_property(m_connection, 0, children[i], m_netWmName, m_utf8, 0, 1024), nullptr)};
            TopWindow window;
            window.id = children[i];
            if (name.reply)
                window.title = QString::fromUtf8(static_cast<const char *>(xcb_get_property_value(name.reply)),
                                                 xcb_get_property_value_length(name.reply));
            if (geometry.reply)
                window.geometry = QRect(geometry.reply->x, geometry.reply->y, geometry.reply->width, geometry.reply->height);
            result << window;
        }
        return result;
    }

    // Alt + the key of the lower-case letter, sent to the window that has the input focus.
    void altKey(xcb_window_t window, char letter)
    {
        xcb_set_input_focus(m_connection, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
        const xcb_keycode_t code = keycode(quint32(letter));
        for (quint8 type : {quint8(XCB_KEY_PRESS), quint8(XCB_KEY_RELEASE)}) {
            xcb_key_press_event_t event{};
            event.response_type = type;
            event.detail = code;
            event.root = m_root;
            event.event = window;
            event.child = XCB_NONE;
            event.same_screen = 1;
            event.state = XCB_MOD_MASK_1;
            event.time = XCB_CURRENT_TIME;
            xcb_send_event(m_connection, 0, window, type == XCB_KEY_PRESS ? XCB_EVENT_MASK_KEY_PRESS : XCB_EVENT_MASK_KEY_RELEASE,
                           reinterpret_cast<const char *>(&event));
        }
        xcb_flush(m_connection);
    }

    // What the window system's close button does.
    void close(xcb_window_t window)
    {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = window;
        event.type = m_protocols;
        event.data.data32[0] = m_deleteWindow;
        event.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(m_connection, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&event));
        xcb_flush(m_connection);
    }

private:
    xcb_atom_t atom(const char *name) const
    {
        Freed<xcb_intern_atom_reply_t> reply{
            xcb_intern_atom_reply(m_connection, xcb_intern_atom(m_connection, 0, quint16(strlen(name)), name), nullptr)};
        return reply.reply ? reply.reply->atom : XCB_NONE;
    }

    xcb_keycode_t keycode(quint32 keysym) const
    {
        const xcb_setup_t *setup = xcb_get_setup(m_connection);
        const int count = setup->max_keycode - setup->min_keycode + 1;
        Freed<xcb_get_keyboard_mapping_reply_t> map{xcb_get_keyboard_mapping_reply(
            m_connection, xcb_get_keyboard_mapping(m_connection, setup->min_keycode, quint8(count)), nullptr)};
        const xcb_keysym_t *syms = xcb_get_keyboard_mapping_keysyms(map.reply);
        for (int i = 0; i < count; ++i) {
            for (int j = 0; j < map.reply->keysyms_per_keycode; ++j) {
                if (syms[i * map.reply->keysyms_per_keycode + j] == keysym)
                    return xcb_keycode_t(setup->min_keycode + i);
            }
        }
        return 0;
    }

    xcb_connection_t *m_connection;
    xcb_window_t m_root = 0;
    xcb_atom_t m_netWmName = 0;
    xcb_atom_t m_utf8 = 0;
    xcb_atom_t m_protocols = 0;
    xcb_atom_t m_deleteWindow = 0;
};

QImage screenshot(const QString &name)
{
    const QImage image = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    QDir().mkpath(QStringLiteral(DRVQ_BUILD_DIR "/screenshots"));
    image.save(QStringLiteral(DRVQ_BUILD_DIR "/screenshots/%1.png").arg(name));
    return image;
}

int redPixels(const QImage &image, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > 180 && c.green() < 90 && c.blue() < 90;
        }
    }
    return count;
}

// Whether a window's picture is drawn: a blank one has a colour or two, a drawn one many.
bool isPainted(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height() && colours.size() < 16; y += 3) {
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    }
    return colours.size() >= 16;
}

// A part of the screen as it is now.
QImage grab(const QRect &area)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
}

// The windows by what identifies them: the start, exam and score windows by title, the wait
// message by its size, the error message by the program's name as its title.
const QString StartTitle = QStringLiteral("Tarnel北京机动车驾驶员法培考试");
const QString ScoreTitle = QStringLiteral("评分");
const QSize ExamSize(654, 490);
const QSize WaitSize(334, 96);

// Where the exam window shows the clock and the first page of numbers with their answer boxes.
QRect clockArea(const TopWindow &exam)
{
    return QRect(exam.geometry.topLeft() + QPoint(10 + 428 + 4, 50 + 38 + 18), QSize(62, 26));
}
QRect firstPageArea(const TopWindow &exam)
{
    return QRect(exam.geometry.topLeft() + QPoint(10 + 8, 50 + 36), QSize(412, 139));
}

} // namespace

class TestRealProgram : public QObject {
    Q_OBJECT

    XServer m_x;

    std::optional<TopWindow> waitFor(const std::function<bool(const TopWindow &)> &match, int ms = 10000)
    {
        QElapsedTimer clock;
        clock.start();
        do {
            for (const TopWindow &w : m_x.windows()) {
                if (match(w))
                    return w;
            }
            QTest::qWait(20);
        } while (clock.elapsed() < ms);
        return std::nullopt;
    }

    bool waitForImage(const std::function<bool()> &holds, int ms = 10000)
    {
        QElapsedTimer clock;
        clock.start();
        do {
            if (holds())
                return true;
            QTest::qWait(20);
        } while (clock.elapsed() < ms);
        return false;
    }

    // Alt + letter to a window until what it should do has happened. A key that comes before
    // the window has taken the activation (a moment after it is mapped) is lost; sending it
    // again is harmless for the keys used here.
    bool altKeyUntil(xcb_window_t window, char letter, const std::function<bool()> &done)
    {
        for (int attempt = 0; attempt < 10; ++attempt) {
            m_x.altKey(window, letter);
            if (waitForImage(done, 1000))
                return true;
        }
        return false;
    }

    bool isUp(const std::function<bool(const TopWindow &)> &match) { return waitFor(match, 0).has_value(); }

    // The program copied into a folder of its own with a bank beside it, as installed.
    static bool installIn(const QString &folder, int questions)
    {
        examtest::writeBank(examtest::bank(questions), folder);
        return QFile::copy(QStringLiteral(DRVQ_BUILD_DIR "/drvq"), folder + QStringLiteral("/drvq"));
    }

    void endWithAltQ(QProcess &program, xcb_window_t start)
    {
        m_x.altKey(start, 'q');
        if (!program.waitForFinished(5000)) {
            program.kill();
            QFAIL("\"&Q退出\" did not end the program");
        }
        QCOMPARE(program.exitCode(), 0);
    }

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server: run under xvfb-run");
    }

    void splashThenStartWindowThenAltSStartsAnExam()
    {
        QProcess program;
        program.setProgram(QStringLiteral(DRVQ_BUILD_DIR "/drvq"));
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start();
        QVERIFY(program.waitForStarted());

        const auto splash = waitFor([](const TopWindow &w) { return w.geometry.size() == QSize(399, 300); });
        QVERIFY2(splash, "no splash");
        QVERIFY2(waitForImage([&] { return isPainted(grab(splash->geometry)); }), "the splash stayed blank");
        screenshot(QStringLiteral("1-splash"));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QVERIFY(qAbs(splash->geometry.center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(splash->geometry.center().y() - screen.center().y()) <= 1);
        for (const TopWindow &w : m_x.windows())
            QVERIFY2(!w.title.startsWith(QStringLiteral("Tarnel")), "the start window came up beside the splash");

        const auto start = waitFor([](const TopWindow &w) { return w.title == QStringLiteral("Tarnel北京机动车驾驶员法培考试"); }, 6000);
        QVERIFY2(start, "no start window");
        QCOMPARE(start->geometry.size(), QSize(397, 293 + 33));
        QVERIFY(!waitFor([](const TopWindow &w) { return w.geometry.size() == QSize(399, 300); }, 0));
        QVERIFY2(waitForImage([&] { return isPainted(grab(start->geometry)); }), "the start window stayed blank");
        screenshot(QStringLiteral("2-start-window"));

        const auto isExam = [](const TopWindow &w) { return w.geometry.size() == ExamSize; };
        QVERIFY2(altKeyUntil(start->id, 's', [&] { return isUp(isExam); }), "no exam window");
        const auto exam = waitFor(isExam);
        QVERIFY(exam);
        QCOMPARE(exam->title, QStringLiteral("机动车驾驶员法培考试"));
        // Question 1 is on display: its number button, top left of page 1, has a red caption.
        const QRect firstNumber = QRect(exam->geometry.topLeft() + QPoint(10 + 8, 50 + 36), QSize(60, 70));
        QVERIFY2(waitForImage([&] { return redPixels(grab(firstNumber), QRect(QPoint(), firstNumber.size())) > 5; }),
                 "BitBtn1 is not red");
        const QImage examShot = screenshot(QStringLiteral("4-exam-window"));
        QVERIFY(!waitFor([](const TopWindow &w) { return w.geometry.size() == WaitSize; }, 0));
        QVERIFY(redPixels(examShot, firstNumber.translated(80, 0)) == 0);

        // Closing the start window ends the program although the exam window is up.
        m_x.close(start->id);
        QVERIFY(program.waitForFinished(5000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }

    void aBankTooSmallForAPaperIsReportedAndNothingIsHandedIn()
    {
        QTemporaryDir folder;
        QVERIFY(installIn(folder.path(), 99));
        QProcess program;
        program.setProgram(folder.filePath(QStringLiteral("drvq")));
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start();
        QVERIFY(program.waitForStarted());
        const auto start = waitFor([](const TopWindow &w) { return w.title == StartTitle; }, 15000);
        QVERIFY2(start, "no start window");

        // The trainer speaks Chinese whatever the locale, its message boxes too.
        const auto isError = [](const TopWindow &w) { return w.title == QStringLiteral("机动车驾驶员法培考试 - 错误"); };
        const auto isScore = [](const TopWindow &w) { return w.title == ScoreTitle; };
        for (int attempt = 1; attempt <= 2; ++attempt) {
            QVERIFY2(altKeyUntil(start->id, 's', [&] { return isUp(isError); }), "no message about the bank");
            const auto error = waitFor(isError);
            QVERIFY(error);
            if (attempt == 1)
                screenshot(QStringLiteral("5-bank-too-small"));
            QVERIFY2(!isUp([](const TopWindow &w) { return w.geometry.size() == WaitSize; }), "the wait message stayed up");
            QVERIFY2(!isUp([](const TopWindow &w) { return w.geometry.size() == ExamSize; }), "an exam window is up");
            // The clock of a paper that was never drawn would hand it in a second later.
            QVERIFY2(!waitFor(isScore, 3000), "a score window came up over the message");
            m_x.close(error->id);
            QVERIFY(waitForImage([&] { return !isUp(isError); }, 5000));
            QVERIFY2(!waitFor(isScore, 2000), "a score window came up after the message");
            // The second round shows that the start window takes input again at once.
        }
        endWithAltQ(program, start->id);
    }

    void startingAgainWhileAnExamIsUpBeginsAFreshOne()
    {
        QProcess program;
        program.setProgram(QStringLiteral(DRVQ_BUILD_DIR "/drvq"));
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start();
        QVERIFY(program.waitForStarted());
        const auto start = waitFor([](const TopWindow &w) { return w.title == StartTitle; }, 15000);
        QVERIFY2(start, "no start window");
        const auto isExam = [](const TopWindow &w) { return w.geometry.size() == ExamSize; };
        QVERIFY(altKeyUntil(start->id, 's', [&] { return isUp(isExam); }));
        const auto exam = waitFor(isExam);
        QVERIFY2(exam, "no exam window");
        QVERIFY(waitForImage([&] { return !isUp([](const TopWindow &w) { return w.geometry.size() == WaitSize; }); }));

        // The clock: keep the pictures of its first ticks after the start (44:59, 44:58, …).
        // A slow grab may miss a tick, so a restart is recognised by any of them.
        const QImage beforeFirstTick = grab(clockArea(*exam));
        QList<QImage> firstTicks;
        QVERIFY(waitForImage([&] {
            const QImage now = grab(clockArea(*exam));
            if (now != beforeFirstTick && (firstTicks.isEmpty() || firstTicks.last() != now))
                firstTicks << now;
            return firstTicks.size() >= 4;
        }, 15000));
        // Page 1 as a new paper shows it: question 1 in red, no answers.
        const QImage freshPage = grab(firstPageArea(*exam));

        // Answer three questions (every question has choices A and B) and let the clock run on.
        for (char letter : {'a', 'b', 'a'}) {
            const QImage page = grab(firstPageArea(*exam));
            QVERIFY(altKeyUntil(exam->id, letter, [&] { return grab(firstPageArea(*exam)) != page; }));
        }
        QVERIFY(waitForImage([&] {
            const QImage now = grab(clockArea(*exam));
            return !firstTicks.contains(now) && now != beforeFirstTick;
        }, 15000));
        QVERIFY(grab(firstPageArea(*exam)) != freshPage);
        screenshot(QStringLiteral("6-exam-answered"));

        // A fresh paper: no answers, question 1 in red, and a clock that began at 45:00 again.
        QVERIFY2(altKeyUntil(start->id, 's', [&] { return isUp(isExam) && grab(firstPageArea(*exam)) == freshPage; }),
                 "the answers stayed");
        const auto again = waitFor(isExam);
        QVERIFY2(again, "no exam window after starting again");
        QCOMPARE(again->geometry, exam->geometry);
        QVERIFY2(waitForImage([&] { return firstTicks.contains(grab(clockArea(*again))); }, 15000),
                 "the clock did not start again");
        screenshot(QStringLiteral("7-exam-started-again"));
        QVERIFY(!isUp([](const TopWindow &w) { return w.title == ScoreTitle; }));
        endWithAltQ(program, start->id);
    }

    void aPainterThatThrowsStopsTheAnimationAndNotTheProgram()
    {
        QWidget window;
        window.resize(80, 50);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        X11AnimationPlayer player;
        const bool started = player.start(window.winId(), window.size(), 8, 10, [](QImage &image, int frame) {
            if (frame == 3)
                throw std::runtime_error("painter failed");
            image.fill(Qt::blue);
        });
        QVERIFY(started);
        QVERIFY(waitForImage([&] { return player.painterFailed(); }, 5000));
        QCOMPARE(player.framesDrawn(), 3);
        player.stop();
        QVERIFY(!player.running());
        // Started again, it plays.
        QVERIFY(player.start(window.winId(), window.size(), 8, 10, [](QImage &image, int) { image.fill(Qt::red); }));
        QVERIFY(waitForImage([&] { return player.framesDrawn() > 3; }, 5000));
        QVERIFY(!player.painterFailed());
    }

    void theWaitMessageKeepsMovingWhileTheGuiIsBusy()
    {
        Tx_printmessage wait;
        ShowWaitMessage(QStringLiteral("正在随机抽题请等待...."), SearchAnimation::aviFindComputer);
        QVERIFY(wait.Animate1->playsOnOwnThread());
        QVERIFY(waitForImage([&] { return wait.Animate1->framesPlayed() > 0; }));
        const qint64 before = wait.Animate1->framesPlayed();
        QElapsedTimer busy;
        busy.start();
        while (busy.elapsed() < 500) {
        }
        QVERIFY2(wait.Animate1->framesPlayed() - before >= 4, "the animation stood still");
        screenshot(QStringLiteral("3-wait-message"));
        HideWaitMessage();
        QVERIFY(!wait.Animate1->playsOnOwnThread());
    }
};

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    TestRealProgram test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_realprogram.moc"

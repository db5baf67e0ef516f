// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real program in a Wayland session: a headless Weston compositor, with and without
// XWayland. Where an X server is reachable the trainer runs on it; where only the compositor
// is, it runs natively without a word; a platform the trainee names always wins. Which
// platform it runs on shows in the platform plugin it has loaded.
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// A headless Weston on a socket of its own in a private runtime folder; ends with the object.
class Compositor {
public:
    explicit Compositor(bool xwayland)
    {
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("DISPLAY"));
        m_process.setProcessEnvironment(environment);
        QStringList arguments{QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--socket=") + socketName(),
                              QStringLiteral("--idle-time=0")};
        if (xwayland)
            arguments << QStringLiteral("--xwayland");
        m_process.start(QStringLiteral("weston"), arguments);
        m_process.waitForStarted();
    }
    ~Compositor()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(10000)) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }
    Compositor(const Compositor &) = delete;
    Compositor &operator=(const Compositor &) = delete;

    static QString socketName() { return QStringLiteral("drvq-test"); }
    QString runtimeFolder() const { return m_runtime.path(); }
    bool listening() const { return QFile::exists(m_runtime.filePath(socketName())); }
    bool running() const { return m_process.state() == QProcess::Running; }
    // The X display XWayland listens on, once Weston has said so.
    QString xDisplay()
    {
        m_log += m_process.readAll();
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("xserver listening on display (:\\d+)")).match(QString::fromLocal8Bit(m_log));
        return match.hasMatch() ? match.captured(1) : QString();
    }
    QByteArray log() { return m_log += m_process.readAll(); }

private:
    QTemporaryDir m_runtime;
    QProcess m_process;
    QByteArray m_log;
};

// The Qt platform plugin the process has loaded, or empty while it has none.
QString loadedPlatform(qint64 pid)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    if (!maps.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = maps.readAll();
    if (text.contains("/platforms/libqxcb.so"))
        return QStringLiteral("xcb");
    if (text.contains("/platforms/libqwayland-"))
        return QStringLiteral("wayland");
    return {};
}

bool waylandPluginInstalled()
{
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    return !platforms.entryList({QStringLiteral("libqwayland-*.so")}, QDir::Files).isEmpty();
}

} // namespace

class TestWayland : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("weston")).isEmpty())
            QSKIP("needs Weston (the Debian package weston) for a Wayland session");
    }

    void theTrainerRunsOnXWaylandWhereItIsThereAndNativelyOtherwise_data()
    {
        QTest::addColumn<bool>("xwayland");
        QTest::addColumn<QString>("requested");
        QTest::addColumn<bool>("gnome");
        QTest::addColumn<QString>("expected");

        QTest::newRow("XWayland") << true << QString() << false << "xcb";
        QTest::newRow("XWayland in a GNOME session") << true << QString() << true << "xcb";
        QTest::newRow("XWayland, the trainee asks for Wayland") << true << "wayland" << false << "wayland";
        QTest::newRow("Wayland only") << false << QString() << false << "wayland";
        QTest::newRow("Wayland only, GNOME session") << false << QString() << true << "wayland";
    }

    void theTrainerRunsOnXWaylandWhereItIsThereAndNativelyOtherwise()
    {
        QFETCH(bool, xwayland);
        QFETCH(QString, requested);
        QFETCH(bool, gnome);
        QFETCH(QString, expected);
        if (xwayland && QStandardPaths::findExecutable(QStringLiteral("Xwayland")).isEmpty())
            QSKIP("needs XWayland (the Debian package xwayland)");
        if (expected == QLatin1String("wayland") && !waylandPluginInstalled())
            QSKIP("needs Qt's Wayland platform (the Debian package qt6-wayland)");

        Compositor compositor(xwayland);
        QTRY_VERIFY_WITH_TIMEOUT(compositor.listening() || !compositor.running(), 20000);
        QVERIFY2(compositor.running(), compositor.log().constData());
        QString display;
        if (xwayland) {
            QTRY_VERIFY_WITH_TIMEOUT(!(display = compositor.xDisplay()).isEmpty() || !compositor.running(), 20000);
            QVERIFY2(!display.isEmpty(), compositor.log().constData());
        }

        QTemporaryDir data;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "XDG_SESSION_TYPE", "XDG_CURRENT_DESKTOP"})
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), compositor.runtimeFolder());
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"), Compositor::socketName());
        environment.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
        if (!display.isEmpty())
            environment.insert(QStringLiteral("DISPLAY"), display);
        if (!requested.isEmpty())
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), requested);
        if (gnome) {
            environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
            environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("GNOME"));
        }

        QProcess trainer;
        trainer.setProcessEnvironment(environment);
        trainer.setWorkingDirectory(QStringLiteral(DRVQ_BUILD_DIR));
        trainer.start(QStringLiteral(DRVQ_BUILD_DIR "/drvq"), {});
        QVERIFY(trainer.waitForStarted());
        const auto stop = qScopeGuard([&] {
            trainer.kill();
            trainer.waitForFinished();
        });
        QString platform;
        QTRY_VERIFY_WITH_TIMEOUT(!(platform = loadedPlatform(trainer.processId())).isEmpty()
                                     || trainer.state() != QProcess::Running,
                                 20000);
        QCOMPARE(platform, expected);
        // It came up without a word on its error stream, and is still running.
        QVERIFY(trainer.state() == QProcess::Running);
        trainer.kill();
        trainer.waitForFinished();
        const QByteArray said = trainer.readAllStandardError();
        QVERIFY2(said.isEmpty(), said.constData());
    }
};

QTEST_GUILESS_MAIN(TestWayland)
#include "tst_wayland.moc"

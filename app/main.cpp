// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The trainer's entry point: the long-lived windows in their order, then the event loop,
// whose first step shows the start window (and with it the splash).
#include "studysession.h"
#include "tfrm_ks_sta.h"

#include "tfrm_ks_choose.h"

#include "tapplication.h"
#include "tx_printmessage.h"

#include "tdm.h"

#include "displaycheck.h"
#include "translations.h"

#include <QTimer>

#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    // Without a display Qt would abort with advice to reinstall; say what is missing instead.
    DisplayCheck display(argc, argv);
    if (!display.reason().isEmpty()) {
        // The launcher of an installed trainer says how it was called; otherwise the program
        // was started directly, as argv[0] says.
        QByteArray command = qgetenv("DRVQ_LAUNCHED_AS");
        if (command.isEmpty())
            command = argc > 0 ? QByteArray(argv[0]) : QByteArrayLiteral("drvq");
        std::fputs(noDisplayMessage(display.reason(), QString::fromLocal8Bit(command)).toLocal8Bit().constData(),
                   stderr);
        return 1;
    }
    // Programs the trainee starts from it do not inherit the launcher's name.
    qunsetenv("DRVQ_LAUNCHED_AS");

    // The chosen platform goes to Qt on the command line rather than in the environment, so
    // that programs started from the trainer (the browser of the start window's link) choose
    // their own. The session type is hidden meanwhile: Qt would otherwise note that it
    // ignores a GNOME Wayland session.
    std::vector<char *> arguments(argv, argv + argc);
    QByteArray platformOption = QByteArrayLiteral("-platform");
    QByteArray platform = display.platform();
    if (!platform.isEmpty()) {
        arguments.push_back(platformOption.data());
        arguments.push_back(platform.data());
    }
    arguments.push_back(nullptr);
    int argumentCount = int(arguments.size()) - 1;
    const QByteArray sessionType = qgetenv("XDG_SESSION_TYPE");
    if (!platform.isEmpty())
        qunsetenv("XDG_SESSION_TYPE");
    TApplication app(argumentCount, arguments.data());
    if (!platform.isEmpty() && !sessionType.isEmpty())
        qputenv("XDG_SESSION_TYPE", sessionType);
    display.release();
    // The whole interface is Chinese, so its messages are too, whatever the locale.
    installTranslations(app, QLocale(QLocale::Chinese, QLocale::China));

    // Created in this order and destroyed in the reverse order when the loop ends.
    TFrm_Ks_Sta startWindow;
    TDm dataModule;
    Tx_printmessage waitMessage;
    TFrm_Ks_Choose examWindow;
    // The trainee's record, and the study window once asked for.
    StudySession study(startWindow, examWindow);

    QTimer::singleShot(0, &startWindow, &QWidget::show);
    return app.exec();
}

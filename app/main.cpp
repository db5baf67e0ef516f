// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The trainer's entry point: the long-lived windows in their order, then the event loop,
// whose first step shows the start window (and with it the splash).
#include "tfrm_ks_sta.h"

#include "tfrm_ks_choose.h"

#include "tapplication.h"
#include "tx_printmessage.h"

#include "tdm.h"

#include "displaycheck.h"
#include "translations.h"

#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Without a display Qt would abort with advice to reinstall; say what is missing instead.
    DisplayCheck display(argc, argv);
    if (!display.reason().isEmpty()) {
        std::fprintf(stderr,
                     "drvq: 找不到图形显示，无法打开窗口：请在桌面会话中运行，无显示器的机器上可用 "
                     "xvfb-run drvq 试用。 / cannot open a window, %s: run it in a desktop "
                     "session, or on a headless machine try: xvfb-run drvq\n",
                     qPrintable(display.reason()));
        return 1;
    }

    TApplication app(argc, argv);
    display.release();
    // The whole interface is Chinese, so its messages are too, whatever the locale.
    installTranslations(app, QLocale(QLocale::Chinese, QLocale::China));

    // Created in this order and destroyed in the reverse order when the loop ends.
    TFrm_Ks_Sta startWindow;
    TDm dataModule;
    Tx_printmessage waitMessage;
    TFrm_Ks_Choose examWindow;

    QTimer::singleShot(0, &startWindow, &QWidget::show);
    return app.exec();
}

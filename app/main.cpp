// The trainer's entry point: the long-lived windows in their order, then the event loop,
// whose first step shows the start window (and with it the splash).
#include "tfrm_ks_sta.h"

#include "tfrm_ks_choose.h"

#include "tapplication.h"
#include "tx_printmessage.h"

#include "tdm.h"

#include <QTimer>

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);

    // Created in this order and destroyed in the reverse order when the loop ends.
    TFrm_Ks_Sta startWindow;
    TDm dataModule;
    Tx_printmessage waitMessage;
    TFrm_Ks_Choose examWindow;

    QTimer::singleShot(0, &startWindow, &QWidget::show);
    return app.exec();
}

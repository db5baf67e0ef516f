// The trainer's entry point. Until the start window exists it opens the bank beside the
// program, the way an exam start does, and shows how many questions it holds.
#include "bankerror.h"
#include "connectionstring.h"
#include "tdm.h"

#include <QApplication>
#include <QFont>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QFont::insertSubstitution(QStringLiteral("宋体"), QStringLiteral("AR PL UMing CN"));

    TDm dm;
    QString text;
    try {
        const QString programFolder = QCoreApplication::applicationDirPath() + u'/';
        dm.ADOConnection1->ConnectionString = buildConnectionString(bankPaths(programFolder));
        dm.ado_biaozhi->Open();
        RunQuery(QStringLiteral("select * from choose order by tid"));
        text = QStringLiteral("题库共有 %1 道题，%2 张标志图片")
                   .arg(dm.ADOQuery1->RecordCount())
                   .arg(dm.ado_biaozhi->RecordCount());
    } catch (const BankError &e) {
        text = e.message();
    }

    QLabel window(text);
    window.setObjectName(QStringLiteral("BankSummary"));
    window.setFont(QFont(QStringLiteral("宋体"), 12));
    window.setWindowTitle(QStringLiteral("机动车驾驶员法培考试"));
    window.setMargin(24);
    window.show();
    return app.exec();
}

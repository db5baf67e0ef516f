// Where the trainer looks for its bank: an installed trainer prefers the trainee's own bank
// in the XDG data folder; a trainer in a build or program folder reads Dat/ beside itself.
#include "programfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestBankFolder : public QObject {
    Q_OBJECT

private:
    static void touch(const QString &path, bool executable = false)
    {
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (executable)
            QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ExeOwner));
    }

private slots:
    void choosesTheFolderWhoseDatHoldsTheBank_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("launcher");
        QTest::addColumn<bool>("userBank");
        QTest::addColumn<bool>("expectUser");

        QTest::newRow("installed, own bank") << "usr/lib/drvq" << true << true << true;
        QTest::newRow("installed, no own bank") << "usr/lib/drvq" << true << false << false;
        QTest::newRow("lib/drvq without the launcher") << "usr/lib/drvq" << false << true << false;
        QTest::newRow("build folder, own bank") << "src/build" << false << true << false;
        QTest::newRow("build folder named drvq") << "src/drvq" << true << true << false;
    }

    void choosesTheFolderWhoseDatHoldsTheBank()
    {
        QFETCH(QString, program);
        QFETCH(bool, launcher);
        QFETCH(bool, userBank);
        QFETCH(bool, expectUser);

        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString programFolder = root.filePath(program) + u'/';
        const QString userFolder = root.filePath(QStringLiteral("home/.local/share/drvq")) + u'/';
        touch(programFolder + QStringLiteral("Dat/drvq.mdb"));
        if (launcher)
            touch(QDir::cleanPath(programFolder + QStringLiteral("../../bin/drvq")), true);
        if (userBank)
            touch(userFolder + QStringLiteral("Dat/drvq.mdb"));

        QCOMPARE(chooseBankFolder(programFolder, userFolder), expectUser ? userFolder : programFolder);
    }

    void userFolderIsInTheXdgDataFolder()
    {
        QTemporaryDir home;
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        QCOMPARE(userBankFolder(), home.path() + QStringLiteral("/drvq/"));
    }
};

QTEST_GUILESS_MAIN(TestBankFolder)
#include "tst_bankfolder.moc"

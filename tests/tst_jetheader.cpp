// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bankerror.h"
#include "jetheader.h"

#include <QFile>
#include <QTest>

using jet::DefinitionPage;
using jet::Version;

namespace {

QByteArray readPage0(const QString &name)
{
    QFile file(QStringLiteral(DRVQ_TEST_DATA "/access-samples/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(jet::kJet4PageSize);
}

const QByteArrayView kHeaderKey("\xC7\xDA\x39\x6B", 4);

QByteArray unmasked(QByteArray page)
{
    jet::rc4Xor(kHeaderKey, page.data() + 0x18, 128);
    return page;
}

} // namespace

class TestJetHeader : public QObject {
    Q_OBJECT

private slots:
    void rc4MatchesThePublishedTestVector()
    {
        QByteArray data("Plaintext");
        jet::rc4Xor("Key", data.data(), data.size());
        QCOMPARE(data.toHex(), QByteArray("bbf316e8d940af0ad3"));
        jet::rc4Xor("Key", data.data(), data.size());
        QCOMPARE(data, QByteArray("Plaintext"));
    }

    void readsAccessWrittenSamples_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("password");
        QTest::addColumn<double>("creationDate");
        QTest::newRow("with password") << "V2003_with-password.mdb" << "password" << 44568.68475645834;
        QTest::newRow("no password") << "V2000_no-password.mdb" << "" << 44568.68087989583;
    }

    void readsAccessWrittenSamples()
    {
        QFETCH(QString, file);
        QFETCH(QString, password);
        QFETCH(double, creationDate);
        const QByteArray page = readPage0(file);
        QCOMPARE(page.size(), jet::kJet4PageSize);
        const DefinitionPage header = jet::readDefinitionPage(page, file);
        QCOMPARE(header.version, Version::Jet4);
        QCOMPARE(header.password, password);
        QCOMPARE(header.creationDate, creationDate);
        QCOMPARE(header.pageEncodingKey, 0u);
    }

    // Writing the sample's own password and date into its unmasked page must give back
    // Access's bytes exactly: the masks and offsets are the ones Access uses.
    void writingTheSamplesFieldsReproducesAccessBytes_data()
    {
        readsAccessWrittenSamples_data();
    }

    void writingTheSamplesFieldsReproducesAccessBytes()
    {
        QFETCH(QString, file);
        QFETCH(QString, password);
        QFETCH(double, creationDate);
        const QByteArray original = readPage0(file);
        QByteArray page = unmasked(original);
        jet::writeDefinitionPage(page, password, creationDate);
        QCOMPARE(page.toHex(), original.toHex());
    }

    void roundTripsPasswordAndDate_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<double>("creationDate");
        QTest::newRow("none") << "" << 45000.5;
        QTest::newRow("ascii") << "password" << 44568.68475645834;
        QTest::newRow("chinese 19 characters") << QStringLiteral("春风吹过山岗绿水长流白云飘荡-青松翠柏") << 45123.25;
        QTest::newRow("20 characters, no terminator") << "abcdefghijklmnopqrst" << 36526.0;
        QTest::newRow("date before 1899") << "pw" << -700.75;
        QTest::newRow("date with a large integer part") << QStringLiteral("一二三") << 2958465.99;
    }

    void roundTripsPasswordAndDate()
    {
        QFETCH(QString, password);
        QFETCH(double, creationDate);
        QByteArray page = unmasked(readPage0("V2000_no-password.mdb"));
        jet::writeDefinitionPage(page, password, creationDate);
        const DefinitionPage header = jet::readDefinitionPage(page, "round-trip");
        QCOMPARE(header.version, Version::Jet4);
        QCOMPARE(header.password, password);
        QCOMPARE(header.creationDate, creationDate);
        QCOMPARE(header.pageEncodingKey, 0u);
    }

    void refusesAPasswordOverTwentyCharacters()
    {
        QByteArray page = unmasked(readPage0("V2000_no-password.mdb"));
        const QByteArray before = page;
        QVERIFY_THROWS_EXCEPTION(BankError,
                                 jet::writeDefinitionPage(page, "abcdefghijklmnopqrstu", 45000));
        QCOMPARE(page, before);
    }

    void rejectsBytesThatAreNotAJetDatabase_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = readPage0("V2000_no-password.mdb");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header only") << good.first(0x98);
        QTest::newRow("half a page") << good.first(2048);
        QTest::newRow("zeros") << QByteArray(4096, '\0');
        QByteArray text(4096, 'x');
        QTest::newRow("text file") << text;
        QByteArray wrongType = good;
        wrongType[0] = 1;
        QTest::newRow("page type 1") << wrongType;
        QByteArray wrongName = good;
        wrongName[4] = 'X';
        QTest::newRow("other signature") << wrongName;
        QByteArray aceAsJet4 = good;
        aceAsJet4.replace(4, 15, "Standard ACE DB");
        QTest::newRow("ACE text with Jet 4 version") << aceAsJet4;
        // Only blanks and zero bytes may follow the name in the 16-byte field.
        const auto signedAs = [&good](const char (&field)[17]) {
            QByteArray page = good;
            page.replace(4, 16, QByteArray(field, 16));
            return page;
        };
        QTest::newRow("workgroup name with a letter after it") << signedAs("Jet System DBx\0\0");
        QTest::newRow("workgroup name, blank, letter") << signedAs("Jet System DB x\0");
        QTest::newRow("workgroup name cut short") << signedAs("Jet System D\0\0\0\0");
        QTest::newRow("temporary file") << signedAs("Temp Jet DB    \0");
        QTest::newRow("database name with a letter in its last byte") << signedAs("Standard Jet DBx");
    }

    void rejectsBytesThatAreNotAJetDatabase()
    {
        QFETCH(QByteArray, bytes);
        try {
            (void)jet::readDefinitionPage(bytes, "/some/where/bank.mdb");
            QFAIL("no BankError");
        } catch (const BankError &error) {
            QVERIFY2(error.message().contains("/some/where/bank.mdb"), qPrintable(error.message()));
        }
    }

    // Access pads "Jet System DB" with blanks before the zero byte, our writer with zero bytes.
    void tellsAWorkgroupFileFromADatabaseWhateverThePadding_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<int>("version");
        QTest::addColumn<bool>("workgroup");
        QTest::newRow("Jet 4 workgroup, padded as Access pads it") << QByteArray("Jet System DB  \0", 16) << 1 << true;
        QTest::newRow("Jet 3 workgroup, padded as Access pads it") << QByteArray("Jet System DB  \0", 16) << 0 << true;
        QTest::newRow("workgroup padded with zero bytes") << QByteArray("Jet System DB\0\0\0", 16) << 1 << true;
        QTest::newRow("workgroup padded with blanks only") << QByteArray("Jet System DB   ", 16) << 1 << true;
        QTest::newRow("database") << QByteArray("Standard Jet DB\0", 16) << 1 << false;
        QTest::newRow("database, blank in the last byte") << QByteArray("Standard Jet DB ", 16) << 1 << false;
    }

    void tellsAWorkgroupFileFromADatabaseWhateverThePadding()
    {
        QFETCH(QByteArray, field);
        QFETCH(int, version);
        QFETCH(bool, workgroup);
        QByteArray page = readPage0("V2000_no-password.mdb");
        page.replace(4, 16, field);
        page[0x14] = char(version);
        const DefinitionPage header = jet::readDefinitionPage(page, "system.mdw");
        QCOMPARE(header.kind == jet::FileKind::Workgroup, workgroup);
        QCOMPARE(header.version, version == 0 ? Version::Jet3 : Version::Jet4);
    }

    void detectsEngineVersions_data()
    {
        QTest::addColumn<QByteArray>("signature");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("pageSize");
        QTest::addColumn<Version>("version");
        QTest::newRow("Jet 3") << QByteArray("Standard Jet DB") << 0 << 2048 << Version::Jet3;
        QTest::newRow("Jet 4") << QByteArray("Standard Jet DB") << 1 << 4096 << Version::Jet4;
        QTest::newRow("ACE 12") << QByteArray("Standard ACE DB") << 2 << 4096 << Version::Ace;
        QTest::newRow("ACE 16") << QByteArray("Standard ACE DB") << 5 << 4096 << Version::Ace;
    }

    void detectsEngineVersions()
    {
        QFETCH(QByteArray, signature);
        QFETCH(int, code);
        QFETCH(int, pageSize);
        QFETCH(Version, version);
        QByteArray page(pageSize, '\0');
        page.replace(4, signature.size(), signature);
        page[0x14] = static_cast<char>(code);
        QCOMPARE(jet::readDefinitionPage(page, "v").version, version);
    }
};

QTEST_GUILESS_MAIN(TestJetHeader)
#include "tst_jetheader.moc"

// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Sign pictures: looked up by name in the bank's sign table, passed through the private
// temporary file, decoded and shown in the exam window's picture control.
#include "examstart.h"
#include "examtestbank.h"

#include "exampaper.h"
#include "picturebox.h"
#include "picturetempfile.h"
#include "signdisplay.h"
#include "tfrm_ks_choose.h"

#include "exceptionreporter.h"
#include "findbyname.h"
#include "tapplication.h"

#include "jpegencoder.h"

#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

QByteArray jpeg(QSize size, QColor color)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(color);
    return JpegEncoder().encode(picture);
}

struct Sign {
    const char *name;
    QSize size;
    QColor color;
};

const Sign Signs[] = {
    {"jg_a.jpg", {110, 97}, Qt::red},
    {"jg_b.jpg", {40, 30}, Qt::blue},
    {"it's.jpg", {60, 50}, Qt::darkGreen},
    {" padded.jpg ", {30, 20}, Qt::yellow},
};

BankContent bankWithSigns(const QString &everyQuestionsSign = {})
{
    BankContent content = examtest::bank(ExamLength);
    for (const Sign &sign : Signs)
        content.signs.push_back({QString::fromUtf8(sign.name), jpeg(sign.size, sign.color)});
    content.signs.push_back({QStringLiteral("bad.jpg"), QByteArray("this is not a picture")});
    for (Question &q : content.questions)
        q.biaozhi = everyQuestionsSign;
    return content;
}

bool isAbout(QColor seen, QColor expected)
{
    return qAbs(seen.red() - expected.red()) < 24 && qAbs(seen.green() - expected.green()) < 24
           && qAbs(seen.blue() - expected.blue()) < 24;
}

} // namespace

class TestSignPicture : public QObject {
    Q_OBJECT

    QTemporaryDir m_bank;
    QTemporaryDir m_badBank;
    std::unique_ptr<TDm> m_dm;
    std::unique_ptr<TFrm_Ks_Choose> m_window;
    QStringList m_reported;

    void useBank(const QString &folder)
    {
        m_dm->ado_biaozhi->Close();
        examtest::connect(*m_dm, folder);
        m_dm->ado_biaozhi->Open();
    }

    void startExam()
    {
        examtest::startExam(*m_window);
    }

    QPushButton *numberButton(int n) const
    {
        return qobject_cast<QPushButton *>(findComponent(m_window.get(), QStringLiteral("BitBtn%1").arg(n)));
    }

    // A picture control as the exam window has it at design: transparent, sizing itself.
    static std::unique_ptr<PictureBox> freshBox()
    {
        auto box = std::make_unique<PictureBox>();
        box->resize(120, 97);
        box->setAutoSize(true);
        box->setTransparent(true);
        return box;
    }

private slots:
    void initTestCase()
    {
        examtest::writeBank(bankWithSigns(), m_bank.path());
        examtest::writeBank(bankWithSigns(QStringLiteral("bad.jpg")), m_badBank.path());
        setExceptionReporter([this](const QString &message) { m_reported << message; });
        setScoreWindowRunner([] {});
        m_dm = std::make_unique<TDm>();
        m_window = std::make_unique<TFrm_Ks_Choose>();
    }

    void init()
    {
        m_reported.clear();
        useBank(m_bank.path());
    }

    void cleanupTestCase()
    {
        m_window.reset();
        m_dm.reset();
    }

    void theFilterDoublesEveryQuote_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("filter");
        QTest::newRow("plain") << "jg_a.jpg" << "filename='jg_a.jpg'";
        QTest::newRow("one quote") << "it's.jpg" << "filename='it''s.jpg'";
        QTest::newRow("quotes side by side") << "a''b" << "filename='a''''b'";
        QTest::newRow("only a quote") << "'" << "filename=''''";
        QTest::newRow("blanks kept") << " a b " << "filename=' a b '";
    }
    void theFilterDoublesEveryQuote()
    {
        QFETCH(QString, name);
        QFETCH(QString, filter);
        QCOMPARE(SignDisplay::filterFor(name), filter);
    }

    void aBlankNameClearsThePictureAndLeavesTransparencyAlone_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks") << "   ";
        QTest::newRow("control characters") << "\t\r\n ";
    }
    void aBlankNameClearsThePictureAndLeavesTransparencyAlone()
    {
        QFETCH(QString, name);
        const auto box = freshBox();
        SignDisplay::show(*box, name);
        QVERIFY(!box->hasPicture());
        QVERIFY(box->Transparent());  // still as designed: no named sign was looked up

        SignDisplay::show(*box, QStringLiteral("jg_a.jpg"));
        QVERIFY(box->hasPicture());
        QVERIFY(!box->Transparent());
        SignDisplay::show(*box, name);
        QVERIFY(!box->hasPicture());
        QVERIFY(!box->Transparent());
    }

    void aSignIsShownAtItsOwnSize_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QColor>("color");
        for (const Sign &sign : Signs)
            QTest::newRow(sign.name) << QString::fromUtf8(sign.name) << sign.size << sign.color;
    }
    void aSignIsShownAtItsOwnSize()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(QColor, color);
        const auto box = freshBox();
        SignDisplay::show(*box, name);
        QVERIFY(box->hasPicture());
        QCOMPARE(box->picture().size(), size);
        QCOMPARE(box->size(), size);
        QVERIFY(isAbout(box->picture().pixelColor(size.width() / 2, size.height() / 2), color));
        QVERIFY(!box->Transparent());
        QCOMPARE(m_dm->ado_biaozhi->Filter(), SignDisplay::filterFor(name));
        QVERIFY(m_dm->ado_biaozhi->Filtered());

        // Clearing keeps the size of the last picture.
        SignDisplay::show(*box, QString());
        QCOMPARE(box->size(), size);
    }

    void aNameThatMatchesNothingShowsNoPicture_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("unknown") << "nosuch.jpg";
        QTest::newRow("blanks around a known name") << " jg_a.jpg ";
        QTest::newRow("a known name without its blanks") << "padded.jpg";
    }
    void aNameThatMatchesNothingShowsNoPicture()
    {
        QFETCH(QString, name);
        const auto box = freshBox();
        SignDisplay::show(*box, QStringLiteral("jg_b.jpg"));
        SignDisplay::show(*box, name);
        QVERIFY(!box->hasPicture());
        QVERIFY(!box->Transparent());
        QCOMPARE(m_dm->ado_biaozhi->Filter(), SignDisplay::filterFor(name));
    }

    void theSamePictureTwiceIsWrittenAndReadAgain()
    {
        const auto box = freshBox();
        SignDisplay::show(*box, QStringLiteral("jg_a.jpg"));
        const QString path = PictureTempFile::instance().fileName();
        QVERIFY(QFileInfo::exists(path));
        m_dm->ado_biaozhi->First();
        const QByteArray blob = m_dm->ado_biaozhifiles().AsBytes();

        // Spoil the file in between: a second showing that used what it had would fail.
        {
            QFile spoil(path);
            QVERIFY(spoil.open(QIODevice::WriteOnly | QIODevice::Truncate));
            spoil.write(QByteArray(4096, 'x'));
        }
        SignDisplay::show(*box, QStringLiteral("jg_a.jpg"));
        QCOMPARE(box->picture().size(), QSize(110, 97));
        QCOMPARE(PictureTempFile::instance().fileName(), path);  // one file for the whole run
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), blob);
    }

    void aBlobThatIsNotAJpegThrowsAndLeavesThePictureCleared()
    {
        const auto box = freshBox();
        SignDisplay::show(*box, QStringLiteral("jg_a.jpg"));
        box->setTransparent(true);
        try {
            SignDisplay::show(*box, QStringLiteral("bad.jpg"));
            QFAIL("no exception");
        } catch (const std::exception &e) {
            QVERIFY2(QString::fromUtf8(e.what()).contains(QStringLiteral("bad.jpg")), e.what());
        }
        QVERIFY(!box->hasPicture());
        QVERIFY(box->Transparent());  // the failure skips the last step

        SignDisplay::show(*box, QStringLiteral("jg_b.jpg"));  // and the next picture is fine
        QCOMPARE(box->picture().size(), QSize(40, 30));
    }

    void theTemporaryFileIsPrivateAndRewrittenFromTheStart()
    {
        QString path;
        {
            PictureTempFile file;
            file.rewrite(QByteArray(10000, 'a'));
            path = file.fileName();
            QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
            QCOMPARE(QFileInfo(path).permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
                     QFile::Permissions());
            file.rewrite(QByteArrayLiteral("short"));
            QCOMPARE(file.readAll(), QByteArrayLiteral("short"));
            QCOMPARE(QFileInfo(path).size(), 5);
            PictureTempFile other;
            other.rewrite(QByteArrayLiteral("other"));
            QVERIFY(other.fileName() != path);
        }
        QVERIFY(!QFileInfo::exists(path));
    }

    void aQuestionsSignIsShownAndABadOneIsReported()
    {
        startExam();
        ExamPaper[5].SignName = QStringLiteral("jg_a.jpg");
        ExamPaper[6].SignName = QStringLiteral("bad.jpg");
        ExamPaper[7].SignName = QStringLiteral("  ");
        QTest::mouseClick(numberButton(5), Qt::LeftButton);
        QCOMPARE(m_window->img_biaozhi->picture().size(), QSize(110, 97));
        QCOMPARE(m_window->img_biaozhi->size(), QSize(110, 97));
        QVERIFY(m_window->img_biaozhi->geometry().left() >= m_window->Edt_Tm->geometry().right());
        QVERIFY(m_reported.isEmpty());

        QTest::mouseClick(numberButton(6), Qt::LeftButton);
        QCOMPARE(m_reported.size(), 1);
        QVERIFY(m_reported[0].contains(QStringLiteral("bad.jpg")));
        QCOMPARE(CurrentNo, 6);  // the question itself is on display
        QCOMPARE(m_window->Edt_Tm->toPlainText(), ExamPaper[6].QuestionText);
        QVERIFY(!m_window->img_biaozhi->hasPicture());

        QTest::mouseClick(numberButton(5), Qt::LeftButton);
        QVERIFY(m_window->img_biaozhi->hasPicture());
        QTest::mouseClick(numberButton(7), Qt::LeftButton);
        QVERIFY(!m_window->img_biaozhi->hasPicture());
        QCOMPARE(m_reported.size(), 1);
    }

    void anExamWhoseFirstSignIsBadStillStarts()
    {
        useBank(m_badBank.path());
        startExam();
        QCOMPARE(m_reported.size(), 1);
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_window->Tag, 1);
        QCOMPARE(CurrentNo, 1);
        QCOMPARE(m_window->Edt_Tm->toPlainText(), ExamPaper[1].QuestionText);
        QVERIFY(m_window->Timer1->isActive());
        m_window->hide();
    }
};

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    TestSignPicture test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_signpicture.moc"

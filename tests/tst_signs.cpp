// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "jpegencoder.h"
#include "roadpictures.h"
#include "signcatalog.h"
#include "signerror.h"
#include "signindexfile.h"
#include "signwriter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <array>
#include <numeric>

namespace {

enum class Tone { White, Black, Red, Yellow, Orange, Blue, Green, Other };

Tone toneOf(QRgb c)
{
    const int r = qRed(c), g = qGreen(c), b = qBlue(c);
    if (r > 200 && g > 200 && b > 200)
        return Tone::White;
    if (r < 80 && g < 80 && b < 80)
        return Tone::Black;
    if (r > 160 && g < 90 && b < 90)
        return Tone::Red;
    if (r > 200 && g > 150 && b < 100)
        return Tone::Yellow;
    if (r > 200 && g > 90 && b < 80)
        return Tone::Orange;
    if (b > 110 && r < 70 && g < 130)
        return Tone::Blue;
    if (g > 80 && r < 70 && b < 120)
        return Tone::Green;
    return Tone::Other;
}

double share(const QImage &image, Tone tone)
{
    qsizetype count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += toneOf(image.pixel(x, y)) == tone;
    return double(count) / (image.width() * image.height());
}

Tone toneAt(const QImage &image, double fx, double fy)
{
    return toneOf(image.pixel(int(fx * (image.width() - 1)), int(fy * (image.height() - 1))));
}

// The tones met going in from the left edge along the middle row, each run once, ignoring
// anti-aliased pixels between them.
QList<Tone> tonesFromTheLeft(const QImage &image, int count)
{
    QList<Tone> runs;
    const int y = image.height() / 2;
    for (int x = 0; x < image.width() && runs.size() < count; ++x) {
        const Tone tone = toneOf(image.pixel(x, y));
        if (tone != Tone::Other && (runs.isEmpty() || runs.last() != tone))
            runs << tone;
    }
    return runs;
}

// The sizes of the 4-connected black areas; the first is the one reached first from the
// left (or from the right).
QList<int> blackPieces(const QImage &image, bool fromTheLeft)
{
    const int w = image.width(), h = image.height();
    QList<bool> seen(qsizetype(w) * h, false);
    QList<int> pieces;
    for (int column = 0; column < w; ++column) {
        const int x0 = fromTheLeft ? column : w - 1 - column;
        for (int y0 = 0; y0 < h; ++y0) {
            const int start = y0 * w + x0;
            if (seen[start] || toneOf(image.pixel(x0, y0)) != Tone::Black)
                continue;
            int size = 0;
            QList<int> todo{start};
            seen[start] = true;
            while (!todo.isEmpty()) {
                const int at = todo.takeLast();
                ++size;
                const int x = at % w, y = at / w;
                for (const auto &[dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= w || ny >= h || seen[ny * w + nx])
                        continue;
                    if (toneOf(image.pixel(nx, ny)) == Tone::Black) {
                        seen[ny * w + nx] = true;
                        todo << ny * w + nx;
                    }
                }
            }
            if (size > 6)
                pieces << size;
        }
    }
    return pieces;
}

bool isRoadSign(const SignEntry &e)
{
    for (const SignEntry &other : roadPictureEntries()) {
        if (other.id == e.id)
            return false;
    }
    return true;
}

const SignEntry &entry(const QString &id)
{
    const SignEntry *found = SignCatalog::find(id);
    if (!found)
        qFatal("no sign %s", qPrintable(id));
    return *found;
}

QImage decoded(const QByteArray &jpeg)
{
    QImage image;
    image.loadFromData(jpeg, "JPEG");
    return image.convertToFormat(QImage::Format_RGB32);
}

// The start-of-frame segment of a JPEG file: marker, length, precision, height, width and
// component count, all big-endian.
struct FrameHeader {
    int marker = 0;
    int height = 0;
    int width = 0;
    int components = 0;
};

FrameHeader frameHeader(const QByteArray &jpeg)
{
    const auto byte = [&](qsizetype i) { return i < jpeg.size() ? int(uchar(jpeg[i])) : -1; };
    qsizetype i = 2; // after SOI
    while (i + 4 <= jpeg.size() && byte(i) == 0xFF) {
        const int marker = byte(i + 1);
        const int length = byte(i + 2) << 8 | byte(i + 3);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            return {marker, byte(i + 5) << 8 | byte(i + 6), byte(i + 7) << 8 | byte(i + 8), byte(i + 9)};
        }
        i += 2 + length;
    }
    return {};
}

// Markings, signal lights, police hand signals and dashboard lamps, as opposed to signs.
bool isRoadPicture(QStringView id)
{
    return id.startsWith(u"bx_") || id.startsWith(u"xhd_") || id.startsWith(u"ss_") || id.startsWith(u"ybd_")
        || id.startsWith(u"lk_");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestSigns : public QObject {
    Q_OBJECT

private slots:
    void paintsExactlyTheSignsOfTheQuestionBank();
    void noTwoSignsLookTheSame();
    void everyPictureFitsThePictureFrameOfTheExamWindow();
    void roadSignsFillTheirPictures();
    void everyRoadSignIsShownByAQuestion();
    void turnArrowHeadsStayClearOfTheSlash();
    void slopeGradientStandsClearOfTheCar();

    void everySignBecomesABaselineColourJpegOfItsSize_data();
    void everySignBecomesABaselineColourJpegOfItsSize();
    void signsHaveTheColoursOfTheirClass_data();
    void signsHaveTheColoursOfTheirClass();
    void encodingIsDeterministic();
    void encoderRejectsAnEmptyPicture();

    void indexFileGivesTheFileNamesOfItsRecords_data();
    void indexFileGivesTheFileNamesOfItsRecords();
    void indexFileErrorsNameTheLine_data();
    void indexFileErrorsNameTheLine();
    void checkReportsSignsMissingOnEitherSide();

    void writerReplacesEveryPictureInTheFolder();
    void writerFailsWhenTheFolderCannotBeMade();
    void programExitCodeReportsFailure();

    // Road markings, signal lights, police hand signals and dashboard lamps.
    void roadPicturesFillThePictureFrame_data();
    void roadPicturesFillThePictureFrame();
    void everyRoadPictureIsUsedByAQuestion();
    void markingsArePaintOnARoad();
    void markingsAreWhiteOrYellowAsOnTheRoad_data();
    void markingsAreWhiteOrYellowAsOnTheRoad();
    void turnArrowsBendTheWayTheyAreNamed();
    void signalLightsLightTheRightLamp_data();
    void signalLightsLightTheRightLamp();
    void policeSignalsAreSeenFromTheDriversSide();
    void onlyTheStopSignalHoldsStill();
    void dashboardLampsGlowInTheirColour_data();
    void dashboardLampsGlowInTheirColour();
    void situationsShowTheTraineesCarWholeAndOnce();
    void theTraineesCarStandsOnTheRoad();
    void situationLampsShowWhatTheQuestionsReadOff_data();
    void situationLampsShowWhatTheQuestionsReadOff();
};

void TestSigns::paintsExactlyTheSignsOfTheQuestionBank()
{
    const SignIndexFile index(QStringLiteral(DRVQ_SOURCE_DIR "/data/biaozhi.txt"));
    QCOMPARE(SignCatalog::differences(index.fileNames()), QStringList());
    QSet<QStringView> ids;
    for (const SignEntry &e : SignCatalog::entries())
        ids.insert(e.id);
    QCOMPARE(ids.size(), qsizetype(SignCatalog::entries().size()));
    for (const SignEntry &e : SignCatalog::entries())
        QVERIFY2(!e.name.contains(u"铁道路口"), qPrintable(e.id.toString())); // the standard says 道口
}

void TestSigns::noTwoSignsLookTheSame()
{
    QHash<QByteArray, QString> seen;
    for (const SignEntry &e : SignCatalog::entries()) {
        const QImage image = SignCatalog::render(e);
        const QByteArray pixels(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
        const QByteArray key = QByteArray::number(image.width()) + 'x' + QByteArray::number(image.height()) + pixels;
        QVERIFY2(!seen.contains(key), qPrintable(e.id.toString() + " looks like " + seen.value(key)));
        seen.insert(key, e.id.toString());
    }
}

void TestSigns::everyPictureFitsThePictureFrameOfTheExamWindow()
{
    // The frame is 120 pixels wide; below 105 pixels of height the choice rows begin, and
    // an autosized picture taller than that would cover them.
    for (const SignEntry &e : SignCatalog::entries()) {
        const QImage image = SignCatalog::render(e);
        QVERIFY2(image.width() <= 120 && image.height() <= 105,
                 qPrintable(QStringLiteral("%1 is %2x%3").arg(e.id).arg(image.width()).arg(image.height())));
    }
}

void TestSigns::roadSignsFillTheirPictures()
{
    // A sign uses the whole width or the whole height of the frame, and its plate reaches
    // the picture's edges in that direction: no sign is painted small in a wide margin.
    for (const SignEntry &e : SignCatalog::entries()) {
        if (!isRoadSign(e))
            continue;
        const QImage image = SignCatalog::render(e);
        const bool wide = image.width() >= 116;
        QVERIFY2(wide || image.height() >= 100, qPrintable(e.id.toString()));
        QRect painted;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (toneOf(image.pixel(x, y)) != Tone::White)
                    painted |= QRect(x, y, 1, 1);
        const int slack = 4;
        const bool across = painted.left() < slack && painted.right() >= image.width() - slack;
        const bool down = painted.top() < slack && painted.bottom() >= image.height() - slack;
        QVERIFY2(wide ? across : down, qPrintable(e.id.toString()));
    }
}

void TestSigns::everyRoadSignIsShownByAQuestion()
{
    QFile file(QStringLiteral(DRVQ_SOURCE_DIR "/data/choose.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QSet<QString> shown;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith("biaozhi:"))
            shown.insert(QString::fromUtf8(line.mid(8).trimmed()));
    }
    for (const SignEntry &e : SignCatalog::entries()) {
        if (isRoadSign(e))
            QVERIFY2(shown.contains(SignCatalog::fileName(e)), qPrintable(e.id.toString()));
    }
}

void TestSigns::turnArrowHeadsStayClearOfTheSlash()
{
    // The slash runs from the top left to the bottom right and may cut a turn arrow's
    // shaft, but the head, at the picture's far left or right, must stay a large piece
    // joined to the bend, not a tip cut off under the slash.
    for (const auto &[id, left] : {std::pair{QStringLiteral("jz_jinzhixiangzuozhuanwan"), true},
                                   std::pair{QStringLiteral("jz_jinzhixiangyouzhuanwan"), false}}) {
        const QImage image = SignCatalog::render(entry(id));
        const QList<int> pieces = blackPieces(image, left);
        const int all = std::accumulate(pieces.cbegin(), pieces.cend(), 0);
        QVERIFY2(!pieces.isEmpty() && pieces.first() * 10 >= all * 4,
                 qPrintable(QStringLiteral("%1: head %2 of %3").arg(id).arg(pieces.value(0)).arg(all)));
    }
}

void TestSigns::slopeGradientStandsClearOfTheCar()
{
    // "10%" stands on the low side of the slope. Its glyphs are small black pieces of their
    // own; where the label touches the car, its glyphs join the car's body in one piece.
    // Counted from the label's side: the border and slope come first, then the label.
    for (const auto &[id, fromTheLeft] : {std::pair{QStringLiteral("jg_shangdopo"), true},
                                          std::pair{QStringLiteral("jg_xiadopo"), false}}) {
        const QImage image = SignCatalog::render(entry(id));
        const QList<int> pieces = blackPieces(image, fromTheLeft);
        // Border and slope, then at least two glyph-sized pieces before the car's body.
        QVERIFY2(pieces.size() >= 4 && pieces[1] < 40 && pieces[2] < 40,
                 qPrintable(id + QStringLiteral(": ") + QString::number(pieces.value(1)) + u' '
                            + QString::number(pieces.value(2))));
    }
}

void TestSigns::everySignBecomesABaselineColourJpegOfItsSize_data()
{
    QTest::addColumn<QString>("id");
    for (const SignEntry &e : SignCatalog::entries())
        QTest::newRow(qPrintable(e.id.toString())) << e.id.toString();
}

void TestSigns::everySignBecomesABaselineColourJpegOfItsSize()
{
    QFETCH(QString, id);
    const SignEntry &e = entry(id);
    const QByteArray jpeg = JpegEncoder().encode(SignCatalog::render(e));
    QVERIFY(jpeg.startsWith("\xFF\xD8"));
    QVERIFY(jpeg.endsWith("\xFF\xD9"));
    const FrameHeader frame = frameHeader(jpeg);
    QCOMPARE(frame.marker, 0xC0);
    QCOMPARE(frame.components, 3);
    QCOMPARE(QSize(frame.width, frame.height), e.size);

    const QImage image = decoded(jpeg);
    QCOMPARE(image.size(), e.size);
    QVERIFY(image.width() >= 56 && image.height() >= 56);
    // JPEG has no transparency: what lies outside the plate must be white.
    for (const QPoint corner : {QPoint(0, 0), QPoint(image.width() - 1, 0), QPoint(0, image.height() - 1),
                                QPoint(image.width() - 1, image.height() - 1)}) {
        QCOMPARE(toneOf(image.pixel(corner)), Tone::White);
    }
}

void TestSigns::signsHaveTheColoursOfTheirClass_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("kind");
    for (const SignEntry &e : SignCatalog::entries()) {
        if (!isRoadSign(e))
            continue; // markings, lights and lamps have colours of their own
        QString kind;
        if (e.id.startsWith(u"jg_"))
            kind = QStringLiteral("warning");
        else if (e.id.startsWith(u"fz_"))
            kind = QStringLiteral("supplementary");
        else if (e.id.startsWith(u"sg_"))
            kind = QStringLiteral("work zone");
        else if (e.id == u"jz_quyuxiansu30")
            kind = QStringLiteral("zone");
        else if (e.id == u"jz_jinzhishiru")
            kind = QStringLiteral("red disc");
        else if (e.id == u"jz_jiechuxiansu40")
            kind = QStringLiteral("end of restriction");
        else if (e.id == u"jz_jinzhitingche" || e.id == u"jz_jinzhichangshijiantingche")
            kind = QStringLiteral("blue prohibition");
        else if (e.id == u"jz_tingcherangxing")
            kind = QStringLiteral("octagon");
        else if (e.id == u"jz_jiansurangxing")
            kind = QStringLiteral("yield");
        else if (e.id.startsWith(u"jz_"))
            kind = QStringLiteral("prohibition");
        else if (e.id.startsWith(u"zs_") && e.size.width() == e.size.height() && e.id != u"zs_huichexianxing")
            kind = QStringLiteral("mandatory");
        else if (e.id.startsWith(u"zs_"))
            kind = QStringLiteral("indication");
        else if (e.id == u"zl_gaosugongluqidian" || e.id == u"zl_fuwuquyugao" || e.id.startsWith(u"zl_gs_"))
            kind = QStringLiteral("guide");
        else if (e.id == u"zl_bh_guodao")
            kind = QStringLiteral("national route");
        else if (e.id == u"zl_bh_shengdao")
            kind = QStringLiteral("provincial route");
        else
            kind = QStringLiteral("indication");
        QTest::newRow(qPrintable(e.id.toString())) << e.id.toString() << kind;
    }
}

void TestSigns::signsHaveTheColoursOfTheirClass()
{
    QFETCH(QString, id);
    QFETCH(QString, kind);
    const QImage image = decoded(JpegEncoder().encode(SignCatalog::render(entry(id))));
    QVERIFY(!image.isNull());

    if (kind == u"warning") {
        QVERIFY2(share(image, Tone::Yellow) > 0.15, "yellow plate");
        QVERIFY2(share(image, Tone::Black) > 0.12, "black border and symbol");
        QCOMPARE(toneAt(image, 0.5, 0.38), Tone::Yellow); // above the symbol, inside the border
        QCOMPARE(toneAt(image, 0.5, 0.92), Tone::Black);  // the border at the base
    } else if (kind == u"prohibition" || kind == u"blue prohibition") {
        for (const auto &[fx, fy] : {std::pair{0.04, 0.5}, {0.96, 0.5}, {0.5, 0.04}, {0.5, 0.96}})
            QCOMPARE(toneAt(image, fx, fy), Tone::Red);
        QCOMPARE(toneAt(image, 0.17, 0.5), kind == u"prohibition" ? Tone::White : Tone::Blue);
    } else if (kind == u"red disc") {
        QCOMPARE(toneAt(image, 0.5, 0.25), Tone::Red);
        QCOMPARE(toneAt(image, 0.5, 0.5), Tone::White);
    } else if (kind == u"end of restriction") {
        QCOMPARE(toneAt(image, 0.025, 0.5), Tone::Black);
        QVERIFY2(share(image, Tone::Red) < 0.01, "no red on an end-of-restriction sign");
    } else if (kind == u"octagon") {
        QVERIFY(share(image, Tone::Red) > 0.4);
        QCOMPARE(toneAt(image, 0.5, 0.1), Tone::Red);
    } else if (kind == u"yield") {
        QCOMPARE(toneAt(image, 0.5, 0.08), Tone::Red);
        QCOMPARE(toneAt(image, 0.5, 0.62), Tone::White);
        QVERIFY2(share(image, Tone::Black) > 0.03, "the black character");
    } else if (kind == u"mandatory") {
        QVERIFY(share(image, Tone::Blue) > 0.35);
        QCOMPARE(toneAt(image, 0.06, 0.5), Tone::Blue);
        QVERIFY2(share(image, Tone::White) - 0.2 > 0.05, "a white symbol besides the white corners");
    } else if (kind == u"indication") {
        QVERIFY(share(image, Tone::Blue) > 0.35);
        // Outside the plate, the plate, its white inner border line, the plate again.
        QCOMPARE(tonesFromTheLeft(image, 4), (QList<Tone>{Tone::White, Tone::Blue, Tone::White, Tone::Blue}));
        QVERIFY(share(image, Tone::White) > 0.15);
    } else if (kind == u"supplementary") {
        QVERIFY2(share(image, Tone::White) > 0.5, "white plate");
        QCOMPARE(tonesFromTheLeft(image, 3), (QList<Tone>{Tone::White, Tone::Black, Tone::White}));
        QVERIFY2(share(image, Tone::Red) + share(image, Tone::Blue) + share(image, Tone::Yellow) < 0.01,
                 "black on white only");
    } else if (kind == u"work zone") {
        QVERIFY2(share(image, Tone::Orange) > 0.4, "orange plate");
        QVERIFY2(share(image, Tone::Black) > 0.08, "black border and legend");
    } else if (kind == u"zone") {
        QVERIFY2(share(image, Tone::White) > 0.4, "white plate");
        QVERIFY2(share(image, Tone::Red) > 0.08, "the speed-limit ring");
        QCOMPARE(toneAt(image, 0.5, 0.09), Tone::Red);
    } else if (kind == u"national route" || kind == u"provincial route") {
        // National routes are white on red, provincial ones black on yellow.
        const bool national = kind == u"national route";
        QVERIFY2(share(image, national ? Tone::Red : Tone::Yellow) > 0.4, "plate colour");
        QVERIFY2(share(image, national ? Tone::White : Tone::Black) > 0.15, "number colour");
        QVERIFY2(share(image, national ? Tone::Yellow : Tone::Red) < 0.01, "one plate colour only");
    } else {
        QVERIFY(share(image, Tone::Green) > 0.35);
        QCOMPARE(tonesFromTheLeft(image, 4), (QList<Tone>{Tone::White, Tone::Green, Tone::White, Tone::Green}));
        QVERIFY(share(image, Tone::White) > 0.15);
    }
    QVERIFY2(share(image, Tone::Other) < 0.2, "colours outside the road-sign palette");
}

void TestSigns::encodingIsDeterministic()
{
    const SignEntry &e = entry(QStringLiteral("jz_tingcherangxing"));
    const QByteArray first = JpegEncoder().encode(SignCatalog::render(e));
    QCOMPARE(JpegEncoder().encode(SignCatalog::render(e)), first);
}

void TestSigns::encoderRejectsAnEmptyPicture()
{
    QVERIFY_THROWS_EXCEPTION(SignError, (void)JpegEncoder().encode(QImage()));
}

void TestSigns::indexFileGivesTheFileNamesOfItsRecords_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("comments and blank lines")
        << QByteArray("# signs\n\n# first\nfilename: a.jpg\nfiles: signs/a.jpg\n\n\n# second\nfilename: b.jpg\n")
        << QStringList{"a.jpg", "b.jpg"};
    QTest::newRow("CR LF, field name in any case")
        << QByteArray("FileName: a.jpg\r\nfiles: x\r\n\r\nFILENAME: b.jpg\r\n") << QStringList{"a.jpg", "b.jpg"};
    QTest::newRow("continuation of another field")
        << QByteArray("files: x\n  more\nfilename: a.jpg\n") << QStringList{"a.jpg"};
    QTest::newRow("quoted value with escapes")
        << QByteArray("filename: \" q\\x41\\\"\\\\.jpg\"\n") << QStringList{QStringLiteral(" qA\"\\.jpg")};
    QTest::newRow("UTF-8 name") << QByteArray("filename: 停.jpg\n") << QStringList{QStringLiteral("停.jpg")};
    QTest::newRow("empty file") << QByteArray() << QStringList();
}

void TestSigns::indexFileGivesTheFileNamesOfItsRecords()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, names);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("biaozhi.txt"));
    writeFile(path, text);
    QCOMPARE(SignIndexFile(path).fileNames(), names);
}

void TestSigns::indexFileErrorsNameTheLine_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("where");
    QTest::newRow("same filename twice") << QByteArray("filename: a.jpg\n\n# c\nfilename: a.jpg\n") << ":4:";
    QTest::newRow("record without filename") << QByteArray("filename: a.jpg\n\nfiles: x\n") << ":3:";
    QTest::newRow("empty filename") << QByteArray("\nfilename:\nfiles: x\n") << ":2:";
    QTest::newRow("field twice") << QByteArray("filename: a.jpg\nFILENAME: b.jpg\n") << ":2:";
    QTest::newRow("unterminated quote") << QByteArray("files: x\nfilename: \"a.jpg\n") << ":2:";
    QTest::newRow("unknown escape") << QByteArray("filename: \"a\\q\"\n") << ":1:";
    QTest::newRow("line without colon") << QByteArray("filename: a.jpg\nnonsense\n") << ":2:";
    QTest::newRow("not UTF-8") << QByteArray("filename: \xC0\xFF.jpg\n") << "UTF-8";
}

void TestSigns::indexFileErrorsNameTheLine()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, where);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("biaozhi.txt"));
    writeFile(path, text);
    try {
        const SignIndexFile index(path);
        QFAIL("no error");
    } catch (const SignError &e) {
        QVERIFY2(e.message().startsWith(path), qPrintable(e.message()));
        QVERIFY2(e.message().contains(where), qPrintable(e.message()));
    }
    QVERIFY_THROWS_EXCEPTION(SignError, SignIndexFile(dir.filePath(QStringLiteral("missing.txt"))));
}

void TestSigns::checkReportsSignsMissingOnEitherSide()
{
    QStringList names;
    for (const SignEntry &e : SignCatalog::entries())
        names << SignCatalog::fileName(e);
    names.removeOne(QStringLiteral("zs_zhixing.jpg"));
    names << QStringLiteral("jg_unknown.jpg");
    const QStringList problems = SignCatalog::differences(names);
    QCOMPARE(problems.size(), 2);
    QVERIFY(problems.join(u'\n').contains(u"jg_unknown.jpg"));
    QVERIFY(problems.join(u'\n').contains(u"zs_zhixing.jpg"));
}

void TestSigns::writerReplacesEveryPictureInTheFolder()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("a/signs"));
    QVERIFY(QDir().mkpath(folder));
    writeFile(QDir(folder).filePath(QStringLiteral("zl_tingchechang.jpg")), "stale, half-written");

    SignWriter(folder).writeAll();

    QStringList expected;
    for (const SignEntry &e : SignCatalog::entries()) {
        expected << SignCatalog::fileName(e);
        QFile file(QDir(folder).filePath(SignCatalog::fileName(e)));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(decoded(file.readAll()).size(), e.size);
    }
    expected.sort();
    QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name), expected);
}

void TestSigns::writerFailsWhenTheFolderCannotBeMade()
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("file"));
    writeFile(blocker, "not a folder");
    const QString folder = blocker + QStringLiteral("/signs");
    try {
        SignWriter(folder).writeAll();
        QFAIL("no error");
    } catch (const SignError &e) {
        QVERIFY2(e.message().contains(folder), qPrintable(e.message()));
    }
}

void TestSigns::programExitCodeReportsFailure()
{
    const QString program = QStringLiteral(DRVQ_BUILD_DIR "/drvq-signs");
    if (!QFile::exists(program))
        QSKIP("drvq-signs is not built");
    QTemporaryDir dir;
    const auto run = [&](const QStringList &args) {
        QProcess process;
        process.start(program, args);
        process.waitForFinished(60000);
        return std::pair{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                         QString::fromUtf8(process.readAllStandardError())};
    };

    const QString list = dir.filePath(QStringLiteral("short.txt"));
    writeFile(list, "filename: zs_zhixing.jpg\n");
    const auto [checkCode, checkMessage] = run({QStringLiteral("--check"), list, dir.filePath(QStringLiteral("out"))});
    QCOMPARE(checkCode, 1);
    QVERIFY2(checkMessage.contains(u"jg_shizijiaocha.jpg"), qPrintable(checkMessage));
    QVERIFY2(!QDir(dir.filePath(QStringLiteral("out"))).exists(), "nothing is written when the check fails");

    const QString blocker = dir.filePath(QStringLiteral("file"));
    writeFile(blocker, "not a folder");
    QCOMPARE(run({blocker + QStringLiteral("/signs")}).first, 1);

    const auto [okCode, okMessage] = run({QStringLiteral("--check"), QStringLiteral(DRVQ_SOURCE_DIR "/data/biaozhi.txt"),
                                          dir.filePath(QStringLiteral("out"))});
    QCOMPARE(okCode, 0);
    QCOMPARE(QDir(dir.filePath(QStringLiteral("out"))).entryList(QDir::Files).size(),
             qsizetype(SignCatalog::entries().size()));
}

// ---- road markings, signal lights, police hand signals, dashboard lamps -----------------

namespace {

// The picture control beside the question is 120 × 97 at design and grows with its picture;
// about 105 pixels of height are free before the choice rows.
constexpr int FrameWidth = 120;
constexpr int FrameHeight = 97;
constexpr int FreeHeight = 105;

bool isBlank(QRgb c)
{
    return qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235;
}

// The smallest rectangle holding every pixel that is not background white.
QRect paintedArea(const QImage &image)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!isBlank(image.pixel(x, y)))
                area |= QRect(x, y, 1, 1);
    return area;
}

double shareIn(const QImage &image, const QRect &part, Tone tone)
{
    return share(image.copy(part), tone);
}

// A lit lamp's colours, which are brighter and purer than the sign palette's.
bool isLitGreen(QRgb c)
{
    return qGreen(c) > 150 && qRed(c) < 90 && qBlue(c) > 60 && qBlue(c) < 170;
}

bool isLitRed(QRgb c)
{
    return qRed(c) > 190 && qGreen(c) < 80 && qBlue(c) < 80;
}

bool isLitYellow(QRgb c)
{
    return qRed(c) > 220 && qGreen(c) > 140 && qGreen(c) < 215 && qBlue(c) < 80;
}

int count(const QImage &image, const QRect &part, bool (*test)(QRgb))
{
    int n = 0;
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x)
            n += test(image.pixel(x, y));
    return n;
}

QImage painted(const QString &id)
{
    return SignCatalog::render(entry(id));
}

} // namespace

void TestSigns::roadPicturesFillThePictureFrame_data()
{
    QTest::addColumn<QString>("id");
    for (const SignEntry &e : SignCatalog::entries())
        if (isRoadPicture(e.id))
            QTest::newRow(qPrintable(e.id.toString())) << e.id.toString();
}

void TestSigns::roadPicturesFillThePictureFrame()
{
    QFETCH(QString, id);
    const QImage image = painted(id);
    QVERIFY2(image.width() <= FrameWidth, "wider than the space beside the question");
    QVERIFY2(image.height() <= FreeHeight, "would reach into the choice rows");
    // What is drawn uses the frame: it spans most of its width or of its height, and
    // does not sit in one corner.
    const QRect area = paintedArea(image);
    QVERIFY2(area.width() >= FrameWidth * 0.8 || area.height() >= FrameHeight * 0.8,
             qPrintable(QStringLiteral("painted area only %1×%2").arg(area.width()).arg(area.height())));
    if (id.startsWith(u"ss_")) // the officer stands in the middle, an arm may reach out to one side
        QVERIFY2(!isBlank(image.pixel(image.width() / 2, image.height() / 2)), "the officer is off centre");
    else
        QVERIFY2(qAbs(area.center().x() - image.width() / 2) <= 6, "the drawing is off centre");
}

void TestSigns::everyRoadPictureIsUsedByAQuestion()
{
    QFile file(QStringLiteral(DRVQ_SOURCE_DIR "/data/choose.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QSet<QString> used;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.toLower().startsWith("biaozhi:"))
            used.insert(QString::fromUtf8(line.mid(8)).trimmed());
    }
    for (const SignEntry &e : SignCatalog::entries()) {
        if (isRoadPicture(e.id))
            QVERIFY2(used.contains(SignCatalog::fileName(e)), qPrintable(e.id.toString() + " is shown by no question"));
    }
}

void TestSigns::markingsArePaintOnARoad()
{
    int markings = 0;
    for (const SignEntry &e : SignCatalog::entries()) {
        if (!e.id.startsWith(u"bx_"))
            continue;
        ++markings;
        const QImage image = SignCatalog::render(e);
        const QString id = e.id.toString();
        QVERIFY2(share(image, Tone::Black) + share(image, Tone::Other) > 0.5, qPrintable(id + ": no road surface"));
        const double paint = share(image, Tone::White) + share(image, Tone::Yellow);
        QVERIFY2(paint > 0.04, qPrintable(id + ": no marking on the road"));
        // The road covers the picture up to its rounded corners: the outermost rows and
        // columns are mostly road.
        const int w = image.width(), h = image.height();
        for (const QRect &edge : {QRect(0, 1, w, 1), QRect(0, h - 2, w, 1), QRect(1, 0, 1, h), QRect(w - 2, 0, 1, h)})
            QVERIFY2(shareIn(image, edge, Tone::Black) + shareIn(image, edge, Tone::Other) > 0.3,
                     qPrintable(id + ": the road does not reach the edge"));
    }
    QVERIFY(markings >= 12);
}

void TestSigns::markingsAreWhiteOrYellowAsOnTheRoad_data()
{
    // Yellow paint separates opposing traffic, keeps vehicles from stopping or marks
    // lanes kept for some vehicles; white paint guides traffic in one direction.
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("yellow");
    QTest::addColumn<bool>("white");
    QTest::newRow("guide arrow") << "bx_zhixingjiantou" << false << true;
    QTest::newRow("crossing ahead") << "bx_renxinghengdaoyugao" << false << true;
    QTest::newRow("variable lane") << "bx_kebiandaoxiangchedao" << true << true;
    QTest::newRow("yellow box") << "bx_wangzhuangxian" << true << false;
    QTest::newRow("tidal lane") << "bx_chaoxichedao" << true << true;
    QTest::newRow("bus lane") << "bx_gongjiaozhuanyong" << true << true;
    QTest::newRow("no stopping") << "bx_jinzhitingchexian" << true << true;
    QTest::newRow("no parking") << "bx_jinzhichangshitingche" << true << true;
    QTest::newRow("centre line") << "bx_xushixian" << true << true;
}

void TestSigns::markingsAreWhiteOrYellowAsOnTheRoad()
{
    QFETCH(QString, id);
    QFETCH(bool, yellow);
    QFETCH(bool, white);
    const QImage image = painted(id);
    QCOMPARE(share(image, Tone::Yellow) > 0.01, yellow);
    // The picture's own white corners are not paint: look inside them.
    const QRect inner = image.rect().adjusted(8, 8, -8, -8);
    QCOMPARE(shareIn(image, inner, Tone::White) > 0.01, white);
}

void TestSigns::turnArrowsBendTheWayTheyAreNamed()
{
    // Where the white paint of the middle lane's arrow lies in the upper part of the
    // picture, left or right of the lane's middle.
    const auto headSide = [](const QString &id) {
        const QImage image = painted(id);
        qint64 sum = 0, n = 0;
        for (int y = 4; y < image.height() * 2 / 5; ++y)
            for (int x = 32; x < 88; ++x)
                if (toneOf(image.pixel(x, y)) == Tone::White) {
                    sum += x;
                    ++n;
                }
        return n ? double(sum) / n - image.width() / 2.0 : 0.0;
    };
    QVERIFY(headSide(QStringLiteral("bx_zuozhuanjiantou")) < -4);
    QVERIFY(headSide(QStringLiteral("bx_youzhuanjiantou")) > 4);
    QVERIFY(qAbs(headSide(QStringLiteral("bx_zhixingjiantou"))) < 2);
    // The straight-or-left arrow branches off to the left of its shaft.
    const QImage branch = painted(QStringLiteral("bx_zhixingzuozhuanjiantou"));
    const QImage branchLeft = branch.copy(36, 36, 20, 24);
    const QImage branchRight = branch.copy(72, 36, 16, 24);
    QVERIFY(share(branchLeft, Tone::White) > 0.1);
    QCOMPARE(share(branchRight, Tone::White), 0.0);
    // The U-turn arrow comes back down on the left: its left half holds paint low down.
    const QImage uTurn = painted(QStringLiteral("bx_diaotoujiantou"));
    QCOMPARE(toneOf(uTurn.pixel(44, 40)), Tone::White);
    QCOMPARE(toneOf(uTurn.pixel(74, 70)), Tone::White);
    QVERIFY(toneOf(uTurn.pixel(44, 75)) != Tone::White);
}

void TestSigns::signalLightsLightTheRightLamp_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("lit");
    QTest::addColumn<int>("third"); // where the lit lamp is: 0 left, 1 middle, 2 right third
    QTest::newRow("red") << "xhd_jidongche_hong" << "red" << 0;
    QTest::newRow("yellow") << "xhd_jidongche_huang" << "yellow" << 1;
    QTest::newRow("green") << "xhd_jidongche_lv" << "green" << 2;
    QTest::newRow("left arrow, green") << "xhd_fangxiang_zuolv" << "green" << 2;
    QTest::newRow("right arrow, red") << "xhd_fangxiang_youhong" << "red" << 0;
    QTest::newRow("lane, green arrow") << "xhd_chedao_lv" << "green" << 2;
    QTest::newRow("lane, red cross") << "xhd_chedao_hong" << "red" << 0;
    QTest::newRow("flashing warning") << "xhd_shanguangjinggao" << "yellow" << 1;
    QTest::newRow("railway crossing") << "xhd_daokou" << "red" << 0;
    QTest::newRow("bicycles") << "xhd_feijidongche" << "green" << 2;
    QTest::newRow("pedestrians") << "xhd_renxinghengdao" << "green" << 2;
}

void TestSigns::signalLightsLightTheRightLamp()
{
    QFETCH(QString, id);
    QFETCH(QString, lit);
    QFETCH(int, third);
    const QImage image = painted(id);
    const QRect whole = image.rect();
    using Test = bool (*)(QRgb);
    const std::array<std::pair<QString, Test>, 3> colours{std::pair<QString, Test>{QStringLiteral("red"), isLitRed},
                                                          {QStringLiteral("yellow"), isLitYellow},
                                                          {QStringLiteral("green"), isLitGreen}};
    for (const auto &[name, test] : colours) {
        const int n = count(image, whole, test);
        if (name == lit)
            QVERIFY2(n > 60, qPrintable(id + ": the " + name + " lamp is not lit"));
        else
            QVERIFY2(n < 8, qPrintable(id + ": a " + name + " lamp is lit as well"));
    }
    const Test test = lit == u"red" ? isLitRed : lit == u"yellow" ? isLitYellow : isLitGreen;
    const int w = image.width() / 3;
    const int inThird = count(image, QRect(third * w, 0, w, image.height()), test);
    QVERIFY2(inThird > count(image, whole, test) * 0.6, qPrintable(id + ": the lit lamp is in the wrong place"));
}

void TestSigns::policeSignalsAreSeenFromTheDriversSide()
{
    QStringList ids;
    for (const SignEntry &e : SignCatalog::entries())
        if (e.id.startsWith(u"ss_"))
            ids << e.id.toString();
    QCOMPARE(ids.size(), 8);

    // Facing the driver, the officer's left arm is on the picture's right: for the stop
    // signal it is raised there, and the picture's upper left stays empty.
    const QImage stop = painted(QStringLiteral("ss_tingzhi"));
    const QRect upperLeft(0, 0, stop.width() / 3, stop.height() / 4);
    const QRect upperRight(stop.width() * 2 / 3, 0, stop.width() / 3, stop.height() / 4);
    QCOMPARE(shareIn(stop, upperLeft, Tone::White), 1.0);
    QVERIFY(shareIn(stop, upperRight, Tone::White) < 0.9);

    // The right-turn signal is the left-turn signal seen in a mirror.
    const QImage left = painted(QStringLiteral("ss_zuozhuanwan"));
    const QImage right = painted(QStringLiteral("ss_youzhuanwan"));
    QCOMPARE(left.size(), right.size());
    const QImage mirrored = left.mirrored(true, false);
    int differing = 0;
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x)
            differing += qAbs(qGray(mirrored.pixel(x, y)) - qGray(right.pixel(x, y))) > 40;
    QVERIFY2(differing < left.width() * left.height() / 100, "the turn signals are not each other's mirror image");
    QVERIFY(left != right);

    // Every signal shows the white gloves and the uniform.
    for (const QString &id : ids) {
        const QImage image = painted(id);
        QVERIFY2(share(image, Tone::White) > 0.5, qPrintable(id));
        QVERIFY2(count(image, image.rect(), [](QRgb c) { return qBlue(c) > 180 && qRed(c) < 170 && qRed(c) > 110; }) > 150,
                 qPrintable(id + ": no uniform sleeves"));
    }
}

void TestSigns::onlyTheStopSignalHoldsStill()
{
    // Every signal but the stop signal moves an arm; a red arrow shows the swing.
    for (const SignEntry &e : SignCatalog::entries()) {
        if (!e.id.startsWith(u"ss_"))
            continue;
        const QImage image = SignCatalog::render(e);
        const bool arrow = count(image, image.rect(), isLitRed) > 20;
        QVERIFY2(arrow == (e.id != u"ss_tingzhi"), qPrintable(e.id.toString()));
    }
}

void TestSigns::dashboardLampsGlowInTheirColour_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("red");
    int lamps = 0;
    for (const SignEntry &e : SignCatalog::entries()) {
        if (!e.id.startsWith(u"ybd_"))
            continue;
        ++lamps;
        // Faults that call for stopping show red; the others amber.
        const bool red = !(e.id == u"ybd_abs" || e.id == u"ybd_ranyoubuzu" || e.id == u"ybd_fadongjiguzhang");
        QTest::newRow(qPrintable(e.id.toString())) << e.id.toString() << red;
    }
    QVERIFY(lamps >= 8);
}

void TestSigns::dashboardLampsGlowInTheirColour()
{
    QFETCH(QString, id);
    QFETCH(bool, red);
    const QImage image = painted(id);
    QVERIFY2(share(image, Tone::Black) > 0.5, "the dark panel");
    const int redPixels = count(image, image.rect(), isLitRed);
    const int amberPixels = count(image, image.rect(), [](QRgb c) {
        return qRed(c) > 220 && qGreen(c) > 120 && qGreen(c) < 200 && qBlue(c) < 60;
    });
    if (red) {
        QVERIFY2(redPixels > 250, qPrintable(QString::number(redPixels)));
        QCOMPARE(amberPixels, 0);
    } else {
        QVERIFY2(amberPixels > 250, qPrintable(QString::number(amberPixels)));
        QCOMPARE(redPixels, 0);
    }
}

QTEST_MAIN(TestSigns)
void TestSigns::situationsShowTheTraineesCarWholeAndOnce()
{
    // The trainee's car is the one red car of every situation: its paint must show as one
    // car-sized patch that no edge of the picture cuts off.
    const QColor own(222, 28, 36);
    int situations = 0;
    for (const SignEntry &e : SignCatalog::entries()) {
        if (!e.id.startsWith(u"lk_"))
            continue;
        ++situations;
        const QImage image = SignCatalog::render(e);
        QRect box;
        int pixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (qAbs(c.red() - own.red()) <= 10 && qAbs(c.green() - own.green()) <= 10
                    && qAbs(c.blue() - own.blue()) <= 10) {
                    ++pixels;
                    box |= QRect(x, y, 1, 1);
                }
            }
        }
        const QString what = e.id.toString();
        QVERIFY2(pixels >= 60, qPrintable(what + QStringLiteral(": no trainee's car")));
        QVERIFY2(box.left() > 0 && box.top() > 0 && box.right() < image.width() - 1
                     && box.bottom() < image.height() - 1,
                 qPrintable(what + QStringLiteral(": the trainee's car is cut off")));
        // One car, seen from above or from the side: no second red car elsewhere.
        QVERIFY2(box.width() <= 30 && box.height() <= 30, qPrintable(what + QStringLiteral(": red spread over the picture")));
    }
    QVERIFY(situations >= 1);
}

void TestSigns::theTraineesCarStandsOnTheRoad()
{
    // A car placed a few pixels off its lane sits on the verge: the band round the red
    // car is then mostly grass. Every situation has its car on the carriageway, a bay or a
    // slope seen from the side, so little of that band may be grass.
    const QColor own(222, 28, 36);
    const QColor grass(118, 168, 92);
    const auto near = [](const QColor &c, const QColor &to, int by) {
        return qAbs(c.red() - to.red()) <= by && qAbs(c.green() - to.green()) <= by
            && qAbs(c.blue() - to.blue()) <= by;
    };
    for (const SignEntry &e : SignCatalog::entries()) {
        if (!e.id.startsWith(u"lk_"))
            continue;
        const QImage image = SignCatalog::render(e);
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (near(image.pixelColor(x, y), own, 10))
                    box |= QRect(x, y, 1, 1);
        QVERIFY2(!box.isEmpty(), qPrintable(e.id.toString()));
        const QRect band = box.adjusted(-4, -4, 4, 4) & image.rect();
        int ring = 0;
        int onGrass = 0;
        for (int y = band.top(); y <= band.bottom(); ++y) {
            for (int x = band.left(); x <= band.right(); ++x) {
                if (box.adjusted(-1, -1, 1, 1).contains(x, y))
                    continue;
                ++ring;
                if (near(image.pixelColor(x, y), grass, 6))
                    ++onGrass;
            }
        }
        QVERIFY2(onGrass * 5 < ring,
                 qPrintable(e.id.toString() + QStringLiteral(": %1 of %2 pixels round the trainee's car are grass")
                                                  .arg(onGrass)
                                                  .arg(ring)));
    }
}

void TestSigns::situationLampsShowWhatTheQuestionsReadOff_data()
{
    // How each lit colour shows: 0 not lit, 2 lit as a round lamp or a lane lamp, -1 and 1
    // lit as an arrow pointing left or right.
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::newRow("flashing yellow") << "lk_huangshandeng" << 0 << 0;
    QTest::newRow("yellow at the stop line") << "lk_huangdengtingchexian" << 0 << 0;
    QTest::newRow("waiting zone") << "lk_zuowandaizhuanqu" << -1 << 2;
    QTest::newRow("right arrow red") << "lk_youzhuanhongjiantou" << 1 << 2;
    QTest::newRow("left arrow green") << "lk_zuozhuanlvjiantou" << 2 << -1;
    QTest::newRow("crowd while turning") << "lk_zhuanwanxingren" << 0 << 2;
    QTest::newRow("police at the junction") << "lk_jiaojingzhihui" << 0 << 2;
    QTest::newRow("tidal lane") << "lk_chaoxichedao" << 2 << 2;
}

void TestSigns::situationLampsShowWhatTheQuestionsReadOff()
{
    // The questions on these pictures turn on which lamp is lit and which way its arrow
    // points; a lamp of the wrong colour or an arrow turned the wrong way makes the keyed
    // answer wrong. Lit lamps are told by their brightness, so that the trainee's red car and
    // the red of signs do not count.
    QFETCH(QString, id);
    QFETCH(int, red);
    QFETCH(int, green);
    const QImage image = painted(id);
    using Test = bool (*)(QRgb);
    const auto check = [&](Test lamp, int expected, const QString &name) {
        QList<QPoint> lit;
        QRect box;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (lamp(image.pixel(x, y))) {
                    lit.append(QPoint(x, y));
                    box |= QRect(x, y, 1, 1);
                }
            }
        }
        if (expected == 0) {
            QVERIFY2(lit.size() < 4, qPrintable(id + ": a " + name + " lamp is lit"));
            return;
        }
        QVERIFY2(lit.size() > 15, qPrintable(id + ": no " + name + " lamp is lit"));
        if (expected == 2)
            return;
        // An arrow's head is wider than its shaft: most of its lit pixels lie in the half
        // it points to.
        const qreal middle = (box.left() + box.right()) / 2.0;
        const auto inHead = std::count_if(lit.begin(), lit.end(), [&](QPoint p) { return (p.x() - middle) * expected > 0; });
        const auto inTail = std::count_if(lit.begin(), lit.end(), [&](QPoint p) { return (p.x() - middle) * expected < 0; });
        QVERIFY2(inHead > inTail * 1.3, qPrintable(id + ": the " + name + " arrow points the wrong way ("
                                                   + QString::number(inHead) + " / " + QString::number(inTail) + ")"));
    };
    // Brighter than the trainee's car (red 222) and the red of signs.
    check([](QRgb c) { return qRed(c) > 232 && qGreen(c) < 90 && qBlue(c) < 90; }, red, QStringLiteral("red"));
    check([](QRgb c) { return qGreen(c) > 195 && qRed(c) < 40 && qBlue(c) > 100 && qBlue(c) < 140; }, green,
          QStringLiteral("green"));
}

#include "tst_signs.moc"

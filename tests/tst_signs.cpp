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
        else if (e.id == u"zl_gaosugongluqidian" || e.id == u"zl_fuwuquyugao")
            kind = QStringLiteral("guide");
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

QTEST_MAIN(TestSigns)
#include "tst_signs.moc"

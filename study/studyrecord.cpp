// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "studyrecord.h"

#include <sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUuid>
#include <QVariant>

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

namespace study {
namespace {

// The exam keeps an unanswered question's answer as a null string; the record keeps it as
// an empty text, so that a paper with a question left open is not refused.
QString text(const QString &value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

QString tr(const char *text)
{
    return QCoreApplication::translate("StudyRecord", text);
}

// Times are kept as milliseconds since the epoch, UTC: sortable and free of time zones.
qint64 stamp(const QDateTime &time)
{
    return time.toMSecsSinceEpoch();
}

QDateTime fromStamp(const QVariant &value)
{
    return value.isNull() ? QDateTime() : QDateTime::fromMSecsSinceEpoch(value.toLongLong(), Qt::UTC);
}

// The schema, one step per version: a file at version n runs steps n + 1 onwards.
const QList<QStringList> &migrations()
{
    static const QList<QStringList> steps{
        // 1: questions, answers, papers, the book, favourites, where sequential practice stands.
        {QStringLiteral("CREATE TABLE question (id INTEGER PRIMARY KEY, bank TEXT NOT NULL, "
                        "tid INTEGER NOT NULL, digest TEXT NOT NULL, UNIQUE (bank, tid, digest))"),
         QStringLiteral("CREATE TABLE practice_answer (id INTEGER PRIMARY KEY, "
                        "question INTEGER NOT NULL REFERENCES question (id), given TEXT NOT NULL, "
                        "answer_key TEXT NOT NULL, correct INTEGER NOT NULL, mode INTEGER NOT NULL, "
                        "at INTEGER NOT NULL)"),
         QStringLiteral("CREATE TABLE paper (id INTEGER PRIMARY KEY, bank TEXT NOT NULL, "
                        "started_at INTEGER NOT NULL, handed_in_at INTEGER NOT NULL, "
                        "seconds_used INTEGER NOT NULL, score INTEGER NOT NULL, "
                        "full_marks INTEGER NOT NULL, passed INTEGER NOT NULL, pass_chance REAL)"),
         QStringLiteral("CREATE TABLE paper_question (paper INTEGER NOT NULL REFERENCES paper (id), "
                        "position INTEGER NOT NULL, question INTEGER NOT NULL REFERENCES question (id), "
                        "given TEXT NOT NULL, answer_key TEXT NOT NULL, score INTEGER NOT NULL, "
                        "PRIMARY KEY (paper, position))"),
         QStringLiteral("CREATE TABLE book (question INTEGER PRIMARY KEY REFERENCES question (id), "
                        "step INTEGER NOT NULL, streak INTEGER NOT NULL, due INTEGER NOT NULL, "
                        "mastered INTEGER NOT NULL, entered_at INTEGER NOT NULL)"),
         QStringLiteral("CREATE TABLE favourite (question INTEGER PRIMARY KEY REFERENCES question (id), "
                        "added_at INTEGER NOT NULL)"),
         QStringLiteral("CREATE TABLE sequential_position (bank TEXT PRIMARY KEY, tid INTEGER NOT NULL)")},
        // 2: the look-ups the pages make, so that a long record still opens at once.
        {QStringLiteral("CREATE INDEX practice_answer_by_question ON practice_answer (question, at)"),
         QStringLiteral("CREATE INDEX paper_by_bank ON paper (bank, started_at)"),
         QStringLiteral("CREATE INDEX paper_question_by_question ON paper_question (question)")},
    };
    return steps;
}

int pragmaInt(QSqlDatabase &db, const QString &name, bool *ok)
{
    QSqlQuery query(db);
    *ok = query.exec(QStringLiteral("PRAGMA ") + name) && query.next();
    return *ok ? query.value(0).toInt() : 0;
}

} // namespace

StudyRecord::StudyRecord(const QString &path, Clock clock)
    : m_path(path), m_clock(std::move(clock)),
      m_connection(QStringLiteral("study-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    open();
}

StudyRecord::~StudyRecord()
{
    closeConnection();
}

QString StudyRecord::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/drvq/study.sqlite");
}

QStringList StudyRecord::takeNotices()
{
    return std::exchange(m_notices, {});
}

void StudyRecord::open()
{
    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath()) || (info.exists() && !info.isFile())) {
        m_notices << tr("The study record %1 cannot be kept: its folder cannot be made or written. "
                        "Exams and practice go on, but nothing is recorded this time.").arg(m_path);
        return;
    }
    QString reason;
    if (!looksLikeOurs(reason)) {
        moveAside(reason);
        if (!m_notices.isEmpty() && QFileInfo::exists(m_path))
            return;  // it could not be moved: leave it as it is
    }
    if (!openConnection())
        return;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    bool ok = false;
    const int version = pragmaInt(db, QStringLiteral("user_version"), &ok);
    if (ok && version > SchemaVersion) {
        db = QSqlDatabase();
        closeConnection();
        m_notices << tr("The study record %1 was written by a newer version of the program. It is "
                        "left as it is, and nothing is recorded this time.").arg(m_path);
        return;
    }
    QSqlQuery query(db);
    // WAL keeps every committed transaction through a killed process; NORMAL syncs at
    // checkpoints only, which a killed process does not need.
    if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !query.next()
        || query.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0
        || !query.exec(QStringLiteral("PRAGMA synchronous=NORMAL"))
        || !query.exec(QStringLiteral("PRAGMA foreign_keys=ON")) || !migrate()) {
        closeConnection();
        m_notices << tr("The study record %1 cannot be written (%2). Exams and practice go on, but "
                        "nothing is recorded this time.")
                         .arg(m_path, query.lastError().text());
        return;
    }
    // Reading a long record goes through many of the file's pages; mapped into memory they
    // cost no system call each, and a larger cache keeps them for the next page opened.
    // Neither is needed for correctness, so a refusal is not an error.
    (void)query.exec(QStringLiteral("PRAGMA mmap_size=268435456"));
    (void)query.exec(QStringLiteral("PRAGMA cache_size=-32000"));
    m_kept = true;
}

bool StudyRecord::openConnection()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    // Two trainers of one user share the file: a writer waits for the other's transaction.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open()) {
        m_notices << tr("The study record %1 cannot be opened (%2). Exams and practice go on, but "
                        "nothing is recorded this time.")
                         .arg(m_path, db.lastError().text());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connection);
        return false;
    }
    return true;
}

void StudyRecord::closeConnection()
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

// A file that is missing or empty is a new record. Anything else must be an SQLite file
// that passes a quick check and carries our application id, or no tables at all.
bool StudyRecord::looksLikeOurs(QString &reason)
{
    QFile file(m_path);
    if (!file.exists() || file.size() == 0)
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return true;  // the connection reports what is wrong
    const QByteArray header = file.read(100);
    file.close();
    if (!header.startsWith(QByteArrayView("SQLite format 3\0", 16))) {
        reason = tr("it is not a study record");
        return false;
    }
    if (!openConnection()) {
        m_notices.clear();
        reason = tr("it cannot be read as a database");
        return false;
    }
    bool sound = false;
    bool foreign = false;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        QSqlQuery check(db);
        sound = check.exec(QStringLiteral("PRAGMA quick_check")) && check.next()
                && check.value(0).toString() == QLatin1String("ok");
        if (sound) {
            bool ok = false;
            const int id = pragmaInt(db, QStringLiteral("application_id"), &ok);
            QSqlQuery tables(db);
            const bool empty = tables.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) && tables.next()
                               && tables.value(0).toInt() == 0;
            foreign = !ok || (id != ApplicationId && !empty);
        }
    }
    closeConnection();
    if (!sound)
        reason = tr("it is damaged");
    else if (foreign)
        reason = tr("it is a database of another program");
    return sound && !foreign;
}

void StudyRecord::moveAside(const QString &why)
{
    const QString stamped = m_path + QStringLiteral(".damaged-")
                            + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = stamped;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = stamped + QLatin1Char('-') + QString::number(n);
    if (!QFile::rename(m_path, target)) {
        m_notices << tr("The study record %1 cannot be used (%2) and cannot be moved aside. It is left "
                        "as it is, and nothing is recorded this time.").arg(m_path, why);
        return;
    }
    // The journal files belong to the old file: moved with it, never replayed into the new one.
    for (const char *suffix : {"-wal", "-shm"})
        if (QFileInfo::exists(m_path + QLatin1String(suffix)))
            QFile::rename(m_path + QLatin1String(suffix), target + QLatin1String(suffix));
    m_notices << tr("The study record %1 could not be used (%2). It was kept as %3, and a new record "
                    "begins.").arg(m_path, why, target);
}

bool StudyRecord::migrate()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    bool ok = false;
    const int version = pragmaInt(db, QStringLiteral("user_version"), &ok);
    const auto &steps = migrations();
    for (int v = version; ok && v < steps.size(); ++v)
        for (const QString &statement : steps[v])
            ok = ok && query.exec(statement);
    ok = ok && query.exec(QStringLiteral("PRAGMA application_id=%1").arg(ApplicationId))
         && query.exec(QStringLiteral("PRAGMA user_version=%1").arg(steps.size()));
    if (!ok) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    return query.exec(QStringLiteral("COMMIT"));
}

void StudyRecord::writeFailed(const QString &what)
{
    if (m_toldWriteFailure)
        return;
    m_toldWriteFailure = true;
    m_notices << tr("The study record %1 could not be written (%2). What was recorded before is "
                    "kept; exams and practice go on.").arg(m_path, what);
}

bool StudyRecord::commitOrRollBack(bool ok, const QString &what)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    if (ok && query.exec(QStringLiteral("COMMIT")))
        return true;
    const QString error = query.lastError().text();
    QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    writeFailed(error.isEmpty() ? what : error);
    return false;
}

qint64 StudyRecord::questionId(const QuestionRef &question)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT OR IGNORE INTO question (bank, tid, digest) VALUES (?, ?, ?)"));
    query.addBindValue(question.bank);
    query.addBindValue(question.tid);
    query.addBindValue(QString::fromLatin1(question.digest));
    if (!query.exec())
        return 0;
    query.prepare(QStringLiteral("SELECT id FROM question WHERE bank = ? AND tid = ? AND digest = ?"));
    query.addBindValue(question.bank);
    query.addBindValue(question.tid);
    query.addBindValue(QString::fromLatin1(question.digest));
    return query.exec() && query.next() ? query.value(0).toLongLong() : 0;
}

// A wrong answer puts the question in the book (or back to its first step); a right one
// moves a question of the book on when it is due.
bool StudyRecord::updateBook(qint64 question, bool right, const QDateTime &at)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT step, streak, due, mastered FROM book WHERE question = ?"));
    query.addBindValue(question);
    if (!query.exec())
        return false;
    const bool inBook = query.next();
    if (!inBook && right)
        return true;
    ReviewSchedule::Step step;
    if (inBook)
        step = {query.value(0).toInt(), query.value(1).toInt(), fromStamp(query.value(2)), query.value(3).toBool()};
    const ReviewSchedule::Step next = inBook ? ReviewSchedule::answered(step, right, at) : ReviewSchedule::entered(at);
    if (inBook && next == step)
        return true;
    QSqlQuery write(db);
    write.prepare(inBook ? QStringLiteral("UPDATE book SET step = ?, streak = ?, due = ?, mastered = ? WHERE question = ?")
                         : QStringLiteral("INSERT INTO book (step, streak, due, mastered, question, entered_at) "
                                          "VALUES (?, ?, ?, ?, ?, ?)"));
    write.addBindValue(next.step);
    write.addBindValue(next.streak);
    write.addBindValue(stamp(next.due));
    write.addBindValue(next.mastered ? 1 : 0);
    write.addBindValue(question);
    if (!inBook)
        write.addBindValue(stamp(at));
    return write.exec();
}

bool StudyRecord::addPracticeAnswer(const PracticeAnswer &answer)
{
    if (!m_kept || !attempted(answer.given))
        return false;
    const QDateTime at = answer.at.isValid() ? answer.at : m_clock();
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        writeFailed(query.lastError().text());
        return false;
    }
    const qint64 question = questionId(answer.question);
    const bool right = judgedRight(answer.given, answer.key);
    bool ok = question != 0;
    if (ok) {
        query.prepare(QStringLiteral("INSERT INTO practice_answer (question, given, answer_key, correct, mode, at) "
                                     "VALUES (?, ?, ?, ?, ?, ?)"));
        query.addBindValue(question);
        query.addBindValue(text(answer.given));
        query.addBindValue(text(answer.key));
        query.addBindValue(right ? 1 : 0);
        query.addBindValue(int(answer.mode));
        query.addBindValue(stamp(at));
        ok = query.exec() && updateBook(question, right, at);
    }
    return commitOrRollBack(ok, tr("a practice answer"));
}

std::optional<qint64> StudyRecord::addPaper(const PaperRecord &paper)
{
    if (!m_kept)
        return std::nullopt;
    const QDateTime handedIn = m_clock();
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        writeFailed(query.lastError().text());
        return std::nullopt;
    }
    query.prepare(QStringLiteral("INSERT INTO paper (bank, started_at, handed_in_at, seconds_used, score, "
                                 "full_marks, passed, pass_chance) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(text(paper.bank));
    query.addBindValue(stamp(paper.startedAt.isValid() ? paper.startedAt : handedIn));
    query.addBindValue(stamp(handedIn));
    query.addBindValue(paper.secondsUsed);
    query.addBindValue(paper.score);
    query.addBindValue(paper.fullMarks);
    query.addBindValue(paper.passed ? 1 : 0);
    query.addBindValue(paper.passChanceAtStart ? QVariant(*paper.passChanceAtStart) : QVariant());
    bool ok = query.exec();
    const qint64 id = query.lastInsertId().toLongLong();
    QSqlQuery row(db);
    row.prepare(QStringLiteral("INSERT INTO paper_question (paper, position, question, given, answer_key, score) "
                               "VALUES (?, ?, ?, ?, ?, ?)"));
    for (int i = 0; ok && i < paper.questions.size(); ++i) {
        const PaperQuestion &q = paper.questions[i];
        const qint64 question = questionId(q.question);
        row.addBindValue(id);
        row.addBindValue(i + 1);
        row.addBindValue(question);
        row.addBindValue(text(q.given));
        row.addBindValue(text(q.key));
        row.addBindValue(q.score);
        ok = question != 0 && row.exec();
        if (ok && attempted(q.given))
            ok = updateBook(question, judgedRight(q.given, q.key), handedIn);
    }
    if (!commitOrRollBack(ok, tr("a handed-in paper")))
        return std::nullopt;
    return id;
}

QList<PaperSummary> StudyRecord::papers(const QString &bank) const
{
    QList<PaperSummary> result;
    if (!m_kept)
        return result;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT p.id, p.started_at, p.seconds_used, p.score, p.full_marks, p.passed, p.pass_chance, "
        "(SELECT count(*) FROM paper_question q WHERE q.paper = p.id AND q.given <> q.answer_key) "
        "FROM paper p WHERE p.bank = ? ORDER BY p.started_at DESC, p.id DESC"));
    query.addBindValue(bank);
    if (!query.exec())
        return result;
    while (query.next()) {
        PaperSummary s;
        s.id = query.value(0).toLongLong();
        s.startedAt = fromStamp(query.value(1));
        s.secondsUsed = query.value(2).toInt();
        s.score = query.value(3).toInt();
        s.fullMarks = query.value(4).toInt();
        s.passed = query.value(5).toBool();
        if (!query.value(6).isNull())
            s.passChanceAtStart = query.value(6).toDouble();
        s.wrongCount = query.value(7).toInt();
        result << s;
    }
    return result;
}

std::optional<PaperRecord> StudyRecord::paper(qint64 id) const
{
    if (!m_kept)
        return std::nullopt;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT bank, started_at, seconds_used, score, full_marks, passed, pass_chance "
                                 "FROM paper WHERE id = ?"));
    query.addBindValue(id);
    if (!query.exec() || !query.next())
        return std::nullopt;
    PaperRecord paper;
    paper.id = id;
    paper.bank = query.value(0).toString();
    paper.startedAt = fromStamp(query.value(1));
    paper.secondsUsed = query.value(2).toInt();
    paper.score = query.value(3).toInt();
    paper.fullMarks = query.value(4).toInt();
    paper.passed = query.value(5).toBool();
    if (!query.value(6).isNull())
        paper.passChanceAtStart = query.value(6).toDouble();
    QSqlQuery rows(db);
    rows.prepare(QStringLiteral("SELECT q.bank, q.tid, q.digest, r.given, r.answer_key, r.score "
                                "FROM paper_question r JOIN question q ON q.id = r.question "
                                "WHERE r.paper = ? ORDER BY r.position"));
    rows.addBindValue(id);
    if (!rows.exec())
        return std::nullopt;
    while (rows.next())
        paper.questions << PaperQuestion{{rows.value(0).toString(), rows.value(1).toInt(), rows.value(2).toString().toLatin1()},
                                         rows.value(3).toString(), rows.value(4).toString(), rows.value(5).toInt()};
    return paper;
}

namespace {

QList<BookEntry> bookEntries(const QString &connection, const QString &bank, bool mastered)
{
    QList<BookEntry> result;
    QSqlQuery query(QSqlDatabase::database(connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT q.bank, q.tid, q.digest, b.step, b.streak, b.due, b.mastered, b.entered_at "
                                 "FROM book b JOIN question q ON q.id = b.question "
                                 "WHERE q.bank = ? AND b.mastered = ? ORDER BY b.due, q.tid"));
    query.addBindValue(bank);
    query.addBindValue(mastered ? 1 : 0);
    if (!query.exec())
        return result;
    while (query.next())
        result << BookEntry{{query.value(0).toString(), query.value(1).toInt(), query.value(2).toString().toLatin1()},
                            {query.value(3).toInt(), query.value(4).toInt(), fromStamp(query.value(5)), query.value(6).toBool()},
                            fromStamp(query.value(7))};
    return result;
}

} // namespace

QList<BookEntry> StudyRecord::book(const QString &bank) const
{
    // Ordered by due date, the due ones come first by themselves.
    return m_kept ? bookEntries(m_connection, bank, false) : QList<BookEntry>();
}

QList<BookEntry> StudyRecord::mastered(const QString &bank) const
{
    return m_kept ? bookEntries(m_connection, bank, true) : QList<BookEntry>();
}

bool StudyRecord::removeFromBook(const QuestionRef &question)
{
    if (!m_kept)
        return false;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("DELETE FROM book WHERE question = "
                                 "(SELECT id FROM question WHERE bank = ? AND tid = ? AND digest = ?)"));
    query.addBindValue(question.bank);
    query.addBindValue(question.tid);
    query.addBindValue(QString::fromLatin1(question.digest));
    if (!query.exec()) {
        writeFailed(query.lastError().text());
        return false;
    }
    return true;
}

bool StudyRecord::clearMastered(const QString &bank)
{
    if (!m_kept)
        return false;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("DELETE FROM book WHERE mastered = 1 AND question IN "
                                 "(SELECT id FROM question WHERE bank = ?)"));
    query.addBindValue(bank);
    if (!query.exec()) {
        writeFailed(query.lastError().text());
        return false;
    }
    return true;
}

bool StudyRecord::setFavourite(const QuestionRef &question, bool favourite)
{
    if (!m_kept)
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        writeFailed(query.lastError().text());
        return false;
    }
    const qint64 id = questionId(question);
    query.prepare(favourite ? QStringLiteral("INSERT OR IGNORE INTO favourite (question, added_at) VALUES (?, ?)")
                            : QStringLiteral("DELETE FROM favourite WHERE question = ?"));
    query.addBindValue(id);
    if (favourite)
        query.addBindValue(stamp(m_clock()));
    return commitOrRollBack(id != 0 && query.exec(), tr("a favourite"));
}

bool StudyRecord::isFavourite(const QuestionRef &question) const
{
    if (!m_kept)
        return false;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("SELECT 1 FROM favourite f JOIN question q ON q.id = f.question "
                                 "WHERE q.bank = ? AND q.tid = ? AND q.digest = ?"));
    query.addBindValue(question.bank);
    query.addBindValue(question.tid);
    query.addBindValue(QString::fromLatin1(question.digest));
    return query.exec() && query.next();
}

QList<QuestionRef> StudyRecord::favourites(const QString &bank) const
{
    QList<QuestionRef> result;
    if (!m_kept)
        return result;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("SELECT q.bank, q.tid, q.digest FROM favourite f JOIN question q ON q.id = f.question "
                                 "WHERE q.bank = ? ORDER BY f.added_at, q.tid"));
    query.addBindValue(bank);
    if (query.exec())
        while (query.next())
            result << QuestionRef{query.value(0).toString(), query.value(1).toInt(), query.value(2).toString().toLatin1()};
    return result;
}

int StudyRecord::sequentialPosition(const QString &bank) const
{
    if (!m_kept)
        return 0;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("SELECT tid FROM sequential_position WHERE bank = ?"));
    query.addBindValue(bank);
    return query.exec() && query.next() ? query.value(0).toInt() : 0;
}

bool StudyRecord::setSequentialPosition(const QString &bank, int tid)
{
    if (!m_kept)
        return false;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("INSERT INTO sequential_position (bank, tid) VALUES (?, ?) "
                                 "ON CONFLICT (bank) DO UPDATE SET tid = excluded.tid"));
    query.addBindValue(bank);
    query.addBindValue(tid);
    if (!query.exec()) {
        writeFailed(query.lastError().text());
        return false;
    }
    return true;
}

namespace {

// The SQLite connection under a Qt SQL one, where the driver is SQLite's and hands it out.
sqlite3 *sqliteHandle(const QSqlDatabase &db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
        return *static_cast<sqlite3 *const *>(handle.constData());
    return nullptr;
}

// Runs `sql` with `binds` for its placeholders in order (texts and integers) and hands every
// row's three integer columns to `row`. A long record is read through SQLite's own
// interface: Qt SQL makes each value a QVariant in a cached row first, which costs more than
// the database's own work over 200,000 rows. Without the handle it goes through Qt SQL, with
// the same result.
template <class RowFunction>
bool readIntegers(QSqlDatabase &db, const QString &sql, const QVariantList &binds, RowFunction &&row)
{
    std::array<qint64, 3> values{};
    if (sqlite3 *handle = sqliteHandle(db)) {
        sqlite3_stmt *statement = nullptr;
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v2(handle, text.constData(), int(text.size()), &statement, nullptr) != SQLITE_OK)
            return false;
        bool ok = true;
        for (int i = 0; ok && i < int(binds.size()); ++i) {
            const QVariant &value = binds[i];
            if (value.typeId() == QMetaType::QString) {
                const QByteArray utf8 = value.toString().toUtf8();
                ok = sqlite3_bind_text(statement, i + 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT) == SQLITE_OK;
            } else {
                ok = sqlite3_bind_int64(statement, i + 1, value.toLongLong()) == SQLITE_OK;
            }
        }
        int step = SQLITE_DONE;
        while (ok && (step = sqlite3_step(statement)) == SQLITE_ROW) {
            for (int c = 0; c < 3; ++c)
                values[std::size_t(c)] = sqlite3_column_int64(statement, c);
            row(values);
        }
        ok = ok && step == SQLITE_DONE;
        sqlite3_finalize(statement);
        return ok;
    }
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        return false;
    for (const QVariant &value : binds)
        query.addBindValue(value);
    if (!query.exec())
        return false;
    while (query.next()) {
        for (int c = 0; c < 3; ++c)
            values[std::size_t(c)] = query.value(c).toLongLong();
        row(values);
    }
    return true;
}

} // namespace

QList<AnswerEvent> StudyRecord::answerEvents(const QString &bank, const QDateTime &before) const
{
    QList<AnswerEvent> result;
    if (!m_kept)
        return result;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    const qint64 until = before.isValid() ? stamp(before) : std::numeric_limits<qint64>::max();

    // The bank's questions once, by row id: each attempt then carries only its question's id,
    // and every attempt at a question shares one copy of its digest.
    struct Known {
        qint32 tid = 0;
        QByteArray digest;
    };
    QHash<qint64, Known> questions;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT id, tid, digest FROM question WHERE bank = ?"));
    query.addBindValue(bank);
    if (!query.exec())
        return result;
    while (query.next())
        questions.insert(query.value(0).toLongLong(), Known{query.value(1).toInt(), query.value(2).toString().toLatin1()});

    // The attempts as they are stored, put in order here: sorting a union of every attempt
    // in the database costs several times what reading them does.
    struct Row {
        qint64 at;
        bool inPaper;
        qint64 seq;  // answers of the same moment in the order they were given
        qint64 question;
        bool right;
    };
    std::vector<Row> rows;
    // A row brings as few values as it can: the question and whether it was right in one
    // number, and a paper's answers take their time from the paper. Every answer of the bank
    // is wanted, so the practice table is read straight through: going by the question index
    // would visit its pages in random order, several times slower.
    const bool practiceRead = readIntegers(
        db,
        QStringLiteral("SELECT a.question * 2 + a.correct, a.at, a.rowid FROM practice_answer a NOT INDEXED"
                       " WHERE a.at < ? AND a.question IN (SELECT id FROM question WHERE bank = ?)"),
        {until, bank}, [&](const std::array<qint64, 3> &v) {
            rows.push_back(Row{v[1], false, v[2], v[0] >> 1, (v[0] & 1) != 0});
        });
    if (!practiceRead)
        return result;
    const std::size_t practiceRows = rows.size();
    QHash<qint64, qint64> handedIn;
    const bool papersRead = readIntegers(
        db, QStringLiteral("SELECT id, handed_in_at, 0 FROM paper WHERE bank = ? AND handed_in_at < ?"), {bank, until},
        [&](const std::array<qint64, 3> &v) { handedIn.insert(v[0], v[1]); });
    const bool paperAnswersRead = papersRead && readIntegers(
        db,
        QStringLiteral("SELECT r.paper * 1000 + r.position, r.question * 2 + (r.given = r.answer_key), 0"
                       " FROM paper_question r JOIN paper p ON p.id = r.paper"
                       " WHERE p.bank = ? AND r.given <> '' AND p.handed_in_at < ?"),
        {bank, until}, [&](const std::array<qint64, 3> &v) {
            rows.push_back(Row{handedIn.value(v[0] / 1000), true, v[0], v[1] >> 1, (v[1] & 1) != 0});
        });
    if (!paperAnswersRead)
        return result;
    // Each table comes in the order it was written, which is nearly always the order of time:
    // each part is sorted only where it is not, and the two are merged.
    const auto earlier = [](const Row &a, const Row &b) {
        if (a.at != b.at)
            return a.at < b.at;
        if (a.inPaper != b.inPaper)
            return b.inPaper;
        return a.seq < b.seq;
    };
    const auto middle = rows.begin() + std::ptrdiff_t(practiceRows);
    if (!std::is_sorted(rows.begin(), middle, earlier))
        std::sort(rows.begin(), middle, earlier);
    if (!std::is_sorted(middle, rows.end(), earlier))
        std::sort(middle, rows.end(), earlier);
    std::inplace_merge(rows.begin(), middle, rows.end(), earlier);

    // A paper of this bank holding a question recorded under another is looked up by itself.
    QSqlQuery other(db);
    other.prepare(QStringLiteral("SELECT tid, digest FROM question WHERE id = ?"));
    result.reserve(qsizetype(rows.size()));
    for (const Row &row : rows) {
        auto known = questions.constFind(row.question);
        if (known == questions.constEnd()) {
            other.addBindValue(row.question);
            if (!other.exec() || !other.next())
                continue;
            known = questions.insert(row.question, Known{other.value(0).toInt(), other.value(1).toString().toLatin1()});
        }
        result << AnswerEvent{known->tid, known->digest, row.right, fromStamp(row.at), row.inPaper};
    }
    return result;
}

QHash<qint32, Tally> StudyRecord::tallies(const QString &bank) const
{
    QHash<qint32, Tally> result;
    if (!m_kept)
        return result;
    // Counted in the database: the same attempts as answerEvents() without reading each.
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT q.tid, COUNT(*), TOTAL(e.correct) FROM ("
        " SELECT a.question AS question, a.correct AS correct FROM practice_answer a"
        " UNION ALL"
        " SELECT r.question, r.given = r.answer_key FROM paper_question r WHERE r.given <> ''"
        ") e JOIN question q ON q.id = e.question WHERE q.bank = ? GROUP BY q.tid"));
    query.addBindValue(bank);
    if (!query.exec())
        return result;
    while (query.next())
        result.insert(query.value(0).toInt(), Tally{query.value(1).toInt(), int(query.value(2).toDouble())});
    return result;
}

} // namespace study

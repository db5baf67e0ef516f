// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock.h"
#include "questionref.h"
#include "reviewschedule.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>

namespace study {

enum class PracticeMode { Sequential = 0, Random = 1, Topic = 2, WrongBook = 3, Favourites = 4, Mastered = 5 };

struct PracticeAnswer {
    QuestionRef question;
    QString given;
    QString key;
    PracticeMode mode = PracticeMode::Sequential;
    QDateTime at;  // invalid: the record's clock
};

struct PaperQuestion {
    QuestionRef question;
    QString given;  // empty: left unanswered
    QString key;
    int score = 0;
};

struct PaperRecord {
    qint64 id = 0;
    QString bank;
    QDateTime startedAt;
    int secondsUsed = 0;
    int score = 0;
    int fullMarks = 0;
    bool passed = false;
    std::optional<double> passChanceAtStart;  // the estimate as it stood when the paper began
    QList<PaperQuestion> questions;           // in paper order
};

struct PaperSummary {
    qint64 id = 0;
    QDateTime startedAt;
    int secondsUsed = 0;
    int score = 0;
    int fullMarks = 0;
    bool passed = false;
    int wrongCount = 0;  // answered wrong or left unanswered
    std::optional<double> passChanceAtStart;
};

struct BookEntry {
    QuestionRef question;
    ReviewSchedule::Step step;
    QDateTime enteredAt;
};

// One attempt at a question, in practice or in a handed-in paper.
struct AnswerEvent {
    qint32 tid = 0;
    QByteArray digest;
    bool right = false;
    QDateTime at;
    bool inPaper = false;
};

struct Tally {
    int answers = 0;
    int right = 0;
};

// The trainee's record: one SQLite file per user. Every practice answer and every
// handed-in paper is written in a transaction of its own as it happens, so a process
// killed at any moment keeps everything written before. The file is never overwritten:
// one that is damaged or not ours is moved aside under a dated name and a fresh record
// begins; one written by a newer program is left alone and nothing is recorded this run.
// Where the record cannot be kept, every call still answers (empty, or false) and the
// trainee is told once.
class StudyRecord {
public:
    static constexpr int SchemaVersion = 2;
    static constexpr qint32 ApplicationId = 0x64727671;  // "drvq"

    explicit StudyRecord(const QString &path = defaultPath(), Clock clock = systemClock());
    ~StudyRecord();
    StudyRecord(const StudyRecord &) = delete;
    StudyRecord &operator=(const StudyRecord &) = delete;

    // $XDG_DATA_HOME/drvq/study.sqlite (~/.local/share/drvq/study.sqlite by default).
    [[nodiscard]] static QString defaultPath();

    [[nodiscard]] QString path() const { return m_path; }
    [[nodiscard]] bool isKept() const { return m_kept; }
    [[nodiscard]] QDateTime now() const { return m_clock(); }
    // What the trainee must be told about the record, each message once.
    [[nodiscard]] QStringList takeNotices();

    bool addPracticeAnswer(const PracticeAnswer &answer);
    std::optional<qint64> addPaper(const PaperRecord &paper);

    [[nodiscard]] QList<PaperSummary> papers(const QString &bank) const;
    [[nodiscard]] std::optional<PaperRecord> paper(qint64 id) const;

    // Questions in the book that are not mastered, due ones first, then by due date.
    [[nodiscard]] QList<BookEntry> book(const QString &bank) const;
    [[nodiscard]] QList<BookEntry> mastered(const QString &bank) const;
    bool removeFromBook(const QuestionRef &question);
    bool clearMastered(const QString &bank);

    bool setFavourite(const QuestionRef &question, bool favourite);
    [[nodiscard]] bool isFavourite(const QuestionRef &question) const;
    [[nodiscard]] QList<QuestionRef> favourites(const QString &bank) const;

    // The tid where sequential practice goes on; 0 when it has not begun.
    [[nodiscard]] int sequentialPosition(const QString &bank) const;
    bool setSequentialPosition(const QString &bank, int tid);

    // Every attempt, oldest first; only those before `before` when it is valid.
    [[nodiscard]] QList<AnswerEvent> answerEvents(const QString &bank, const QDateTime &before = {}) const;
    // Attempts and right answers per tid, over every digest the tid has had.
    [[nodiscard]] QHash<qint32, Tally> tallies(const QString &bank) const;

private:
    void open();
    bool openConnection();
    void closeConnection();
    bool looksLikeOurs(QString &reason);
    void moveAside(const QString &why);
    bool migrate();
    void writeFailed(const QString &what);
    qint64 questionId(const QuestionRef &question);
    bool updateBook(qint64 question, bool right, const QDateTime &at);
    bool commitOrRollBack(bool ok, const QString &what);

    QString m_path;
    Clock m_clock;
    QString m_connection;
    bool m_kept = false;
    bool m_toldWriteFailure = false;
    QStringList m_notices;
};

} // namespace study

// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "readiness.h"
#include "studyrecord.h"

#include <QHash>
#include <QList>
#include <QScrollArea>
#include <QString>

class QChart;
class QChartView;
class QLabel;
class QTreeWidget;

namespace practice {

class CoverageBar;

// The statistics of one bank over the trainee's record: the scores of the handed-in papers,
// the weakest topics, how much of the bank has been covered, the pass chance of the next
// mock paper, and how the chances shown before each paper fared. refresh() reads the record
// again; nothing is read before it.
class StatsPage : public QScrollArea {
    Q_OBJECT
public:
    // Answers behind a topic below which its share right is not shown.
    static constexpr int MinAnswersForShare = 5;

    StatsPage(study::StudyRecord &record, QString bankId, QList<study::BankQuestion> bank,
              QHash<QString, QString> topicNames, QWidget *parent = nullptr);

    void refresh();

    [[nodiscard]] QString bankId() const { return m_bankId; }

    QLabel *const emptyNote;      // shown while there is nothing on record
    QChartView *const scoreChart;
    QLabel *const scoreNote;      // the papers, or that there are none
    QTreeWidget *const chapterList;
    QTreeWidget *const pointList;
    QLabel *const coverageText;
    CoverageBar *const coverageBar;
    QLabel *const readinessText;
    QTreeWidget *const checkTable;
    QLabel *const checkVerdict;

signals:
    // A topic chosen (click or Enter): a knowledge point's code, or a two-digit chapter.
    void practiseTopicRequested(const QString &code);

private:
    void fillScores(const QList<study::PaperSummary> &newestFirst);
    void fillTopics(const QHash<qint32, study::Tally> &tallies);
    void fillCoverage(const QHash<qint32, study::Tally> &tallies);
    void fillReadiness(const QList<study::AnswerEvent> &events);
    void fillCheck(const QList<study::PaperSummary> &newestFirst);

    study::StudyRecord &m_record;
    QString m_bankId;
    QList<study::BankQuestion> m_bank;
    QHash<QString, QString> m_topicNames;
};

// One bar of the bank's questions in parts side by side, each part's share of the width
// its count's share of the total.
class CoverageBar : public QWidget {
    Q_OBJECT
public:
    struct Part {
        int count = 0;
        QColor colour;
        QString name;
    };
    explicit CoverageBar(QWidget *parent = nullptr);
    void setParts(QList<Part> parts);
    [[nodiscard]] const QList<Part> &parts() const { return m_parts; }
    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<Part> m_parts;
};

} // namespace practice

// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "statspage.h"

#include "bankquestions.h"
#include "calibration.h"
#include "winstyle.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QSet>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

namespace practice {

namespace {

constexpr int CodeRole = Qt::UserRole;
constexpr int ShareRole = Qt::UserRole + 1;  // the share right, for the bar; none: too few answers

const QColor PassedColour(0x2e, 0x8b, 0x3e);
const QColor FailedColour(0xc8, 0x32, 0x28);
const QColor WeakColour(0xe0, 0x7a, 0x2e);

QLabel *heading(const QString &text)
{
    auto *label = new QLabel(text);
    label->setFont(songFont(15, true));
    label->setContentsMargins(0, 6, 0, 0);
    return label;
}

QLabel *note()
{
    auto *label = new QLabel;
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QString percent(double share)
{
    return QStringLiteral("%1%").arg(qRound(100.0 * share));
}

// A list of topics that starts practice on the one chosen, by a click on it or by Enter.
// (An item view's own activation comes on a double click or, under some styles, on a single
// one as well; the choice is made here so that one gesture starts practice once.)
class TopicTree : public QTreeWidget {
public:
    std::function<void(const QString &code)> chosen;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
            choose(currentItem());
            return;
        }
        QTreeWidget::keyPressEvent(event);
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        m_pressed = itemAt(event->position().toPoint());
        QTreeWidget::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        QTreeWidgetItem *item = itemAt(event->position().toPoint());
        QTreeWidget::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && item && item == m_pressed)
            choose(item);
        m_pressed = nullptr;
    }
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        // The first click of the two has chosen already.
        event->accept();
    }

private:
    void choose(QTreeWidgetItem *item)
    {
        const QString code = item->data(0, CodeRole).toString();
        if (chosen && !code.isEmpty())
            chosen(code);
    }
    QTreeWidgetItem *m_pressed = nullptr;
};

// The share column: a bar as long as the share right, its figure to the right of it.
class ShareDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QVariant share = index.data(ShareRole);
        if (!share.isValid()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        const QWidget *widget = option.widget;
        QStyle *style = widget ? widget->style() : nullptr;
        if (style)
            style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        const QRect area = option.rect.adjusted(4, 4, -4, -4);
        const int textWidth = option.fontMetrics.horizontalAdvance(QStringLiteral("100%")) + 6;
        const QRect track(area.left(), area.top(), std::max(0, area.width() - textWidth), area.height());
        painter->save();
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(0xe4, 0xe4, 0xe4));
        painter->drawRect(track);
        const double value = std::clamp(share.toDouble(), 0.0, 1.0);
        painter->setBrush(value >= 0.9 ? PassedColour : WeakColour);
        painter->drawRect(QRect(track.left(), track.top(), int(std::lround(track.width() * value)), track.height()));
        painter->setPen(opt.palette.color(opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(QRect(track.right() + 1, option.rect.top(), textWidth, option.rect.height()),
                          Qt::AlignRight | Qt::AlignVCenter, text);
        painter->restore();
    }
};

TopicTree *topicTree(const QString &name, const QString &what)
{
    auto *tree = new TopicTree;
    tree->setObjectName(name);
    tree->setAccessibleName(name);
    tree->setRootIsDecorated(false);
    tree->setUniformRowHeights(true);
    tree->setAlternatingRowColors(true);
    tree->setHeaderLabels({what, QStringLiteral("答对率"), QStringLiteral("作答")});
    tree->header()->setStretchLastSection(false);
    tree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    tree->header()->setSectionResizeMode(1, QHeaderView::Fixed);
    tree->header()->setSectionResizeMode(2, QHeaderView::Fixed);
    tree->header()->resizeSection(1, 150);
    tree->header()->resizeSection(2, 52);
    tree->setItemDelegateForColumn(1, new ShareDelegate(tree));
    tree->setFixedHeight(230);
    return tree;
}

struct Topic {
    QString code;
    QString name;
    study::Tally tally;
};

// Weakest first; those with too few answers to tell after the rest, in code order.
void sortWeakestFirst(std::vector<Topic> &topics)
{
    std::stable_sort(topics.begin(), topics.end(), [](const Topic &a, const Topic &b) {
        const bool aKnown = a.tally.answers >= StatsPage::MinAnswersForShare;
        const bool bKnown = b.tally.answers >= StatsPage::MinAnswersForShare;
        if (aKnown != bKnown)
            return aKnown;
        if (!aKnown)
            return a.code < b.code;
        // a.right / a.answers < b.right / b.answers, without dividing.
        const qint64 left = qint64(a.tally.right) * b.tally.answers;
        const qint64 right = qint64(b.tally.right) * a.tally.answers;
        if (left != right)
            return left < right;
        if (a.tally.answers != b.tally.answers)
            return a.tally.answers > b.tally.answers;
        return a.code < b.code;
    });
}

void fillTopicTree(QTreeWidget *tree, const std::vector<Topic> &topics)
{
    const QString selected = tree->currentItem() ? tree->currentItem()->data(0, CodeRole).toString() : QString();
    tree->clear();
    QList<QTreeWidgetItem *> items;
    items.reserve(qsizetype(topics.size()));
    QTreeWidgetItem *toSelect = nullptr;
    for (const Topic &topic : topics) {
        auto *item = new QTreeWidgetItem;
        item->setText(0, topic.name);
        item->setToolTip(0, topic.name);
        item->setData(0, CodeRole, topic.code);
        if (topic.tally.answers < StatsPage::MinAnswersForShare) {
            item->setText(1, QStringLiteral("作答太少"));
            item->setForeground(1, QColor(0x70, 0x70, 0x70));
        } else {
            const double share = double(topic.tally.right) / topic.tally.answers;
            item->setText(1, percent(share));
            item->setData(1, ShareRole, share);
        }
        item->setText(2, QString::number(topic.tally.answers));
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        if (topic.code == selected)
            toSelect = item;
        items << item;
    }
    tree->addTopLevelItems(items);
    tree->setCurrentItem(toSelect ? toSelect : tree->topLevelItem(0));
}

} // namespace

CoverageBar::CoverageBar(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("coverageBar"));
    setAccessibleName(QStringLiteral("题库覆盖"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMinimumHeight(sizeHint().height());
}

void CoverageBar::setParts(QList<Part> parts)
{
    m_parts = std::move(parts);
    QStringList description;
    for (const Part &part : m_parts)
        description << QStringLiteral("%1 %2").arg(part.name).arg(part.count);
    setAccessibleDescription(description.join(QStringLiteral("，")));
    update();
}

QSize CoverageBar::sizeHint() const
{
    return {600, 24 + 8 + fontMetrics().height() + 4};
}

void CoverageBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect bar(0, 0, width() - 1, 24);
    int total = 0;
    for (const Part &part : m_parts)
        total += part.count;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf0, 0xf0, 0xf0));
    painter.drawRect(bar);
    // Each part starts where the sum of the parts before it ends, so rounding leaves no gap.
    int before = 0;
    for (const Part &part : m_parts) {
        if (total == 0)
            break;
        const int x0 = bar.left() + int(std::lround(double(bar.width()) * before / total));
        before += part.count;
        const int x1 = bar.left() + int(std::lround(double(bar.width()) * before / total));
        painter.setBrush(part.colour);
        painter.drawRect(QRect(x0, bar.top(), x1 - x0, bar.height()));
    }
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(bar);

    // The legend under the bar: a swatch, the part's name and its count.
    const QFontMetrics metrics = fontMetrics();
    int x = 0;
    const int y = bar.bottom() + 8;
    for (const Part &part : m_parts) {
        const QString text = QStringLiteral("%1 %2").arg(part.name).arg(part.count);
        painter.setPen(QColor(0x80, 0x80, 0x80));
        painter.setBrush(part.colour);
        painter.drawRect(QRect(x, y + (metrics.height() - 12) / 2, 12, 12));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QPoint(x + 17, y + metrics.ascent()), text);
        x += 17 + metrics.horizontalAdvance(text) + 18;
    }
}

StatsPage::StatsPage(study::StudyRecord &record, QString bankId, QList<study::BankQuestion> bank,
                     QHash<QString, QString> topicNames, QWidget *parent)
    : QScrollArea(parent)
    , emptyNote(note())
    , scoreChart(new QChartView)
    , scoreNote(note())
    , chapterList(topicTree(QStringLiteral("按章"), QStringLiteral("章")))
    , pointList(topicTree(QStringLiteral("按知识点"), QStringLiteral("知识点")))
    , coverageText(note())
    , coverageBar(new CoverageBar)
    , readinessText(note())
    , checkTable(new QTreeWidget)
    , checkVerdict(note())
    , m_record(record)
    , m_bankId(std::move(bankId))
    , m_bank(std::move(bank))
    , m_topicNames(std::move(topicNames))
{
    setObjectName(QStringLiteral("statsPage"));
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *content = new QWidget;
    content->setObjectName(QStringLiteral("statsContent"));
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(8, 4, 8, 8);
    layout->setSpacing(4);

    emptyNote->setObjectName(QStringLiteral("emptyNote"));
    emptyNote->setText(tr("Nothing on record yet: practise or hand in a mock paper, and the statistics show here."));
    emptyNote->setFont(songFont(14, true));
    layout->addWidget(emptyNote);

    layout->addWidget(heading(QStringLiteral("成绩")));
    scoreChart->setObjectName(QStringLiteral("scoreChart"));
    scoreChart->setAccessibleName(QStringLiteral("成绩"));
    scoreChart->setRenderHint(QPainter::Antialiasing);
    // Only looked at: Tab goes from the page's top straight to the topic lists.
    scoreChart->setFocusPolicy(Qt::NoFocus);
    scoreChart->setMinimumHeight(250);
    scoreChart->chart()->setMargins(QMargins(4, 4, 4, 4));
    scoreChart->chart()->setBackgroundRoundness(0);
    scoreChart->chart()->legend()->setAlignment(Qt::AlignBottom);
    layout->addWidget(scoreChart);
    scoreNote->setObjectName(QStringLiteral("scoreNote"));
    layout->addWidget(scoreNote);

    layout->addWidget(heading(QStringLiteral("薄弱知识点")));
    auto *topicNote = note();
    topicNote->setText(tr("Weakest first. A click or Enter practises the questions of a chapter or knowledge point; "
                          "a topic with fewer than %1 answers shows 作答太少.")
                           .arg(MinAnswersForShare));
    layout->addWidget(topicNote);
    auto *topics = new QHBoxLayout;
    topics->addWidget(chapterList, 2);
    topics->addWidget(pointList, 3);
    layout->addLayout(topics);
    for (QTreeWidget *tree : {chapterList, pointList})
        static_cast<TopicTree *>(tree)->chosen = [this](const QString &code) { emit practiseTopicRequested(code); };

    layout->addWidget(heading(QStringLiteral("题库覆盖")));
    coverageText->setObjectName(QStringLiteral("coverageText"));
    layout->addWidget(coverageText);
    layout->addWidget(coverageBar);

    layout->addWidget(heading(QStringLiteral("合格概率")));
    readinessText->setObjectName(QStringLiteral("readinessText"));
    readinessText->setFont(songFont(15));
    layout->addWidget(readinessText);

    layout->addWidget(heading(QStringLiteral("预测的检验")));
    checkTable->setObjectName(QStringLiteral("checkTable"));
    checkTable->setAccessibleName(QStringLiteral("预测的检验"));
    checkTable->setRootIsDecorated(false);
    checkTable->setUniformRowHeights(true);
    checkTable->setSelectionMode(QAbstractItemView::NoSelection);
    checkTable->setFocusPolicy(Qt::NoFocus);
    checkTable->setHeaderLabels({QStringLiteral("开考时的合格概率"), QStringLiteral("试卷"), QStringLiteral("平均预测"),
                                 QStringLiteral("实际合格")});
    checkTable->header()->setStretchLastSection(false);
    checkTable->header()->resizeSection(0, 150);
    checkTable->header()->resizeSection(1, 60);
    checkTable->header()->resizeSection(2, 90);
    checkTable->header()->resizeSection(3, 120);
    checkTable->setMaximumWidth(150 + 60 + 90 + 120 + 4);
    checkTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(checkTable);
    checkVerdict->setObjectName(QStringLiteral("checkVerdict"));
    layout->addWidget(checkVerdict);
    layout->addStretch(1);

    setWidget(content);
}

void StatsPage::refresh()
{
    // Each of the record's lists is read once. The estimate needs every answer in order, so
    // the tallies per question are counted from those answers rather than asked of the
    // record again: counting them in the database costs as much again as reading them.
    const QList<study::PaperSummary> papers = m_record.papers(m_bankId);
    const QList<study::AnswerEvent> events = m_record.answerEvents(m_bankId);
    QHash<qint32, study::Tally> tallies;
    tallies.reserve(m_bank.size());
    for (const study::AnswerEvent &e : events) {
        study::Tally &t = tallies[e.tid];
        ++t.answers;
        t.right += e.right ? 1 : 0;
    }
    emptyNote->setVisible(papers.isEmpty() && events.isEmpty());
    fillScores(papers);
    fillTopics(tallies);
    fillCoverage(tallies);
    fillReadiness(events);
    fillCheck(papers);
}

void StatsPage::fillScores(const QList<study::PaperSummary> &newestFirst)
{
    QChart *chart = scoreChart->chart();
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes())
        chart->removeAxis(axis), delete axis;
    scoreChart->setVisible(!newestFirst.isEmpty());
    if (newestFirst.isEmpty()) {
        scoreNote->setText(tr("No paper handed in yet."));
        return;
    }
    // Scores as they are where every paper has the same full marks, else as a share of them.
    const int fullMarks = newestFirst.first().fullMarks;
    const bool sameMarks = fullMarks > 0 && std::all_of(newestFirst.cbegin(), newestFirst.cend(), [&](const auto &p) {
                               return p.fullMarks == fullMarks;
                           });
    const double top = sameMarks ? fullMarks : 100.0;
    const auto value = [&](const study::PaperSummary &p) {
        return sameMarks ? double(p.score) : (p.fullMarks > 0 ? 100.0 * p.score / p.fullMarks : 0.0);
    };

    auto *line = new QLineSeries;
    line->setPen(QPen(QColor(0xa0, 0xa0, 0xa0), 1.2));
    auto *passed = new QScatterSeries;
    passed->setName(QStringLiteral("合格"));
    passed->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    passed->setMarkerSize(9);
    passed->setColor(PassedColour);
    passed->setBorderColor(PassedColour.darker(130));
    auto *failed = new QScatterSeries;
    failed->setName(QStringLiteral("不合格"));
    failed->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    failed->setMarkerSize(9);
    failed->setColor(FailedColour);
    failed->setBorderColor(FailedColour.darker(130));

    QList<QPointF> points;
    QList<QPointF> passedPoints;
    QList<QPointF> failedPoints;
    points.reserve(newestFirst.size());
    double lowest = top;
    int passes = 0;
    for (auto it = newestFirst.crbegin(); it != newestFirst.crend(); ++it) {
        const QPointF point(double(it->startedAt.toMSecsSinceEpoch()), value(*it));
        points << point;
        (it->passed ? passedPoints : failedPoints) << point;
        lowest = std::min(lowest, point.y());
        passes += it->passed ? 1 : 0;
    }
    line->replace(points);
    passed->replace(passedPoints);
    failed->replace(failedPoints);

    const double passLine = 0.9 * top;
    double first = points.first().x();
    double last = points.last().x();
    if (last - first < 86'400'000.0) {
        // Papers of one day still get a day's width, so that the axis has a span to draw.
        first -= 43'200'000.0;
        last += 43'200'000.0;
    }
    auto *mark = new QLineSeries;
    mark->setName(sameMarks ? QStringLiteral("合格线 %1 分").arg(passLine) : QStringLiteral("合格线 90%"));
    QPen markPen(QColor(0x80, 0x00, 0x00), 1.5, Qt::DashLine);
    mark->setPen(markPen);
    mark->append(first, passLine);
    mark->append(last, passLine);

    chart->addSeries(line);
    chart->addSeries(mark);
    chart->addSeries(failed);
    chart->addSeries(passed);

    auto *time = new QDateTimeAxis;
    const bool longSpan = QDateTime::fromMSecsSinceEpoch(qint64(first)).daysTo(QDateTime::fromMSecsSinceEpoch(qint64(last))) > 300;
    time->setFormat(longSpan ? QStringLiteral("yyyy-MM") : QStringLiteral("MM-dd"));
    time->setTickCount(6);
    time->setRange(QDateTime::fromMSecsSinceEpoch(qint64(first)), QDateTime::fromMSecsSinceEpoch(qint64(last)));
    auto *score = new QValueAxis;
    // From a round ten under the lowest score (and under the pass line) to full marks.
    const double bottom = std::max(0.0, std::floor(std::min(lowest, passLine - 10.0) / 10.0) * 10.0);
    score->setRange(bottom, top);
    // A tick every ten points, or six ticks in all where that would crowd the axis.
    const int tens = int(std::lround((top - bottom) / 10.0));
    score->setTickCount(tens <= 10 ? tens + 1 : 6);
    score->setLabelFormat(QStringLiteral("%d"));
    score->setTitleText(sameMarks ? QStringLiteral("得分") : QStringLiteral("得分（%）"));
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(score, Qt::AlignLeft);
    for (QAbstractSeries *series : chart->series()) {
        series->attachAxis(time);
        series->attachAxis(score);
    }
    // The grey line only joins the points; it has no entry of its own.
    for (QLegendMarker *marker : chart->legend()->markers(line))
        marker->setVisible(false);

    scoreNote->setText(tr("%n paper(s) handed in, %1 passed.", "", int(newestFirst.size())).arg(passes));
}

void StatsPage::fillTopics(const QHash<qint32, study::Tally> &tallies)
{
    std::map<QString, study::Tally> points;
    std::map<QString, study::Tally> chapters;
    for (const study::BankQuestion &q : m_bank) {
        const study::Tally t = tallies.value(q.tid);
        QSet<QString> seenPoints;
        QSet<QString> seenChapters;
        for (const QString &code : q.knowledgeCodes) {
            // A question counts once for each of its points and once for each chapter.
            if (!seenPoints.contains(code)) {
                seenPoints.insert(code);
                study::Tally &p = points[code];
                p.answers += t.answers;
                p.right += t.right;
            }
            const QString chapter = topicChapter(code);
            if (!chapter.isEmpty() && !seenChapters.contains(chapter)) {
                seenChapters.insert(chapter);
                study::Tally &c = chapters[chapter];
                c.answers += t.answers;
                c.right += t.right;
            }
        }
    }
    std::vector<Topic> pointTopics;
    for (const auto &[code, tally] : points) {
        const QString keyword = m_topicNames.value(code);
        pointTopics.push_back({code, keyword.isEmpty() ? code : keyword, tally});
    }
    std::vector<Topic> chapterTopics;
    for (const auto &[chapter, tally] : chapters) {
        const QString named = m_topicNames.value(chapter);
        const QString number = QStringLiteral("第%1章").arg(chapter);
        chapterTopics.push_back({chapter, named.isEmpty() ? number : QStringLiteral("%1 %2").arg(number, named), tally});
    }
    sortWeakestFirst(pointTopics);
    sortWeakestFirst(chapterTopics);
    fillTopicTree(chapterList, chapterTopics);
    fillTopicTree(pointList, pointTopics);
}

void StatsPage::fillCoverage(const QHash<qint32, study::Tally> &tallies)
{
    QHash<qint32, QByteArray> digests;
    digests.reserve(m_bank.size());
    for (const study::BankQuestion &q : m_bank)
        digests.insert(q.tid, q.digest);
    // Book entries count where the bank still holds the question as it was entered.
    const auto current = [&](const QList<study::BookEntry> &entries) {
        QSet<qint32> tids;
        for (const study::BookEntry &e : entries)
            if (digests.value(e.question.tid) == e.question.digest)
                tids.insert(e.question.tid);
        return tids;
    };
    const QSet<qint32> book = current(m_record.book(m_bankId));
    const QSet<qint32> mastered = current(m_record.mastered(m_bankId));

    int seen = 0, right = 0;
    int partMastered = 0, partBook = 0, partRight = 0, partWrong = 0, partUnseen = 0;
    for (const study::BankQuestion &q : m_bank) {
        const study::Tally t = tallies.value(q.tid);
        seen += t.answers > 0 ? 1 : 0;
        right += t.right > 0 ? 1 : 0;
        if (mastered.contains(q.tid))
            ++partMastered;
        else if (book.contains(q.tid))
            ++partBook;
        else if (t.right > 0)
            ++partRight;
        else if (t.answers > 0)
            ++partWrong;
        else
            ++partUnseen;
    }
    coverageText->setText(tr("%1 questions in the bank: %2 seen, %3 answered right at least once, %4 in the "
                             "wrong-question book, %5 mastered.")
                              .arg(m_bank.size())
                              .arg(seen)
                              .arg(right)
                              .arg(book.size())
                              .arg(mastered.size()));
    coverageBar->setParts({{partMastered, QColor(0x1f, 0x6e, 0x30), QStringLiteral("已掌握")},
                           {partRight, QColor(0x7c, 0xc3, 0x7f), QStringLiteral("答对过")},
                           {partBook, WeakColour, QStringLiteral("在错题本中")},
                           {partWrong, QColor(0xe8, 0xc1, 0x6a), QStringLiteral("只答错过")},
                           {partUnseen, QColor(0xf0, 0xf0, 0xf0), QStringLiteral("没做过")}});
}

void StatsPage::fillReadiness(const QList<study::AnswerEvent> &events)
{
    if (m_bank.isEmpty()) {
        readinessText->setText(tr("The bank holds no questions."));
        return;
    }
    const study::Readiness r = study::estimateReadiness(m_bank, events, m_record.now());
    if (r.enoughEvidence) {
        readinessText->setText(QStringLiteral("下次模拟考试的合格概率约 %1（区间 %2–%3）")
                                   .arg(percent(r.chance), percent(r.low), percent(r.high)));
    } else {
        const int questions = std::min(study::MinQuestionsForReadiness, int(m_bank.size()));
        readinessText->setText(tr("After %n more answer(s) the pass chance of the next mock paper shows here "
                                  "(it needs %1 answers in all, over %2 different questions).",
                                  "", r.answersNeeded)
                                   .arg(study::MinAnswersForReadiness)
                                   .arg(questions));
    }
}

void StatsPage::fillCheck(const QList<study::PaperSummary> &newestFirst)
{
    const study::Calibration c = study::calibrate(study::checkedPapers(newestFirst));
    checkTable->clear();
    for (const study::CalibrationBand &band : c.bands) {
        auto *item = new QTreeWidgetItem(checkTable);
        item->setText(0, QStringLiteral("%1–%2").arg(percent(band.from), percent(band.to)));
        item->setText(1, QString::number(band.papers));
        item->setText(2, band.papers ? percent(band.meanPredicted) : QStringLiteral("—"));
        item->setText(3, band.papers ? QStringLiteral("%1（%2）").arg(band.passed).arg(percent(double(band.passed) / band.papers))
                                     : QStringLiteral("—"));
        for (int col = 1; col < 4; ++col)
            item->setTextAlignment(col, Qt::AlignRight | Qt::AlignVCenter);
    }
    // As tall as its rows: the table never scrolls inside the page.
    checkTable->setFixedHeight(checkTable->header()->sizeHint().height() +
                               checkTable->topLevelItemCount() * checkTable->sizeHintForRow(0) +
                               2 * checkTable->frameWidth() + 2);
    if (c.papers == 0) {
        checkVerdict->setText(tr("No paper handed in with a pass chance yet: each paper keeps the chance shown as "
                                 "it began, once there is evidence enough for one."));
        return;
    }
    QString text = tr("Over %n paper(s) with a stored chance, Brier score (lower is better): forecast %1, "
                      "past pass rate %2.",
                      "", c.papers)
                       .arg(c.brier, 0, 'f', 3)
                       .arg(c.baselineBrier, 0, 'f', 3);
    // The verdict on a line of its own, the caveat of few papers after it.
    text += QLatin1Char('\n');
    text += c.beatsBaseline() ? QStringLiteral("预测比只看以往合格率准确。") : QStringLiteral("预测不如以往合格率。");
    if (c.papers < 10)
        text += tr("With fewer than 10 papers this says little yet.");
    checkVerdict->setText(text);
}

} // namespace practice

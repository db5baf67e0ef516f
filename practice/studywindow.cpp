// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "studywindow.h"

#include "handin.h"
#include "pastpaper.h"
#include "practiceview.h"
#include "statspage.h"

#include "pushbutton.h"
#include "tdxbutton.h"
#include "tkvlabel.h"
#include "winstyle.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <map>

namespace practice {

using Mode = study::PracticeMode;

namespace {

constexpr int TidRole = Qt::UserRole;
constexpr int CodeRole = Qt::UserRole + 1;
constexpr int PaperRole = Qt::UserRole + 2;
constexpr int DigestRole = Qt::UserRole + 3;

const std::array<Mode, 4> ButtonModes{Mode::Sequential, Mode::Random, Mode::WrongBook, Mode::Favourites};

QString modeName(Mode mode)
{
    switch (mode) {
    case Mode::Sequential: return QStringLiteral("顺序练习");
    case Mode::Random: return QStringLiteral("随机练习");
    case Mode::Topic: return QStringLiteral("专项练习");
    case Mode::WrongBook: return QStringLiteral("错题练习");
    case Mode::Favourites: return QStringLiteral("收藏练习");
    case Mode::Mastered: return QStringLiteral("已掌握");
    }
    return {};
}

// A list of the record. Its columns have widths of their own, the last (a question's text)
// the rest: sizing columns to their contents would measure every row of a long list.
QTreeWidget *list(const QString &name, const QStringList &headers, const QList<int> &widths)
{
    auto *tree = new QTreeWidget;
    tree->setObjectName(name);
    tree->setAccessibleName(name);
    tree->setRootIsDecorated(false);
    tree->setUniformRowHeights(true);
    tree->setAlternatingRowColors(true);
    tree->setHeaderLabels(headers);
    tree->header()->setStretchLastSection(true);
    for (int c = 0; c < widths.size(); ++c)
        tree->header()->resizeSection(c, widths[c]);
    return tree;
}

// The question's text on one line, for a list.
QString oneLine(const QString &text)
{
    QString line = text.simplified();
    if (line.size() > 60)
        line = line.left(59) + QChar(0x2026);
    return line;
}

QString minutesAndSeconds(int seconds)
{
    return QStringLiteral("%1:%2").arg(seconds / 60, 2, 10, QLatin1Char('0')).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

void applyButtonLook(TdxButton &button)
{
    applyGoldButtonColours(button);
    button.setFocusPolicy(Qt::StrongFocus);
    button.setMinimumHeight(28);
}

// Enter clicks it as Space does.
QPushButton *pushButton(const QString &caption)
{
    auto *button = new PushButton(caption);
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    return button;
}

// Where the question with this tid is in a list; -1 when it is not there.
int indexOfTid(const QList<const BankQuestion *> &questions, qint32 tid)
{
    const auto at = std::find_if(questions.cbegin(), questions.cend(), [tid](const BankQuestion *q) { return q->tid == tid; });
    return at == questions.cend() ? -1 : int(at - questions.cbegin());
}

// The share right of a tally as a list shows it, with the answers behind it.
QString shareText(const study::Tally &tally)
{
    if (tally.answers == 0)
        return QStringLiteral("—");
    return QStringLiteral("%1%（%2 次）").arg(qRound(100.0 * tally.right / tally.answers)).arg(tally.answers);
}

} // namespace

StudyWindow::StudyWindow(study::StudyRecord &record, QWidget *parent)
    : Tfrm_qixNeoForm(parent)
    , pages(new QTabWidget(PanelBkGnd))
    , title(new TKvLabel(QStringLiteral("练习与记录"), PanelBkGnd))
    , view(new PracticeView)
    , practising(new QLabel)
    , topicList(list(QStringLiteral("专项练习"), {QStringLiteral("知识点"), QStringLiteral("题数"), QStringLiteral("答对率")},
                     {}))
    , bookList(list(QStringLiteral("错题本"), {QStringLiteral("题号"), QStringLiteral("下次复习"),
                                               QStringLiteral("复习间隔"), QStringLiteral("题目")}, {60, 130, 70}))
    , removeFromBookButton(pushButton(QStringLiteral("移出错题本")))
    , masteredList(list(QStringLiteral("已掌握"), {QStringLiteral("题号"), QStringLiteral("题目")}, {60}))
    , practiseMasteredButton(pushButton(QStringLiteral("练习已掌握的题")))
    , clearMasteredButton(pushButton(QStringLiteral("清空已掌握")))
    , favouriteList(list(QStringLiteral("收藏"), {QStringLiteral("题号"), QStringLiteral("题目")}, {60}))
    , unfavouriteButton(pushButton(QStringLiteral("取消收藏")))
    , paperList(list(QStringLiteral("考试记录"), {QStringLiteral("时间"), QStringLiteral("成绩"), QStringLiteral("结果"),
                                                  QStringLiteral("用时"), QStringLiteral("答错")}, {150, 90, 70, 70}))
    , openPaperButton(pushButton(QStringLiteral("查看试卷")))
    , m_record(record)
{
    confirm = [this](const QString &question) {
        return QMessageBox::question(this, windowTitle(), question) == QMessageBox::Yes;
    };
    setObjectName(QStringLiteral("StudyWindow"));
    setWindowTitle(QStringLiteral("练习与记录"));
    setDesignedPanelSize(QSize(860, 600), true);

    title->setObjectName(QStringLiteral("title"));
    title->setFont(songFont(21));
    setFontColor(title, 0x800000);
    title->setAlignment(Qt::AlignCenter);
    title->setTransparent(true);
    title->setFixedHeight(34);

    pages->setObjectName(QStringLiteral("pages"));
    pages->setAccessibleName(QStringLiteral("练习与记录"));
    pages->setDocumentMode(false);
    pages->addTab(buildPracticePage(), QStringLiteral("练习"));
    pages->addTab(buildBookPage(), QStringLiteral("错题本"));
    pages->addTab(buildFavouritePage(), QStringLiteral("收藏"));
    pages->addTab(buildPaperPage(), QStringLiteral("考试记录"));
    // Each page shows the record as it is when it is opened.
    connect(pages, &QTabWidget::currentChanged, this, [this](int index) {
        switch (index) {
        case 0: updateModeCounts(); fillTopics(); break;
        case 1: fillBook(); break;
        case 2: fillFavourites(); break;
        case 3: fillPapers(); break;
        default:
            if (m_stats && pages->widget(index) == m_statsSlot)
                m_stats->refresh();
            break;
        }
        tellNotices();
    });

    auto *layout = new QVBoxLayout(PanelBkGnd);
    layout->setContentsMargins(8, 4, 8, 8);
    layout->setSpacing(4);
    layout->addWidget(title);
    layout->addWidget(pages, 1);

    view->setFavouriteLookup([this](const BankQuestion &q) { return m_record.isFavourite(questionRef(m_bankId, q)); });
    connect(view, &PracticeView::answered, this, [this](const BankQuestion &q, const QString &given, bool) {
        // Every answer is written at once, in its own transaction.
        if (m_record.isKept())
            m_record.addPracticeAnswer({questionRef(m_bankId, q), given, q.key, m_mode, {}});
        updateModeCounts();
        tellNotices();
    });
    connect(view, &PracticeView::favouriteToggled, this, [this](const BankQuestion &q, bool on) {
        m_record.setFavourite(questionRef(m_bankId, q), on);
        updateModeCounts();
        tellNotices();
    });
    connect(view, &PracticeView::positionChanged, this, [this](const BankQuestion &q) {
        if (m_mode == Mode::Sequential)
            m_record.setSequentialPosition(m_bankId, q.tid);
    });
}

QWidget *StudyWindow::buildPracticePage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("practicePage"));
    auto *row = new QHBoxLayout(page);
    row->setContentsMargins(6, 6, 6, 6);

    auto *modes = new QVBoxLayout;
    for (std::size_t i = 0; i < modeButtons.size(); ++i) {
        const Mode mode = ButtonModes[i];
        modeButtons[i] = new TdxButton(modeName(mode), page);
        modeButtons[i]->setObjectName(QStringLiteral("mode%1").arg(int(mode)));
        applyButtonLook(*modeButtons[i]);
        modes->addWidget(modeButtons[i]);
        connect(modeButtons[i], &TdxButton::clicked, this, [this, mode] { practise(mode); });
    }
    auto *topicsLabel = new QLabel(QStringLiteral("专项练习"), page);
    topicsLabel->setBuddy(topicList);
    modes->addSpacing(6);
    modes->addWidget(topicsLabel);
    topicList->setRootIsDecorated(true);
    topicList->header()->setStretchLastSection(false);
    topicList->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    topicList->header()->resizeSection(1, 44);
    topicList->header()->resizeSection(2, 86);
    topicList->setToolTip(tr("Enter or a double click practises the questions of a knowledge point or chapter."));
    modes->addWidget(topicList, 1);
    connect(topicList, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { practiseTopic(item->data(0, CodeRole).toString()); });
    auto *left = new QWidget(page);
    left->setLayout(modes);
    left->setFixedWidth(300);
    modes->setContentsMargins(0, 0, 0, 0);
    row->addWidget(left);

    auto *right = new QVBoxLayout;
    practising->setObjectName(QStringLiteral("practising"));
    practising->setFont(songFont(14, true));
    right->addWidget(practising);
    right->addWidget(view, 1);
    row->addLayout(right, 1);
    setTabOrder(modeButtons[3], topicList);
    return page;
}

QWidget *StudyWindow::buildBookPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *bookLabel = new QLabel(QStringLiteral("错题本（到期的在前）"), page);
    bookLabel->setBuddy(bookList);
    layout->addWidget(bookLabel);
    bookList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    layout->addWidget(bookList, 3);
    auto *bookButtons = new QHBoxLayout;
    bookButtons->addWidget(removeFromBookButton);
    bookButtons->addStretch(1);
    layout->addLayout(bookButtons);

    auto *masteredLabel = new QLabel(QStringLiteral("已掌握"), page);
    masteredLabel->setBuddy(masteredList);
    layout->addWidget(masteredLabel);
    layout->addWidget(masteredList, 2);
    auto *masteredButtons = new QHBoxLayout;
    masteredButtons->addWidget(practiseMasteredButton);
    masteredButtons->addWidget(clearMasteredButton);
    masteredButtons->addStretch(1);
    layout->addLayout(masteredButtons);

    connect(bookList, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { practiseFromList(item, Mode::WrongBook); });
    connect(masteredList, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { practiseFromList(item, Mode::Mastered); });
    connect(removeFromBookButton, &QPushButton::clicked, this, &StudyWindow::removeSelectedFromBook);
    connect(practiseMasteredButton, &QPushButton::clicked, this, [this] { practise(Mode::Mastered); });
    connect(clearMasteredButton, &QPushButton::clicked, this, &StudyWindow::clearMastered);
    return page;
}

QWidget *StudyWindow::buildFavouritePage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(favouriteList, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(unfavouriteButton);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(favouriteList, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { practiseFromList(item, Mode::Favourites); });
    connect(unfavouriteButton, &QPushButton::clicked, this, &StudyWindow::unfavouriteSelected);
    return page;
}

QWidget *StudyWindow::buildPaperPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    paperList->setToolTip(tr("Enter or a double click shows the paper as it was handed in."));
    layout->addWidget(paperList, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(openPaperButton);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(paperList, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { openPaper(item->data(0, PaperRole).toLongLong()); });
    connect(openPaperButton, &QPushButton::clicked, this, [this] {
        if (QTreeWidgetItem *item = paperList->currentItem())
            openPaper(item->data(0, PaperRole).toLongLong());
    });
    return page;
}

void StudyWindow::addPage(QWidget *page, const QString &pageTitle)
{
    pages->addTab(page, pageTitle);
}

void StudyWindow::FormShow()
{
    Tfrm_qixNeoForm::FormShow();
    refresh();
    if (pages->currentIndex() == 0 && view->count() == 0)
        modeButtons[0]->setFocus();
}

void StudyWindow::setBank(const QString &bankId, BankQuestions bank)
{
    // The view points into the bank: it lets go before the bank is replaced.
    view->clear();
    m_bankId = bankId;
    m_bank = std::move(bank);
    practising->setText(tr("Choose a way to practise on the left."));
    // The statistics are of one bank: a new page for the new one, in the same tab.
    auto *stats = new StatsPage(m_record, m_bankId, estimatorQuestions(m_bank), m_bank.topicNames());
    connect(stats, &StatsPage::practiseTopicRequested, this, &StudyWindow::practiseTopic);
    if (!m_statsSlot) {
        m_statsSlot = new QWidget;
        m_statsSlot->setObjectName(QStringLiteral("statsSlot"));
        auto *slotLayout = new QVBoxLayout(m_statsSlot);
        slotLayout->setContentsMargins(0, 0, 0, 0);
        addPage(m_statsSlot, QStringLiteral("统计"));
    }
    delete m_stats;
    m_stats = stats;
    m_statsSlot->layout()->addWidget(m_stats);
    refresh();
}

const BankQuestion *StudyWindow::current(const study::QuestionRef &ref) const
{
    const BankQuestion *q = m_bank.find(ref.tid);
    return q && questionRef(m_bankId, *q).digest == ref.digest ? q : nullptr;
}

QList<const BankQuestion *> StudyWindow::questionsFor(Mode mode) const
{
    QList<const BankQuestion *> result;
    switch (mode) {
    case Mode::Sequential:
    case Mode::Random:
    case Mode::Topic:
        result.reserve(m_bank.questions.size());
        for (const BankQuestion &q : m_bank.questions)
            result << &q;
        break;
    case Mode::WrongBook:
        for (const study::BookEntry &entry : m_record.book(m_bankId))
            if (const BankQuestion *q = current(entry.question))
                result << q;
        break;
    case Mode::Mastered:
        for (const study::BookEntry &entry : m_record.mastered(m_bankId))
            if (const BankQuestion *q = current(entry.question))
                result << q;
        break;
    case Mode::Favourites:
        for (const study::QuestionRef &ref : m_record.favourites(m_bankId))
            if (const BankQuestion *q = current(ref))
                result << q;
        break;
    }
    if (mode == Mode::Random)
        std::shuffle(result.begin(), result.end(), *QRandomGenerator::global());
    return result;
}

void StudyWindow::practiseList(Mode mode, QList<const BankQuestion *> questions, int start, const QString &what)
{
    m_mode = mode;
    practising->setText(what);
    view->setQuestions(m_bank, std::move(questions), start);
    pages->setCurrentIndex(0);
    view->setFocus();
}

void StudyWindow::practise(Mode mode)
{
    const QList<const BankQuestion *> questions = questionsFor(mode);
    int start = 0;
    if (mode == Mode::Sequential) {
        // Goes on at the question where the trainee stopped last time.
        start = std::max(0, indexOfTid(questions, m_record.sequentialPosition(m_bankId)));
    }
    practiseList(mode, questions, start, modeName(mode));
}

void StudyWindow::practiseTopic(const QString &code)
{
    if (code.isEmpty())
        return;
    const bool chapter = code.size() == 2;
    QList<const BankQuestion *> questions;
    for (const BankQuestion &q : m_bank.questions) {
        const bool belongs = std::any_of(q.knowledgeCodes.cbegin(), q.knowledgeCodes.cend(), [&](const QString &c) {
            return chapter ? topicChapter(c) == code : c == code;
        });
        if (belongs)
            questions << &q;
    }
    const KnowledgePoint point = m_bank.points.value(code);
    const QString name = chapter ? QStringLiteral("第 %1 章").arg(code)
                                 : (point.keyword.isEmpty() ? code : QStringLiteral("%1 %2").arg(code, point.keyword));
    practiseList(Mode::Topic, questions, 0, QStringLiteral("专项练习：%1").arg(name));
}

void StudyWindow::practiseFromList(QTreeWidgetItem *item, Mode mode)
{
    const QList<const BankQuestion *> questions = questionsFor(mode);
    const int at = indexOfTid(questions, item ? item->data(0, TidRole).toInt() : 0);
    if (at < 0) {
        tellTrainee(this, tr("The bank no longer holds this question as it was."));
        return;
    }
    practiseList(mode, questions, at, modeName(mode));
}

void StudyWindow::openPaper(qint64 id)
{
    if (id <= 0)
        return;
    reviewPastPaper(m_record, id, m_bank, m_bankId, this);
    // The score window's exit brings the start window forward; the trainee came from here.
    if (isVisible()) {
        raise();
        activateWindow();
    }
}

void StudyWindow::updateModeCounts()
{
    for (std::size_t i = 0; i < modeButtons.size(); ++i) {
        const Mode mode = ButtonModes[i];
        const qsizetype count = mode == Mode::Sequential || mode == Mode::Random ? m_bank.questions.size()
                                                                                 : questionsFor(mode).size();
        modeButtons[i]->setCaption(QStringLiteral("%1（%2 题）").arg(modeName(mode)).arg(count));
        modeButtons[i]->setAccessibleName(modeButtons[i]->Caption());
    }
}

void StudyWindow::refresh()
{
    updateModeCounts();
    fillTopics();
    fillBook();
    fillFavourites();
    fillPapers();
    // The statistics cost more than the lists: they are read when their tab is on display.
    if (m_stats && pages->currentWidget() == m_statsSlot)
        m_stats->refresh();
    tellNotices();
}

void StudyWindow::fillTopics()
{
    const QHash<qint32, study::Tally> tallies = m_record.tallies(m_bankId);
    // Per code: the questions that carry it and what the trainee made of them.
    struct Topic {
        int questions = 0;
        study::Tally tally;
    };
    std::map<QString, Topic> topics;
    for (const KnowledgePoint &point : m_bank.points)
        topics[point.code];
    for (const BankQuestion &q : m_bank.questions) {
        const study::Tally t = tallies.value(q.tid);
        for (const QString &code : q.knowledgeCodes) {
            Topic &topic = topics[code];
            ++topic.questions;
            topic.tally.answers += t.answers;
            topic.tally.right += t.right;
        }
    }
    const QString selected = topicList->currentItem() ? topicList->currentItem()->data(0, CodeRole).toString() : QString();
    topicList->clear();
    std::map<QString, QTreeWidgetItem *> chapters;
    std::map<QString, Topic> chapterTotals;
    QTreeWidgetItem *toSelect = nullptr;
    for (const auto &[code, topic] : topics) {
        const QString chapter = topicChapter(code);
        QTreeWidgetItem *parent = nullptr;
        if (!chapter.isEmpty()) {
            auto &item = chapters[chapter];
            if (!item) {
                item = new QTreeWidgetItem(topicList);
                item->setData(0, CodeRole, chapter);
            }
            parent = item;
            Topic &total = chapterTotals[chapter];
            total.questions += topic.questions;
            total.tally.answers += topic.tally.answers;
            total.tally.right += topic.tally.right;
        }
        const QString keyword = m_bank.points.value(code).keyword;
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(topicList);
        item->setText(0, keyword.isEmpty() ? code : QStringLiteral("%1 %2").arg(code, keyword));
        item->setText(1, QString::number(topic.questions));
        item->setText(2, shareText(topic.tally));
        item->setData(0, CodeRole, code);
        item->setToolTip(0, item->text(0));
        if (code == selected)
            toSelect = item;
    }
    for (const auto &[chapter, item] : chapters) {
        const Topic &total = chapterTotals[chapter];
        item->setText(0, QStringLiteral("第 %1 章（%2 个知识点）").arg(chapter).arg(item->childCount()));
        item->setText(1, QString::number(total.questions));
        item->setText(2, shareText(total.tally));
        if (chapter == selected)
            toSelect = item;
    }
    if (toSelect)
        topicList->setCurrentItem(toSelect);
}

void StudyWindow::fillBook()
{
    const QDateTime now = m_record.now();
    bookList->clear();
    for (const study::BookEntry &entry : m_record.book(m_bankId)) {
        const BankQuestion *q = current(entry.question);
        const bool due = study::ReviewSchedule::isDue(entry.step, now);
        const int days = study::ReviewSchedule::IntervalDays[std::size_t(std::clamp(entry.step.step, 0, 3))];
        auto *item = new QTreeWidgetItem(
            bookList, {QString::number(entry.question.tid),
                       due ? QStringLiteral("已到期") : entry.step.due.toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                       QStringLiteral("%1 天").arg(days), q ? oneLine(q->question) : changedQuestionText()});
        item->setData(0, TidRole, entry.question.tid);
        item->setData(0, DigestRole, entry.question.digest);
        if (due)
            item->setForeground(1, QColor(0x80, 0, 0));
    }
    masteredList->clear();
    for (const study::BookEntry &entry : m_record.mastered(m_bankId)) {
        const BankQuestion *q = current(entry.question);
        auto *item = new QTreeWidgetItem(masteredList, {QString::number(entry.question.tid),
                                                        q ? oneLine(q->question) : changedQuestionText()});
        item->setData(0, TidRole, entry.question.tid);
    }
    removeFromBookButton->setEnabled(bookList->topLevelItemCount() > 0);
    practiseMasteredButton->setEnabled(masteredList->topLevelItemCount() > 0);
    clearMasteredButton->setEnabled(masteredList->topLevelItemCount() > 0);
}

void StudyWindow::fillFavourites()
{
    favouriteList->clear();
    for (const study::QuestionRef &ref : m_record.favourites(m_bankId)) {
        const BankQuestion *q = current(ref);
        auto *item =
            new QTreeWidgetItem(favouriteList, {QString::number(ref.tid), q ? oneLine(q->question) : changedQuestionText()});
        item->setData(0, TidRole, ref.tid);
        item->setData(0, DigestRole, ref.digest);
    }
    unfavouriteButton->setEnabled(favouriteList->topLevelItemCount() > 0);
}

void StudyWindow::fillPapers()
{
    paperList->clear();
    QList<QTreeWidgetItem *> items;
    const QList<study::PaperSummary> papers = m_record.papers(m_bankId);
    items.reserve(papers.size());
    // The record gives them newest first.
    for (const study::PaperSummary &paper : papers) {
        auto *item = new QTreeWidgetItem({paper.startedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                                          QStringLiteral("%1 / %2").arg(paper.score).arg(paper.fullMarks),
                                          paper.passed ? QStringLiteral("合格") : QStringLiteral("不合格"),
                                          minutesAndSeconds(paper.secondsUsed), QString::number(paper.wrongCount)});
        item->setData(0, PaperRole, paper.id);
        item->setForeground(2, paper.passed ? QColor(0, 0x80, 0) : QColor(0xc0, 0, 0));
        items << item;
    }
    paperList->addTopLevelItems(items);
    if (!items.isEmpty())
        paperList->setCurrentItem(items.first());
    openPaperButton->setEnabled(!items.isEmpty());
}

void StudyWindow::removeSelectedFromBook()
{
    const QList<QTreeWidgetItem *> selected = bookList->selectedItems();
    for (QTreeWidgetItem *item : selected) {
        m_record.removeFromBook({m_bankId, item->data(0, TidRole).toInt(), item->data(0, DigestRole).toByteArray()});
    }
    updateModeCounts();
    fillBook();
    tellNotices();
}

void StudyWindow::clearMastered()
{
    if (!confirm(tr("Empty the list of mastered questions? Their answers stay on record.")))
        return;
    m_record.clearMastered(m_bankId);
    fillBook();
    tellNotices();
}

void StudyWindow::unfavouriteSelected()
{
    if (QTreeWidgetItem *item = favouriteList->currentItem())
        m_record.setFavourite({m_bankId, item->data(0, TidRole).toInt(), item->data(0, DigestRole).toByteArray()},
                              false);
    updateModeCounts();
    fillFavourites();
    tellNotices();
}

void StudyWindow::tellNotices()
{
    showRecordNotices(m_record, this);
}

} // namespace practice

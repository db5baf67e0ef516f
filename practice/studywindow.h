// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bankquestions.h"
#include "studyrecord.h"

#include "tfrm_qixneoform.h"

#include <array>
#include <functional>

class QLabel;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class TdxButton;
class TKvLabel;

namespace practice {

class PracticeView;
class StatsPage;

// The study window: practice by mode, the wrong-question book with its mastered list, the
// favourites and the handed-in papers, over one bank and the trainee's study record. Every
// answer and every star is written to the record as it happens.
class StudyWindow : public Tfrm_qixNeoForm {
    Q_OBJECT
public:
    explicit StudyWindow(study::StudyRecord &record, QWidget *parent = nullptr);

    // The bank to practise (its identity in the record and all its questions); fills the pages.
    void setBank(const QString &bankId, BankQuestions bank);
    [[nodiscard]] const BankQuestions &bank() const { return m_bank; }
    [[nodiscard]] QString bankId() const { return m_bankId; }
    // The pages again from the record.
    void refresh();

    // Starts practising the questions of a mode on the 练习 page.
    void practise(study::PracticeMode mode);
    // Practises the questions of a knowledge point, or of every point of a two-digit chapter.
    void practiseTopic(const QString &code);
    // Opens a handed-in paper in the score window, as it was handed in.
    void openPaper(qint64 id);
    // A further page after the designed ones (the statistics).
    void addPage(QWidget *page, const QString &title);
    // The 统计 page of the current bank; nullptr before setBank.
    [[nodiscard]] StatsPage *statsPage() const { return m_stats; }

    QTabWidget *const pages;
    TKvLabel *const title;
    PracticeView *const view;
    QLabel *const practising;  // what the practice view holds
    std::array<TdxButton *, 4> modeButtons;  // 顺序, 随机, 错题, 收藏
    QTreeWidget *const topicList;            // 专项练习
    QTreeWidget *const bookList;
    QPushButton *const removeFromBookButton;
    QTreeWidget *const masteredList;
    QPushButton *const practiseMasteredButton;
    QPushButton *const clearMasteredButton;
    QTreeWidget *const favouriteList;
    QPushButton *const unfavouriteButton;
    QTreeWidget *const paperList;
    QPushButton *const openPaperButton;
    // Asks the trainee before something is emptied; a yes-or-no box by default.
    std::function<bool(const QString &question)> confirm;

protected:
    void FormShow() override;

private:
    QWidget *buildPracticePage();
    QWidget *buildBookPage();
    QWidget *buildFavouritePage();
    QWidget *buildPaperPage();
    void updateModeCounts();
    void fillTopics();
    void fillBook();
    void fillFavourites();
    void fillPapers();
    // The bank's question a record entry stands for, or nullptr when the bank no longer
    // holds it as it was.
    const BankQuestion *current(const study::QuestionRef &ref) const;
    QList<const BankQuestion *> questionsFor(study::PracticeMode mode) const;
    void practiseList(study::PracticeMode mode, QList<const BankQuestion *> questions, int start,
                      const QString &what);
    void practiseFromList(QTreeWidgetItem *item, study::PracticeMode mode);
    void removeSelectedFromBook();
    void clearMastered();
    void unfavouriteSelected();
    void tellNotices();

    study::StudyRecord &m_record;
    QString m_bankId;
    BankQuestions m_bank;
    study::PracticeMode m_mode = study::PracticeMode::Sequential;
    QWidget *m_statsSlot = nullptr;  // the 统计 tab, holding the page of the current bank
    StatsPage *m_stats = nullptr;
};

} // namespace practice

// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bankquestions.h"

#include <QWidget>

#include <array>
#include <functional>

class PictureBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace practice {

// Practising a list of questions one at a time: the question, its choices and sign picture,
// the answer buttons; after an answer the verdict, the correct choice, the analysis and the
// knowledge points at once. Left and Right move, and Enter moves on after an answer.
class PracticeView : public QWidget {
    Q_OBJECT
public:
    explicit PracticeView(QWidget *parent = nullptr);

    // The questions to practise (pointers into `bank`, which outlives the view), starting
    // at index `start`.
    void setQuestions(const BankQuestions &bank, QList<const BankQuestion *> questions, int start = 0);
    // Nothing to practise, and no bank: before a way to practise is chosen.
    void clear();
    // Whether a question is starred, asked each time a question is shown.
    void setFavouriteLookup(std::function<bool(const BankQuestion &)> lookup);

    int currentIndex() const { return m_index; }
    int count() const { return int(m_questions.size()); }
    int rightCount() const { return m_right; }
    int wrongCount() const { return m_wrong; }
    const BankQuestion *currentQuestion() const;

    // Answers the question on display with "A", "B" or "C"; a question already answered in
    // this round keeps its first answer.
    void answer(const QString &letter);
    void next();
    void previous();

    QPlainTextEdit *const questionText;
    std::array<QLineEdit *, 3> choiceTexts;
    std::array<QPushButton *, 3> answerButtons;
    PictureBox *const picture;
    QLabel *const verdict;
    QPlainTextEdit *const explanation;  // 评析 and 知识点 in full
    QPushButton *const previousButton;
    QPushButton *const nextButton;
    QPushButton *const favouriteButton;
    QLabel *const progress;

signals:
    // Sent at once for every answer, right judged as the score window judges it.
    void answered(const practice::BankQuestion &question, const QString &given, bool right);
    void favouriteToggled(const practice::BankQuestion &question, bool favourite);
    void positionChanged(const practice::BankQuestion &question);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showCurrent();
    void showFeedback(const QString &given);
    void updateProgress();

    const BankQuestions *m_bank = nullptr;
    QList<const BankQuestion *> m_questions;
    QHash<int, QString> m_given;  // index → answer given in this round
    std::function<bool(const BankQuestion &)> m_isFavourite;
    int m_index = 0;
    int m_right = 0;
    int m_wrong = 0;
};

} // namespace practice

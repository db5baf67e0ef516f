// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practiceview.h"

#include "picturebox.h"
#include "signdisplay.h"

#include "pushbutton.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QVBoxLayout>

namespace practice {

namespace {

const QString Letters[3] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};

// Marks a choice: green for the correct one, red for a wrong one chosen, plain otherwise.
void markChoice(QLineEdit *choice, const char *state)
{
    choice->setProperty("mark", QLatin1String(state));
    if (qstrcmp(state, "right") == 0)
        choice->setStyleSheet(QStringLiteral("QLineEdit { background: #c8f0c8; color: #005000; }"));
    else if (qstrcmp(state, "wrong") == 0)
        choice->setStyleSheet(QStringLiteral("QLineEdit { background: #f8c8c8; color: #800000; }"));
    else
        choice->setStyleSheet({});
}

} // namespace

PracticeView::PracticeView(QWidget *parent)
    : QWidget(parent)
    , questionText(new QPlainTextEdit(this))
    , picture(new PictureBox(this))
    , verdict(new QLabel(this))
    , explanation(new QPlainTextEdit(this))
    , previousButton(new PushButton(QStringLiteral("上一题"), this))
    , nextButton(new PushButton(QStringLiteral("下一题"), this))
    , favouriteButton(new PushButton(QStringLiteral("收藏"), this))
    , progress(new QLabel(this))
{
    questionText->setReadOnly(true);
    questionText->setObjectName(QStringLiteral("questionText"));
    questionText->setAccessibleName(QStringLiteral("题目"));
    questionText->setMaximumHeight(90);
    picture->setObjectName(QStringLiteral("picture"));
    // Sized to its picture as in the exam window, in a frame of its own so that the layout
    // stays put from a question without a picture to one with.
    picture->setAutoSize(true);
    picture->setTransparent(true);
    picture->setAccessibleName(QStringLiteral("标志图"));

    auto *choices = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        answerButtons[i] = new PushButton(u'&' + Letters[i], this);
        answerButtons[i]->setObjectName(QStringLiteral("answer") + Letters[i]);
        answerButtons[i]->setAccessibleName(QStringLiteral("选 %1").arg(Letters[i]));
        answerButtons[i]->setFixedWidth(48);
        // Alt+letter answers whatever the platform's mnemonic setting.
        answerButtons[i]->setShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_A + i)));
        choiceTexts[i] = new QLineEdit(this);
        choiceTexts[i]->setReadOnly(true);
        choiceTexts[i]->setObjectName(QStringLiteral("choice") + Letters[i]);
        choiceTexts[i]->setAccessibleName(QStringLiteral("选项 %1").arg(Letters[i]));
        choices->addWidget(answerButtons[i], i, 0);
        choices->addWidget(choiceTexts[i], i, 1);
        const QString letter = Letters[i];
        connect(answerButtons[i], &QPushButton::clicked, this, [this, letter] { answer(letter); });
    }
    auto *top = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    left->addWidget(questionText);
    left->addLayout(choices);
    top->addLayout(left, 1);
    auto *pictureFrame = new QWidget(this);
    pictureFrame->setFixedSize(124, 124);
    picture->setParent(pictureFrame);
    picture->move(0, 0);
    top->addWidget(pictureFrame, 0, Qt::AlignTop);

    verdict->setObjectName(QStringLiteral("verdict"));
    verdict->setAccessibleName(QStringLiteral("结果"));
    explanation->setReadOnly(true);
    explanation->setObjectName(QStringLiteral("explanation"));
    explanation->setAccessibleName(QStringLiteral("评析与知识点"));
    progress->setObjectName(QStringLiteral("progress"));
    previousButton->setObjectName(QStringLiteral("previous"));
    nextButton->setObjectName(QStringLiteral("next"));
    favouriteButton->setObjectName(QStringLiteral("favourite"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(progress, 1);
    buttons->addWidget(favouriteButton);
    buttons->addWidget(previousButton);
    buttons->addWidget(nextButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(verdict);
    layout->addWidget(explanation, 1);
    layout->addLayout(buttons);

    // Left and Right move whichever control has the focus, the texts included.
    for (auto [key, step] : {std::pair{Qt::Key_Left, &PracticeView::previous}, std::pair{Qt::Key_Right, &PracticeView::next}}) {
        auto *shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, step);
    }
    connect(previousButton, &QPushButton::clicked, this, &PracticeView::previous);
    connect(nextButton, &QPushButton::clicked, this, &PracticeView::next);
    connect(favouriteButton, &QPushButton::clicked, this, [this] {
        const BankQuestion *q = currentQuestion();
        if (!q)
            return;
        const bool starred = !(m_isFavourite && m_isFavourite(*q));
        emit favouriteToggled(*q, starred);
        favouriteButton->setText(starred ? QStringLiteral("取消收藏") : QStringLiteral("收藏"));
    });
    showCurrent();
}

void PracticeView::setQuestions(const BankQuestions &bank, QList<const BankQuestion *> questions, int start)
{
    m_bank = &bank;
    m_questions = std::move(questions);
    m_given.clear();
    m_right = m_wrong = 0;
    m_index = m_questions.isEmpty() ? 0 : qBound(0, start, int(m_questions.size()) - 1);
    showCurrent();
}

void PracticeView::clear()
{
    m_bank = nullptr;
    m_questions.clear();
    m_given.clear();
    m_right = m_wrong = 0;
    m_index = 0;
    showCurrent();
}

void PracticeView::setFavouriteLookup(std::function<bool(const BankQuestion &)> lookup)
{
    m_isFavourite = std::move(lookup);
    showCurrent();
}

const BankQuestion *PracticeView::currentQuestion() const
{
    return m_index < m_questions.size() ? m_questions.at(m_index) : nullptr;
}

void PracticeView::answer(const QString &letter)
{
    const BankQuestion *q = currentQuestion();
    if (!q || m_given.contains(m_index))
        return;
    if (letter == Letters[2] && !q->hasChoiceC())
        return;
    m_given.insert(m_index, letter);
    // Judged as the score window judges: the letter exactly as the key is stored.
    const bool right = letter == q->key;
    ++(right ? m_right : m_wrong);
    showFeedback(letter);
    updateProgress();
    emit answered(*q, letter, right);
    nextButton->setFocus();
}

void PracticeView::next()
{
    if (m_index + 1 < m_questions.size()) {
        ++m_index;
        showCurrent();
    }
}

void PracticeView::previous()
{
    if (m_index > 0) {
        --m_index;
        showCurrent();
    }
}

void PracticeView::showCurrent()
{
    const BankQuestion *q = currentQuestion();
    for (int i = 0; i < 3; ++i)
        markChoice(choiceTexts[i], "");
    verdict->clear();
    explanation->clear();
    picture->clearPicture();
    if (!q) {
        questionText->setPlainText(m_bank ? tr("There are no questions to practise here.") : QString());
        for (int i = 0; i < 3; ++i) {
            choiceTexts[i]->clear();
            answerButtons[i]->setEnabled(false);
        }
        favouriteButton->setEnabled(false);
        updateProgress();
        return;
    }
    questionText->setPlainText(q->question);
    const QString texts[3] = {q->choiceA, q->choiceB, q->choiceC};
    for (int i = 0; i < 3; ++i) {
        const bool offered = i < 2 || q->hasChoiceC();
        choiceTexts[i]->setText(offered ? texts[i] : QString());
        choiceTexts[i]->setCursorPosition(0);
        choiceTexts[i]->setVisible(offered);
        answerButtons[i]->setVisible(offered);
        answerButtons[i]->setEnabled(!m_given.contains(m_index));
    }
    if (!trimBlanks(q->signName).isEmpty())
        SignDisplay::show(*picture, q->signName);
    favouriteButton->setEnabled(true);
    favouriteButton->setText(m_isFavourite && m_isFavourite(*q) ? QStringLiteral("取消收藏") : QStringLiteral("收藏"));
    if (m_given.contains(m_index))
        showFeedback(m_given.value(m_index));
    updateProgress();
    emit positionChanged(*q);
}

void PracticeView::showFeedback(const QString &given)
{
    const BankQuestion &q = *currentQuestion();
    for (int i = 0; i < 3; ++i) {
        answerButtons[i]->setEnabled(false);
        if (Letters[i] == q.key)
            markChoice(choiceTexts[i], "right");
        else if (Letters[i] == given)
            markChoice(choiceTexts[i], "wrong");
    }
    const bool right = given == q.key;
    verdict->setText(right ? QStringLiteral("回答正确") : QStringLiteral("回答错误，正确答案是 %1").arg(trimBlanks(q.key)));
    verdict->setStyleSheet(right ? QStringLiteral("color: #006000; font-weight: bold;")
                                 : QStringLiteral("color: #b00000; font-weight: bold;"));
    QString text = QStringLiteral("评析") + QStringLiteral("：\n") + q.analysis;
    const QStringList points = m_bank ? m_bank->knowledgeTexts(q) : QStringList();
    if (!points.isEmpty()) {
        text += QStringLiteral("\n\n") + QStringLiteral("知识点") + QStringLiteral("：");
        for (QString point : points)
            text += u'\n' + point.replace(QStringLiteral("\r\n"), QStringLiteral("：")) + u'\n';
    }
    explanation->setPlainText(text);
}

void PracticeView::updateProgress()
{
    progress->setText(QStringLiteral("第 %1 / %2 题　答对 %3　答错 %4")
                          .arg(m_questions.isEmpty() ? 0 : m_index + 1)
                          .arg(m_questions.size())
                          .arg(m_right)
                          .arg(m_wrong));
    previousButton->setEnabled(m_index > 0);
    nextButton->setEnabled(m_index + 1 < m_questions.size());
}

void PracticeView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_given.contains(m_index)) {
            next();
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

} // namespace practice

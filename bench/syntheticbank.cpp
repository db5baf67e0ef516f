// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "syntheticbank.h"

#include <QRandomGenerator>

namespace {

// Common characters of driving-test texts, so scrambled lengths and compression behave
// like a real bank's.
const QString kAlphabet = QStringLiteral(
    "驾驶机动车在道路上行驶时应当遵守交通信号灯标志标线减速慢行停车让行人非高速公路最低限速"
    "超车掉头转弯变更车道夜间雾天雨天开启近光灯危险报警闪光灯驾驶证记分实习期饮酒醉酒事故"
    "现场救护伤员，。、？“”（）0123456789");

QString text(QRandomGenerator &random, int length)
{
    QString out;
    out.reserve(length);
    for (int i = 0; i < length; ++i)
        out += kAlphabet[random.bounded(kAlphabet.size())];
    return out;
}

QString code(int index)
{
    return QStringLiteral("%1").arg(index + 1, 5, 10, QLatin1Char('0'));
}

} // namespace

BankContent SyntheticBank::make(int questions, int knowledgePoints, int signs, const QByteArrayList &pictures)
{
    QRandomGenerator random(20261208);
    BankContent bank;

    bank.knowledge.reserve(knowledgePoints);
    for (int i = 0; i < knowledgePoints; ++i)
        bank.knowledge.push_back({code(i), text(random, 8), text(random, 120 + random.bounded(200)), 0});

    bank.signs.reserve(signs);
    for (int i = 0; i < signs && !pictures.isEmpty(); ++i)
        bank.signs.push_back({QStringLiteral("sign%1.jpg").arg(i + 1), pictures[i % pictures.size()], 0});

    bank.questions.reserve(questions);
    for (int i = 0; i < questions; ++i) {
        Question q;
        q.tid = i + 1;
        q.Timu = text(random, 30 + random.bounded(60));
        const bool threeChoices = random.bounded(10) < 6;
        q.ANSWER_A = threeChoices ? text(random, 12) : QStringLiteral("正确");
        q.ANSWER_B = threeChoices ? text(random, 12) : QStringLiteral("错误");
        q.ANSWER_C = threeChoices ? text(random, 12) : QString();
        q.ANALYSIS = text(random, 80 + random.bounded(240));
        for (int k = random.bounded(4); k > 0; --k)
            q.ZHISHIDIAN += code(random.bounded(knowledgePoints));
        q.Key = QString(QChar(u'A' + random.bounded(threeChoices ? 3 : 2)));
        q.Score = 1;
        if (!bank.signs.empty() && random.bounded(3) == 0)
            q.biaozhi = bank.signs[random.bounded(int(bank.signs.size()))].filename;
        bank.questions.push_back(std::move(q));
    }
    return bank;
}

// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// A question bank's content in readable form: texts descrambled, pictures as JPEG bytes.
// `line` is where the record starts in its source file (0 when read from a bank).
struct Question {
    qint32 tid = 0;
    QString Timu;
    QString ANSWER_A;
    QString ANSWER_B;
    QString ANSWER_C;
    QString ANSWER_D;
    QString ANALYSIS;
    QString ZHISHIDIAN;
    QString Key;
    qint32 Score = 0;
    QString biaozhi;
    int line = 0;

    bool operator==(const Question &other) const = default;
};

struct KnowledgePoint {
    QString recno;
    QString Keyword;
    QString knowladge;
    int line = 0;

    bool operator==(const KnowledgePoint &other) const = default;
};

struct SignPicture {
    QString filename;
    QByteArray files;  // the JPEG file
    int line = 0;

    bool operator==(const SignPicture &other) const = default;
};

struct BankContent {
    std::vector<Question> questions;
    std::vector<KnowledgePoint> knowledge;
    std::vector<SignPicture> signs;
};

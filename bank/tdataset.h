// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resultset.h"
#include "sqlcondition.h"
#include "tfield.h"

#include <QObject>

class TADOConnection;

// A dataset whose rows are fetched whole when it opens, so the record count is exact and
// moving by a count is constant time. A filter, when on, hides the rows it does not pass.
class TDataSet : public QObject {
    Q_OBJECT
public:
    explicit TDataSet(QObject *parent = nullptr);

    TADOConnection *Connection = nullptr;

    void Close();
    [[nodiscard]] bool Active() const { return m_active; }

    [[nodiscard]] int RecordCount() const;
    void First();
    void Next();
    void MoveBy(int distance);
    [[nodiscard]] bool Eof() const;

    // Filter text: comparisons such as filename='x' joined by AND and OR, quotes doubled inside.
    void setFilter(const QString &filter);
    [[nodiscard]] QString Filter() const { return m_filter; }
    void setFiltered(bool on);
    [[nodiscard]] bool Filtered() const { return m_filtered; }

    // The column of the current record; throws BankError naming the column when absent.
    [[nodiscard]] TField FieldByName(const QString &name) const;

    [[nodiscard]] const Cell &cell(int column) const;  // of the current record

protected:
    void setResult(ResultSet result);  // activates the dataset on its first record

private:
    void applyFilter();

    void checkActive(const char *message) const;  // message marked for translation; %1: the name
    [[nodiscard]] const std::vector<Cell> *currentRow() const;

    ResultSet m_result;
    SqlCondition m_condition;    // the parsed filter; empty: every row passes
    std::vector<int> m_visible;  // rows that pass the filter, in order
    int m_position = 0;          // index into m_visible; == size at the end
    bool m_active = false;
    QString m_filter;
    bool m_filtered = false;
};

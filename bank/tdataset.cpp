// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tdataset.h"

#include "bankerror.h"

#include <QCoreApplication>

namespace {

const Cell kNoValue;

} // namespace

TDataSet::TDataSet(QObject *parent) : QObject(parent) {}

void TDataSet::Close()
{
    m_active = false;
    m_result = {};
    m_visible.clear();
    m_position = 0;
}

void TDataSet::checkActive(const char *message) const
{
    if (!m_active)
        throw BankError(QCoreApplication::translate("TDataSet", message).arg(objectName()));
}

int TDataSet::RecordCount() const
{
    checkActive(QT_TRANSLATE_NOOP("TDataSet", "%1: cannot count the records of a closed dataset"));
    return int(m_visible.size());
}

void TDataSet::First()
{
    checkActive(QT_TRANSLATE_NOOP("TDataSet", "%1: cannot move in a closed dataset"));
    m_position = 0;
}

void TDataSet::Next()
{
    MoveBy(1);
}

void TDataSet::MoveBy(int distance)
{
    checkActive(QT_TRANSLATE_NOOP("TDataSet", "%1: cannot move in a closed dataset"));
    const qint64 target = qint64(m_position) + distance;
    m_position = int(std::clamp<qint64>(target, 0, qint64(m_visible.size())));
}

bool TDataSet::Eof() const
{
    return !m_active || m_position >= int(m_visible.size());
}

void TDataSet::setFilter(const QString &filter)
{
    SqlCondition condition;
    if (!filter.trimmed().isEmpty())
        condition = SqlCondition::parseFilter(filter);
    if (m_active && m_filtered)
        condition.bind(m_result, objectName());
    m_condition = std::move(condition);
    m_filter = filter;
    if (m_active && m_filtered)
        applyFilter();
}

void TDataSet::setFiltered(bool on)
{
    const bool before = m_filtered;
    m_filtered = on;
    if (!m_active)
        return;
    try {
        applyFilter();
    } catch (...) {
        m_filtered = before;
        throw;
    }
}

void TDataSet::applyFilter()
{
    std::vector<int> visible;
    visible.reserve(m_result.rows.size());
    const bool filtering = m_filtered && !m_condition.isEmpty();
    if (filtering)
        m_condition.bind(m_result, objectName());
    for (std::size_t i = 0; i < m_result.rows.size(); ++i) {
        if (!filtering || m_condition.matches(m_result.rows[i]))
            visible.push_back(int(i));
    }
    m_visible = std::move(visible);
    m_position = 0;
}

void TDataSet::setResult(ResultSet result)
{
    m_result = std::move(result);
    try {
        applyFilter();
    } catch (...) {
        Close();
        throw;
    }
    m_active = true;
}

const std::vector<Cell> *TDataSet::currentRow() const
{
    if (m_visible.empty())
        return nullptr;
    // Past the last record the last one stays current, as it does after Next reaches Eof.
    const std::size_t position = std::min<std::size_t>(std::size_t(m_position), m_visible.size() - 1);
    return &m_result.rows[std::size_t(m_visible[position])];
}

TField TDataSet::FieldByName(const QString &name) const
{
    checkActive(QT_TRANSLATE_NOOP("TDataSet", "%1: cannot read a field of a closed dataset"));
    const int column = m_result.columnIndex(name);
    if (column < 0)
        throw BankError(QCoreApplication::translate("TDataSet", "%1: field '%2' not found").arg(objectName(), name));
    return TField(this, column);
}

const Cell &TDataSet::cell(int column) const
{
    checkActive(QT_TRANSLATE_NOOP("TDataSet", "%1: cannot read a field of a closed dataset"));
    if (column < 0 || column >= m_result.columns.size())
        throw BankError(QCoreApplication::translate("TDataSet", "%1: no field number %2")
                            .arg(objectName()).arg(column));
    const std::vector<Cell> *row = currentRow();
    if (!row || std::size_t(column) >= row->size())
        return kNoValue;
    return (*row)[std::size_t(column)];
}

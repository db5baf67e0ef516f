// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tablereader.h"

#include "bankerror.h"
#include "jetformat.h"
#include "mdbimage.h"

#include <QCoreApplication>
#include <QSet>

#include <cstring>

namespace {

using namespace jet;

// A message lists this many damaged pages at most.
constexpr int kListedPages = 10;

// Jet 4 text (see jetformat.h), read as libmdb reads it: a 00 byte switches mode where a
// character would start.
QString decodeJet4Text(const unsigned char *bytes, qsizetype size)
{
    if (size >= 2 && bytes[0] == text::kCompressedMarker0 && bytes[1] == text::kCompressedMarker1) {
        QString decoded(size - 2, Qt::Uninitialized);
        char16_t *out = reinterpret_cast<char16_t *>(decoded.data());
        qsizetype length = 0;
        bool compressed = true;
        for (qsizetype i = 2; i < size;) {
            if (bytes[i] == text::kModeSwitch) {
                compressed = !compressed;
                ++i;
            } else if (compressed) {
                out[length++] = bytes[i++];
            } else if (i + 1 < size) {
                out[length++] = char16_t(bytes[i] | (bytes[i + 1] << 8));
                i += 2;
            } else {
                break;
            }
        }
        decoded.truncate(length);
        return decoded;
    }
    QString decoded(size / 2, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(decoded.data());
    for (qsizetype i = 0; i < size / 2; ++i)
        out[i] = char16_t(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    return decoded;
}

// The number of bytes a fixed-size type occupies in a row.
int fixedWidth(int type)
{
    switch (type) {
    case MDB_BYTE: return 1;
    case MDB_INT: return 2;
    case MDB_LONGINT:
    case MDB_COMPLEX:
    case MDB_FLOAT: return 4;
    case MDB_MONEY:
    case MDB_DOUBLE:
    case MDB_DATETIME: return 8;
    case MDB_REPID: return 16;
    case MDB_NUMERIC: return 17;
    default: return 0;
    }
}

} // namespace

TableReader::TableReader(MdbImage &image, const QString &tableName, quint32 definitionPage)
    : m_image(image), m_tableName(tableName), m_definitionPage(definitionPage)
{
    const QuietLibrary quiet;
    checkDefinitionPage(definitionPage);

    m_entry.mdb = image.handle();
    m_entry.object_type = MDB_TABLE;
    m_entry.table_pg = definitionPage;
    const QByteArray name = tableName.toUtf8().left(MDB_MAX_OBJ_NAME);
    std::memcpy(m_entry.object_name, name.constData(), std::size_t(name.size()));

    auto fail = [&](const QString &problem) {
        return BankError(QCoreApplication::translate("TableReader", "%1 is damaged: table '%2', definition page %3: %4")
                             .arg(image.fileName(), tableName).arg(definitionPage).arg(problem));
    };
    m_table.reset(mdb_read_table(&m_entry));
    if (!m_table)
        throw fail(QCoreApplication::translate("TableReader", "the table definition cannot be read"));
    // libmdb reads the page usage map without checking its size and later indexes it.
    if (!m_table->usage_map || m_table->map_sz < 1)
        throw fail(QCoreApplication::translate("TableReader", "the page usage map is missing"));
    if (!mdb_read_columns(m_table.get()) || m_table->columns->len != m_table->num_cols)
        throw fail(QCoreApplication::translate("TableReader", "the column definitions cannot be read"));

    for (unsigned i = 0; i < m_table->num_cols; ++i) {
        const auto *column = static_cast<const MdbColumn *>(g_ptr_array_index(m_table->columns, i));
        m_columnNames.append(QString::fromUtf8(column->name));
    }
}

TableReader::~TableReader() = default;

void TableReader::checkDefinitionPage(quint32 definitionPage) const
{
    auto fail = [&](const QString &problem) {
        return BankError(QCoreApplication::translate("TableReader", "%1 is damaged: table '%2', definition page %3: %4")
                             .arg(m_image.fileName(), m_tableName).arg(definitionPage).arg(problem));
    };
    const QByteArrayView page = m_image.page(definitionPage);
    if (page.isEmpty())
        throw fail(QCoreApplication::translate("TableReader", "the page lies beyond the end of the file"));
    if (quint8(page[0]) != kTableDefinitionPageType)
        throw fail(QCoreApplication::translate("TableReader", "the page is no table definition (type %1)")
                       .arg(quint8(page[0])));
    const bool jet3 = m_image.isJet3();
    const auto columns = read16(page, jet3 ? tdef::kJet3ColumnCountOffset : tdef::kJet4ColumnCountOffset);
    const auto realIndexes = read32(page, jet3 ? tdef::kJet3RealIndexCountOffset : tdef::kJet4RealIndexCountOffset);
    if (!columns || !realIndexes)
        throw fail(QCoreApplication::translate("TableReader", "the page is cut short"));
    if (*columns > tdef::kMaxColumns)
        throw fail(QCoreApplication::translate("TableReader", "%1 columns, more than a table can hold").arg(*columns));
    if (*realIndexes > tdef::kMaxRealIndexes)
        throw fail(QCoreApplication::translate("TableReader", "%1 indexes, more than a table can hold")
                       .arg(*realIndexes));
}

ResultSet TableReader::readAll(const std::vector<int> *wanted)
{
    ResultSet result;
    result.columns = m_columnNames;
    const unsigned columnCount = m_table->num_cols;
    if (columnCount == 0)
        return result;

    std::vector<const MdbColumn *> columns(columnCount);
    for (unsigned i = 0; i < columnCount; ++i) {
        auto *column = static_cast<MdbColumn *>(g_ptr_array_index(m_table->columns, i));
        // Unbound columns make libmdb only locate each field, without converting it to text.
        column->bind_ptr = nullptr;
        column->len_ptr = nullptr;
        columns[i] = column;
    }
    std::vector<int> all;
    if (!wanted) {
        all.resize(columnCount);
        for (unsigned i = 0; i < columnCount; ++i)
            all[i] = int(i);
        wanted = &all;
    }
    for (int index : *wanted) {
        if (index < 0 || unsigned(index) >= columnCount)
            throw BankError(QCoreApplication::translate("TableReader", "%1: table '%2' has no column %3")
                                .arg(m_image.fileName(), m_tableName).arg(index));
    }

    const std::vector<quint32> pages = dataPages();
    std::vector<MdbField> fields(columnCount);
    // The stored row count is a hint only; a damaged one must not reserve gigabytes.
    result.rows.reserve(std::min<std::size_t>(m_table->num_rows, pages.size() * 256));
    const QuietLibrary quiet;
    for (const quint32 page : pages)
        readPage(page, *wanted, columns, fields, result);
    m_row = -1;
    return result;
}

// The pages the usage map names, each checked to be a data page of this table. libmdb
// would only warn about a page that is not and read on without its rows.
std::vector<quint32> TableReader::dataPages() const
{
    const QByteArrayView map(reinterpret_cast<const char *>(m_table->usage_map), qsizetype(m_table->map_sz));
    const quint32 pageCount = m_image.pageCount();
    auto mapFail = [&](const QString &problem) {
        return BankError(QCoreApplication::translate("TableReader", "%1 is damaged: table '%2', definition page %3: %4")
                             .arg(m_image.fileName(), m_tableName).arg(m_definitionPage).arg(problem));
    };

    std::vector<quint32> named;
    auto addBits = [&](QByteArrayView bits, quint64 first) {
        for (qsizetype i = 0; i < bits.size(); ++i) {
            const auto byte = quint8(bits[i]);
            if (byte == 0)
                continue;
            for (int bit = 0; bit < 8; ++bit) {
                if (!(byte & (1u << bit)))
                    continue;
                const quint64 page = first + quint64(i) * 8 + quint64(bit);
                if (page >= pageCount)
                    throw mapFail(QCoreApplication::translate("TableReader", "the page usage map names page %1, beyond "
                                                                             "the end of the file (%2 pages)")
                                      .arg(page).arg(pageCount));
                named.push_back(quint32(page));
            }
        }
    };
    if (map.isEmpty())
        throw mapFail(QCoreApplication::translate("TableReader", "the page usage map is empty"));
    if (quint8(map[0]) == usagemap::kInline) {
        if (map.size() < usagemap::kInlineBitmapOffset)
            throw mapFail(QCoreApplication::translate("TableReader", "the page usage map is cut short (%1 bytes)")
                              .arg(map.size()));
        addBits(map.sliced(usagemap::kInlineBitmapOffset), get32(map, usagemap::kInlineStartOffset));
    } else if (quint8(map[0]) == usagemap::kIndirect) {
        const quint64 pagesPerBitmap = quint64(usagemap::pagesPerBitmapPage(m_image.pageSize()));
        for (qsizetype k = 0; inRange(map, 1 + 4 * k, 4); ++k) {
            const quint32 mapPage = get32(map, 1 + 4 * k);
            if (mapPage == 0)
                continue;
            const QByteArrayView bitmap = m_image.page(mapPage);
            if (bitmap.isEmpty() || quint8(bitmap[0]) != kUsageMapPageType)
                throw mapFail(QCoreApplication::translate("TableReader", "the page usage map points to page %1, which "
                                                                         "is no usage map page")
                                  .arg(mapPage));
            addBits(bitmap.sliced(usagemap::kBitmapPageHeader), quint64(k) * pagesPerBitmap);
        }
    } else {
        throw mapFail(QCoreApplication::translate("TableReader", "the page usage map is of unknown type %1")
                          .arg(quint8(map[0])));
    }

    QStringList wrong;
    qsizetype wrongCount = 0;
    for (const quint32 number : named) {
        const QByteArrayView page = m_image.page(number);
        const quint32 owner = read32(page, datapage::kOwnerOffset).value_or(0);
        const bool ours = !page.isEmpty() && quint8(page[0]) == kDataPageType && owner == m_definitionPage;
        if (ours)
            continue;
        if (++wrongCount <= kListedPages) {
            if (page.isEmpty())
                wrong << QCoreApplication::translate("TableReader", "page %1 is cut short at the end of the file")
                             .arg(number);
            else if (quint8(page[0]) == kDataPageType)
                wrong << QCoreApplication::translate("TableReader", "page %1 is a data page of the table defined on page %2")
                             .arg(number).arg(owner);
            else
                wrong << QCoreApplication::translate("TableReader", "page %1 is no data page (page type 0x%2)")
                             .arg(number).arg(quint8(page[0]), 2, 16, QLatin1Char('0'));
        }
    }
    if (wrongCount > 0) {
        if (wrongCount > kListedPages)
            wrong << QCoreApplication::translate("TableReader", "%1 more").arg(wrongCount - kListedPages);
        const QString list = wrong.join(QStringLiteral("; "));
        if (wrongCount == 1)
            throw BankError(QCoreApplication::translate("TableReader", "%1 is damaged: table '%2': its usage map names 1 page "
                                                        "that is no data page of the table: %3")
                                .arg(m_image.fileName(), m_tableName, list));
        throw BankError(QCoreApplication::translate("TableReader", "%1 is damaged: table '%2': its usage map names %3 pages "
                                                    "that are no data pages of the table: %4")
                            .arg(m_image.fileName(), m_tableName).arg(wrongCount).arg(list));
    }
    return named;
}

void TableReader::readPage(quint32 page, const std::vector<int> &wanted, const std::vector<const MdbColumn *> &columns,
                           std::vector<MdbField> &fields, ResultSet &result)
{
    m_page = page;
    m_row = -1;
    if (!m_image.loadPage(page))
        damagedRow(QCoreApplication::translate("TableReader", "the page cannot be read"));
    const QByteArrayView bytes(reinterpret_cast<const char *>(m_image.handle()->pg_buf), m_image.pageSize());
    const int rowCountOffset = m_image.rowCountOffset();
    const quint16 rows = get16(bytes, rowCountOffset);
    const qsizetype firstRowByte = rowCountOffset + 2 + 2 * qsizetype(rows);
    if (firstRowByte > bytes.size())
        damagedRow(QCoreApplication::translate("TableReader", "%1 rows cannot fit the page").arg(rows));

    for (int row = 0; row < rows; ++row) {
        m_row = row;
        quint16 start = get16(bytes, rowCountOffset + 2 + 2 * row);
        if (start & datapage::kRowDeleted)
            continue;
        start &= datapage::kRowOffsetMask;
        const quint16 end = row == 0 ? quint16(bytes.size())
                                     : quint16(get16(bytes, rowCountOffset + 2 * row) & datapage::kRowOffsetMask);
        if (start < firstRowByte || start >= end || end > bytes.size())
            damagedRow(QCoreApplication::translate("TableReader", "the row has no valid extent (bytes %1 to %2)")
                           .arg(start).arg(end));
        if (mdb_crack_row(m_table.get(), start, std::size_t(end - start), fields.data()) < 0)
            damagedRow(QCoreApplication::translate("TableReader", "the row cannot be split into its fields"));
        std::vector<Cell> cells(columns.size());
        for (int index : wanted)
            cells[std::size_t(index)] = readField(fields[std::size_t(index)], *columns[std::size_t(index)]);
        result.rows.push_back(std::move(cells));
    }
}

Cell TableReader::readField(const MdbField &field, const MdbColumn &column)
{
    // A Boolean lives in the null mask: a set bit is true.
    if (column.col_type == MDB_BOOL)
        return qint64(field.is_null ? 0 : 1);
    if (field.is_null)
        return {};

    MdbHandle *mdb = m_image.handle();
    const int pageSize = m_image.pageSize();
    if (field.start < 0 || field.siz < 0 || field.start + field.siz > pageSize)
        damaged(column, QCoreApplication::translate("TableReader", "the field lies outside its page"));
    const unsigned char *bytes = mdb->pg_buf + field.start;
    const int size = field.siz;
    const QByteArrayView value(reinterpret_cast<const char *>(bytes), size);

    const int width = fixedWidth(column.col_type);
    if (size < width)
        damaged(column, QCoreApplication::translate("TableReader", "%1 bytes where the type needs %2")
                            .arg(size).arg(width));

    switch (column.col_type) {
    case MDB_BYTE:
        return qint64(bytes[0]);
    case MDB_INT:
        return qint64(qint16(get16(value, 0)));
    case MDB_LONGINT:
    case MDB_COMPLEX:
        return qint64(qint32(get32(value, 0)));
    case MDB_FLOAT:
        return double(getFloat(value, 0));
    case MDB_DOUBLE:
    case MDB_DATETIME:
        return getDouble(value, 0);
    case MDB_MONEY:
        return double(qint64(get64(value, 0))) / 10000.0;
    case MDB_NUMERIC: {
        char *text = mdb_numeric_to_string(mdb, field.start, column.col_scale, column.col_prec);
        const QString value = QString::fromUtf8(text);
        g_free(text);
        bool ok = false;
        const double number = value.toDouble(&ok);
        return ok ? Cell(number) : Cell(value);
    }
    case MDB_REPID: {
        char *text = mdb_uuid_to_string(bytes, 0);
        const QString value = QString::fromLatin1(text);
        g_free(text);
        return value;
    }
    case MDB_TEXT:
        return decodeText(bytes, size);
    case MDB_MEMO: {
        const QByteArray value = readLongValue(bytes, size, column);
        return decodeText(reinterpret_cast<const unsigned char *>(value.constData()), value.size());
    }
    case MDB_OLE:
        return readLongValue(bytes, size, column);
    default:  // Binary and types this program does not use: the bytes as stored
        return QByteArray(reinterpret_cast<const char *>(bytes), size);
    }
}

QString TableReader::decodeText(const unsigned char *bytes, qsizetype size)
{
    if (!m_image.isJet3())
        return decodeJet4Text(bytes, size);
    // Jet 3 text is in the file's code page; libmdb knows which.
    m_conversion.resize(std::size_t(size) * 4 + 1);
    const int length = mdb_unicode2ascii(m_image.handle(), reinterpret_cast<const char *>(bytes), std::size_t(size),
                                         m_conversion.data(), m_conversion.size());
    return QString::fromUtf8(m_conversion.data(), length);
}

QByteArrayView TableReader::findRow(quint32 pageRow, const MdbColumn &column) const
{
    const quint32 pageNumber = addressPage(pageRow);
    const int row = addressRow(pageRow);
    const QByteArrayView page = m_image.page(pageNumber);
    if (page.isEmpty())
        damaged(column, QCoreApplication::translate("TableReader", "long value on page %1 beyond the end of the file")
                            .arg(pageNumber));
    if (quint8(page[0]) != kDataPageType)
        damaged(column, QCoreApplication::translate("TableReader", "long value on page %1, which is no data page")
                            .arg(pageNumber));
    const int rowCountOffset = m_image.rowCountOffset();
    const auto rows = read16(page, rowCountOffset);
    auto start = read16(page, rowCountOffset + 2 + row * 2);
    auto end = row == 0 ? std::optional(quint16(page.size())) : read16(page, rowCountOffset + row * 2);
    if (!rows || row >= *rows || !start || !end)
        damaged(column, QCoreApplication::translate("TableReader", "long value row %1 missing on page %2")
                            .arg(row).arg(pageNumber));
    *start &= datapage::kRowOffsetMask;
    if (row > 0)
        *end &= datapage::kRowOffsetMask;
    if (*start > *end || *end > page.size())
        damaged(column, QCoreApplication::translate("TableReader", "long value row %1 on page %2 has no valid extent")
                            .arg(row).arg(pageNumber));
    return page.sliced(*start, *end - *start);
}

QByteArray TableReader::readLongValue(const unsigned char *pointer, int size, const MdbColumn &column)
{
    if (size == 0)
        return {};
    if (size < longvalue::kPointerSize)
        damaged(column, QCoreApplication::translate("TableReader", "long value pointer of %1 bytes").arg(size));
    const QByteArrayView field(reinterpret_cast<const char *>(pointer), size);
    const quint32 header = get32(field, longvalue::kLengthOffset);
    const quint32 length = header & longvalue::kLengthMask;
    if (length == 0)
        return {};
    const quint32 firstRow = get32(field, longvalue::kAddressOffset);

    if (header & longvalue::kInline) {
        if (length > quint32(size - longvalue::kPointerSize))
            damaged(column, QCoreApplication::translate("TableReader", "inline long value of %1 bytes in a field of %2")
                                .arg(length).arg(size));
        return field.sliced(longvalue::kPointerSize, qsizetype(length)).toByteArray();
    }
    if (header & longvalue::kSingleRow) {
        const QByteArrayView row = findRow(firstRow, column);
        if (length > quint32(row.size()))
            damaged(column, QCoreApplication::translate("TableReader", "long value of %1 bytes in a row of %2")
                                .arg(length).arg(row.size()));
        return row.first(qsizetype(length)).toByteArray();
    }

    // A chain: no longer than the stated length, and visiting no row twice.
    QByteArray value;
    value.reserve(qsizetype(std::min<quint64>(length, quint64(m_image.pageCount()) * quint64(m_image.pageSize()))));
    QSet<quint32> visited;
    quint32 next = firstRow;
    while (quint32(value.size()) < length) {
        if (next == 0)
            damaged(column, QCoreApplication::translate("TableReader", "long value ends after %1 of %2 bytes")
                                .arg(value.size()).arg(length));
        if (visited.contains(next))
            damaged(column, QCoreApplication::translate("TableReader", "long value chain loops back to page %1 row %2")
                                .arg(addressPage(next)).arg(addressRow(next)));
        visited.insert(next);
        const QByteArrayView row = findRow(next, column);
        if (row.size() < longvalue::kChainLinkSize)
            damaged(column, QCoreApplication::translate("TableReader", "long value row of %1 bytes").arg(row.size()));
        next = get32(row, 0);
        const qsizetype take = std::min<qsizetype>(row.size() - longvalue::kChainLinkSize, qsizetype(length) - value.size());
        value.append(row.sliced(longvalue::kChainLinkSize, take));
    }
    return value;
}

void TableReader::damagedRow(const QString &problem) const
{
    const QString where = m_row < 0 ? QCoreApplication::translate("TableReader", "page %1").arg(m_page)
                                    : QCoreApplication::translate("TableReader", "page %1, row %2")
                                          .arg(m_page).arg(m_row);
    throw BankError(QCoreApplication::translate("TableReader", "%1 is damaged: table '%2', %3: %4")
                        .arg(m_image.fileName(), m_tableName, where, problem));
}

void TableReader::damaged(const MdbColumn &column, const QString &problem) const
{
    throw BankError(QCoreApplication::translate("TableReader", "%1 is damaged: table '%2', page %3, row %4, column '%5': %6")
                        .arg(m_image.fileName(), m_tableName)
                        .arg(m_page)
                        .arg(m_row)
                        .arg(QString::fromUtf8(column.name), problem));
}

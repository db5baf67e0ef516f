#include "tablereader.h"

#include "bankerror.h"
#include "mdbimage.h"

#include <QSet>

#include <cstring>

namespace {

// Row offsets on a data page keep flags in their top bits; the offset is the low 13 bits.
// 0x4000 marks a deleted row (Access writes 0xC000), which readers pass over.
constexpr unsigned kRowOffsetMask = 0x1FFF;
constexpr unsigned kRowDeleted = 0x4000;

// Data page header: 0x00 page type 0x01, 0x04 the page of the owning table's definition (4).
constexpr int kDataPageOwnerOffset = 4;

// Usage map (a table's list of its data pages), first byte the map type:
//   type 0: 4-byte first page, then a bitmap, bit i = page first + i
//   type 1: 4-byte page numbers of bitmap pages (type 0x05); bitmap page k starts at byte 4
//           and covers pages k * (page size - 4) * 8 onwards
constexpr quint8 kInlineMap = 0;
constexpr quint8 kPagedMap = 1;
constexpr quint8 kMapPageType = 0x05;
constexpr int kMapPageBitmapOffset = 4;
// A message lists this many damaged pages at most.
constexpr int kListedPages = 10;

// Table definition page (TDEF), the fields checked before libmdb reads it:
//   0x00  page type 0x02
//   Jet 4: 0x2B variable column count (2), 0x2D column count (2), 0x33 real index count (4)
//   Jet 3: 0x17 variable column count (2), 0x19 column count (2), 0x1F real index count (4)
constexpr quint8 kTableDefinitionPageType = 0x02;
constexpr int kJet4ColumnCountOffset = 0x2D;
constexpr int kJet4RealIndexCountOffset = 0x33;
constexpr int kJet3ColumnCountOffset = 0x19;
constexpr int kJet3RealIndexCountOffset = 0x1F;
// Jet keeps at most 255 columns and 32 indexes per table; libmdb trusts the counts.
constexpr quint32 kMaxColumns = 256;
constexpr quint32 kMaxRealIndexes = 256;

// Long-value pointer in a Memo or OLE Object field (12 bytes):
//   0  length (low 30 bits) with flags 0x80000000 "data follows inline",
//      0x40000000 "one long-value row", neither "a chain of long-value rows"
//   4  page << 8 | row of the first long-value row
//   8  unused
// A chain row starts with the 4-byte page << 8 | row of the next row (0 ends the chain).
constexpr int kLongValuePointerSize = 12;
constexpr quint32 kLongValueInline = 0x80000000u;
constexpr quint32 kLongValueSingleRow = 0x40000000u;
constexpr quint32 kLongValueLengthMask = 0x3FFFFFFFu;
constexpr quint8 kDataPageType = 0x01;

quint16 getU16(const unsigned char *bytes)
{
    return quint16(bytes[0] | (bytes[1] << 8));
}

quint32 getU32(const unsigned char *bytes)
{
    return quint32(bytes[0]) | (quint32(bytes[1]) << 8) | (quint32(bytes[2]) << 16) | (quint32(bytes[3]) << 24);
}

quint64 getU64(const unsigned char *bytes)
{
    return quint64(getU32(bytes)) | (quint64(getU32(bytes + 4)) << 32);
}

// Bounds-checked reads from a page.
bool getU16(QByteArrayView page, qsizetype offset, quint16 &value)
{
    if (offset < 0 || offset + 2 > page.size())
        return false;
    value = getU16(reinterpret_cast<const unsigned char *>(page.data()) + offset);
    return true;
}

bool getU32(QByteArrayView page, qsizetype offset, quint32 &value)
{
    if (offset < 0 || offset + 4 > page.size())
        return false;
    value = getU32(reinterpret_cast<const unsigned char *>(page.data()) + offset);
    return true;
}

double getDouble(const unsigned char *bytes)
{
    const quint64 bits = getU64(bytes);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

float getFloat(const unsigned char *bytes)
{
    const quint32 bits = getU32(bytes);
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Jet 4 text: UCS-2 little-endian, or "compressed" when it starts with FF FE: then single
// bytes stand for U+0000-U+00FF and a 00 byte switches between single bytes and UCS-2 pairs.
QString decodeJet4Text(const unsigned char *bytes, qsizetype size)
{
    if (size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        QString text(size - 2, Qt::Uninitialized);
        char16_t *out = reinterpret_cast<char16_t *>(text.data());
        qsizetype length = 0;
        bool compressed = true;
        for (qsizetype i = 2; i < size;) {
            if (bytes[i] == 0) {
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
        text.truncate(length);
        return text;
    }
    QString text(size / 2, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < size / 2; ++i)
        out[i] = char16_t(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    return text;
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
        return BankError(QStringLiteral("%1 is damaged: table '%2', definition page %3: %4")
                             .arg(image.fileName(), tableName).arg(definitionPage).arg(problem));
    };
    m_table.reset(mdb_read_table(&m_entry));
    if (!m_table)
        throw fail(QStringLiteral("the table definition cannot be read"));
    // libmdb reads the page usage map without checking its size and later indexes it.
    if (!m_table->usage_map || m_table->map_sz < 1)
        throw fail(QStringLiteral("the page usage map is missing"));
    if (!mdb_read_columns(m_table.get()) || m_table->columns->len != m_table->num_cols)
        throw fail(QStringLiteral("the column definitions cannot be read"));

    for (unsigned i = 0; i < m_table->num_cols; ++i) {
        const auto *column = static_cast<const MdbColumn *>(g_ptr_array_index(m_table->columns, i));
        m_columnNames.append(QString::fromUtf8(column->name));
    }
}

TableReader::~TableReader() = default;

void TableReader::checkDefinitionPage(quint32 definitionPage) const
{
    auto fail = [&](const QString &problem) {
        return BankError(QStringLiteral("%1 is damaged: table '%2', definition page %3: %4")
                             .arg(m_image.fileName(), m_tableName).arg(definitionPage).arg(problem));
    };
    const QByteArrayView page = m_image.page(definitionPage);
    if (page.isEmpty())
        throw fail(QStringLiteral("the page lies beyond the end of the file"));
    if (quint8(page[0]) != kTableDefinitionPageType)
        throw fail(QStringLiteral("the page is no table definition (type %1)").arg(quint8(page[0])));
    const bool jet3 = m_image.isJet3();
    quint16 columns = 0;
    quint32 realIndexes = 0;
    if (!getU16(page, jet3 ? kJet3ColumnCountOffset : kJet4ColumnCountOffset, columns)
        || !getU32(page, jet3 ? kJet3RealIndexCountOffset : kJet4RealIndexCountOffset, realIndexes))
        throw fail(QStringLiteral("the page is cut short"));
    if (columns > kMaxColumns)
        throw fail(QStringLiteral("%1 columns, more than a table can hold").arg(columns));
    if (realIndexes > kMaxRealIndexes)
        throw fail(QStringLiteral("%1 indexes, more than a table can hold").arg(realIndexes));
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
            throw BankError(QStringLiteral("%1: table '%2' has no column %3").arg(m_image.fileName(), m_tableName).arg(index));
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
    const auto *map = reinterpret_cast<const unsigned char *>(m_table->usage_map);
    const auto mapSize = qsizetype(m_table->map_sz);
    const quint32 pageCount = m_image.pageCount();
    auto mapFail = [&](const QString &problem) {
        return BankError(QStringLiteral("%1 is damaged: table '%2', definition page %3: the page usage map %4")
                             .arg(m_image.fileName(), m_tableName).arg(m_definitionPage).arg(problem));
    };

    std::vector<quint32> named;
    auto addBits = [&](const unsigned char *bits, qsizetype bytes, quint64 first) {
        for (qsizetype i = 0; i < bytes; ++i) {
            if (bits[i] == 0)
                continue;
            for (int bit = 0; bit < 8; ++bit) {
                if (!(bits[i] & (1u << bit)))
                    continue;
                const quint64 page = first + quint64(i) * 8 + quint64(bit);
                if (page >= pageCount)
                    throw mapFail(QStringLiteral("names page %1, beyond the end of the file (%2 pages)").arg(page).arg(pageCount));
                named.push_back(quint32(page));
            }
        }
    };
    if (map[0] == kInlineMap) {
        if (mapSize < 5)
            throw mapFail(QStringLiteral("is cut short (%1 bytes)").arg(mapSize));
        addBits(map + 5, mapSize - 5, getU32(map + 1));
    } else if (map[0] == kPagedMap) {
        const qsizetype bitmapBytes = m_image.pageSize() - kMapPageBitmapOffset;
        for (qsizetype k = 0; 1 + 4 * k + 4 <= mapSize; ++k) {
            const quint32 mapPage = getU32(map + 1 + 4 * k);
            if (mapPage == 0)
                continue;
            const QByteArrayView bitmap = m_image.page(mapPage);
            if (bitmap.isEmpty() || quint8(bitmap[0]) != kMapPageType)
                throw mapFail(QStringLiteral("points to page %1, which is no usage map page").arg(mapPage));
            addBits(reinterpret_cast<const unsigned char *>(bitmap.data()) + kMapPageBitmapOffset, bitmapBytes,
                    quint64(k) * quint64(bitmapBytes) * 8);
        }
    } else {
        throw mapFail(QStringLiteral("is of unknown type %1").arg(map[0]));
    }

    QStringList wrong;
    qsizetype wrongCount = 0;
    for (const quint32 number : named) {
        const QByteArrayView page = m_image.page(number);
        quint32 owner = 0;
        const bool ours = !page.isEmpty() && quint8(page[0]) == kDataPageType
            && getU32(page, kDataPageOwnerOffset, owner) && owner == m_definitionPage;
        if (ours)
            continue;
        if (++wrongCount <= kListedPages) {
            wrong << (page.isEmpty() ? QStringLiteral("page %1 is cut short at the end of the file").arg(number)
                      : quint8(page[0]) == kDataPageType
                          ? QStringLiteral("page %1 is a data page of the table defined on page %2").arg(number).arg(owner)
                          : QStringLiteral("page %1 is no data page (page type 0x%2)")
                                .arg(number).arg(quint8(page[0]), 2, 16, QLatin1Char('0')));
        }
    }
    if (wrongCount > 0) {
        if (wrongCount > kListedPages)
            wrong << QStringLiteral("%1 more").arg(wrongCount - kListedPages);
        throw BankError(QStringLiteral("%1 is damaged: table '%2': its usage map names %3 %4 that %5 no data %4 of the table: %6")
                            .arg(m_image.fileName(), m_tableName)
                            .arg(wrongCount)
                            .arg(wrongCount == 1 ? QStringLiteral("page") : QStringLiteral("pages"))
                            .arg(wrongCount == 1 ? QStringLiteral("is") : QStringLiteral("are"))
                            .arg(wrong.join(QStringLiteral("; "))));
    }
    return named;
}

void TableReader::readPage(quint32 page, const std::vector<int> &wanted, const std::vector<const MdbColumn *> &columns,
                           std::vector<MdbField> &fields, ResultSet &result)
{
    m_page = page;
    m_row = -1;
    if (!m_image.loadPage(page))
        damagedRow(QStringLiteral("the page cannot be read"));
    const QByteArrayView bytes(reinterpret_cast<const char *>(m_image.handle()->pg_buf), m_image.pageSize());
    const int rowCountOffset = m_image.rowCountOffset();
    quint16 rows = 0;
    (void)getU16(bytes, rowCountOffset, rows);
    const qsizetype firstRowByte = rowCountOffset + 2 + 2 * qsizetype(rows);
    if (firstRowByte > bytes.size())
        damagedRow(QStringLiteral("%1 rows cannot fit the page").arg(rows));

    for (int row = 0; row < rows; ++row) {
        m_row = row;
        quint16 start = 0;
        quint16 end = quint16(bytes.size());
        (void)getU16(bytes, rowCountOffset + 2 + 2 * row, start);
        if (start & kRowDeleted)
            continue;
        if (row > 0) {
            (void)getU16(bytes, rowCountOffset + 2 * row, end);
            end &= kRowOffsetMask;
        }
        start &= kRowOffsetMask;
        if (start < firstRowByte || start >= end || end > bytes.size())
            damagedRow(QStringLiteral("the row has no valid extent (bytes %1 to %2)").arg(start).arg(end));
        if (mdb_crack_row(m_table.get(), start, std::size_t(end - start), fields.data()) < 0)
            damagedRow(QStringLiteral("the row cannot be split into its fields"));
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
        damaged(column, QStringLiteral("the field lies outside its page"));
    const unsigned char *bytes = mdb->pg_buf + field.start;
    const int size = field.siz;

    const int width = fixedWidth(column.col_type);
    if (size < width)
        damaged(column, QStringLiteral("%1 bytes where the type needs %2").arg(size).arg(width));

    switch (column.col_type) {
    case MDB_BYTE:
        return qint64(bytes[0]);
    case MDB_INT:
        return qint64(qint16(getU16(bytes)));
    case MDB_LONGINT:
    case MDB_COMPLEX:
        return qint64(qint32(getU32(bytes)));
    case MDB_FLOAT:
        return double(getFloat(bytes));
    case MDB_DOUBLE:
    case MDB_DATETIME:
        return getDouble(bytes);
    case MDB_MONEY:
        return double(qint64(getU64(bytes))) / 10000.0;
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
    const quint32 pageNumber = pageRow >> 8;
    const int row = int(pageRow & 0xFF);
    const QByteArrayView page = m_image.page(pageNumber);
    if (page.isEmpty())
        damaged(column, QStringLiteral("long value on page %1 beyond the end of the file").arg(pageNumber));
    if (quint8(page[0]) != kDataPageType)
        damaged(column, QStringLiteral("long value on page %1, which is no data page").arg(pageNumber));
    const int rowCountOffset = m_image.rowCountOffset();
    quint16 rows = 0;
    quint16 start = 0;
    quint16 end = quint16(page.size());
    if (!getU16(page, rowCountOffset, rows) || row >= rows
        || !getU16(page, rowCountOffset + 2 + row * 2, start)
        || (row > 0 && !getU16(page, rowCountOffset + row * 2, end)))
        damaged(column, QStringLiteral("long value row %1 missing on page %2").arg(row).arg(pageNumber));
    start &= kRowOffsetMask;
    if (row > 0)
        end &= kRowOffsetMask;
    if (start > end || end > page.size())
        damaged(column, QStringLiteral("long value row %1 on page %2 has no valid extent").arg(row).arg(pageNumber));
    return page.sliced(start, end - start);
}

QByteArray TableReader::readLongValue(const unsigned char *pointer, int size, const MdbColumn &column)
{
    if (size == 0)
        return {};
    if (size < kLongValuePointerSize)
        damaged(column, QStringLiteral("long value pointer of %1 bytes").arg(size));
    const quint32 header = getU32(pointer);
    const quint32 length = header & kLongValueLengthMask;
    if (length == 0)
        return {};
    const quint32 firstRow = getU32(pointer + 4);

    if (header & kLongValueInline) {
        if (length > quint32(size - kLongValuePointerSize))
            damaged(column, QStringLiteral("inline long value of %1 bytes in a field of %2").arg(length).arg(size));
        return QByteArray(reinterpret_cast<const char *>(pointer + kLongValuePointerSize), qsizetype(length));
    }
    if (header & kLongValueSingleRow) {
        const QByteArrayView row = findRow(firstRow, column);
        if (length > quint32(row.size()))
            damaged(column, QStringLiteral("long value of %1 bytes in a row of %2").arg(length).arg(row.size()));
        return row.first(qsizetype(length)).toByteArray();
    }

    // A chain: no longer than the stated length, and visiting no row twice.
    QByteArray value;
    value.reserve(qsizetype(std::min<quint64>(length, quint64(m_image.pageCount()) * quint64(m_image.pageSize()))));
    QSet<quint32> visited;
    quint32 next = firstRow;
    while (quint32(value.size()) < length) {
        if (next == 0)
            damaged(column, QStringLiteral("long value ends after %1 of %2 bytes").arg(value.size()).arg(length));
        if (visited.contains(next))
            damaged(column, QStringLiteral("long value chain loops back to page %1 row %2").arg(next >> 8).arg(next & 0xFF));
        visited.insert(next);
        const QByteArrayView row = findRow(next, column);
        if (row.size() < 4)
            damaged(column, QStringLiteral("long value row of %1 bytes").arg(row.size()));
        next = getU32(reinterpret_cast<const unsigned char *>(row.data()));
        const qsizetype take = std::min<qsizetype>(row.size() - 4, qsizetype(length) - value.size());
        value.append(row.sliced(4, take));
    }
    return value;
}

void TableReader::damagedRow(const QString &problem) const
{
    const QString where = m_row < 0 ? QStringLiteral("page %1").arg(m_page)
                                    : QStringLiteral("page %1, row %2").arg(m_page).arg(m_row);
    throw BankError(QStringLiteral("%1 is damaged: table '%2', %3: %4").arg(m_image.fileName(), m_tableName, where, problem));
}

void TableReader::damaged(const MdbColumn &column, const QString &problem) const
{
    throw BankError(QStringLiteral("%1 is damaged: table '%2', page %3, row %4, column '%5': %6")
                        .arg(m_image.fileName(), m_tableName)
                        .arg(m_page)
                        .arg(m_row)
                        .arg(QString::fromUtf8(column.name), problem));
}

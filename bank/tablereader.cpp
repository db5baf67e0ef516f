#include "tablereader.h"

#include "bankerror.h"
#include "mdbimage.h"

#include <QSet>

#include <cstring>

namespace {

// Row offsets on a data page keep flags in their top bits; the offset is the low 13 bits.
constexpr unsigned kRowOffsetMask = 0x1FFF;

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
    : m_image(image), m_tableName(tableName)
{
    checkDefinitionPage(definitionPage);

    m_entry.mdb = image.handle();
    m_entry.object_type = MDB_TABLE;
    m_entry.table_pg = definitionPage;
    const QByteArray name = tableName.toUtf8().left(MDB_MAX_OBJ_NAME);
    std::memcpy(m_entry.object_name, name.constData(), std::size_t(name.size()));

    auto fail = [&](const QString &problem) {
        return BankError(QStringLiteral("%1: table '%2' (definition page %3): %4")
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
        return BankError(QStringLiteral("%1: table '%2' (definition page %3): %4")
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

    MdbHandle *mdb = m_image.handle();
    std::vector<MdbField> fields(columnCount);
    // The stored row count is a hint only; a damaged one must not reserve gigabytes.
    result.rows.reserve(std::min<std::size_t>(m_table->num_rows, std::size_t(m_image.pageCount()) * 64));
    mdb_rewind_table(m_table.get());
    while (mdb_fetch_row(m_table.get())) {
        // mdb_fetch_row has just accepted row cur_row - 1 of the page in pg_buf; split it
        // again to learn which fields are null, something its unbound result does not keep.
        int start = 0;
        size_t size = 0;
        if (m_table->cur_row == 0 || mdb_find_row(mdb, int(m_table->cur_row - 1), &start, &size) != 0)
            continue;
        if (mdb_crack_row(m_table.get(), int(unsigned(start) & kRowOffsetMask), size, fields.data()) < 0)
            continue;
        std::vector<Cell> row(columnCount);
        for (int index : *wanted)
            row[std::size_t(index)] = readField(fields[std::size_t(index)], *columns[std::size_t(index)]);
        result.rows.push_back(std::move(row));
    }
    return result;
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

void TableReader::damaged(const MdbColumn &column, const QString &problem) const
{
    throw BankError(QStringLiteral("%1: table '%2', column '%3' is damaged: %4")
                        .arg(m_image.fileName(), m_tableName, QString::fromUtf8(column.name), problem));
}

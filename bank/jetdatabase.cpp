// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "jetdatabase.h"

#include "bankerror.h"
#include "connectionstring.h"
#include "jetheader.h"
#include "mdbimage.h"
#include "sqlstatement.h"
#include "tablereader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString kProvider = QStringLiteral("Microsoft.Jet.OLEDB.4.0");
// Jet's built-in user when the connection string names none.
const QString kDefaultUser = QStringLiteral("Admin");

// The catalog table MSysObjects always has its definition on page 2.
constexpr quint32 kCatalogDefinitionPage = 2;
constexpr qint64 kCatalogTypeTable = 1;
constexpr qint64 kCatalogTypeMask = 0x7F;
constexpr qint64 kCatalogPageMask = 0x00FFFFFF;

struct NamedPage {
    QString name;
    quint32 page = 0;
};

QString versionName(jet::Version version)
{
    switch (version) {
    case jet::Version::Jet3: return QCoreApplication::translate("JetDatabase", "a Jet 3 (Access 97) database");
    case jet::Version::Jet4: return QCoreApplication::translate("JetDatabase", "a Jet 4 (Access 2000-2003) database");
    case jet::Version::Ace: return QCoreApplication::translate("JetDatabase", "an ACE (Access 2007 or later) database");
    case jet::Version::Unknown: break;
    }
    return QCoreApplication::translate("JetDatabase", "a database of unknown version");
}

void checkProvider(const ConnectionString &settings)
{
    const QString provider = settings.value(QStringLiteral("Provider")).trimmed();
    if (provider.compare(kProvider, Qt::CaseInsensitive) == 0)
        return;
    throw BankError(provider.isEmpty()
                        ? QCoreApplication::translate("JetDatabase", "The connection string names no provider; the "
                                                                     "bank needs %1")
                              .arg(kProvider)
                        : QCoreApplication::translate("JetDatabase", "Provider '%1' is not supported; the bank needs %2")
                              .arg(provider, kProvider));
}

QByteArray readWholeFile(const QString &path, const QString &role)
{
    if (path.isEmpty())
        throw BankError(QCoreApplication::translate("JetDatabase", "The connection string names no %1").arg(role));
    const QFileInfo info(path);
    if (!info.exists())
        throw BankError(QCoreApplication::translate("JetDatabase", "%1 not found: %2").arg(role, path));
    if (!info.isFile())
        throw BankError(QCoreApplication::translate("JetDatabase", "%1 %2 is not a file").arg(role, path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw BankError(QCoreApplication::translate("JetDatabase", "Cannot read %1 %2: %3")
                            .arg(role, path, file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || bytes.size() != file.size())
        throw BankError(QCoreApplication::translate("JetDatabase", "Cannot read %1 %2: %3")
                            .arg(role, path, file.errorString()));
    return bytes;
}

jet::DefinitionPage definitionPage(const QByteArray &bytes, const QString &fileName)
{
    return jet::readDefinitionPage(QByteArrayView(bytes).first(std::min<qsizetype>(bytes.size(), jet::kJet4PageSize)),
                                   fileName);
}

// The tables listed in MSysObjects, in catalog order.
std::vector<NamedPage> readTableList(MdbImage &image)
{
    TableReader reader(image, QStringLiteral("MSysObjects"), kCatalogDefinitionPage);
    ResultSet names;
    names.columns = reader.columnNames();
    std::vector<int> wanted;
    for (const char *column : {"Id", "Name", "Type"}) {
        const int index = names.columnIndex(QLatin1String(column));
        if (index < 0)
            throw BankError(QCoreApplication::translate("JetDatabase", "%1: the catalog has no column %2")
                                .arg(image.fileName(), QLatin1String(column)));
        wanted.push_back(index);
    }
    const ResultSet catalog = reader.readAll(&wanted);
    std::vector<NamedPage> tables;
    for (const auto &row : catalog.rows) {
        const auto *id = std::get_if<qint64>(&row[std::size_t(wanted[0])]);
        const auto *name = std::get_if<QString>(&row[std::size_t(wanted[1])]);
        const auto *type = std::get_if<qint64>(&row[std::size_t(wanted[2])]);
        if (!id || !name || !type || (*type & kCatalogTypeMask) != kCatalogTypeTable)
            continue;
        tables.push_back({*name, quint32(*id & kCatalogPageMask)});
    }
    return tables;
}

// The bank or workgroup file as every message names it.
QString bankLabel(const QString &path)
{
    return QCoreApplication::translate("JetDatabase", "Bank file %1").arg(path);
}

QString workgroupLabel(const QString &path)
{
    return QCoreApplication::translate("JetDatabase", "Workgroup file %1").arg(path);
}

// Access signs a workgroup file "Jet System DB" and a database "Standard Jet DB"; a
// workgroup file may be either, Jet 3 or Jet 4.
void checkAccount(const QByteArray &bytes, const QString &fileName, const QString &userId)
{
    const QString label = workgroupLabel(fileName);
    const jet::DefinitionPage header = definitionPage(bytes, label);
    if (header.version != jet::Version::Jet3 && header.version != jet::Version::Jet4)
        throw BankError(QCoreApplication::translate("JetDatabase", "%1 is %2, not a Jet 3 or Jet 4 workgroup file")
                            .arg(label, versionName(header.version)));
    MdbImage image(bytes, label);
    const QString accounts = QStringLiteral("MSysAccounts");
    quint32 page = 0;
    bool found = false;
    for (const NamedPage &table : readTableList(image)) {
        if (table.name.compare(accounts, Qt::CaseInsensitive) == 0) {
            page = table.page;
            found = true;
            break;
        }
    }
    if (!found)
        throw BankError(QCoreApplication::translate("JetDatabase", "%1 has no table %2, so it cannot hold the account '%3'")
                            .arg(label, accounts, userId));

    TableReader reader(image, accounts, page);
    ResultSet shape;
    shape.columns = reader.columnNames();
    const int nameColumn = shape.columnIndex(QStringLiteral("Name"));
    const int groupColumn = shape.columnIndex(QStringLiteral("FGroup"));
    if (nameColumn < 0 || groupColumn < 0)
        throw BankError(QCoreApplication::translate("JetDatabase", "%1: table %2 lacks the column %3, so it cannot "
                                                                   "hold the account '%4'")
                            .arg(label, accounts, nameColumn < 0 ? QStringLiteral("Name") : QStringLiteral("FGroup"), userId));
    const std::vector<int> wanted{nameColumn, groupColumn};
    const ResultSet rows = reader.readAll(&wanted);
    for (const auto &row : rows.rows) {
        const auto *name = std::get_if<QString>(&row[std::size_t(nameColumn)]);
        const auto *group = std::get_if<qint64>(&row[std::size_t(groupColumn)]);
        const bool isGroup = group && *group != 0;
        if (name && !isGroup && name->compare(userId, Qt::CaseInsensitive) == 0)
            return;
    }
    throw BankError(QCoreApplication::translate("JetDatabase", "%1 holds no user account '%2'").arg(label, userId));
}

} // namespace

JetDatabase::~JetDatabase() = default;

std::unique_ptr<JetDatabase> JetDatabase::open(const QString &connectionString)
{
    const ConnectionString settings(connectionString);
    checkProvider(settings);
    const QByteArray bank = readWholeFile(settings.value(QStringLiteral("Data Source")),
                                          QCoreApplication::translate("JetDatabase", "Bank file"));
    const QByteArray workgroup =
        readWholeFile(settings.value(QStringLiteral("Jet OLEDB:System database")),
                      QCoreApplication::translate("JetDatabase", "Workgroup file"));
    return openFromBuffers(bank, workgroup, connectionString);
}

std::unique_ptr<JetDatabase> JetDatabase::openFromBuffers(const QByteArray &bank, const QByteArray &workgroup,
                                                          const QString &connectionString)
{
    const ConnectionString settings(connectionString);
    checkProvider(settings);
    const QString bankName = settings.value(QStringLiteral("Data Source"));
    const QString workgroupName = settings.value(QStringLiteral("Jet OLEDB:System database"));

    std::unique_ptr<JetDatabase> database(new JetDatabase);
    database->m_fileName = bankName;
    database->m_userId = settings.contains(QStringLiteral("User ID")) ? settings.value(QStringLiteral("User ID")) : kDefaultUser;
    database->m_userPassword = settings.value(QStringLiteral("Password"));

    const QString label = bankLabel(bankName);
    const jet::DefinitionPage header = definitionPage(bank, label);
    if (header.version != jet::Version::Jet4)
        throw BankError(QCoreApplication::translate("JetDatabase", "%1 is %2; the bank must be a Jet 4 (Access "
                                                                   "2000-2003) database")
                            .arg(label, versionName(header.version)));
    if (header.kind == jet::FileKind::Workgroup)
        throw BankError(QCoreApplication::translate("JetDatabase", "%1 is a workgroup file (\"Jet System DB\"); the "
                                                                   "bank must be a "
                                       "\"Standard Jet DB\" database").arg(label));
    if (!header.password.isEmpty() && header.password != settings.value(QStringLiteral("Jet OLEDB:Database Password")))
        throw BankError(QCoreApplication::translate("JetDatabase", "%1: the database password is wrong").arg(label));

    checkAccount(workgroup, workgroupName, database->m_userId);

    database->m_image = std::make_unique<MdbImage>(bank, label);
    database->readCatalog();
    return database;
}

void JetDatabase::readCatalog()
{
    for (NamedPage &table : readTableList(*m_image)) {
        const QString key = table.name.toLower();
        if (m_catalogIndex.contains(key))
            continue;
        m_catalogIndex.insert(key, m_catalog.size());
        m_catalog.push_back({std::move(table.name), table.page});
    }
}

QStringList JetDatabase::tableNames() const
{
    QStringList names;
    for (const CatalogEntry &entry : m_catalog)
        names.append(entry.name);
    return names;
}

std::shared_ptr<const ResultSet> JetDatabase::table(const QString &name)
{
    const QString key = name.toLower();
    if (const auto cached = m_tables.constFind(key); cached != m_tables.cend())
        return cached.value();
    const auto found = m_catalogIndex.constFind(key);
    if (found == m_catalogIndex.cend())
        throw BankError(QCoreApplication::translate("JetDatabase", "Table '%1' not found in %2")
                            .arg(name, m_image->fileName()));
    const CatalogEntry &entry = m_catalog[found.value()];
    TableReader reader(*m_image, entry.name, entry.definitionPage);
    auto result = std::make_shared<const ResultSet>(reader.readAll());
    m_tables.insert(key, result);
    return result;
}

QStringList JetDatabase::columnNames(const QString &name)
{
    const QString key = name.toLower();
    if (const auto cached = m_tables.constFind(key); cached != m_tables.cend())
        return cached.value()->columns;
    const auto found = m_catalogIndex.constFind(key);
    if (found == m_catalogIndex.cend())
        throw BankError(QCoreApplication::translate("JetDatabase", "Table '%1' not found in %2")
                            .arg(name, m_image->fileName()));
    const CatalogEntry &entry = m_catalog[found.value()];
    return TableReader(*m_image, entry.name, entry.definitionPage).columnNames();
}

ResultSet JetDatabase::query(const QString &statement)
{
    const SqlStatement parsed = SqlStatement::parse(statement);
    const std::shared_ptr<const ResultSet> source = table(parsed.table());

    // A question's knowledge query compares one text column with a few codes: look the
    // codes up instead of scanning the table. The condition still decides every row.
    QString column;
    QStringList texts;
    if (parsed.where() && parsed.where()->equalityList(column, texts)) {
        const int index = source->columnIndex(column);
        if (const TextIndex *lookup = index >= 0 ? textIndex(parsed.table(), *source, index) : nullptr) {
            std::vector<std::size_t> candidates;
            for (const QString &text : std::as_const(texts)) {
                const auto found = lookup->constFind(text.toCaseFolded());
                if (found != lookup->cend())
                    candidates.insert(candidates.end(), found->begin(), found->end());
            }
            std::sort(candidates.begin(), candidates.end());
            candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
            return parsed.run(*source, candidates);
        }
    }
    return parsed.run(*source);
}

const JetDatabase::TextIndex *JetDatabase::textIndex(const QString &table, const ResultSet &rows, int column)
{
    const QString key = table.toLower() + u'/' + rows.columns[column].toLower();
    if (const auto cached = m_textIndexes.constFind(key); cached != m_textIndexes.cend())
        return cached.value().get();
    auto index = std::make_shared<TextIndex>();
    for (std::size_t row = 0; row < rows.rows.size(); ++row) {
        const std::vector<Cell> &cells = rows.rows[row];
        if (std::size_t(column) >= cells.size())
            continue;
        const Cell &cell = cells[std::size_t(column)];
        if (const auto *text = std::get_if<QString>(&cell)) {
            (*index)[text->toCaseFolded()].push_back(row);
        } else if (!std::holds_alternative<std::monostate>(cell)) {
            index.reset();  // numbers compare as numbers: leave such a column to the scan
            break;
        }
    }
    m_textIndexes.insert(key, index);
    return index.get();
}

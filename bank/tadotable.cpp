#include "tadotable.h"

#include "adoconnection.h"
#include "bankerror.h"
#include "jetdatabase.h"

TADOTable::TADOTable(QObject *parent) : TDataSet(parent) {}

void TADOTable::Open()
{
    if (Active())
        return;
    if (!Connection)
        throw BankError(QStringLiteral("%1: no connection").arg(objectName()));
    if (TableName.trimmed().isEmpty())
        throw BankError(QStringLiteral("%1: no table name").arg(objectName()));
    // A copy of the rows: the table stays usable when the connection closes or reconnects.
    setResult(*Connection->database().table(TableName));
}

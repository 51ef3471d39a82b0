#pragma once

#include <QString>
#include <QStringList>

namespace app {

// The ODBC connection string of command-line parameters 1 (database) and
// 2 (server); without parameter 2 the built-in default is used.
QString connectionString(const QStringList& params);
QString connectionString(const QString& database, const QString& server);

// Command-line parameters as start-up received them (without the program).
QStringList commandLineParams();

// Creates every window once, in start-up order, and shows the login dialog
// when the connection opened. Returns false when the client is to end.
bool createWindows(const QStringList& params);
void destroyWindows();

// The whole client: windows, message loop, exit. Returns the exit code.
int run(const QStringList& params);

// Russian texts and formats for Qt's own dialogs, buttons and calendars.
void installRussian();

}   // namespace app

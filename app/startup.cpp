#include "startup.h"

#include "app/journal_window.h"
#include "app/login_dialog.h"
#include "build_constants.h"
#include "catalogues/nomenclature_group_dialog.h"
#include "catalogues/nomenclature_group_list.h"
#include "catalogues/norm_window.h"
#include "catalogues/operation_kind_dialog.h"
#include "catalogues/operation_kind_list.h"
#include "catalogues/price_dialog.h"
#include "catalogues/price_list.h"
#include "catalogues/product_dialog.h"
#include "catalogues/product_list.h"
#include "catalogues/worker_dialog.h"
#include "catalogues/worker_list.h"
#include "data/data_module.h"
#include "journal/auxiliary_workers_dialog.h"
#include "journal/average_rate_chooser.h"
#include "journal/distribution_window.h"
#include "journal/operation_chooser.h"
#include "journal/shift_position_dialog.h"
#include "reports/month_timesheet_report.h"
#include "reports/product_detail_report.h"
#include "reports/product_summary_report.h"
#include "reports/summary_reports_window.h"
#include "reports/worker_detail_report.h"
#include "reports/worker_summary_report.h"
#include "timesheets/nomenclature_timesheet_window.h"
#include "timesheets/payroll_timesheet_window.h"
#include "timesheets/piecework_timesheet_window.h"
#include "timesheets/shift_timesheet_window.h"
#include "utility/utility_entry_dialog.h"
#include "utility/utility_journal_window.h"

#include "platform/ui/application.h"
#include "platform/ui/messages.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace app {

namespace {

QStringList startParams;

// Options of the ODBC driver, in the order the driver is given them.
const char* const kDriverOptions =
    "ReadOnly=0;Protocol=7.4;FakeOidIndex=0;ShowOidColumn=0;RowVersioning=0;ShowSystemTables=0;Fetch=100;"
    "UnknownSizes=0;MaxVarcharSize=255;MaxLongVarcharSize=8190;"
    "Debug=0;CommLog=0;UseDeclareFetch=0;TextAsLongVarchar=1;UnknownsAsLongVarchar=0;BoolsAsChar=1;Parse=0;"
    "ExtraSysTablePrefixes=;LFConversion=1;UpdatableCursors=1;"
    "TrueIsMinus1=0;BI=0;ByteaAsLongVarBinary=1;UseServerSidePrepare=1;LowerCaseIdentifier=0;D6=-101;"
    "OptionalErrors=0;XaOpt=1";

template <class T> void create(T*& global)
{
    global = new T();
}

template <class T> void destroy(T*& global)
{
    delete global;
    global = nullptr;
}

}   // namespace

QString connectionString(const QString& database, const QString& server)
{
    return QStringLiteral("DRIVER={PostgreSQL UNICODE};DATABASE=") + database + QStringLiteral(";SERVER=") + server +
        QStringLiteral(";PORT=5432;UID=sys;PWD=") + QLatin1String(build::kDbPassword) +
        QStringLiteral(";SSLmode=allow;") + QLatin1String(kDriverOptions);
}

QString connectionString(const QStringList& params)
{
    const QString server = params.value(1);
    if (!server.isEmpty())
        return connectionString(params.value(0), server);
    return connectionString(QStringLiteral("brusk_erp"), QLatin1String(build::kDefaultServer));
}

QStringList commandLineParams()
{
    return startParams;
}

bool createWindows(const QStringList& params)
{
    startParams = params;
    create(Form1);   // creates the data module and the login dialog too
    create(Form2);
    create(Form3);
    create(Form4);
    create(Form5);
    create(Form7);
    create(Form8);
    create(Form9);
    create(Form10);
    create(Form11);
    create(Form18);
    create(Form19);
    create(Form21);
    create(Form15);
    create(Form16);
    create(Form17);
    create(Form20);
    create(Form22);
    create(Form24);
    create(Form25);
    create(Form26);
    create(Form27);
    create(Form29);
    create(Form31);
    create(Form30);
    create(Form132);
    create(Form33);
    create(Form134);
    create(Form135);
    if (pf::Application::terminated() || !Form23)
        return false;
    Form23->showForm();   // visible from start-up; activation runs the version gate
    return !pf::Application::terminated();
}

void destroyWindows()
{
    destroy(Form135);
    destroy(Form134);
    destroy(Form33);
    destroy(Form132);
    destroy(Form30);
    destroy(Form31);
    destroy(Form29);
    destroy(Form27);
    destroy(Form26);
    destroy(Form25);
    destroy(Form24);
    destroy(Form22);
    destroy(Form20);
    destroy(Form17);
    destroy(Form16);
    destroy(Form15);
    destroy(Form21);
    destroy(Form19);
    destroy(Form18);
    destroy(Form11);
    destroy(Form10);
    destroy(Form9);
    destroy(Form8);
    destroy(Form7);
    destroy(Form5);
    destroy(Form4);
    destroy(Form3);
    destroy(Form2);
    destroy(Form23);
    destroy(Form1);
    destroy(DataModule6);
}

int run(const QStringList& params)
{
    try {
        if (createWindows(params))
            QApplication::exec();
    } catch (const std::exception& error) {
        pf::showError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        pf::showError(QString());
    }
    destroyWindows();
    return 0;
}

void installRussian()
{
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    QLocale::setDefault(russian);
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : {"qtbase_ru", "qt_ru"}) {
        auto* translator = new QTranslator(qApp);
        if (translator->load(QString::fromLatin1(name), dir))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
}

}   // namespace app

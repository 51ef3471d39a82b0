#include "application.h"

#include <QApplication>
#include <QCursor>
#include <QPointer>

#include "form.h"

namespace pf {

namespace {
bool terminatedFlag = false;
QPointer<Form> mainFormPtr;
QDate fixedToday;
}   // namespace

QDate Application::today()
{
    return fixedToday.isValid() ? fixedToday : QDate::currentDate();
}

void Application::setToday(const QDate& date)
{
    fixedToday = date;
}

void Application::terminate()
{
    terminatedFlag = true;
    QCoreApplication::exit(0);   // leaves every running event loop
}

bool Application::terminated()
{
    return terminatedFlag;
}

void Application::resetTerminated()
{
    terminatedFlag = false;
}

void Application::processMessages()
{
    QCoreApplication::processEvents();
}

void Application::setMainForm(Form* form)
{
    mainFormPtr = form;
}

Form* Application::mainForm()
{
    return mainFormPtr.data();
}

HourglassCursor::HourglassCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

HourglassCursor::~HourglassCursor()
{
    QApplication::restoreOverrideCursor();
}

}   // namespace pf

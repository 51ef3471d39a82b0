#pragma once

#include <QDate>

namespace pf {

class Form;

// Application-wide services the windows use: ending the client, letting
// pending events run, and the window whose closing ends the client.
class Application {
public:
    static void terminate();
    static bool terminated();
    static void resetTerminated();   // for tests that start the client again
    static void processMessages();

    static void setMainForm(Form* form);
    static Form* mainForm();

    // Today's date; tests may fix it (an invalid date restores the clock).
    static QDate today();
    static void setToday(const QDate& date);
};

// Shows the hourglass cursor while it lives.
class HourglassCursor {
public:
    HourglassCursor();
    ~HourglassCursor();
    HourglassCursor(const HourglassCursor&) = delete;
    HourglassCursor& operator=(const HourglassCursor&) = delete;
};

}   // namespace pf

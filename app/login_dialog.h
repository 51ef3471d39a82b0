#pragma once

#include "platform/db/table.h"
#include "platform/ui/form.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

// The login dialog "Авторизация": one access word selects the role. It is
// the application's main window; the version gate runs when it activates.
class TForm23 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm23(QWidget* parent = nullptr);

    QLineEdit* Edit1;
    QPushButton* Button1;   // "Вход"
    QPushButton* Button2;   // "Отмена"
    QTimer* Timer1;         // ends a refused client after 5 seconds

    void Button1Click();
    void Button2Click();
    void FormActivate();
    void Timer1Timer();

protected:
    void formActivate() override { FormActivate(); }

private:
    void showJournal();
    void setShiftFilter();
};

extern TForm23* Form23;

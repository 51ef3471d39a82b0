#pragma once

#include "platform/ui/form.h"

// Printed timesheet of the month.
class TForm15 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm15(QWidget* parent = nullptr);
};

extern TForm15* Form15;

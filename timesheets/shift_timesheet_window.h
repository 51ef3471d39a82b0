#pragma once

#include "platform/ui/form.h"

// The month's timesheet per shift.
class TForm19 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm19(QWidget* parent = nullptr);
};

extern TForm19* Form19;

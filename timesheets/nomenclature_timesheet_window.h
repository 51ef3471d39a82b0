#pragma once

#include "platform/ui/form.h"

// Timesheets by nomenclature group.
class TForm31 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm31(QWidget* parent = nullptr);
};

extern TForm31* Form31;
